#include "calculator/CalculatorWindows.h"

#include "calculator/GraduationWindow.h"
#include "calculator/ScoreCalculatorWindow.h"
#include "calculator/YearProfile.h"
#include "runtime/WindowRegistry.h"

void registerCalculatorWindows(rt::Transaction &sqlca)
{
    for (const calculator::YearProfile *year : calculator::yearProfiles()) {
        rt::WindowRegistry::instance().registerClass(
            year->className, [&sqlca, year](QWidget *parent) -> QWidget * {
                return new calculator::ScoreCalculatorWindow(*year, sqlca, parent);
            });
    }

    rt::WindowRegistry::instance().registerClass(calculator::GraduationWindow::className(),
        [](QWidget *parent) -> QWidget * { return new calculator::GraduationWindow(parent); });
}
