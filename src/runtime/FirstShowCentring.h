#pragma once

#include <QObject>

class QWidget;

namespace rt {

// Centres a window on the screen when it is first shown as a top-level
// window, once, and then removes itself. A window shown first inside a
// frame (a sheet) stays where the frame puts it. Owned by the window.
class FirstShowCentring : public QObject
{
    Q_OBJECT

public:
    explicit FirstShowCentring(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace rt
