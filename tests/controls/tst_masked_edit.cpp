#include "controls/my_maskedit.h"
#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A little window of three fields that counts how often the first one is
// left and remembers the text it had when it was left.
class ThreeFields : public QWidget
{
    Q_OBJECT

public:
    ThreeFields()
    {
        auto *layout = new QVBoxLayout(this);
        for (int i = 0; i < 3; ++i) {
            auto *field = new controls::my_maskedit(this);
            field->setObjectName(u"em_%1"_s.arg(i + 1));
            layout->addWidget(field);
            fields[i] = field;
        }
        fields[0]->installEventFilter(this);
    }

    controls::my_maskedit *fields[3] = {};
    int focusOuts = 0;
    QString textWhenLeft;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == fields[0] && event->type() == QEvent::FocusOut) {
            ++focusOuts;
            textWhenLeft = fields[0]->text();
        }
        return QWidget::eventFilter(watched, event);
    }
};

bool wholeTextSelected(const QLineEdit *field)
{
    return field->hasSelectedText() && field->selectedText() == field->text()
        && field->selectionStart() == 0;
}

} // namespace

class TestMaskedEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void initialLook();
    void enterMovesOnLikeTab_data();
    void enterMovesOnLikeTab();
    void enterDoesNotReachTheWindow();
    void tabSelectsWholeText();
    void clickSelectsWholeText();
    void typingReplacesValue();
    void badInputRefused_data();
    void badInputRefused();
    void minusCanBeTyped();
    void leavingFormats();
    void setTextFormats();
    void oneDecimalMask();
    void value_data();
    void value();
    void everyValueShownWhole_data();
    void everyValueShownWhole();
    void modifiedOnlyAfterAnEdit();
    void modifiedWhenChangedAndLeft_data();
    void modifiedWhenChangedAndLeft();
    void notModifiedWithoutAChange_data();
    void notModifiedWithoutAChange();
    void modifiedOncePerChange();
    void anotherWindowIsNoLeave();

private:
    ThreeFields *m_window = nullptr;
};

void TestMaskedEdit::init()
{
    m_window = new ThreeFields;
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->fields[0]->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(m_window->fields[0]->hasFocus());
}

void TestMaskedEdit::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestMaskedEdit::initialLook()
{
    controls::my_maskedit field;
    QCOMPARE(field.text(), u"none"_s);
    QCOMPARE(field.mask(), u"###,###.00"_s);
    QCOMPARE(field.palette().color(QPalette::Base), rt::colors::fromCode(rt::colors::kFieldBlue));
    QVERIFY(field.hasFrame());
    QCOMPARE(field.font().pointSize(), 9);
    QCOMPARE(field.value(), 0.0f);
}

void TestMaskedEdit::enterMovesOnLikeTab_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Tab") << int(Qt::Key_Tab);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestMaskedEdit::enterMovesOnLikeTab()
{
    QFETCH(int, key);
    controls::my_maskedit *first = m_window->fields[0];
    QTest::keyClicks(first, u"3450"_s);
    QTest::keyClick(first, Qt::Key(key));
    QVERIFY(m_window->fields[1]->hasFocus());
    QCOMPARE(m_window->focusOuts, 1);
    // The leave handling sees the value that was typed.
    QCOMPARE(controls::NumericMask::value(m_window->textWhenLeft), 3450.0f);
    QCOMPARE(first->text(), u"3,450.00"_s);
    QVERIFY(wholeTextSelected(m_window->fields[1]));
}

