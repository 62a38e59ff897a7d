#include "AppWindows.h"

#include "Application.h"
#include "CalculatorWindows.h"
#include "SettingsWindows.h"
#include "WindowRegistry.h"
#include "w_genapp_toolbars.h"
#include "w_pwd.h"

void registerAppWindows()
{
    rt::WindowRegistry &registry = rt::WindowRegistry::instance();
    registry.registerClass(QStringLiteral("w_pwd"), [](QWidget *) { return new w_pwd; });
    registry.registerClass(QStringLiteral("w_genapp_toolbars"),
                           [](QWidget *parent) { return new w_genapp_toolbars(parent); });

    rt::Transaction &sqlca = Application::instance().sqlca;
    registerSettingsWindows(sqlca);
    registerCalculatorWindows(sqlca);
}
