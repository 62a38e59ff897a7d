#include "ui/uo_toolbarutil8.h"

namespace ui {

uo_toolbarutil8::uo_toolbarutil8()
    : uo_toolbarutil(ui::FrameToolBar::classNameForVersion(8))
{ }

} // namespace ui
