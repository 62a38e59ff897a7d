// The desk calculator window, driven through its real buttons and keys.

#include "deskcalc/DeskCalcLayout.h"
#include "deskcalc/DeskCalcWindows.h"
#include "deskcalc/w_4.h"
#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowRegistry.h"
#include "runtime/WindowStyle.h"
#include "runtime/Windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// The buttons by the caption that the key sequences use ("时间" is the time
// button, whichever of its two texts it shows).
QString buttonName(const QString &caption)
{
    static const std::map<QString, QString> names = {
        { u"1"_s, u"cb_1"_s },
        { u"2"_s, u"cb_2"_s },
        { u"3"_s, u"cb_3"_s },
        { u"4"_s, u"cb_4"_s },
        { u"5"_s, u"cb_5"_s },
        { u"6"_s, u"cb_6"_s },
        { u"7"_s, u"cb_7"_s },
        { u"8"_s, u"cb_8"_s },
        { u"9"_s, u"cb_9"_s },
        { u"0"_s, u"cb_10"_s },
        { u"+/-"_s, u"cb_11"_s },
        { u"."_s, u"cb_12"_s },
        { u"+"_s, u"cb_13"_s },
        { u"-"_s, u"cb_14"_s },
        { u"×"_s, u"cb_15"_s },
        { u"÷"_s, u"cb_16"_s },
        { u"退格"_s, u"cb_17"_s },
        { u"="_s, u"cb_18"_s },
        { u"C"_s, u"cb_19"_s },
        { u"清除"_s, u"cb_20"_s },
        { u"1/x"_s, u"cb_21"_s },
        { u"平方根"_s, u"cb_22"_s },
        { u"平方"_s, u"cb_23"_s },
        { u"时间"_s, u"cb_24"_s },
        { u"关闭"_s, u"cb_26"_s },
    };
    const auto found = names.find(caption);
    return found == names.end() ? QString() : found->second;
}

// The buttons as the user sees them, row by row from the top, each row
// left to right: the keys of a pocket calculator, the digits as on a
// keypad.
const QStringList kButtonRows[] = {
    { u"时间"_s, u"退格"_s, u"清除"_s, u"C"_s, u"关闭"_s },
    { u"7"_s, u"8"_s, u"9"_s, u"÷"_s, u"平方根"_s },
    { u"4"_s, u"5"_s, u"6"_s, u"×"_s, u"平方"_s },
    { u"1"_s, u"2"_s, u"3"_s, u"-"_s, u"1/x"_s },
    { u"0"_s, u"+/-"_s, u"."_s, u"+"_s, u"="_s },
};

const rt::ControlDecl &declared(const QString &name)
{
    const rt::ControlDecl *decl = rt::findControl(deskcalc::deskCalcControls(), name);
    Q_ASSERT_X(decl, "declared", qPrintable(name));
    return *decl;
}

QColor colour(long code)
{
    return rt::colors::fromCode(code);
}

} // namespace

class TestDeskCalcWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowAsDeclared();
    void controlsStandAsDeclared();
    void buttonsStandInRowsAndColumns();
    void buttonsLookAlike();
    void viewsAndFrame();
    void nothingOverlaps();
    void opensWithZeroAndTheFocusOnEquals();
    void tabOrder();

    void buttons_data();
    void buttons();
    void keys_data();
    void keys();
    void topRowKeysByPosition_data();
    void topRowKeysByPosition();
    void noKeyIsMappedInTheNumberView();
    void keysWorkWhileTheTimeViewHasTheFocus();

    void timeViewShowsTheClockAndFollowsIt();
    void timeViewAtMidnightOnTheFirstOfAMonth();
    void digitKeyEndsTheTimeView();

    void typedZeroIsMultiplied();
    void equalsAfterTimes_data();
    void equalsAfterTimes();
    void typingStopsWhenTheViewIsFull();

    void stateSurvivesClosingAndReopening();
    void closeBoxClosesLikeTheCloseButton();

