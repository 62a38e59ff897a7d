#pragma once

#include "Transaction.h"

#include <QObject>

class uo_toolbarutil;

// The application object "book": the globals that the windows share and
// the start-up and close handling.
class Application : public QObject
{
public:
    static Application &instance();

    rt::Transaction sqlca;
    bool button_flag = false;
    bool toolbarUserControl = true;
    bool toolbarText = false;
    bool toolbarTips = true;

    static QString microhelpDefault();

    // Start-up: connect, then the splash window. False when the connection
    // was refused (the box has been shown; the caller ends the program).
    bool open();
    // Runs when the last window has closed.
    void close();

private:
    Application() = default;
};
