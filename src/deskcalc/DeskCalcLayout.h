#pragma once

#include "runtime/ControlTable.h"

#include <QPoint>
#include <QSize>

namespace deskcalc {

// Where the desk calculator opens on the screen and its outer size, in
// layout units.
inline constexpr QPoint windowPosition { 1111, 488 };
inline constexpr QSize windowOuterSize { 1312, 1108 };

// The calculator's 28 controls in their order of creation: the number view
// `sle_1`, the time view `sle_2` over it, twenty-five buttons and the group
// box `gb_1` around them.
const rt::ControlTable &deskCalcControls();

} // namespace deskcalc
