#include "ui/uo_toolbarutil6.h"

namespace ui {

uo_toolbarutil6::uo_toolbarutil6()
    : uo_toolbarutil(ui::FrameToolBar::classNameForVersion(6))
{ }

} // namespace ui
