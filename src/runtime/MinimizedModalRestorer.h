#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rt {

// Brings a modal window back that the window system minimized anyway.
//
// A minimized modal window still blocks every other window of the program,
// so the program looks frozen: the user clicks the frame and nothing
// happens (the toolkit delivers no event for a click on a blocked window,
// so the click itself cannot be relied on to bring the window back). While
// this object lives (the modal run makes one for the window it opens), the
// minimized window is shown normal again, raised and given the focus as
// soon as another window of the program is on the screen: at once when it
// was minimized alone, else when a window of the program is restored or
// activated or the application becomes active again.
class MinimizedModalRestorer : public QObject
{
    Q_OBJECT

public:
    explicit MinimizedModalRestorer(QWidget *modal);
    ~MinimizedModalRestorer() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreSoon();
    void restore();
    // Whether a window of the program other than the modal one is shown
    // and not minimized.
    bool otherWindowOnScreen() const;

    QPointer<QWidget> m_modal;
    bool m_pending = false;
};

} // namespace rt
