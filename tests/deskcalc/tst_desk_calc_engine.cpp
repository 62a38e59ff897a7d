#include "deskcalc/DeskCalcEngine.h"
#include "deskcalc/DeskCalcState.h"

#include <QStringList>
#include <QTest>

#include <map>
#include <optional>

using deskcalc::DeskCalcEngine;
using deskcalc::DeskCalcState;
using Key = DeskCalcEngine::Key;
using Operation = DeskCalcState::Operation;
using namespace Qt::StringLiterals;

namespace {

// The keys by their captions. A token "0*308" presses "0" 308 times and is
// checked once, after the last press.
std::optional<Key> keyOf(const QString &caption)
{
    static const std::map<QString, Key> keys = {
        { u"1"_s, Key::Digit1 },
        { u"2"_s, Key::Digit2 },
        { u"3"_s, Key::Digit3 },
        { u"4"_s, Key::Digit4 },
        { u"5"_s, Key::Digit5 },
        { u"6"_s, Key::Digit6 },
        { u"7"_s, Key::Digit7 },
        { u"8"_s, Key::Digit8 },
        { u"9"_s, Key::Digit9 },
        { u"0"_s, Key::Zero },
        { u"."_s, Key::Point },
        { u"+/-"_s, Key::Sign },
        { u"退格"_s, Key::Backspace },
        { u"C"_s, Key::ClearEntry },
        { u"清除"_s, Key::ClearAll },
        { u"+"_s, Key::Add },
        { u"-"_s, Key::Subtract },
        { u"×"_s, Key::Multiply },
        { u"÷"_s, Key::Divide },
        { u"平方"_s, Key::Square },
        { u"平方根"_s, Key::SquareRoot },
        { u"1/x"_s, Key::Reciprocal },
        { u"="_s, Key::Equals },
        { u"时间"_s, Key::Time },
    };
    const auto found = keys.find(caption);
    if (found == keys.end())
        return std::nullopt;
    return found->second;
}

// What the window shows: the number view's text, or "time:" and the hidden
// number view's text while the time view covers it.
QString shown(const DeskCalcEngine &engine)
{
    const QString view = QString::fromStdString(engine.view());
    return engine.timeViewShown() ? u"time:"_s + view : view;
}

// Presses the keys of `sequence` and returns what is shown after each token.
QStringList press(DeskCalcEngine &engine, const QString &sequence)
{
    QStringList result;
    for (const QString &token : sequence.split(u' ', Qt::SkipEmptyParts)) {
        QString caption = token;
        int times = 1;
        const qsizetype star = token.lastIndexOf(u'*');
        if (star > 0) {
            caption = token.left(star);
            times = token.mid(star + 1).toInt();
        }
        const std::optional<Key> key = keyOf(caption);
        if (!key) {
            qWarning("unknown key %s", qPrintable(token));
            return {};
        }
        for (int i = 0; i < times; ++i)
            engine.press(*key);
        result << shown(engine);
    }
    return result;
}

const QString thousandDigits = u"1"_s + QString(308, u'0'); // 1e308 written out

} // namespace

class TestDeskCalcEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWithZeroAndNothingPending();

    void numberEntry_data();
    void numberEntry();
    void arithmetic_data();
    void arithmetic();
    void errorsAndRange_data();
    void errorsAndRange();
    void timeView_data();
    void timeView();
    void mends_data();
    void mends();

    void keysOnTypedTexts_data();
    void keysOnTypedTexts();
    void typedZeroIsAnOperand();

    void reciprocalKeepsTheStoredOperand();
    void functionsDropThePendingOperation();
    void clearEntryKeepsTheOperationClearAllDropsIt();
    void stateOutlivesTheWindow();

private:
    void addSequenceColumns();
    void checkSequence();
};

void TestDeskCalcEngine::addSequenceColumns()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("expected");
}

void TestDeskCalcEngine::checkSequence()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, expected);
    DeskCalcState state;
    DeskCalcEngine engine(state);
    QCOMPARE(press(engine, keys), expected);
}

void TestDeskCalcEngine::opensWithZeroAndNothingPending()
{
    DeskCalcState state;
    DeskCalcEngine engine(state);
    QCOMPARE(engine.view(), "0");
    QVERIFY(!engine.timeViewShown());
    QCOMPARE(state.pendingOperation, Operation::None);
    QCOMPARE(state.storedOperand, 0.0);
    QVERIFY(!state.nextDigitStartsNumber);
    // "=" with nothing pending changes nothing, and digits go on extending.
    QCOMPARE(press(engine, u"5 = 6"_s), QStringList({ u"5"_s, u"5"_s, u"56"_s }));
    QVERIFY(!state.nextDigitStartsNumber);
}

