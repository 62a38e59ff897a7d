#pragma once

#include <QObject>

class QWidget;

namespace rt {

// Makes a window close only through its own close button: Esc and the
// window manager's close request (any close that does not come through
// closeWindow()) are ignored. The window's button calls
// closeWindow(), which lets the one close through. Installed as an event
// filter on the window; owned by it.
class CloseGuard : public QObject
{
    Q_OBJECT

public:
    explicit CloseGuard(QWidget *window);

    // Closes the window (for a dialog: accepts it), letting the close
    // through the guard.
    void closeWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_closing = false;
};

} // namespace rt
