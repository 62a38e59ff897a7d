#include "ui/ToolbarGlobals.h"

#include "ui/uo_toolbarutil.h"

namespace ui {

ToolbarSwitches &toolbarSwitches()
{
    static ToolbarSwitches switches;
    return switches;
}

std::unique_ptr<uo_toolbarutil> &guo_toolbarutil()
{
    static std::unique_ptr<uo_toolbarutil> util;
    return util;
}

} // namespace ui
