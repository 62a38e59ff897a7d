#include "app/AppWindows.h"

#include "calculator/CalculatorWindows.h"
#include "deskcalc/DeskCalcWindows.h"
#include "runtime/WindowRegistry.h"
#include "settings/SettingsWindows.h"
#include "shell/Application.h"
#include "shell/w_pwd.h"
#include "ui/w_genapp_toolbars.h"

namespace app {

void registerAppWindows()
{
    rt::WindowRegistry &registry = rt::WindowRegistry::instance();
    registry.registerClass(shell::w_pwd::className(), [](QWidget *) { return new shell::w_pwd; });
    // The menu makes the dialog with the frame as its parent: that is the
    // frame whose toolbar it changes.
    registry.registerClass(ui::w_genapp_toolbars::className(), [](QWidget *parent) {
        return new ui::w_genapp_toolbars(qobject_cast<QMainWindow *>(parent), parent);
    });

    db::Transaction &sqlca = shell::Application::instance().sqlca;
    settings::registerSettingsWindows(sqlca);
    calculator::registerCalculatorWindows(sqlca);
    deskcalc::registerDeskCalcWindows();
}

} // namespace app
