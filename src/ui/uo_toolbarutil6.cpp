#include "ui/uo_toolbarutil6.h"

uo_toolbarutil6::uo_toolbarutil6()
    : uo_toolbarutil(ui::FrameToolBar::classNameForVersion(6))
{ }
