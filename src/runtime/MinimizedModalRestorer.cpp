#include "runtime/MinimizedModalRestorer.h"

#include <QApplication>
#include <QEvent>

namespace rt {

MinimizedModalRestorer::MinimizedModalRestorer(QWidget *modal)
    : QObject(modal)
    , m_modal(modal)
{
    qApp->installEventFilter(this);
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                restoreSoon();
        });
}

MinimizedModalRestorer::~MinimizedModalRestorer()
{
    qApp->removeEventFilter(this);
}

bool MinimizedModalRestorer::eventFilter(QObject *watched, QEvent *event)
{
    // The modal window minimized, another window restored or activated.
    const QEvent::Type type = event->type();
    if ((type == QEvent::WindowActivate || type == QEvent::WindowStateChange)
        && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
        restoreSoon();
    }
    return QObject::eventFilter(watched, event);
}

void MinimizedModalRestorer::restoreSoon()
{
    if (!m_modal || !(m_modal->windowState() & Qt::WindowMinimized) || m_pending)
        return;
    // After the event that called for it has been handled, so that the
    // window system has finished minimizing or activating.
    m_pending = true;
    QMetaObject::invokeMethod(this, &MinimizedModalRestorer::restore, Qt::QueuedConnection);
}

bool MinimizedModalRestorer::otherWindowOnScreen() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window != m_modal && window->isVisible() && !window->isMinimized())
            return true;
    }
    return false;
}

void MinimizedModalRestorer::restore()
{
    m_pending = false;
    if (!m_modal || !m_modal->isVisible() || !(m_modal->windowState() & Qt::WindowMinimized))
        return;
    // With every window of the program minimized (the desktop shown), the
    // modal window waits until one of them comes back.
    if (!otherWindowOnScreen())
        return;
    m_modal->showNormal();
    m_modal->raise();
    m_modal->activateWindow();
}

} // namespace rt
