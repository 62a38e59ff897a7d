#include "calculator/CalculatorWindows.h"

#include "calculator/GraduationWindow.h"
#include "calculator/ScoreCalculatorWindow.h"
#include "calculator/YearProfile.h"
#include "runtime/WindowRegistry.h"

void registerCalculatorWindows(rt::Transaction &sqlca)
{
    const calculator::YearProfile &firstYear = calculator::firstYearProfile();
    rt::WindowRegistry::instance().registerClass(
        firstYear.className, [&sqlca, &firstYear](QWidget *parent) -> QWidget * {
            return new calculator::ScoreCalculatorWindow(firstYear, sqlca, parent);
        });

    rt::WindowRegistry::instance().registerClass(calculator::GraduationWindow::className(),
        [](QWidget *parent) -> QWidget * { return new calculator::GraduationWindow(parent); });
}