private:
    QPushButton *button(const QString &name) const;
    QLineEdit *view(const QString &name) const;
    void click(const QString &captions);
    void open();

    QPointer<QWidget> m_window;
    QDateTime m_now;
};

void TestDeskCalcWindow::initTestCase()
{
    deskcalc::registerDeskCalcWindows();
    deskcalc::w_4::setClock([this] { return m_now; });
}

void TestDeskCalcWindow::open()
{
    m_window = rt::WindowRegistry::instance().create(u"w_4"_s, nullptr);
    QVERIFY(m_window);
    rt::windows::openOrdinary(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestDeskCalcWindow::init()
{
    m_now = QDateTime(QDate(2026, 3, 9), QTime(14, 5, 9));
    open();
    // The state is shared by the whole run: start each test with nothing
    // pending.
    click(u"清除"_s);
    button(u"cb_18"_s)->setFocus();
}

void TestDeskCalcWindow::cleanup()
{
    delete m_window;
}

QPushButton *TestDeskCalcWindow::button(const QString &name) const
{
    auto *found = m_window->findChild<QPushButton *>(name);
    Q_ASSERT_X(found, "button", qPrintable(name));
    return found;
}

QLineEdit *TestDeskCalcWindow::view(const QString &name) const
{
    auto *found = m_window->findChild<QLineEdit *>(name);
    Q_ASSERT_X(found, "view", qPrintable(name));
    return found;
}

void TestDeskCalcWindow::click(const QString &captions)
{
    for (const QString &caption : captions.split(u' ', Qt::SkipEmptyParts)) {
        if (caption == u"reopen"_s) {
            // "关闭", then the window again, as the menu opens it.
            QPointer<QWidget> closing = m_window;
            QTest::mouseClick(button(u"cb_26"_s), Qt::LeftButton);
            QTRY_VERIFY(!closing);
            open();
            continue;
        }
        const QString name = buttonName(caption);
        QVERIFY2(!name.isEmpty(), qPrintable(caption));
        QTest::mouseClick(button(name), Qt::LeftButton);
    }
}

void TestDeskCalcWindow::windowAsDeclared()
{
    QCOMPARE(m_window->windowTitle(), u"计算器"_s);
    QVERIFY(!m_window->parentWidget());
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    // Not resizable: the declared outer size less the frame, fixed.
    const rt::WindowDecl &decl = deskcalc::deskCalcWindow();
    const QSize client = rt::style::clientSizeForOuter(decl.size);
    QCOMPARE(m_window->size(), client);
    QCOMPARE(m_window->minimumSize(), client);
    QCOMPARE(m_window->maximumSize(), client);
    QCOMPARE(m_window->pos(), rt::units::toPixels(decl.position));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));
}

void TestDeskCalcWindow::controlsStandAsDeclared()
{
    // The window's controls are its table's, each where and as the table
    // puts it; the buttons are the ones the user clicks by their captions.
    QSet<QString> children;
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().isEmpty())
            children << child->objectName();
    }
    QSet<QString> names;
    for (const rt::ControlDecl &decl : deskcalc::deskCalcControls()) {
        names << decl.name;
        auto *control = m_window->findChild<QWidget *>(decl.name, Qt::FindDirectChildrenOnly);
        QVERIFY2(control, qPrintable(decl.name));
        QCOMPARE(control->geometry(), rt::units::toPixels(decl.rect));
        QCOMPARE(control->font().families().value(0), decl.font.face);
        QCOMPARE(control->font().pointSize(), decl.font.pointSize);
        QCOMPARE(control->font().bold(), decl.font.bold);
    }
    QCOMPARE(children, names);

    QSet<QString> buttons;
    for (QPushButton *push : m_window->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        buttons << push->objectName();
    QSet<QString> captioned;
    for (const QStringList &row : kButtonRows) {
        for (const QString &caption : row) {
            QCOMPARE(button(buttonName(caption))->text(), caption);
            captioned << buttonName(caption);
        }
    }
    QCOMPARE(buttons, captioned);
}

