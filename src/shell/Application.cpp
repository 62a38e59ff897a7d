#include "Application.h"

Application &Application::instance()
{
    static Application app;
    return app;
}

QString Application::microhelpDefault()
{
    return QStringLiteral("就绪");
}

bool Application::open()
{
    return false;
}

void Application::close()
{
    sqlca.disconnect();
}
