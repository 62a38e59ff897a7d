#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace rt {

// The application's message object: a window opened with a parameter
// finds it here when its open handling runs.
struct Message
{
    QPointer<QObject> objectParameter;
};

Message &message();

namespace windows {

// Opens `window` modally and returns once it has closed; the window is
// deleted afterwards. A QDialog runs its own exec(); any other widget is
// shown application-modal with a local event loop. What a modal window
// offers on its title bar is its declaration's (WindowDecl::modal).
int openModal(QWidget *window);

// As openModal, with `parameter` handed over through the message object.
int openModalWithParameter(QWidget *window, QObject *parameter);

// Opens `window` as an ordinary window and returns at once.
void openOrdinary(QWidget *window);

// Opens the registered class `className` modally with `parent` as its
// parent window. False (and nothing opened) when no class has that name.
bool openModalByName(const QString &className, QWidget *parent);

} // namespace windows

// Runs `call` after the running handler has returned (a posted event).
void post(QObject *context, std::function<void()> call);

// Starts an outside program from a command line, without a shell: the line
// is split into the program and its arguments. False when it cannot start.
bool startCommandLine(const QString &commandLine);

} // namespace rt
