#pragma once

#include <QObject>

class QWidget;

namespace rt {

// Tells the window manager which buttons a modal window offers: its title
// and border, a close box only where its flags have one, no minimize or
// maximize box, and no resizing. Qt passes a window's flags to an X11 window manager as the
// functions the window allows, which some window managers (openbox among
// them) do not take as a reason to hide the buttons; they follow the
// decorations of the same hint, which this sets. Elsewhere it does nothing.
// Installed as an event filter on the window, owned by it; the hint is set
// again whenever the window is shown, since Qt rewrites it.
class WindowManagerHints : public QObject
{
    Q_OBJECT

public:
    explicit WindowManagerHints(QWidget *window);

    // True when the hint could be set on this platform (an X11 display).
    static bool available();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QWidget *m_window;
};

} // namespace rt
