#include "ui/uo_toolbarutil8.h"

uo_toolbarutil8::uo_toolbarutil8()
    : uo_toolbarutil(ui::FrameToolBar::classNameForVersion(8))
{ }