void TestDeskCalcEngine::numberEntry_data()
{
    addSequenceColumns();
    QTest::newRow("digits append") << u"1 2 3"_s << QStringList { u"1"_s, u"12"_s, u"123"_s };
    QTest::newRow("no leading zeros") << u"0 0 5"_s << QStringList { u"0"_s, u"0"_s, u"5"_s };
    QTest::newRow("point first") << u". 0 5"_s << QStringList { u"0."_s, u"0.0"_s, u"0.05"_s };
    QTest::newRow("one point per number")
        << u"1 . . 5"_s << QStringList { u"1"_s, u"1."_s, u"1."_s, u"1.5"_s };
    QTest::newRow("zero after zero point")
        << u"0 . 0"_s << QStringList { u"0"_s, u"0."_s, u"0.0"_s };
    QTest::newRow("zero appended to a number")
        << u"1 2 0 0"_s << QStringList { u"1"_s, u"12"_s, u"120"_s, u"1200"_s };
    QTest::newRow("sign twice") << u"5 +/- +/-"_s << QStringList { u"5"_s, u"-5"_s, u"5"_s };
    QTest::newRow("digit after sign")
        << u"5 +/- 3 +/-"_s << QStringList { u"5"_s, u"-5"_s, u"-53"_s, u"53"_s };
    QTest::newRow("zero after sign") << u"5 +/- 0"_s << QStringList { u"5"_s, u"-5"_s, u"-50"_s };
    QTest::newRow("sign keeps the point")
        << u"5 . +/-"_s << QStringList { u"5"_s, u"5."_s, u"-5."_s };
    QTest::newRow("sign on 0") << u"+/-"_s << QStringList { u"0"_s };
    QTest::newRow("sign on 0.") << u". +/-"_s << QStringList { u"0."_s, u"0."_s };
    QTest::newRow("sign on 0.00") << u". 0 0 +/-"_s
                                  << QStringList { u"0."_s, u"0.0"_s, u"0.00"_s, u"0.00"_s };
    QTest::newRow("sign on a result continues it")
        << u"3 - 5 = +/- 1"_s << QStringList { u"3"_s, u"0"_s, u"5"_s, u"-2"_s, u"2"_s, u"21"_s };
    QTest::newRow("digit after a result starts a new number")
        << u"1 2 + 3 = 4"_s << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"15"_s, u"4"_s };
    QTest::newRow("zero after a result, then a digit")
        << u"1 2 + 3 = 0 4"_s
        << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"15"_s, u"0"_s, u"4"_s };
    QTest::newRow("point after a result starts a new number")
        << u"1 2 + 3 = . 5"_s
        << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"15"_s, u"0."_s, u"0.5"_s };
    QTest::newRow("zero and point after a result")
        << u"1 2 + 3 = 0 . 5"_s
        << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"15"_s, u"0"_s, u"0."_s, u"0.5"_s };
    QTest::newRow("backspace down to 0")
        << u"1 2 3 退格 退格 退格"_s
        << QStringList { u"1"_s, u"12"_s, u"123"_s, u"12"_s, u"1"_s, u"0"_s };
    QTest::newRow("backspace removes the point")
        << u"0 . 退格"_s << QStringList { u"0"_s, u"0."_s, u"0"_s };
    QTest::newRow("backspace leaves a lone minus")
        << u"5 +/- 退格 退格"_s << QStringList { u"5"_s, u"-5"_s, u"-"_s, u"0"_s };
    QTest::newRow("digit replaces a lone minus")
        << u"5 +/- 退格 7"_s << QStringList { u"5"_s, u"-5"_s, u"-"_s, u"7"_s };
    QTest::newRow("zero on a lone minus")
        << u"5 +/- 退格 0"_s << QStringList { u"5"_s, u"-5"_s, u"-"_s, u"-"_s };
    QTest::newRow("sign on a lone minus")
        << u"5 +/- 退格 +/-"_s << QStringList { u"5"_s, u"-5"_s, u"-"_s, u"-"_s };
    QTest::newRow("backspace on a result gives the operand")
        << u"1 2 + 3 = 退格 + 2 ="_s
        << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"15"_s, u"1"_s, u"0"_s, u"2"_s, u"3"_s };
    QTest::newRow("digit after backspace on a result replaces it")
        << u"1 2 + 3 = 退格 7"_s
        << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"15"_s, u"1"_s, u"7"_s };
    QTest::newRow("clear entry") << u"1 2 C 3"_s << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s };
    QTest::newRow("clear all") << u"1 2 清除 3"_s
                               << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s };
}

