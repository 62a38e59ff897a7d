#include "runtime/MinimizedModalRestorer.h"

#include <QApplication>
#include <QEvent>

namespace rt {

MinimizedModalRestorer::MinimizedModalRestorer(QWidget *modal)
    : QObject(modal)
    , m_modal(modal)
{
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
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
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow()) {
        restoreSoon();
    }
    return QObject::eventFilter(watched, event);
}

void MinimizedModalRestorer::restoreSoon()
{
    if (!m_modal || !(m_modal->windowState() & Qt::WindowMinimized) || m_pending)
        return;
    // After the activation has been handled, so that the window system's
    // own handling of the click does not push the window back behind.
    m_pending = true;
    QMetaObject::invokeMethod(this, &MinimizedModalRestorer::restore, Qt::QueuedConnection);
}

void MinimizedModalRestorer::restore()
{
    m_pending = false;
    if (!m_modal || !m_modal->isVisible() || !(m_modal->windowState() & Qt::WindowMinimized))
        return;
    m_modal->showNormal();
    m_modal->raise();
    m_modal->activateWindow();
}

} // namespace rt