void TestDeskCalcWindow::buttonsStandInRowsAndColumns()
{
    // The rows lie one below the other at one pitch, the buttons of a row
    // on one line left to right, those of a column at one left edge; all of
    // one height, and all of one width but "关闭", which is narrower.
    // "清除" stands 4 units right of its column.
    auto rectOf = [](const QString &caption) { return declared(buttonName(caption)).rect; };
    const QSize size = rectOf(u"1"_s).size();
    const int pitch = rectOf(kButtonRows[1][0]).top() - rectOf(kButtonRows[0][0]).top();
    QVERIFY(pitch > size.height());
    for (std::size_t r = 0; r < std::size(kButtonRows); ++r) {
        const QStringList &row = kButtonRows[r];
        QCOMPARE(row.size(), kButtonRows[0].size());
        for (qsizetype c = 0; c < row.size(); ++c) {
            const QRect rect = rectOf(row[c]);
            QCOMPARE(rect.top(), rectOf(row[0]).top());
            QCOMPARE(rect.top(), rectOf(kButtonRows[0][c]).top() + int(r) * pitch);
            const int columnLeft = rectOf(kButtonRows[1][c]).left();
            QCOMPARE(rect.left(), row[c] == u"清除"_s ? columnLeft + 4 : columnLeft);
            if (c > 0)
                QVERIFY2(rect.left() > rectOf(row[c - 1]).right(), qPrintable(row[c]));
            QCOMPARE(rect.height(), size.height());
            if (row[c] == u"关闭"_s)
                QVERIFY(rect.width() < size.width());
            else
                QCOMPARE(rect.width(), size.width());
        }
    }
}

void TestDeskCalcWindow::buttonsLookAlike()
{
    // Arial throughout; the digits bold and alike, every other button plain.
    const rt::FontDecl digit = declared(buttonName(u"1"_s)).font;
    QVERIFY(digit.bold);
    for (const QStringList &row : kButtonRows) {
        for (const QString &caption : row) {
            QPushButton *push = button(buttonName(caption));
            QCOMPARE(push->font().families().value(0), u"Arial"_s);
            const bool isDigit = caption.size() == 1 && caption.front().isDigit();
            QCOMPARE(push->font().bold(), isDigit);
            if (isDigit)
                QCOMPARE(push->font().pointSize(), digit.pointSize);
            QCOMPARE(push->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!push->isDefault());
            QVERIFY(!push->autoDefault());
        }
    }
}

void TestDeskCalcWindow::viewsAndFrame()
{
    // The two views take one place, above the buttons and as wide as their
    // columns: blue on ivory, editable, the text against the right edge.
    const QRect numberView = declared(u"sle_1"_s).rect;
    QCOMPARE(declared(u"sle_2"_s).rect, numberView);
    const QRect topLeft = declared(buttonName(kButtonRows[0].front())).rect;
    const QRect topRight = declared(buttonName(kButtonRows[0].back())).rect;
    QVERIFY(numberView.bottom() < topLeft.top());
    QVERIFY(numberView.left() <= topLeft.left());
    QVERIFY(numberView.right() >= topRight.right());
    for (const QString &name : { u"sle_1"_s, u"sle_2"_s }) {
        QLineEdit *edit = view(name);
        QCOMPARE(edit->font().families().value(0), u"Arial"_s);
        QVERIFY(!edit->font().bold());
        QVERIFY(!edit->isReadOnly());
        QVERIFY(edit->alignment().testFlag(Qt::AlignRight));
        const QPalette palette = edit->palette();
        QCOMPARE(palette.color(QPalette::Active, QPalette::Text), colour(rt::colors::kBlue));
        QCOMPARE(palette.color(QPalette::Base), colour(rt::colors::kIvory));
    }
    QCOMPARE(view(u"sle_1"_s)->text(), u"0"_s);
    QCOMPARE(view(u"sle_2"_s)->text(), QString());

    // The frame: no caption, blue, around every other control.
    auto *frame = m_window->findChild<QGroupBox *>(u"gb_1"_s);
    QVERIFY(frame);
    QCOMPARE(frame->title(), QString());
    QCOMPARE(
        frame->palette().color(QPalette::Active, QPalette::WindowText), colour(rt::colors::kBlue));
    const QRect framed = declared(u"gb_1"_s).rect;
    for (const rt::ControlDecl &decl : deskcalc::deskCalcControls()) {
        if (decl.name != u"gb_1"_s)
            QVERIFY2(framed.contains(decl.rect), qPrintable(decl.name));
    }
}

