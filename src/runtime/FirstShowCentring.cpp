#include "runtime/FirstShowCentring.h"

#include "runtime/WindowStyle.h"

#include <QEvent>
#include <QWidget>

namespace rt {

FirstShowCentring::FirstShowCentring(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

bool FirstShowCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        if (m_window->isWindow())
            style::centerOnScreen(m_window);
        m_window->removeEventFilter(this);
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rt
