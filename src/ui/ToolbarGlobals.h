#pragma once

#include <memory>

namespace ui {

class uo_toolbarutil;

// The application-wide toolbar switches. The toolbars read them whenever
// they need them, so a change applies at once.
struct ToolbarSwitches
{
    // Text under the toolbar pictures; read by the toolbar settings dialog
    // when it opens, kept in step by the toolbar utility.
    bool text = false;
    // Tips over the toolbar buttons.
    bool tips = true;
    // Whether the user may move, float or hide the toolbar by its own
    // means; start-up turns it off, and toolbars made afterwards honour it.
    bool userControl = true;
};

ToolbarSwitches &toolbarSwitches();

// The global toolbar utility guo_toolbarutil: empty until the start
// window has the factory create it; kept until the program ends.
std::unique_ptr<uo_toolbarutil> &guo_toolbarutil();

} // namespace ui
