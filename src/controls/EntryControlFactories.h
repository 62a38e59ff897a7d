#pragma once

#include "runtime/ControlBuilder.h"

namespace controls {

// The builder's factories for the shared entry controls: the masked entry
// field (ControlKind::MaskedEdit) and the picture button
// (ControlKind::PictureButton). A window built from a control table hands
// these to rt::ControlBuilder.
//
// A masked entry field from a table shows the declared text under its mask:
// an unwritten numeric field is empty, since a numeric mask cannot show
// letters. A picture button takes the focus through its inner button.
const rt::ControlFactories &entryControlFactories();

} // namespace controls
