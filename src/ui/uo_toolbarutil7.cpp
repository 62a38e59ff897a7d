#include "ui/uo_toolbarutil7.h"

namespace ui {

uo_toolbarutil7::uo_toolbarutil7()
    : uo_toolbarutil(ui::FrameToolBar::classNameForVersion(7))
{ }

} // namespace ui
