#include "runtime/CloseGuard.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace rt {

CloseGuard::CloseGuard(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

void CloseGuard::closeWindow()
{
    m_closing = true;
    if (auto *dialog = qobject_cast<QDialog *>(m_window))
        dialog->accept();
    else
        m_window->close();
    m_closing = false;
}

bool CloseGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || m_closing)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        // The window manager's close box, Alt+F4 or a close() from code.
        event->ignore();
        return true;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            // A dialog would reject itself on Esc.
            if (event->type() == QEvent::KeyPress) {
                event->accept();
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rt
