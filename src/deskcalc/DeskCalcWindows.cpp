#include "deskcalc/DeskCalcWindows.h"

#include "deskcalc/w_4.h"
#include "runtime/WindowRegistry.h"

using namespace Qt::StringLiterals;

namespace deskcalc {

void registerDeskCalcWindows()
{
    // A top-level window of its own, whoever opens it: it belongs to no
    // frame and outlives the one that opened it.
    rt::WindowRegistry::instance().registerClass(u"w_4"_s, [](QWidget *) { return new w_4; });
}

} // namespace deskcalc
