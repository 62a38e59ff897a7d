#include "app/AppWindows.h"
#include "runtime/ToolkitTranslation.h"
#include "shell/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program reads no command-line argument, and neither does the
    // toolkit: it sees only the program's name, so that any command line
    // (also one with toolkit options such as -platform or -reverse) starts
    // the program in the same way.
    static char fallbackName[] = "kelvaro";
    int qtArgc = 1;
    char *qtArgv[] = { argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr };
    QApplication qtApp(qtArgc, qtArgv);
    // Qt's own texts in Chinese too, before the first box or window; without
    // the translation file they stay English.
    rt::installToolkitTranslation();
    app::registerAppWindows();
    return shell::Application::instance().run();
}