void TestDeskCalcEngine::numberEntry()
{
    checkSequence();
}

void TestDeskCalcEngine::arithmetic_data()
{
    addSequenceColumns();
    QTest::newRow("an operator does not evaluate the one before")
        << u"2 + 3 + 4 ="_s << QStringList { u"2"_s, u"0"_s, u"3"_s, u"0"_s, u"4"_s, u"7"_s };
    QTest::newRow("the last operator takes its operand")
        << u"2 + 3 × 4 ="_s << QStringList { u"2"_s, u"0"_s, u"3"_s, u"0"_s, u"4"_s, u"12"_s };
    QTest::newRow("repeated = adds again")
        << u"2 + 3 = = ="_s << QStringList { u"2"_s, u"0"_s, u"3"_s, u"5"_s, u"7"_s, u"9"_s };
    QTest::newRow("repeated = keeps the stored operand")
        << u"1 0 - 3 = = ="_s
        << QStringList { u"1"_s, u"10"_s, u"0"_s, u"3"_s, u"7"_s, u"3"_s, u"7"_s };
    QTest::newRow("repeated = multiplies")
        << u"2 × 3 = = ="_s << QStringList { u"2"_s, u"0"_s, u"3"_s, u"6"_s, u"12"_s, u"24"_s };
    QTest::newRow("repeated = divides")
        << u"1 2 ÷ 3 = = ="_s
        << QStringList { u"1"_s, u"12"_s, u"0"_s, u"3"_s, u"4"_s, u"3"_s, u"4"_s };
    QTest::newRow("3 + =") << u"3 + ="_s << QStringList { u"3"_s, u"0"_s, u"3"_s };
    QTest::newRow("3 - =") << u"3 - ="_s << QStringList { u"3"_s, u"0"_s, u"3"_s };
    QTest::newRow("3 × = squares") << u"3 × ="_s << QStringList { u"3"_s, u"0"_s, u"9"_s };
    QTest::newRow("3 × = = goes on multiplying")
        << u"3 × = ="_s << QStringList { u"3"_s, u"0"_s, u"9"_s, u"27"_s };
    QTest::newRow("3 × 0 . 0 =") << u"3 × 0 . 0 ="_s
                                 << QStringList { u"3"_s, u"0"_s, u"0"_s, u"0."_s, u"0.0"_s,
                                        u"0"_s };
    QTest::newRow("negative result")
        << u"3 - 5 ="_s << QStringList { u"3"_s, u"0"_s, u"5"_s, u"-2"_s };
    QTest::newRow("0.1 + 0.2 shows 0.3")
        << u". 1 + . 2 ="_s
        << QStringList { u"0."_s, u"0.1"_s, u"0"_s, u"0."_s, u"0.2"_s, u"0.3"_s };
    QTest::newRow("1 ÷ 3") << u"1 ÷ 3 ="_s
                           << QStringList { u"1"_s, u"0"_s, u"3"_s, u"0.333333333333333"_s };
    QTest::newRow("2 ÷ 3") << u"2 ÷ 3 ="_s
                           << QStringList { u"2"_s, u"0"_s, u"3"_s, u"0.666666666666667"_s };
    QTest::newRow("square twice") << u"5 平方 平方"_s << QStringList { u"5"_s, u"25"_s, u"625"_s };
    QTest::newRow("square root") << u"4 平方根"_s << QStringList { u"4"_s, u"2"_s };
    QTest::newRow("square root of 2")
        << u"2 平方根"_s << QStringList { u"2"_s, u"1.4142135623731"_s };
    QTest::newRow("square of the shown root")
        << u"2 平方根 平方"_s
        << QStringList { u"2"_s, u"1.4142135623731"_s, u"2.00000000000001"_s };
    QTest::newRow("= after a function changes nothing")
        << u"4 平方根 ="_s << QStringList { u"4"_s, u"2"_s, u"2"_s };
    QTest::newRow("digit after a function starts a new number")
        << u"4 平方根 7"_s << QStringList { u"4"_s, u"2"_s, u"7"_s };
    QTest::newRow("square drops a pending operation")
        << u"3 + 4 平方 ="_s << QStringList { u"3"_s, u"0"_s, u"4"_s, u"16"_s, u"16"_s };
    QTest::newRow("reciprocal") << u"4 1/x 1/x"_s << QStringList { u"4"_s, u"0.25"_s, u"4"_s };
    QTest::newRow("reciprocal of 3")
        << u"3 1/x"_s << QStringList { u"3"_s, u"0.333333333333333"_s };
    QTest::newRow("large numbers in exponent form")
        << u"1 0 0 0 0 0 平方 平方 平方"_s
        << QStringList { u"1"_s, u"10"_s, u"100"_s, u"1000"_s, u"10000"_s, u"100000"_s,
               u"10000000000"_s, u"1e+20"_s, u"1e+40"_s };
    QTest::newRow("fifteen digits stay fixed")
        << u"9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 + 0 ="_s
        << QStringList { u"9"_s, u"99"_s, u"999"_s, u"9999"_s, u"99999"_s, u"999999"_s,
               u"9999999"_s, u"99999999"_s, u"999999999"_s, u"9999999999"_s, u"99999999999"_s,
               u"999999999999"_s, u"9999999999999"_s, u"99999999999999"_s, u"999999999999999"_s,
               u"0"_s, u"0"_s, u"999999999999999"_s };
    QTest::newRow("sixteen digits round to exponent form")
        << u"9*16 + 0 ="_s << QStringList { u"9999999999999999"_s, u"0"_s, u"0"_s, u"1e+16"_s };
    QTest::newRow("small numbers in exponent form")
        << u". 0 0 0 1 ÷ 1 0 ="_s
        << QStringList { u"0."_s, u"0.0"_s, u"0.00"_s, u"0.000"_s, u"0.0001"_s, u"0"_s, u"1"_s,
               u"10"_s, u"1e-05"_s };
    QTest::newRow("exponent result read back")
        << u"1 0 0 0 0 0 平方 平方 + 1 ="_s
        << QStringList { u"1"_s, u"10"_s, u"100"_s, u"1000"_s, u"10000"_s, u"100000"_s,
               u"10000000000"_s, u"1e+20"_s, u"0"_s, u"1"_s, u"1e+20"_s };
    QTest::newRow("negative zero shows 0")
        << u"5 +/- × 0 ="_s << QStringList { u"5"_s, u"-5"_s, u"0"_s, u"0"_s, u"0"_s };
    QTest::newRow("negative zero from a division shows 0")
        << u"0 ÷ 5 +/- ="_s << QStringList { u"0"_s, u"0"_s, u"5"_s, u"-5"_s, u"0"_s };
}