void TestDeskCalcWindow::nothingOverlaps()
{
    // No two controls share a point, but for the frame around them and the
    // two views, which take turns in one place.
    const rt::ControlTable &controls = deskcalc::deskCalcControls();
    QStringList clashes;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QSet<QString> pair { controls[i].name, controls[j].name };
            if (pair.contains(u"gb_1"_s) || pair == QSet<QString> { u"sle_1"_s, u"sle_2"_s })
                continue;
            if (controls[i].rect.intersects(controls[j].rect))
                clashes << controls[i].name + u"/"_s + controls[j].name;
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u", "_s)));
}

void TestDeskCalcWindow::opensWithZeroAndTheFocusOnEquals()
{
    // A window of its own, not the fixture's, to see the focus it opens with.
    delete m_window;
    open();
    QCOMPARE(view(u"sle_1"_s)->text(), u"0"_s);
    QVERIFY(view(u"sle_1"_s)->isVisible());
    QVERIFY(!view(u"sle_2"_s)->isVisible());
    QCOMPARE(button(u"cb_24"_s)->text(), u"时间"_s);
    QCOMPARE(QApplication::focusWidget(), button(u"cb_18"_s));
}

void TestDeskCalcWindow::tabOrder()
{
    QCOMPARE(QApplication::focusWidget(), button(u"cb_18"_s));
    const QList<QWidget *> expected
        = { view(u"sle_1"_s), button(u"cb_26"_s), button(u"cb_18"_s), view(u"sle_1"_s) };
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), button(u"cb_18"_s));
}

void TestDeskCalcWindow::buttons_data()
{
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("entry") << u"1 2 . 5 +/-"_s << u"-12.5"_s;
    QTest::newRow("backspace") << u"1 2 3 退格"_s << u"12"_s;
    QTest::newRow("clear entry keeps the operation") << u"2 + 3 C 4 ="_s << u"6"_s;
    QTest::newRow("clear all drops it") << u"2 + 3 清除 4 ="_s << u"4"_s;
    QTest::newRow("an operator does not evaluate") << u"2 + 3 + 4 ="_s << u"7"_s;
    QTest::newRow("repeated =") << u"1 0 - 3 = ="_s << u"3"_s;
    QTest::newRow("0.1 + 0.2") << u". 1 + . 2 ="_s << u"0.3"_s;
    QTest::newRow("division by zero") << u"3 ÷ 0 ="_s << u"Error!"_s;
    QTest::newRow("Error! taken as 0") << u"5 ÷ 0 = + 2 ="_s << u"2"_s;
    QTest::newRow("square root of 2") << u"2 平方根"_s << u"1.4142135623731"_s;
    QTest::newRow("square root of a negative number") << u"4 +/- 平方根"_s << u"Error!"_s;
    QTest::newRow("square drops the pending operation") << u"3 + 4 平方 ="_s << u"16"_s;
    QTest::newRow("3 × 0 = shows 0") << u"3 × 0 ="_s << u"0"_s;
    QTest::newRow("3 × = squares") << u"3 × ="_s << u"9"_s;
    QTest::newRow("3 + 4 1/x = shows 3.25") << u"3 + 4 1/x ="_s << u"3.25"_s;
    QTest::newRow("4 1/x 5 shows 5") << u"4 1/x 5"_s << u"5"_s;
    QTest::newRow("pending operation survives the time view") << u"5 + 时间 时间 3 ="_s << u"8"_s;
    QTest::newRow("overflow") << u"1 0 0 0 0 0 平方 平方 平方 平方 平方 平方"_s << u"Error!"_s;
}

