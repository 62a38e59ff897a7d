#include "shell/Application.h"

#include "runtime/MessageBoxService.h"
#include "runtime/Windows.h"
#include "shell/w_flash.h"
#include "shell/w_pwd.h"
#include "ui/ToolbarGlobals.h"

namespace shell {

Application &Application::instance()
{
    static Application app;
    return app;
}

QString Application::microhelpDefault()
{
    return QStringLiteral("就绪");
}

QString Application::connectParameters()
{
    return QStringLiteral("ConnectString='DSN=vomar;PWD=merovi2749'");
}

bool Application::open()
{
    sqlca.DBMS = QStringLiteral("ODBC");
    sqlca.AutoCommit = false;
    sqlca.DBParm = connectParameters();
    sqlca.connect();
    if (sqlca.SQLCode != 0) {
        rt::MessageBoxService::show(nullptr, QStringLiteral("数据库连接失败"), sqlca.SQLErrText,
            rt::MessageBoxService::Icon::Information);
        return false;
    }

    rt::windows::openModal(new w_flash([] { rt::windows::openOrdinary(new w_pwd); }));
    ui::toolbarSwitches().userControl = false;
    return true;
}

void Application::close()
{
    sqlca.disconnect();
}

} // namespace shell