void TestDeskCalcEngine::arithmetic()
{
    checkSequence();
}

void TestDeskCalcEngine::errorsAndRange_data()
{
    addSequenceColumns();
    QTest::newRow("division by zero after the operator")
        << u"3 ÷ ="_s << QStringList { u"3"_s, u"0"_s, u"Error!"_s };
    QTest::newRow("division by zero, then = does nothing")
        << u"3 ÷ 0 = ="_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"Error!"_s };
    QTest::newRow("division by 0.0")
        << u"3 ÷ 0 . 0 ="_s
        << QStringList { u"3"_s, u"0"_s, u"0"_s, u"0."_s, u"0.0"_s, u"Error!"_s };
    QTest::newRow("an operator takes Error! as 0")
        << u"5 ÷ 0 = + 2 ="_s
        << QStringList { u"5"_s, u"0"_s, u"0"_s, u"Error!"_s, u"0"_s, u"2"_s, u"2"_s };
    QTest::newRow("digit replaces Error!")
        << u"3 ÷ 0 = 7"_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"7"_s };
    QTest::newRow("zero replaces Error!")
        << u"3 ÷ 0 = 0"_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"0"_s };
    QTest::newRow("point leaves Error!")
        << u"3 ÷ 0 = ."_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"Error!"_s };
    QTest::newRow("sign leaves Error!")
        << u"3 ÷ 0 = +/-"_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"Error!"_s };
    QTest::newRow("backspace on Error!")
        << u"3 ÷ 0 = 退格"_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"0"_s };
    QTest::newRow("square root of a negative number")
        << u"4 +/- 平方根"_s << QStringList { u"4"_s, u"-4"_s, u"Error!"_s };
    QTest::newRow("square root error taken as 0")
        << u"4 +/- 平方根 + 3 ="_s
        << QStringList { u"4"_s, u"-4"_s, u"Error!"_s, u"0"_s, u"3"_s, u"3"_s };
    QTest::newRow("reciprocal of 0") << u"0 1/x"_s << QStringList { u"0"_s, u"Error!"_s };
    QTest::newRow("square of Error!")
        << u"0 1/x 平方"_s << QStringList { u"0"_s, u"Error!"_s, u"0"_s };
    QTest::newRow("repeated squares overflow")
        << u"1 0 0 0 0 0 平方 平方 平方 平方 平方 平方"_s
        << QStringList { u"1"_s, u"10"_s, u"100"_s, u"1000"_s, u"10000"_s, u"100000"_s,
               u"10000000000"_s, u"1e+20"_s, u"1e+40"_s, u"1e+80"_s, u"1e+160"_s, u"Error!"_s };
    QTest::newRow("square after an overflow starts from 0")
        << u"1 0 0 0 0 0 平方*6 平方"_s
        << QStringList { u"1"_s, u"10"_s, u"100"_s, u"1000"_s, u"10000"_s, u"100000"_s, u"Error!"_s,
               u"0"_s };
    QTest::newRow("division by a tiny number")
        << u"2 ÷ 1 0*308 1/x ="_s
        << QStringList { u"2"_s, u"0"_s, u"1"_s, thousandDigits, u"1e-308"_s, u"Error!"_s };
    QTest::newRow("product beyond the range")
        << u"1 0*308 × 1 0 ="_s
        << QStringList { u"1"_s, thousandDigits, u"0"_s, u"1"_s, u"10"_s, u"Error!"_s };
    QTest::newRow("typed number beyond the range")
        << u"1 0*309 + 1 ="_s
        << QStringList { u"1"_s, thousandDigits + u"0"_s, u"0"_s, u"1"_s, u"Error!"_s };
    QTest::newRow("reciprocal of a typed number beyond the range")
        << u"1 0*309 1/x"_s << QStringList { u"1"_s, thousandDigits + u"0"_s, u"0"_s };
}

