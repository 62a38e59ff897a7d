#pragma once

namespace deskcalc {

// Registers the desk calculator window class "w_4", so that the frame's
// menu opens it by its class name.
void registerDeskCalcWindows();

} // namespace deskcalc
