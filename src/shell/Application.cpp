#include "shell/Application.h"

#include "db/Connection.h"
#include "runtime/MessageBoxService.h"
#include "runtime/Windows.h"
#include "shell/w_flash.h"
#include "shell/w_pwd.h"
#include "ui/ToolbarGlobals.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace shell {

Application &Application::instance()
{
    static Application app;
    return app;
}

QString Application::microhelpDefault()
{
    return u"就绪"_s;
}

QString Application::connectParameters()
{
    return u"ConnectString='DSN=vomar;PWD=merovi2749'"_s;
}

bool Application::open(const db::WaitLimits &limits)
{
    sqlca.setWaitLimits(limits);
    sqlca.DBMS = u"ODBC"_s;
    sqlca.AutoCommit = false;
    sqlca.DBParm = connectParameters();
    sqlca.connect();
    if (sqlca.SQLCode != 0) {
        rt::MessageBoxService::show(nullptr, u"数据库连接失败"_s, sqlca.SQLErrText,
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

int Application::run(const db::WaitLimits &limits)
{
    int rc = 1;
    if (open(limits)) {
        rc = QApplication::exec();
        close();
    }
    db::Connection::waitForAbandonedConnects(limits.callLimit);
    return rc;
}

} // namespace shell
