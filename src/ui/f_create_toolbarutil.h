#pragma once

#include "ui/uo_toolbarutil.h"

#include <memory>

namespace ui {

// Puts the variant for the running host (ui::hostEnvironment()) into an
// empty `util`: 6, 7 or 8. False when the host cannot be asked or the
// holder already has an object (which it keeps); true otherwise, also for
// another version, which leaves the holder empty.
bool f_create_toolbarutil(std::unique_ptr<uo_toolbarutil> &util);

} // namespace ui
