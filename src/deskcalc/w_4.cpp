#include "deskcalc/w_4.h"

#include "deskcalc/DeskCalcLayout.h"
#include "deskcalc/TimeViewText.h"
#include "deskcalc/ViewWidthValidator.h"
#include "runtime/ControlBuilder.h"
#include "runtime/StockImages.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace deskcalc {
using Key = deskcalc::DeskCalcEngine::Key;

namespace {

w_4::Clock &clockSource()
{
    static w_4::Clock instance;
    return instance;
}

QDateTime readClock()
{
    return clockSource() ? clockSource()() : QDateTime::currentDateTime();
}

// The buttons that work on the view through the engine.
const std::vector<std::pair<QString, Key>> &engineButtons()
{
    static const std::vector<std::pair<QString, Key>> buttons = {
        { u"cb_1"_s, Key::Digit1 },
        { u"cb_2"_s, Key::Digit2 },
        { u"cb_3"_s, Key::Digit3 },
        { u"cb_4"_s, Key::Digit4 },
        { u"cb_5"_s, Key::Digit5 },
        { u"cb_6"_s, Key::Digit6 },
        { u"cb_7"_s, Key::Digit7 },
        { u"cb_8"_s, Key::Digit8 },
        { u"cb_9"_s, Key::Digit9 },
        { u"cb_10"_s, Key::Zero },
        { u"cb_12"_s, Key::Point },
        { u"cb_11"_s, Key::Sign },
        { u"cb_17"_s, Key::Backspace },
        { u"cb_19"_s, Key::ClearEntry },
        { u"cb_20"_s, Key::ClearAll },
        { u"cb_13"_s, Key::Add },
        { u"cb_14"_s, Key::Subtract },
        { u"cb_15"_s, Key::Multiply },
        { u"cb_16"_s, Key::Divide },
        { u"cb_23"_s, Key::Square },
        { u"cb_22"_s, Key::SquareRoot },
        { u"cb_21"_s, Key::Reciprocal },
        { u"cb_18"_s, Key::Equals },
    };
    return buttons;
}

// The digit buttons of the top-row keys by their position, whatever the
// keyboard layout gives them when shifted ("*" on the 8 key, "!" on the 1
// key, "&" unshifted on some layouts): the keys' hardware codes.
int topRowDigit(const QKeyEvent &event)
{
#ifdef Q_OS_WIN
    constexpr quint32 firstCode = 0x02; // the 1 key; 0 is 0x0B
#else
    constexpr quint32 firstCode = 10; // X keyboard code of the 1 key; 0 is 19
#endif
    const quint32 code = event.nativeScanCode();
    if (code < firstCode || code > firstCode + 9)
        return -1;
    return int((code - firstCode + 1) % 10);
}

QString digitButton(int digit)
{
    return digit == 0 ? u"cb_10"_s : u"cb_"_s + QString::number(digit);
}

} // namespace

w_4::w_4(QWidget *parent)
    : QWidget(parent)
    , m_engine(sharedState())
{
    setAttribute(Qt::WA_DeleteOnClose);
    rt::setUpWindow(this, deskcalc::deskCalcWindow());

    const rt::ControlBuilder controls(this, deskcalc::deskCalcControls());
    m_numberView = controls.get<QLineEdit>(u"sle_1"_s);
    m_timeView = controls.get<QLineEdit>(u"sle_2"_s);
    m_timeButton = controls.get<QPushButton>(u"cb_24"_s);

    for (const auto &[name, key] : engineButtons()) {
        auto *button = controls.get<QPushButton>(name);
        m_buttons[button->objectName()] = button;
        connect(button, &QPushButton::clicked, this, [this, key = key] { press(key); });
    }
    m_buttons[m_timeButton->objectName()] = m_timeButton;
    connect(m_timeButton, &QPushButton::clicked, this, &w_4::timeClicked);
    auto *closeButton = controls.get<QPushButton>(u"cb_26"_s);
    m_buttons[closeButton->objectName()] = closeButton;
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    for (const auto &[name, button] : m_buttons)
        button->setCursor(rt::stock::pointer(u"HyperLink!"_s));

    m_numberView->setValidator(new deskcalc::ViewWidthValidator(m_numberView));
    connect(m_numberView, &QLineEdit::textEdited, this,
        [this](const QString &text) { m_engine.editView(text.toStdString()); });
    // The time view is editable too; the key map also works while it has
    // the focus.
    m_timeView->installEventFilter(this);

    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &w_4::showTime);

    // Open: the number view shows "0", the time view is hidden, and the
    // focus is on "=".
    showState();
    m_buttons.at(u"cb_18"_s)->setFocus();
}

