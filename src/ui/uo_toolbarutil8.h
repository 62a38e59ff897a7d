#pragma once

#include "ui/uo_toolbarutil.h"

namespace ui {

// The toolbar utility of host version 8: it looks for the toolbar of the
// window class "FNFIXEDBAR80".
class uo_toolbarutil8 : public uo_toolbarutil
{
public:
    uo_toolbarutil8();
};

} // namespace ui