void TestDeskCalcWindow::buttons()
{
    QFETCH(QString, captions);
    QFETCH(QString, expected);
    click(captions);
    QCOMPARE(view(u"sle_1"_s)->text(), expected);
    QVERIFY(view(u"sle_1"_s)->isVisible());
}

void TestDeskCalcWindow::keys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("finally");

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    for (int digit = 0; digit <= 9; ++digit) {
        const QString text = QString::number(digit);
        const int key = Qt::Key_0 + digit;
        QTest::addRow("keypad %d", digit)
            << u"5"_s << key << keypad << u"5"_s + text << QString() << u"5"_s + text;
        QTest::addRow("top row %d", digit)
            << u"5"_s << key << none << u"5"_s + text << QString() << u"5"_s + text;
        QTest::addRow("shift and top row %d", digit) << u"5"_s << key << int(Qt::ShiftModifier)
                                                     << u"5"_s + text << QString() << u"5"_s + text;
    }
    QTest::newRow("ctrl and a digit")
        << u"5"_s << int(Qt::Key_7) << int(Qt::ControlModifier) << u"57"_s << QString() << u"57"_s;
    QTest::newRow("keypad point") << u"5"_s << int(Qt::Key_Period) << keypad << u"5."_s << u"2"_s
                                  << u"5.2"_s;
    QTest::newRow("keypad decimal comma")
        << u"5"_s << int(Qt::Key_Comma) << keypad << u"5."_s << u"2"_s << u"5.2"_s;
    QTest::newRow("keypad plus") << u"7"_s << int(Qt::Key_Plus) << keypad << u"0"_s << u"2 ="_s
                                 << u"9"_s;
    QTest::newRow("keypad minus") << u"7"_s << int(Qt::Key_Minus) << keypad << u"0"_s << u"2 ="_s
                                  << u"5"_s;
    QTest::newRow("keypad times") << u"7"_s << int(Qt::Key_Asterisk) << keypad << u"0"_s << u"2 ="_s
                                  << u"14"_s;
    QTest::newRow("keypad divide")
        << u"8"_s << int(Qt::Key_Slash) << keypad << u"0"_s << u"2 ="_s << u"4"_s;
    // The main keyboard's operators and point mean nothing.
    QTest::newRow("main plus") << u"7"_s << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << u"7"_s
                               << u"2 ="_s << u"72"_s;
    QTest::newRow("main minus") << u"7"_s << int(Qt::Key_Minus) << none << u"7"_s << u"2 ="_s
                                << u"72"_s;
    QTest::newRow("main slash") << u"7"_s << int(Qt::Key_Slash) << none << u"7"_s << u"2 ="_s
                                << u"72"_s;
    QTest::newRow("main point") << u"7"_s << int(Qt::Key_Period) << none << u"7"_s << u"2"_s
                                << u"72"_s;
    // Enter evaluates whichever button had the focus (the last one clicked).
    QTest::newRow("enter") << u"2 + 3"_s << int(Qt::Key_Return) << none << u"5"_s << QString()
                           << u"5"_s;
    QTest::newRow("keypad enter") << u"2 + 3"_s << int(Qt::Key_Enter) << keypad << u"5"_s
                                  << QString() << u"5"_s;
    QTest::newRow("enter after backspace")
        << u"2 + 3 4 退格"_s << int(Qt::Key_Return) << none << u"5"_s << QString() << u"5"_s;
    QTest::newRow("escape clears all")
        << u"2 + 3"_s << int(Qt::Key_Escape) << none << u"0"_s << u"4 ="_s << u"4"_s;
    QTest::newRow("backspace") << u"1 2 3"_s << int(Qt::Key_Backspace) << none << u"12"_s
                               << QString() << u"12"_s;
    // A digit key enters an operand as its button does: "=" no longer
    // squares once "C" has cleared it.
    QTest::newRow("digit key after ×, then C =")
        << u"3 ×"_s << int(Qt::Key_5) << keypad << u"5"_s << u"C ="_s << u"0"_s;
    QTest::newRow("backspace key on a typed operand")
        << u"3 × 5"_s << int(Qt::Key_Backspace) << none << u"0"_s << u"="_s << u"0"_s;
    QTest::newRow("F1") << u"1 2"_s << int(Qt::Key_F1) << none << u"12"_s << QString() << u"12"_s;
    QTest::newRow("letter") << u"1 2"_s << int(Qt::Key_A) << none << u"12"_s << QString()
                            << u"12"_s;
}

