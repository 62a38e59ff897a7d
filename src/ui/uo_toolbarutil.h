#pragma once

#include "ui/FrameToolBar.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace ui {

// Changes the frame window's toolbar: the font of the button texts, the
// text under the icons, the separators and the icon size the buttons are
// laid out for. The program holds one variant of it (uo_toolbarutil6/7/8,
// one per host version) in the global guo_toolbarutil(), made by
// f_create_toolbarutil.
//
// The object is unbound until of_inittoolbar has found the frame's toolbar.
// The binding is a guarded pointer: once that frame (and so its toolbar)
// is gone, the object is unbound again and every operation leaves the
// screen alone until the next successful of_inittoolbar.
class uo_toolbarutil
{
public:
    static constexpr int kDefaultIconSize = ui::FrameToolBar::kDefaultIconSize;

    virtual ~uo_toolbarutil() = default;
    uo_toolbarutil(const uo_toolbarutil &) = delete;
    uo_toolbarutil &operator=(const uo_toolbarutil &) = delete;

    // Binds to the first toolbar directly under `frame` whose window class
    // is this variant's, and records `iconSize` as the icon size when it is
    // above 16. False when `frame` is empty or has no such toolbar; an
    // earlier binding and icon size then stay.
    bool of_inittoolbar(QWidget *frame, int iconSize);

    // The font of the button texts (size: negative points, positive pixels).
    void of_settoolbarfont(const QString &fontName, int fontSize, const QString &extentText);

    // Text under the icons on or off; with the text on the separators are
    // shown, with it off the buttons are laid out for the icon size.
    void of_toolbarshowtext(bool show);

    void of_displayseperator();
    void of_adjusttoolbariconsize();

    QString toolClassName() const { return m_toolClassName; }
    int iconSize() const { return m_iconSize; }
    bool isBound() const { return !m_toolbar.isNull(); }
    ui::FrameToolBar *boundToolbar() const { return m_toolbar.data(); }
    QWidget *boundFrame() const { return m_frame.data(); }

protected:
    explicit uo_toolbarutil(const QString &toolClassName)
        : m_toolClassName(toolClassName)
    { }

    // The host library's toolbar routines, which a variant may replace. The
    // program's own frame toolbar offers them for every host version.
    virtual void setToolbarFont(ui::FrameToolBar &toolbar, const QString &fontName, int fontSize,
        const QString &extentText);
    virtual void showToolbarText(ui::FrameToolBar &toolbar, bool show);

private:
    QPointer<ui::FrameToolBar> m_toolbar;
    QPointer<QWidget> m_frame;
    QString m_toolClassName;
    int m_iconSize = kDefaultIconSize;
};

} // namespace ui
