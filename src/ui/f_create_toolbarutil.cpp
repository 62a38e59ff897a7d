#include "ui/f_create_toolbarutil.h"

#include "ui/HostEnvironment.h"
#include "ui/uo_toolbarutil6.h"
#include "ui/uo_toolbarutil7.h"
#include "ui/uo_toolbarutil8.h"

namespace ui {

bool f_create_toolbarutil(std::unique_ptr<uo_toolbarutil> &util)
{
    ui::Environment environment;
    if (!ui::hostEnvironment().getEnvironment(environment))
        return false;
    if (util)
        return false;
    switch (environment.majorVersion) {
    case 6:
        util = std::make_unique<uo_toolbarutil6>();
        break;
    case 8:
        util = std::make_unique<uo_toolbarutil8>();
        break;
    case 7:
        util = std::make_unique<uo_toolbarutil7>();
        break;
    default:
        break;
    }
    return true;
}

} // namespace ui
