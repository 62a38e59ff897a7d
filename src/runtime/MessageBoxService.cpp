#include "runtime/MessageBoxService.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace rt {

namespace {
MessageBoxService::Handler &handlerSlot()
{
    static MessageBoxService::Handler handler;
    return handler;
}

QMessageBox::Icon toQt(MessageBoxService::Icon icon)
{
    switch (icon) {
    case MessageBoxService::Icon::StopSign:
        return QMessageBox::Critical;
    case MessageBoxService::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxService::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxService::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}
} // namespace

void MessageBoxService::show(QWidget *parent, const QString &title, const QString &text, Icon icon)
{
    if (const Handler &handler = handlerSlot()) {
        handler(Shown { title, text, icon });
        return;
    }
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.setObjectName(u"messagebox"_s);
    box.exec();
}

void MessageBoxService::setHandler(Handler handler)
{
    handlerSlot() = std::move(handler);
}

} // namespace rt
