#include "AppWindows.h"
#include "Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    registerAppWindows();
    Application &book = Application::instance();
    if (!book.open())
        return 0;
    const int rc = QApplication::exec();
    book.close();
    return rc;
}