void TestDeskCalcWindow::keys()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    QFETCH(QString, after);
    QFETCH(QString, finally);
    click(before);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(qobject_cast<QPushButton *>(focus));
    QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(view(u"sle_1"_s)->text(), shown);
    QCOMPARE(QApplication::focusWidget(), focus); // a key moves no focus
    click(after);
    QCOMPARE(view(u"sle_1"_s)->text(), finally);
}

void TestDeskCalcWindow::topRowKeysByPosition_data()
{
    // The X keyboard codes of the top-row keys: 10 for the 1 key up to 19
    // for the 0 key.
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shift 8 gives *")
        << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier) << u"*"_s << 17 << u"58"_s;
    QTest::newRow("shift 1 gives !")
        << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << u"!"_s << 10 << u"51"_s;
    QTest::newRow("shift 0 gives )")
        << int(Qt::Key_ParenRight) << int(Qt::ShiftModifier) << u")"_s << 19 << u"50"_s;
    QTest::newRow("unshifted 1 on a layout with symbols")
        << int(Qt::Key_Ampersand) << int(Qt::NoModifier) << u"&"_s << 10 << u"51"_s;
    QTest::newRow("keypad * is times")
        << int(Qt::Key_Asterisk) << int(Qt::KeypadModifier) << u"*"_s << 63 << u"0"_s;
    QTest::newRow("* on another key")
        << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier) << u"*"_s << 51 << u"5"_s;
}

void TestDeskCalcWindow::topRowKeysByPosition()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, scanCode);
    QFETCH(QString, expected);
    click(u"5"_s);
    // A key event as the window system delivers it, with its hardware code.
    QWidget *focus = QApplication::focusWidget();
    QKeyEvent press(
        QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), quint32(scanCode), 0, 0, text);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(
        QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), quint32(scanCode), 0, 0, text);
    QApplication::sendEvent(focus, &release);
    QCOMPARE(view(u"sle_1"_s)->text(), expected);
}

void TestDeskCalcWindow::noKeyIsMappedInTheNumberView()
{
    click(u"2 + 3 ="_s);
    QLineEdit *numberView = view(u"sle_1"_s);
    QCOMPARE(numberView->text(), u"5"_s);
    // Tab from "=" reaches the number view.
    button(u"cb_18"_s)->setFocus();
    QTest::keyClick(button(u"cb_18"_s), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), numberView);

    QTest::keyClick(numberView, Qt::Key_Return); // no "="
    QCOMPARE(numberView->text(), u"5"_s);
    QTest::keyClick(numberView, Qt::Key_Escape); // no "清除"
    QCOMPARE(numberView->text(), u"5"_s);
    // Tab selected the whole text; typing goes after it.
    QTest::keyClick(numberView, Qt::Key_End);
    QTest::keyClick(numberView, Qt::Key_Plus, Qt::KeypadModifier); // no "+": typed
    QCOMPARE(numberView->text(), u"5+"_s);
    QTest::keyClick(numberView, Qt::Key_Backspace); // the field's own backspace
    QCOMPARE(numberView->text(), u"5"_s);
    // The digit is typed by the field: a "7" button after the result would
    // have replaced it.
    QTest::keyClick(numberView, Qt::Key_7);
    QCOMPARE(numberView->text(), u"57"_s);
    // The "+" is still pending, with the typed text as its operand.
    click(u"="_s);
    QCOMPARE(numberView->text(), u"59"_s);
}