void TestDeskCalcEngine::errorsAndRange()
{
    checkSequence();
}

void TestDeskCalcEngine::timeView_data()
{
    addSequenceColumns();
    QTest::newRow("time view and back set the view to 0")
        << u"1 2 时间 时间"_s << QStringList { u"1"_s, u"12"_s, u"time:0"_s, u"0"_s };
    QTest::newRow("a digit ends the time view on its 0")
        << u"1 2 时间 3"_s << QStringList { u"1"_s, u"12"_s, u"time:0"_s, u"3"_s };
    QTest::newRow("zero ends the time view")
        << u"1 2 时间 0"_s << QStringList { u"1"_s, u"12"_s, u"time:0"_s, u"0"_s };
    QTest::newRow("point works on the hidden view")
        << u"1 2 时间 . 5"_s
        << QStringList { u"1"_s, u"12"_s, u"time:0"_s, u"time:0."_s, u"0.5"_s };
    QTest::newRow("the time button drops the hidden change")
        << u"1 2 时间 . 时间"_s
        << QStringList { u"1"_s, u"12"_s, u"time:0"_s, u"time:0."_s, u"0"_s };
    QTest::newRow("sign and backspace keep the time view")
        << u"时间 . 退格 +/-"_s
        << QStringList { u"time:0"_s, u"time:0."_s, u"time:0"_s, u"time:0"_s };
    QTest::newRow("clear entry ends the time view")
        << u"7 时间 C"_s << QStringList { u"7"_s, u"time:0"_s, u"0"_s };
    QTest::newRow("clear all ends the time view")
        << u"7 时间 清除"_s << QStringList { u"7"_s, u"time:0"_s, u"0"_s };
    QTest::newRow("a pending operation survives the time view")
        << u"5 + 时间 时间 3 ="_s
        << QStringList { u"5"_s, u"0"_s, u"time:0"_s, u"0"_s, u"3"_s, u"8"_s };
    QTest::newRow("an operator works on the hidden view")
        << u"5 + 时间 + 3 ="_s
        << QStringList { u"5"_s, u"0"_s, u"time:0"_s, u"time:0"_s, u"3"_s, u"3"_s };
    QTest::newRow("functions and = keep the time view")
        << u"4 时间 1/x ="_s
        << QStringList { u"4"_s, u"time:0"_s, u"time:Error!"_s, u"time:Error!"_s };
    QTest::newRow("a digit after a result in the time view")
        << u"2 + 3 = 时间 7"_s
        << QStringList { u"2"_s, u"0"_s, u"3"_s, u"5"_s, u"time:0"_s, u"7"_s };
}

