#pragma once

#include "ui/uo_toolbarutil.h"

#include <memory>

// The toolbar utility for each host version. They differ in the window
// class of the toolbar they look for; all of them drive the program's own
// frame toolbar (ui::FrameToolBar).
class uo_toolbarutil6 : public uo_toolbarutil
{
public:
    uo_toolbarutil6();

protected:
    void fn_toolbarsetfont(ui::FrameToolBar &toolbar, const QString &fontname, int fontsize,
                           const QString &extent) override;
    void fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show) override;
};

class uo_toolbarutil7 : public uo_toolbarutil
{
public:
    uo_toolbarutil7();

protected:
    void fn_toolbarsetfont(ui::FrameToolBar &toolbar, const QString &fontname, int fontsize,
                           const QString &extent) override;
    void fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show) override;
};

class uo_toolbarutil8 : public uo_toolbarutil
{
public:
    uo_toolbarutil8();

protected:
    void fn_toolbarsetfont(ui::FrameToolBar &toolbar, const QString &fontname, int fontsize,
                           const QString &extent) override;
    void fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show) override;
};

// Puts the variant for the running host (ui::hostEnvironment()) into an
// empty `auo_toolbarutil`: 6, 7 or 8. False when the host cannot be asked
// or the holder already has an object (which it keeps); true otherwise,
// also for another version, which leaves the holder empty.
bool f_create_toolbarutil(std::unique_ptr<uo_toolbarutil> &auo_toolbarutil);
