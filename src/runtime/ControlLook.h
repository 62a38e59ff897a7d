#pragma once

#include "runtime/FontDecl.h"

namespace rt {

// What a control maker leaves to its caller: the font, the colours, the
// tab order and the state at creation (see ControlDecl).
struct ControlLook
{
    FontDecl font {};
    long textColor = -1;
    long backColor = -1;
    int tabOrder = 0;
    bool enabled = true;
    bool visible = true;
};

} // namespace rt
