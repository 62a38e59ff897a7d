#pragma once

#include "deskcalc/DeskCalcEngine.h"
#include "deskcalc/DeskCalcState.h"

#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>

class QLineEdit;
class QPushButton;

namespace deskcalc {

// The desk calculator: a number view, twenty-five buttons and a date-and-
// time view that takes the number view's place on demand. An ordinary
// top-level window that blocks no other window; the pending operation and
// the stored operand are shared by every calculator window of the run.
class w_4 : public QWidget
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit w_4(QWidget *parent = nullptr);

    // The calculator's state, one copy for the whole run.
    static deskcalc::DeskCalcState &sharedState();

    // Where the time view reads the date and time (local time); an empty
    // clock restores the system clock.
    static void setClock(Clock clock);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(deskcalc::DeskCalcEngine::Key key);
    void timeClicked();
    void showTime();
    void showState();
    // The button that a key stands for, or nullptr when the key means nothing.
    QPushButton *buttonForKey(const QKeyEvent &event) const;
    bool handleKey(QKeyEvent *event);

    deskcalc::DeskCalcEngine m_engine;
    QLineEdit *m_numberView = nullptr; // sle_1
    QLineEdit *m_timeView = nullptr; // sle_2
    QPushButton *m_timeButton = nullptr; // cb_24
    std::map<QString, QPushButton *> m_buttons; // by name
    QTimer m_clockTimer;
};

} // namespace deskcalc