deskcalc::DeskCalcState &w_4::sharedState()
{
    static deskcalc::DeskCalcState state;
    return state;
}

void w_4::setClock(Clock clock)
{
    clockSource() = std::move(clock);
}

void w_4::press(Key key)
{
    m_engine.press(key);
    showState();
}

void w_4::timeClicked()
{
    m_engine.press(Key::Time);
    if (m_engine.timeViewShown()) {
        showTime();
        // Started afresh on every switch to the time view, and never
        // stopped while the window is open.
        m_clockTimer.start();
    }
    showState();
}

void w_4::showTime()
{
    // One reading of the clock for both the date and the time, so that the
    // text never mixes two days.
    const QDateTime now = readClock();
    const QDate date = now.date();
    const QTime time = now.time();
    const deskcalc::ClockReading reading { date.year(), date.month(), date.day(), time.hour(),
        time.minute(), time.second() };
    m_timeView->setText(QString::fromStdString(deskcalc::timeViewText(reading)));
}

void w_4::showState()
{
    const QString view = QString::fromStdString(m_engine.view());
    if (m_numberView->text() != view)
        m_numberView->setText(view);
    const bool timeShown = m_engine.timeViewShown();
    m_timeButton->setText(timeShown ? deskcalc::kCloseCaption : deskcalc::kTimeCaption);
    m_numberView->setVisible(!timeShown);
    m_timeView->setVisible(timeShown);
}

QPushButton *w_4::buttonForKey(const QKeyEvent &event) const
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    QString name;
    if (modifiers & Qt::KeypadModifier) {
        switch (key) {
        case Qt::Key_Period:
        case Qt::Key_Comma: // the keypad's decimal key under a decimal-comma layout
            name = u"cb_12"_s;
            break;
        case Qt::Key_Plus:
            name = u"cb_13"_s;
            break;
        case Qt::Key_Minus:
            name = u"cb_14"_s;
            break;
        case Qt::Key_Asterisk:
            name = u"cb_15"_s;
            break;
        case Qt::Key_Slash:
            name = u"cb_16"_s;
            break;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            name = u"cb_18"_s;
            break;
        default:
            if (key >= Qt::Key_0 && key <= Qt::Key_9)
                name = digitButton(key - Qt::Key_0);
            break;
        }
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        name = digitButton(key - Qt::Key_0);
    } else if (const int digit = topRowDigit(event); digit >= 0) {
        name = digitButton(digit);
    } else if (key == Qt::Key_Backspace) {
        name = u"cb_17"_s;
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        name = u"cb_18"_s;
    } else if (key == Qt::Key_Escape) {
        name = u"cb_20"_s;
    }
    if (name.isEmpty())
        return nullptr;
    return m_buttons.at(name);
}

bool w_4::handleKey(QKeyEvent *event)
{
    // Typing into the number view is the view's own business.
    if (m_numberView->hasFocus())
        return false;
    QPushButton *button = buttonForKey(*event);
    if (!button)
        return false;
    // As a click on the button, without moving the focus.
    button->click();
    event->accept();
    return true;
}

void w_4::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

bool w_4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_timeView && event->type() == QEvent::KeyPress
        && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace deskcalc
