#include "app/AppWindows.h"

#include "shell/Application.h"
#include "calculator/CalculatorWindows.h"
#include "deskcalc/DeskCalcWindows.h"
#include "settings/SettingsWindows.h"
#include "runtime/WindowRegistry.h"
#include "ui/w_genapp_toolbars.h"
#include "shell/w_pwd.h"

void registerAppWindows()
{
    rt::WindowRegistry &registry = rt::WindowRegistry::instance();
    registry.registerClass(QStringLiteral("w_pwd"), [](QWidget *) { return new w_pwd; });
    registry.registerClass(QStringLiteral("w_genapp_toolbars"),
                           [](QWidget *parent) { return new w_genapp_toolbars(parent); });

    rt::Transaction &sqlca = Application::instance().sqlca;
    registerSettingsWindows(sqlca);
    registerCalculatorWindows(sqlca);
    registerDeskCalcWindows();
}