void TestDeskCalcEngine::timeView()
{
    checkSequence();
}

void TestDeskCalcEngine::mends_data()
{
    addSequenceColumns();
    // A typed 0 is an operand: only "×" with no operand typed squares.
    QTest::newRow("3 × 0 = shows 0")
        << u"3 × 0 ="_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"0"_s };
    QTest::newRow("3 × = still squares") << u"3 × ="_s << QStringList { u"3"_s, u"0"_s, u"9"_s };
    QTest::newRow("2 × 0 = = stays 0")
        << u"2 × 0 = ="_s << QStringList { u"2"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s };
    QTest::newRow("0 after a × result is an operand")
        << u"3 × = 0 ="_s << QStringList { u"3"_s, u"0"_s, u"9"_s, u"0"_s, u"0"_s };
    QTest::newRow("typed then erased to 0")
        << u"3 × 5 退格 ="_s << QStringList { u"3"_s, u"0"_s, u"5"_s, u"0"_s, u"0"_s };
    QTest::newRow("backspace alone types nothing")
        << u"3 × 退格 ="_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"9"_s };
    // Once the view has shown an operand, "=" takes the "0" that clearing it
    // leaves; keys that leave the operator's "0" as it is keep the square.
    QTest::newRow("typed then cleared with C")
        << u"3 × 5 C ="_s << QStringList { u"3"_s, u"0"_s, u"5"_s, u"0"_s, u"0"_s };
    QTest::newRow("typed then cleared by the time button")
        << u"3 × 5 时间 时间 ="_s
        << QStringList { u"3"_s, u"0"_s, u"5"_s, u"time:0"_s, u"0"_s, u"0"_s };
    QTest::newRow("typed 0 then the time button")
        << u"3 × 0 时间 时间 ="_s
        << QStringList { u"3"_s, u"0"_s, u"0"_s, u"time:0"_s, u"0"_s, u"0"_s };
    QTest::newRow("a result erased")
        << u"3 × = 退格 ="_s << QStringList { u"3"_s, u"0"_s, u"9"_s, u"0"_s, u"0"_s };
    QTest::newRow("a result cleared with C")
        << u"3 × = C ="_s << QStringList { u"3"_s, u"0"_s, u"9"_s, u"0"_s, u"0"_s };
    QTest::newRow("Error! erased")
        << u"3 × 1/x 退格 ="_s << QStringList { u"3"_s, u"0"_s, u"Error!"_s, u"0"_s, u"0"_s };
    QTest::newRow("C, 退格, +/- and the time button on the operator's 0")
        << u"3 × C 退格 +/- 时间 时间 ="_s
        << QStringList { u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"time:0"_s, u"0"_s, u"9"_s };
    QTest::newRow("clear all then a new operator squares again")
        << u"3 × 5 清除 4 × ="_s
        << QStringList { u"3"_s, u"0"_s, u"5"_s, u"0"_s, u"4"_s, u"0"_s, u"16"_s };
    QTest::newRow("a new operator forgets the typed operand")
        << u"7 + 0 3 × ="_s << QStringList { u"7"_s, u"0"_s, u"0"_s, u"3"_s, u"0"_s, u"9"_s };
    // "1/x" shows the reciprocal of the view and keeps the stored operand.
    QTest::newRow("3 + 4 1/x = shows 3.25")
        << u"3 + 4 1/x ="_s << QStringList { u"3"_s, u"0"_s, u"4"_s, u"0.25"_s, u"3.25"_s };
    QTest::newRow("8 × 4 1/x = shows 2")
        << u"8 × 4 1/x ="_s << QStringList { u"8"_s, u"0"_s, u"4"_s, u"0.25"_s, u"2"_s };
    QTest::newRow("8 ÷ 4 1/x = shows 32")
        << u"8 ÷ 4 1/x ="_s << QStringList { u"8"_s, u"0"_s, u"4"_s, u"0.25"_s, u"32"_s };
    QTest::newRow("3 + 0 1/x = takes Error! as 0")
        << u"3 + 0 1/x ="_s << QStringList { u"3"_s, u"0"_s, u"0"_s, u"Error!"_s, u"3"_s };
    // After "1/x" the next digit starts a new number, as after the functions.
    QTest::newRow("4 1/x 5 shows 5") << u"4 1/x 5"_s << QStringList { u"4"_s, u"0.25"_s, u"5"_s };
    QTest::newRow("4 1/x 0 5 shows 5")
        << u"4 1/x 0 5"_s << QStringList { u"4"_s, u"0.25"_s, u"0"_s, u"5"_s };
    QTest::newRow("4 1/x . 5 shows 0.5")
        << u"4 1/x . 5"_s << QStringList { u"4"_s, u"0.25"_s, u"0."_s, u"0.5"_s };
    QTest::newRow("4 1/x +/- 5 continues the signed result")
        << u"4 1/x +/- 5"_s << QStringList { u"4"_s, u"0.25"_s, u"-0.25"_s, u"-0.255"_s };
}