void TestMaskedEdit::enterDoesNotReachTheWindow()
{
    controls::my_maskedit *first = m_window->fields[0];
    QSignalSpy returnPressed(first, &QLineEdit::returnPressed);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(first, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(returnPressed.count(), 0);
    QVERIFY(m_window->fields[1]->hasFocus());
}

void TestMaskedEdit::tabSelectsWholeText()
{
    m_window->fields[1]->setText(u"12.5"_s);
    QTest::keyClick(m_window->fields[0], Qt::Key_Tab);
    QVERIFY(m_window->fields[1]->hasFocus());
    QCOMPARE(m_window->fields[1]->selectedText(), u"12.50"_s);
    // Shift+Tab back: the first field's text is selected as a whole too.
    QTest::keyClick(m_window->fields[1], Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(m_window->fields[0]->hasFocus());
    QVERIFY(wholeTextSelected(m_window->fields[0]));
}

void TestMaskedEdit::clickSelectsWholeText()
{
    controls::my_maskedit *third = m_window->fields[2];
    third->setText(u"123.45"_s);
    // A click in the middle of the text would place the cursor there.
    QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(third->width() / 3, third->height() / 2));
    QTRY_VERIFY(third->hasFocus());
    QVERIFY(wholeTextSelected(third));
    QCOMPARE(m_window->focusOuts, 1);
    // A second click in a field that already has the focus places the cursor.
    QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(third->width() / 3, third->height() / 2));
    QVERIFY(!third->hasSelectedText());
}

void TestMaskedEdit::typingReplacesValue()
{
    m_window->fields[1]->setText(u"987"_s);
    QTest::keyClick(m_window->fields[0], Qt::Key_Tab);
    QTest::keyClicks(m_window->fields[1], u"5"_s);
    QCOMPARE(m_window->fields[1]->text(), u"5"_s);
    // "none" is replaced as a whole as well.
    QTest::keyClick(m_window->fields[1], Qt::Key_Tab);
    QVERIFY(m_window->fields[2]->hasFocus());
    QTest::keyClicks(m_window->fields[2], u"1.5"_s);
    QCOMPARE(m_window->fields[2]->text(), u"1.5"_s);
}

void TestMaskedEdit::badInputRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters") << u"1a2b"_s << u"12"_s;
    QTest::newRow("second point") << u"1.2.3"_s << u"1.23"_s;
    QTest::newRow("third decimal") << u"1.234"_s << u"1.23"_s;
    QTest::newRow("seventh digit") << u"1234567"_s << u"123456"_s;
    QTest::newRow("minus inside") << u"12-3"_s << u"123"_s;
    QTest::newRow("plus") << u"+5"_s << u"5"_s;
    QTest::newRow("blank") << u"4 5"_s << u"45"_s;
}

void TestMaskedEdit::badInputRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    controls::my_maskedit *first = m_window->fields[0];
    QTest::keyClicks(first, typed);
    QCOMPARE(first->text(), shown);
}

void TestMaskedEdit::minusCanBeTyped()
{
    controls::my_maskedit *first = m_window->fields[0];
    QTest::keyClicks(first, u"-2.5"_s);
    QCOMPARE(first->text(), u"-2.5"_s);
    QCOMPARE(first->value(), -2.5f);
    QTest::keyClick(first, Qt::Key_Backspace);
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(first->text(), u"-2"_s);
}

void TestMaskedEdit::leavingFormats()
{
    controls::my_maskedit *first = m_window->fields[0];
    QTest::keyClicks(first, u"123456.7"_s);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(first->text(), u"123,456.70"_s);
    QCOMPARE(first->value(), 123456.7f);
    // Leaving an emptied field leaves it empty, read as 0.
    QTest::keyClick(m_window->fields[1], Qt::Key_Backspace);
    QCOMPARE(m_window->fields[1]->text(), QString());
    QTest::keyClick(m_window->fields[1], Qt::Key_Tab);
    QCOMPARE(m_window->fields[1]->text(), QString());
    QCOMPARE(m_window->fields[1]->value(), 0.0f);
}

void TestMaskedEdit::setTextFormats()
{
    controls::my_maskedit field;
    field.setText(u"3450"_s);
    QCOMPARE(field.text(), u"3,450.00"_s);
    QCOMPARE(field.value(), 3450.0f);
    field.setText(u"none"_s);
    QCOMPARE(field.text(), u"none"_s);
    field.setText(QString());
    QCOMPARE(field.value(), 0.0f);
}

