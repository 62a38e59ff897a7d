#pragma once

#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace support {

// Window classes for the registry that note how they were opened.
struct OpenRecord
{
    QString className;
    QPointer<QWidget> parent;
    bool modal = false; // the window blocked the others while shown
    bool parentWasVisible = false;
    QPointer<QObject> parameter; // the message object's parameter at creation
};

class OpenLog
{
public:
    static std::vector<OpenRecord> &records()
    {
        static std::vector<OpenRecord> list;
        return list;
    }
};

// A dialog that closes itself as soon as it has been shown modally.
class RecordingDialog : public QDialog
{
    Q_OBJECT

public:
    RecordingDialog(const QString &className, QWidget *parent)
        : QDialog(parent)
        , m_className(className)
    {
        setObjectName(className);
        m_parameter = rt::message().objectParameter;
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QDialog::showEvent(event);
        // Noted once the window's own event loop runs, then closed.
        QTimer::singleShot(0, this, [this] {
            OpenRecord record;
            record.className = m_className;
            record.parent = parentWidget();
            record.modal = QApplication::activeModalWidget() == this;
            record.parentWasVisible = parentWidget() && parentWidget()->isVisible();
            record.parameter = m_parameter;
            OpenLog::records().push_back(record);
            accept();
        });
    }

private:
    QString m_className;
    QPointer<QObject> m_parameter;
};

// An ordinary top-level window that stays open.
class RecordingWindow : public QWidget
{
    Q_OBJECT

public:
    RecordingWindow(const QString &className, QWidget *parent, QWidget *watched)
        : QWidget(parent)
        , m_className(className)
        , m_watched(watched)
    {
        setObjectName(className);
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        OpenRecord record;
        record.className = m_className;
        record.parent = parentWidget();
        record.modal = windowModality() != Qt::NonModal;
        record.parentWasVisible = m_watched && m_watched->isVisible();
        OpenLog::records().push_back(record);
    }

private:
    QString m_className;
    QPointer<QWidget> m_watched;
};

inline void registerRecordingDialog(const QString &className)
{
    rt::WindowRegistry::instance().registerClass(
        className, [className](QWidget *parent) { return new RecordingDialog(className, parent); });
}

// `watched` is the window whose visibility the record notes (the frame).
inline void registerRecordingWindow(const QString &className, QWidget *watched)
{
    QPointer<QWidget> guard(watched);
    rt::WindowRegistry::instance().registerClass(className, [className, guard](QWidget *parent) {
        return new RecordingWindow(className, parent, guard);
    });
}

// Empty when exactly one window has been opened since the log was last
// cleared, of the class `className`, modally, with `parent` as its parent
// window; otherwise what the log holds instead.
inline QString whyNotOpenedModallyOver(const QString &className, const QWidget *parent)
{
    const std::vector<OpenRecord> &records = OpenLog::records();
    if (records.size() != 1)
        return QStringLiteral("%1 windows opened, not one").arg(records.size());
    const OpenRecord &record = records.front();
    if (record.className != className)
        return QStringLiteral("%1 opened, not %2").arg(record.className, className);
    if (record.parent.data() != parent)
        return QStringLiteral("%1 opened with another parent window").arg(className);
    if (!record.modal)
        return QStringLiteral("%1 opened, but not modally").arg(className);
    return {};
}

inline const QStringList &modalWindowClasses()
{
    static const QStringList names = { QStringLiteral("w_xm_cz1"), QStringLiteral("w_xm_cz2"),
        QStringLiteral("w_xm_cz3"), QStringLiteral("w_jsq_cz1"), QStringLiteral("w_jsq_cz2"),
        QStringLiteral("w_jsq_cz3"), QStringLiteral("w_jsq_by") };
    return names;
}

} // namespace support
