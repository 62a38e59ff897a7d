#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace rt {

// The program's message boxes: a title, a text, an icon and one OK button;
// the caller waits until the box is closed.
//
// Tests install a handler that answers every box at once and keeps what
// was shown, so a handler that reports something can be driven without a
// human closing the box.
class MessageBoxService
{
public:
    enum class Icon { Information, StopSign, Exclamation, Question };

    struct Shown
    {
        QString title;
        QString text;
        Icon icon;
    };

    using Handler = std::function<void(const Shown &)>;

    static void show(
        QWidget *parent, const QString &title, const QString &text, Icon icon = Icon::Information);

    // Replaces the real box with `handler`; an empty handler restores it.
    static void setHandler(Handler handler);
};

} // namespace rt