void TestMaskedEdit::oneDecimalMask()
{
    controls::my_maskedit *first = m_window->fields[0];
    first->setMask(u"###,###.0"_s);
    QTest::keyClicks(first, u"85.25"_s);
    QCOMPARE(first->text(), u"85.2"_s);
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(first->text(), u"85.2"_s);
    first->setText(u"1234"_s);
    QCOMPARE(first->text(), u"1,234.0"_s);
}

void TestMaskedEdit::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("grouped") << u"3,450.00"_s << 3450.0f;
    QTest::newRow("empty") << QString() << 0.0f;
    QTest::newRow("none") << u"none"_s << 0.0f;
    QTest::newRow("negative") << u"-2.5"_s << -2.5f;
}

void TestMaskedEdit::value()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    // Typed by the user, not set from code.
    controls::my_maskedit *first = m_window->fields[0];
    if (text.isEmpty())
        QTest::keyClick(first, Qt::Key_Backspace);
    else if (text != u"none"_s)
        QTest::keyClicks(first, text);
    QCOMPARE(first->text(), text.isEmpty() ? QString() : text);
    QCOMPARE(first->value(), expected);
}

void TestMaskedEdit::everyValueShownWhole_data()
{
    QTest::addColumn<QSize>("units");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("value");
    // The calculators' entry fields (251 x 80), score fields (210 x 80) and
    // the graduation inputs (219 x 96, 12 pt bold).
    const QSize entry(251, 80), score(210, 80), input(219, 96);
    QTest::newRow("vital capacity") << entry << u"###,###.00"_s << 0 << u"2300"_s;
    QTest::newRow("widest entry") << entry << u"###,###.00"_s << 0 << u"999999.99"_s;
    QTest::newRow("negative entry") << entry << u"###,###.00"_s << 0 << u"-99999.99"_s;
    QTest::newRow("widest score") << score << u"###,###.0"_s << 0 << u"999999.9"_s;
    QTest::newRow("graduation input") << input << u"###,###.0"_s << 12 << u"999999.9"_s;
    QTest::newRow("short value") << entry << u"###,###.00"_s << 0 << u"7.5"_s;
}

void TestMaskedEdit::everyValueShownWhole()
{
    QFETCH(QSize, units);
    QFETCH(QString, mask);
    QFETCH(int, pointSize);
    QFETCH(QString, value);
    QWidget window;
    auto *field = new controls::my_maskedit(&window);
    field->setMask(mask);
    if (pointSize > 0) {
        QFont font = field->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        field->setFont(font);
    }
    field->setGeometry(QRect(QPoint(10, 10), rt::units::toPixels(units)));
    const QFont declared = field->font();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setText(value);

    // Without scrolling, the cursor at the end stands one text width right
    // of the cursor at the start, inside the field.
    field->setCursorPosition(0);
    const QRect start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    field->setCursorPosition(int(field->text().size()));
    const QRect end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int width = field->fontMetrics().horizontalAdvance(field->text());
    QVERIFY2(end.x() - start.x() >= width - 1,
        qPrintable(
            u"%1: %2 of %3 px shown"_s.arg(field->text()).arg(end.x() - start.x()).arg(width)));
    QVERIFY(start.center().x() >= 0);
    QVERIFY(end.center().x() <= field->width());
    // A value that fits keeps the declared size.
    if (value == u"7.5"_s)
        QCOMPARE(field->font(), declared);
    else
        QVERIFY(field->font().pointSizeF() <= declared.pointSizeF());
}

void TestMaskedEdit::modifiedOnlyAfterAnEdit()
{
    controls::my_maskedit *first = m_window->fields[0];
    QSignalSpy modified(first, &controls::my_maskedit::modified);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(modified.count(), 0); // left without a change
    first->setFocus(Qt::OtherFocusReason);
    first->setText(u"12"_s);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(modified.count(), 0); // changed by code only
    first->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClicks(first, u"63.8"_s);
    QCOMPARE(modified.count(), 0); // not yet left
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(first->text(), u"63.80"_s);
}