void TestDeskCalcWindow::keysWorkWhileTheTimeViewHasTheFocus()
{
    click(u"时间"_s);
    QLineEdit *timeView = view(u"sle_2"_s);
    QTest::mouseClick(timeView, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), timeView);
    const QString shown = timeView->text();
    QTest::keyClick(timeView, Qt::Key_4);
    QCOMPARE(timeView->text(), shown); // not typed into the time view
    QVERIFY(!timeView->isVisible());
    QCOMPARE(view(u"sle_1"_s)->text(), u"4"_s);
}

void TestDeskCalcWindow::timeViewShowsTheClockAndFollowsIt()
{
    click(u"1 2"_s);
    QLineEdit *numberView = view(u"sle_1"_s);
    QLineEdit *timeView = view(u"sle_2"_s);
    click(u"时间"_s);
    // Shown at once, not at the next tick.
    QCOMPARE(timeView->text(), u"2026年3月9日  14:05:09"_s);
    QVERIFY(timeView->isVisible());
    QVERIFY(!numberView->isVisible());
    QCOMPARE(button(u"cb_24"_s)->text(), u"关闭"_s);
    QCOMPARE(numberView->text(), u"0"_s);

    m_now = QDateTime(QDate(2026, 3, 9), QTime(14, 5, 10));
    QTRY_COMPARE_WITH_TIMEOUT(timeView->text(), u"2026年3月9日  14:05:10"_s, 3000);

    // "关闭" on the same button brings the number view back at "0".
    click(u"5"_s);
    click(u"时间"_s);
    click(u"时间"_s);
    QCOMPARE(button(u"cb_24"_s)->text(), u"时间"_s);
    QVERIFY(numberView->isVisible());
    QVERIFY(!timeView->isVisible());
    QCOMPARE(numberView->text(), u"0"_s);

    // The hidden time view goes on following the clock.
    m_now = QDateTime(QDate(2026, 3, 9), QTime(14, 6, 0));
    QTRY_COMPARE_WITH_TIMEOUT(timeView->text(), u"2026年3月9日  14:06:00"_s, 3000);
}

