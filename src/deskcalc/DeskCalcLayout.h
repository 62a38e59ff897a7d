#pragma once

#include "runtime/ControlTable.h"
#include "runtime/WindowDecl.h"

namespace deskcalc {

// The desk calculator's window: its title, icon, outer size and where it
// opens on the screen.
const rt::WindowDecl &deskCalcWindow();

// The calculator's 28 controls in their order of creation: the number view
// `sle_1`, the time view `sle_2` over it, twenty-five buttons and the group
// box `gb_1` around them.
const rt::ControlTable &deskCalcControls();

} // namespace deskcalc
