#include "CalculatorWindows.h"

#include "ScoreCalculatorWindow.h"
#include "WindowRegistry.h"
#include "YearProfile.h"

void registerCalculatorWindows(rt::Transaction &sqlca)
{
    const calculator::YearProfile &firstYear = calculator::firstYearProfile();
    rt::WindowRegistry::instance().registerClass(
        firstYear.className, [&sqlca, &firstYear](QWidget *parent) -> QWidget * {
            return new calculator::ScoreCalculatorWindow(firstYear, sqlca, parent);
        });
}
