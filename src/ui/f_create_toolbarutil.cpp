#include "ui/f_create_toolbarutil.h"

#include "ui/HostEnvironment.h"
#include "ui/uo_toolbarutil6.h"
#include "ui/uo_toolbarutil7.h"
#include "ui/uo_toolbarutil8.h"

bool f_create_toolbarutil(std::unique_ptr<uo_toolbarutil> &auo_toolbarutil)
{
    ui::Environment lenv;
    if (!ui::hostEnvironment().getEnvironment(lenv))
        return false;
    if (auo_toolbarutil)
        return false;
    switch (lenv.majorVersion) {
    case 6:
        auo_toolbarutil = std::make_unique<uo_toolbarutil6>();
        break;
    case 8:
        auo_toolbarutil = std::make_unique<uo_toolbarutil8>();
        break;
    case 7:
        auo_toolbarutil = std::make_unique<uo_toolbarutil7>();
        break;
    default:
        break;
    }
    return true;
}
