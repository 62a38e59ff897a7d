#pragma once

#include "db/Transaction.h"

#include <QString>

namespace shell {

// The application object "book": the globals that the windows share and
// the start-up and close handling.
class Application
{
public:
    static Application &instance();

    // The program's one database connection.
    db::Transaction sqlca;
    // True while the frame shows its start page.
    bool button_flag = false;

    // What the status bar shows while no menu item is highlighted.
    static QString microhelpDefault();

    // The data source's settings, fixed in the program.
    static QString connectParameters();

    // Start-up: connect with `limits` on every database call, then the
    // splash window, which opens the start window. False when the
    // connection was refused: the message box has been shown and no window
    // is open, so the program ends.
    bool open(const db::WaitLimits &limits = {});
    // Runs when the last window has closed: disconnects.
    void close();

    // The program's run, once the application object exists: open, the
    // windows until the last one closes, close. Gives the program's exit
    // status: 1 when the connection was refused (after its message box),
    // else the event loop's. A connect abandoned at the call limit is given
    // that long again to end before the program does.
    int run(const db::WaitLimits &limits = {});

private:
    Application() = default;
};

} // namespace shell
