#include "calculator/CalculatorWindows.h"

#include "calculator/ScoreCalculatorWindow.h"
#include "calculator/YearProfile.h"
#include "calculator/w_jsq_by.h"
#include "runtime/WindowRegistry.h"

namespace calculator {

void registerCalculatorWindows(db::Transaction &sqlca)
{
    for (const YearProfile *year : yearProfiles()) {
        rt::WindowRegistry::instance().registerClass(
            year->className, [&sqlca, year](QWidget *parent) -> QWidget * {
                return new ScoreCalculatorWindow(*year, sqlca, parent);
            });
    }

    rt::WindowRegistry::instance().registerClass(
        w_jsq_by::className(), [](QWidget *parent) -> QWidget * { return new w_jsq_by(parent); });
}

} // namespace calculator
