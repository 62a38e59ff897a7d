#pragma once

#include "ui/uo_toolbarutil.h"

namespace ui {

// The toolbar utility of host version 7: it looks for the toolbar of the
// window class "FNFIXEDBAR70".
class uo_toolbarutil7 : public uo_toolbarutil
{
public:
    uo_toolbarutil7();
};

} // namespace ui
