#pragma once

#include "runtime/ControlTable.h"

// The page definition d_start: the fixed pictures and texts of the frame's
// start page, positioned in layout units inside the page.
namespace shell::startpage {

// The objects in drawing order; a later object lies above an earlier one.
// Pictures (ControlKind::Picture) draw their resource (none: nothing is
// drawn) and carry a tag and the pointer shown over them, except for the
// arrows; texts (ControlKind::Label) are drawn centred at the top of their
// box on a transparent background.
const rt::ControlTable &d_start();

// Size of the page in layout units.
inline constexpr int kPageWidth = 3671;
inline constexpr int kPageHeight = 2144;

// Border codes of a page object.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderLowered = 5;
inline constexpr int kBorderRaised = 6;

} // namespace shell::startpage
