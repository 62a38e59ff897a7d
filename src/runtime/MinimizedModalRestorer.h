#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rt {

// Brings a modal window back that the window system minimized anyway.
//
// A minimized modal window still blocks every other window of the program,
// so the program looks frozen: the user clicks the frame and nothing
// happens. While this object lives (the modal run makes one for the
// window it opens), activating any window of the program, the modal window
// itself included, or the application becoming active again shows the
// minimized window normal again, raises it and gives it the focus.
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

    QPointer<QWidget> m_modal;
    bool m_pending = false;
};

} // namespace rt
