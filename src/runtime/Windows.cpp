#include "runtime/Windows.h"

#include "runtime/MinimizedModalRestorer.h"
#include "runtime/WindowRegistry.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QProcess>

namespace rt {

Message &message()
{
    static Message instance;
    return instance;
}

namespace windows {

namespace {
// Ends a local event loop when the watched widget is closed or destroyed.
class CloseWatcher : public QObject
{
    Q_OBJECT

public:
    CloseWatcher(QWidget *watched, QEventLoop *loop)
        : QObject(watched)
        , m_loop(loop)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A close that the window refuses keeps it open, and so does a
        // minimize (a hide from the window system); only the window hiding
        // itself as it closes ends the run.
        if (event->type() == QEvent::Hide && !event->spontaneous())
            QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop *m_loop;
};
} // namespace

int openModal(QWidget *window)
{
    if (!window)
        return -1;
    int result = 0;
    // A window that deletes itself on closing is gone when the run ends.
    QPointer<QWidget> guard(window);
    // Lives as long as the window (it is the window's child) and watches
    // only while the run lasts.
    QPointer<MinimizedModalRestorer> restorer = new MinimizedModalRestorer(window);
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        result = dialog->exec();
    } else {
        QEventLoop loop;
        new CloseWatcher(window, &loop);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->setWindowModality(Qt::ApplicationModal);
        window->show();
        loop.exec();
    }
    delete restorer;
    if (guard)
        guard->deleteLater();
    return result;
}

int openModalWithParameter(QWidget *window, QObject *parameter)
{
    message().objectParameter = parameter;
    return openModal(window);
}

void openOrdinary(QWidget *window)
{
    if (window)
        window->show();
}

bool openModalByName(const QString &className, QWidget *parent)
{
    QWidget *window = WindowRegistry::instance().create(className, parent);
    if (!window)
        return false;
    openModal(window);
    return true;
}

} // namespace windows

void post(QObject *context, std::function<void()> call)
{
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

bool startCommandLine(const QString &commandLine)
{
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty())
        return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

} // namespace rt

#include "Windows.moc"
