#include "app/AppWindows.h"
#include "db/WaitLimits.h"
#include "runtime/DisplayAvailability.h"
#include "runtime/ToolkitTranslation.h"
#include "shell/Application.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display the toolkit would abort with a misleading text: say
    // what is missing, in one line, and end with status 1.
    if (const QString reason = rt::missingDisplayReason(); !reason.isEmpty()) {
        std::fprintf(stderr, "kelvaro: %s\n", qPrintable(reason));
        return 1;
    }
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
    // The program's own limits on every database call (db::WaitLimits).
    return shell::Application::instance().run(db::WaitLimits {});
}