void TestDeskCalcEngine::mends()
{
    checkSequence();
}

void TestDeskCalcEngine::keysOnTypedTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("digit on -0") << u"-0"_s << u"7"_s << u"-07"_s;
    QTest::newRow("digit on the empty text") << QString() << u"7"_s << u"7"_s;
    QTest::newRow("digit on a word") << u"abc"_s << u"7"_s << u"7"_s;
    QTest::newRow("digit on two minus signs") << u"--5"_s << u"7"_s << u"7"_s;
    QTest::newRow("digit on a leading point") << u".5"_s << u"7"_s << u".57"_s;
    QTest::newRow("zero on the empty text") << QString() << u"0"_s << u"0"_s;
    QTest::newRow("zero on a word") << u"abc"_s << u"0"_s << u"abc0"_s;
    QTest::newRow("zero on a lone point") << u"."_s << u"0"_s << u"."_s;
    QTest::newRow("zero on a single letter") << u"x"_s << u"0"_s << u"x"_s;
    QTest::newRow("point on the empty text") << QString() << u"."_s << u"."_s;
    QTest::newRow("point on a word") << u"ab"_s << u"."_s << u"ab."_s;
    QTest::newRow("point on a text with a point") << u"a.b"_s << u"."_s << u"a.b"_s;
    QTest::newRow("sign on a word") << u"abc"_s << u"+/-"_s << u"abc"_s;
    QTest::newRow("sign on -0") << u"-0"_s << u"+/-"_s << u"-0"_s;
    QTest::newRow("sign on -0.50") << u"-0.50"_s << u"+/-"_s << u"0.50"_s;
    QTest::newRow("sign on 0.00") << u"0.00"_s << u"+/-"_s << u"0.00"_s;
    QTest::newRow("sign on an exponent") << u"1e+20"_s << u"+/-"_s << u"-1e+20"_s;
    QTest::newRow("sign on a plus sign") << u"+5"_s << u"+/-"_s << u"+5"_s;
    QTest::newRow("sign on blanks around") << u" 5"_s << u"+/-"_s << u" 5"_s;
    QTest::newRow("backspace on the empty text") << QString() << u"退格"_s << u"0"_s;
    QTest::newRow("backspace on a word") << u"abc"_s << u"退格"_s << u"ab"_s;
    QTest::newRow("backspace removes a whole character") << u"12计算"_s << u"退格"_s << u"12计"_s;
    QTest::newRow("backspace on a single wide character") << u"计"_s << u"退格"_s << u"0"_s;
    QTest::newRow("zero on a single wide character") << u"计"_s << u"0"_s << u"计"_s;
    QTest::newRow("zero on two wide characters") << u"计算"_s << u"0"_s << u"计算0"_s;
    QTest::newRow("square of a word") << u"abc"_s << u"平方"_s << u"0"_s;
    QTest::newRow("square root of an exponent") << u"1E4"_s << u"平方根"_s << u"100"_s;
    QTest::newRow("square root of -0") << u"-0"_s << u"平方根"_s << u"0"_s;
    QTest::newRow("reciprocal of a leading point") << u".5"_s << u"1/x"_s << u"2"_s;
    QTest::newRow("reciprocal of a word") << u"none"_s << u"1/x"_s << u"Error!"_s;
    QTest::newRow("reciprocal of inf") << u"inf"_s << u"1/x"_s << u"Error!"_s;
}