void TestMaskedEdit::modifiedWhenChangedAndLeft_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Tab") << u"tab"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("click elsewhere") << u"click"_s;
    QTest::newRow("focus moved by code") << u"code"_s;
}

void TestMaskedEdit::modifiedWhenChangedAndLeft()
{
    QFETCH(QString, how);
    controls::my_maskedit *first = m_window->fields[0];
    int leavesBefore = -1;
    QString textWhenModified;
    connect(first, &controls::my_maskedit::modified, m_window, [&] {
        leavesBefore = m_window->focusOuts;
        textWhenModified = first->text();
    });
    QSignalSpy modified(first, &controls::my_maskedit::modified);

    QTest::keyClicks(first, u"80"_s);
    QCOMPARE(modified.count(), 0); // typing alone is no change yet
    if (how == u"tab"_s) {
        QTest::keyClick(first, Qt::Key_Tab);
    } else if (how == u"enter"_s) {
        QTest::keyClick(first, Qt::Key_Return);
    } else if (how == u"click"_s) {
        QTest::mouseClick(m_window->fields[2], Qt::LeftButton);
    } else {
        m_window->fields[1]->setFocus(Qt::OtherFocusReason);
    }
    QTRY_VERIFY(!first->hasFocus());
    QCOMPARE(modified.count(), 1);
    // After the field's leave handling, with the text as the mask shows it.
    QCOMPARE(leavesBefore, 1);
    QCOMPARE(textWhenModified, u"80.00"_s);
}

void TestMaskedEdit::notModifiedWithoutAChange_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing typed") << u"12.5"_s << QString();
    QTest::newRow("the same value typed again") << u"80"_s << u"80"_s;
    QTest::newRow("the same value in other digits") << u"80"_s << u"80.0"_s;
    QTest::newRow("typed and typed back") << u"7"_s << u"9\b7"_s;
}

void TestMaskedEdit::notModifiedWithoutAChange()
{
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    controls::my_maskedit *first = m_window->fields[0];
    QSignalSpy modified(first, &controls::my_maskedit::modified);
    // A text set from code is no change of the user's.
    first->setText(initial);
    first->selectAll();
    for (const QChar key : typed) {
        if (key == u'<')
            QTest::keyClick(first, Qt::Key_Backspace);
        else
            QTest::keyClicks(first, QString(key));
    }
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(m_window->fields[1]->hasFocus());
    QCOMPARE(modified.count(), 0);
}

void TestMaskedEdit::modifiedOncePerChange()
{
    controls::my_maskedit *first = m_window->fields[0];
    QSignalSpy modified(first, &controls::my_maskedit::modified);
    QTest::keyClicks(first, u"60"_s);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(modified.count(), 1);
    // Back into the field and out again without a change: nothing.
    QTest::keyClick(m_window->fields[1], Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(modified.count(), 1);
    // A new value: once more.
    QTest::keyClick(m_window->fields[1], Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClicks(first, u"61"_s);
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(modified.count(), 2);
    // Emptied by the user: a change too.
    QTest::keyClick(m_window->fields[1], Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(first, Qt::Key_Backspace);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(first->text(), QString());
    QCOMPARE(modified.count(), 3);
}

void TestMaskedEdit::anotherWindowIsNoLeave()
{
    controls::my_maskedit *first = m_window->fields[0];
    QSignalSpy modified(first, &controls::my_maskedit::modified);
    QTest::keyClicks(first, u"75"_s);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(modified.count(), 0);

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTRY_VERIFY(first->hasFocus());
    QCOMPARE(modified.count(), 0);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(modified.count(), 1);
}

QTEST_MAIN(TestMaskedEdit)
#include "tst_masked_edit.moc"