void TestDeskCalcWindow::timeViewAtMidnightOnTheFirstOfAMonth()
{
    m_now = QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59));
    click(u"时间"_s);
    QLineEdit *timeView = view(u"sle_2"_s);
    QCOMPARE(timeView->text(), u"2026年9月30日  23:59:59"_s);
    m_now = QDateTime(QDate(2026, 10, 1), QTime(0, 0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(timeView->text(), u"2026年10月1日  00:00:00"_s, 3000);
    m_now = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(timeView->text(), u"2027年1月1日  00:00:00"_s, 3000);
}

void TestDeskCalcWindow::digitKeyEndsTheTimeView()
{
    click(u"1 2 时间"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::KeypadModifier);
    QVERIFY(view(u"sle_1"_s)->isVisible());
    QVERIFY(!view(u"sle_2"_s)->isVisible());
    QCOMPARE(button(u"cb_24"_s)->text(), u"时间"_s);
    QCOMPARE(view(u"sle_1"_s)->text(), u"3"_s);

    // The point works on the hidden view and leaves the time view showing.
    click(u"时间"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period, Qt::KeypadModifier);
    QVERIFY(view(u"sle_2"_s)->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QVERIFY(view(u"sle_1"_s)->isVisible());
    QCOMPARE(view(u"sle_1"_s)->text(), u"0.5"_s);
}

void TestDeskCalcWindow::typedZeroIsMultiplied()
{
    click(u"3 ×"_s);
    QLineEdit *numberView = view(u"sle_1"_s);
    QTest::mouseClick(numberView, Qt::LeftButton);
    numberView->selectAll();
    QTest::keyClick(numberView, Qt::Key_0);
    QCOMPARE(numberView->text(), u"0"_s);
    click(u"="_s);
    QCOMPARE(numberView->text(), u"0"_s);
}

void TestDeskCalcWindow::equalsAfterTimes_data()
{
    // "=" squares only while the view holds the "0" that "×" left; once it
    // has shown an operand, "=" takes what it shows.
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing entered") << u"3 × ="_s << u"9"_s;
    QTest::newRow("typed then erased") << u"3 × 5 退格 ="_s << u"0"_s;
    QTest::newRow("typed then cleared with C") << u"3 × 5 C ="_s << u"0"_s;
    QTest::newRow("typed then the time button twice") << u"3 × 5 时间 时间 ="_s << u"0"_s;
    QTest::newRow("a result cleared with C") << u"3 × = C ="_s << u"0"_s;
    QTest::newRow("typed then the window reopened") << u"3 × 5 reopen ="_s << u"0"_s;
    QTest::newRow("keys that leave the operator's 0") << u"3 × C 退格 +/- 时间 时间 ="_s << u"9"_s;
    QTest::newRow("nothing entered, the window reopened") << u"3 × reopen ="_s << u"9"_s;
}

void TestDeskCalcWindow::equalsAfterTimes()
{
    QFETCH(QString, captions);
    QFETCH(QString, expected);
    click(captions);
    QCOMPARE(view(u"sle_1"_s)->text(), expected);
}

void TestDeskCalcWindow::typingStopsWhenTheViewIsFull()
{
    QLineEdit *numberView = view(u"sle_1"_s);
    QTest::mouseClick(numberView, Qt::LeftButton);
    QTest::keyClick(numberView, Qt::Key_End);
    QTest::keyClicks(numberView, QString(80, u'8'));
    const QString full = numberView->text();
    QVERIFY2(full.size() > 10 && full.size() < 81, qPrintable(full));
    QVERIFY(full.startsWith(u'0') && full.endsWith(u'8'));
    // The typed text fits the field; one more digit would not.
    const QFontMetrics metrics = numberView->fontMetrics();
    QVERIFY(metrics.horizontalAdvance(full) < numberView->width());
    QTest::keyClick(numberView, Qt::Key_9);
    QCOMPARE(numberView->text(), full);
    // Removing a character makes room again.
    QTest::keyClick(numberView, Qt::Key_Backspace);
    QTest::keyClick(numberView, Qt::Key_9);
    QCOMPARE(numberView->text(), full.chopped(1) + u"9"_s);
}

void TestDeskCalcWindow::stateSurvivesClosingAndReopening()
{
    click(u"3 +"_s);
    QPointer<QWidget> first = m_window;
    click(u"关闭"_s);
    QTRY_VERIFY(!first);
    open();
    QCOMPARE(view(u"sle_1"_s)->text(), u"0"_s);
    click(u"4 ="_s);
    QCOMPARE(view(u"sle_1"_s)->text(), u"7"_s);
}

void TestDeskCalcWindow::closeBoxClosesLikeTheCloseButton()
{
    click(u"6 ×"_s);
    QPointer<QWidget> first = m_window;
    QVERIFY(m_window->close());
    QTRY_VERIFY(!first);
    open();
    click(u"="_s);
    QCOMPARE(view(u"sle_1"_s)->text(), u"36"_s);
}

QTEST_MAIN(TestDeskCalcWindow)
#include "tst_desk_calc_window.moc"