void TestDeskCalcEngine::keysOnTypedTexts()
{
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    DeskCalcState state;
    DeskCalcEngine engine(state);
    engine.editView(typed.toStdString());
    QCOMPARE(press(engine, key), QStringList { expected });
}

void TestDeskCalcEngine::typedZeroIsAnOperand()
{
    DeskCalcState state;
    DeskCalcEngine engine(state);
    press(engine, u"3 ×"_s);
    engine.editView("0");
    QCOMPARE(press(engine, u"="_s), QStringList { u"0"_s });

    DeskCalcState emptied;
    DeskCalcEngine other(emptied);
    press(other, u"3 × 5"_s);
    other.editView("");
    QCOMPARE(press(other, u"="_s), QStringList { u"0"_s });
}

void TestDeskCalcEngine::reciprocalKeepsTheStoredOperand()
{
    DeskCalcState state;
    DeskCalcEngine engine(state);
    press(engine, u"3 + 4 1/x"_s);
    QCOMPARE(state.storedOperand, 3.0);
    QCOMPARE(state.pendingOperation, Operation::Add);
    QVERIFY(state.nextDigitStartsNumber);
    press(engine, u"0 1/x"_s);
    QCOMPARE(engine.view(), "Error!");
    QCOMPARE(state.storedOperand, 3.0);
    QCOMPARE(state.pendingOperation, Operation::Add);
}

void TestDeskCalcEngine::functionsDropThePendingOperation()
{
    DeskCalcState state;
    DeskCalcEngine engine(state);
    press(engine, u"3 + 4 平方"_s);
    QCOMPARE(state.pendingOperation, Operation::Squared);
    QCOMPARE(state.storedOperand, 16.0);
    press(engine, u"2 平方根"_s);
    QCOMPARE(state.pendingOperation, Operation::SquareRooted);
    QCOMPARE(state.storedOperand, 1.4142135623731); // read back from the shown text
    press(engine, u"4 +/- 平方根"_s);
    QCOMPARE(state.pendingOperation, Operation::SquareRooted);
    QCOMPARE(state.storedOperand, -4.0);
    QVERIFY(state.nextDigitStartsNumber);
}

void TestDeskCalcEngine::clearEntryKeepsTheOperationClearAllDropsIt()
{
    DeskCalcState state;
    DeskCalcEngine engine(state);
    QCOMPARE(press(engine, u"2 + 3 C 4 ="_s),
        QStringList({ u"2"_s, u"0"_s, u"3"_s, u"0"_s, u"4"_s, u"6"_s }));
    QCOMPARE(press(engine, u"清除"_s), QStringList { u"0"_s });
    QCOMPARE(state.pendingOperation, Operation::None);
    QVERIFY(!state.nextDigitStartsNumber);
    QCOMPARE(state.storedOperand, 2.0); // neither clear resets the stored operand
    QCOMPARE(press(engine, u"2 + 3 清除 4 ="_s),
        QStringList({ u"2"_s, u"0"_s, u"3"_s, u"0"_s, u"4"_s, u"4"_s }));
}

void TestDeskCalcEngine::stateOutlivesTheWindow()
{
    DeskCalcState state;
    {
        DeskCalcEngine first(state);
        press(first, u"3 +"_s);
    }
    DeskCalcEngine reopened(state);
    QCOMPARE(reopened.view(), "0");
    QCOMPARE(press(reopened, u"4 ="_s), QStringList({ u"4"_s, u"7"_s }));

    // An operand typed before the window closed is gone from the view, and
    // "=" takes the reopened window's "0"; with none typed it squares.
    {
        DeskCalcEngine first(state);
        press(first, u"3 × 5"_s);
    }
    DeskCalcEngine afterTyping(state);
    QCOMPARE(press(afterTyping, u"="_s), QStringList { u"0"_s });
    {
        DeskCalcEngine first(state);
        press(first, u"3 ×"_s);
    }
    DeskCalcEngine untyped(state);
    QCOMPARE(press(untyped, u"="_s), QStringList { u"9"_s });
}

QTEST_GUILESS_MAIN(TestDeskCalcEngine)
#include "tst_desk_calc_engine.moc"
