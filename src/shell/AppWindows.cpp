#include "AppWindows.h"

#include "WindowRegistry.h"
#include "w_pwd.h"

void registerAppWindows()
{
    rt::WindowRegistry &registry = rt::WindowRegistry::instance();
    registry.registerClass(QStringLiteral("w_pwd"), [](QWidget *) { return new w_pwd; });
}
