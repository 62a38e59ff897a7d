#pragma once

#include "ui/uo_toolbarutil.h"

namespace ui {

// The toolbar utility of host version 6: it looks for the toolbar of the
// window class "FNFIXEDBAR60".
class uo_toolbarutil6 : public uo_toolbarutil
{
public:
    uo_toolbarutil6();
};

} // namespace ui
