#include "deskcalc/DeskCalcWindows.h"

#include "deskcalc/w_4.h"
#include "runtime/WindowRegistry.h"

void registerDeskCalcWindows()
{
    // A top-level window of its own, whoever opens it: it belongs to no
    // frame and outlives the one that opened it.
    rt::WindowRegistry::instance().registerClass(
        QStringLiteral("w_4"), [](QWidget *) { return new w_4; });
}
