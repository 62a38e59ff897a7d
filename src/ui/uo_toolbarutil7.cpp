#include "ui/uo_toolbarutil7.h"

uo_toolbarutil7::uo_toolbarutil7()
    : uo_toolbarutil(ui::FrameToolBar::classNameForVersion(7))
{ }
