#include "controls/PictureButtonRules.h"
#include "controls/pfc_picture_command_button.h"
#include "runtime/LayoutUnits.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Declaration = controls::pfc_picture_command_button::Declaration;

namespace {

// The values a window declares on an instance; the rest keep their defaults.
Declaration declared(
    const QString &text, const QString &bitmap, int width = 329, bool enabled = true)
{
    Declaration declaration;
    declaration.buttonText = text;
    declaration.bitmapName = bitmap;
    declaration.width = width;
    declaration.enabled = enabled;
    return declaration;
}

// The gap in pixels between the picture box's right edge and the first
// column of the caption's ink, as the button is drawn.
int captionGap(controls::pfc_picture_command_button &button)
{
    const QImage face = button.grab().toImage();
    const QColor back = face.pixelColor(face.width() / 2, 3);
    const QRect picture = button.pictureBox()->geometry();
    for (int x = picture.right() + 1; x < face.width() - 4; ++x) {
        for (int y = picture.top(); y <= picture.bottom(); ++y) {
            const QColor pixel = face.pixelColor(x, y);
            if (qAbs(pixel.lightness() - back.lightness()) > 60)
                return x - picture.right() - 1;
        }
    }
    return -1;
}

QPoint pixels(QPoint units)
{
    return rt::units::toPixels(units);
}

// Where a picture at `rest` stands while the button is held.
QPoint pressedFrom(QPoint rest)
{
    constexpr int kOffset = controls::PictureButtonRules::kPressedOffset;
    return rest + QPoint(kOffset, kOffset);
}

// The picture's resting place in a button 361 units wide.
const QPoint kRestIn361(33, 21);

// A window with a field before and after the button, for focus moves.
struct FocusWindow
{
    QWidget window;
    QLineEdit *before = nullptr;
    controls::pfc_picture_command_button *button = nullptr;
    QLineEdit *after = nullptr;

    FocusWindow()
    {
        window.resize(400, 200);
        before = new QLineEdit(&window);
        before->setObjectName(u"before"_s);
        before->setGeometry(10, 10, 100, 24);
        Declaration declaration = declared(u"关闭(&X)"_s, u"Close!"_s, 361);
        declaration.x = 100;
        declaration.y = 200;
        button = new controls::pfc_picture_command_button(declaration, &window);
        after = new QLineEdit(&window);
        after->setObjectName(u"after"_s);
        after->setGeometry(10, 120, 100, 24);
        QWidget::setTabOrder(before, button->innerButton());
        QWidget::setTabOrder(button->innerButton(), after);
    }
};

} // namespace

class TestPictureCommandButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void construction();
    void bitmapname_data();
    void bitmapname();
    void sizeFromControlWhenOneIsZero();
    void explicitButtonSize();
    void restingAndPressedPlace_data();
    void restingAndPressedPlace();
    void pressDragOutInRelease();
    void enteringWithButtonHeldElsewhere();
    void spaceWhileMouseHolds();
    void mouseMovesIgnoredWhileSpaceHeld();
    void spaceRepeatStaysPressed();
    void clickIsPostedOnce();
    void enterClicksOnceAfterHandler();
    void arrowsMoveFocus_data();
    void arrowsMoveFocus();
    void disabledAtCreation();
    void setEnabledTouchesInnerButtonOnly();
    void disabledButtonRaisesNoClick();
    void captionKeepsTheSameGapAfterThePicture();
};

void TestPictureCommandButton::construction()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, QString(), 329, true));
    QCOMPARE(button.innerButton()->objectName(), u"command_button"_s);
    QCOMPARE(button.pictureBox()->objectName(), u"uo_bitmap"_s);
    QCOMPARE(button.size(), rt::units::toPixels(QSize(329, 100)));
    QCOMPARE(button.innerButton()->pos(), QPoint(0, 0));
    QCOMPARE(button.innerButton()->size(), button.size());
    QCOMPARE(button.innerButton()->text(), u"None"_s);
    QVERIFY(!button.pictureBox()->isEnabled());
    QCOMPARE(button.pictureBox()->focusPolicy(), Qt::NoFocus);
    QVERIFY(button.pictureBox()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(button.innerButton()->font().pixelSize(), 12);
    QVERIFY(!button.innerButton()->isDefault());
    // The picture lies over the inner button.
    QCOMPARE(button.children().indexOf(button.pictureBox()), button.children().size() - 1);
}

void TestPictureCommandButton::bitmapname_data()
{
    QTest::addColumn<QString>("bitmapname");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("caption");
    QTest::newRow("empty") << QString() << false << u"保存（&S)"_s;
    QTest::newRow("blanks") << u"   "_s << false << u"保存（&S)"_s;
    QTest::newRow("stock") << u"Save!"_s << true << u"   保存（&S)"_s;
    QTest::newRow("stock and blank") << u"Save! "_s << false << u"保存（&S)"_s;
    QTest::newRow("ico") << u"face.ico"_s << false << u"保存（&S)"_s;
    QTest::newRow("jpeg") << u"face.jpeg"_s << false << u"保存（&S)"_s;
    QTest::newRow("gif without dot") << u"facegif"_s << true << u"   保存（&S)"_s;
    // A picture that does not load keeps the caption's leading blanks.
    QTest::newRow("missing file") << u"/nonexistent/face.bmp"_s << true << u"   保存（&S)"_s;
}

void TestPictureCommandButton::bitmapname()
{
    QFETCH(QString, bitmapname);
    QFETCH(bool, shown);
    QFETCH(QString, caption);
    controls::pfc_picture_command_button button(declared(u"保存（&S)"_s, bitmapname, 329, true));
    QCOMPARE(button.pictureShown(), shown);
    QCOMPARE(button.innerButton()->text(), caption);
}

void TestPictureCommandButton::sizeFromControlWhenOneIsZero()
{
    Declaration declaration = declared(u"None"_s, QString(), 361);
    declaration.buttonWidth = 200;
    controls::pfc_picture_command_button button(declaration);
    QCOMPARE(button.buttonWidth(), rt::units::toPixelsX(361));
    QCOMPARE(button.buttonHeight(), rt::units::toPixelsY(100));
    QCOMPARE(button.innerButton()->size(), button.size());
}

void TestPictureCommandButton::explicitButtonSize()
{
    Declaration declaration;
    declaration.buttonWidth = 60;
    declaration.buttonHeight = 20;
    controls::pfc_picture_command_button button(declaration);
    QCOMPARE(button.buttonWidth(), 60);
    QCOMPARE(button.innerButton()->size(), QSize(60, 20));
    // The resting place follows the inner button, not the control.
    const QPoint rest = controls::PictureButtonRules::restingPlace(
        rt::units::fromPixelsX(60), rt::units::fromPixelsY(20));
    QCOMPARE(button.restingPlace(), rest);
}

void TestPictureCommandButton::restingAndPressedPlace_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("rest");
    QTest::newRow("361") << 361 << kRestIn361;
    QTest::newRow("360") << 360 << QPoint(33, 21);
    QTest::newRow("329") << 329 << QPoint(30, 21);
}

void TestPictureCommandButton::restingAndPressedPlace()
{
    QFETCH(int, width);
    QFETCH(QPoint, rest);
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, width, true));
    button.show();
    QCOMPARE(button.restingPlace(), rest);
    QCOMPARE(button.pictureBox()->pos(), pixels(rest));
    QTest::mousePress(button.innerButton(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(button.picturePlace(), pressedFrom(rest));
    QCOMPARE(button.pictureBox()->pos(), pixels(pressedFrom(rest)));
    QTest::mouseRelease(button.innerButton(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(button.picturePlace(), rest);
}

void TestPictureCommandButton::pressDragOutInRelease()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, 361, true));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QPushButton *inner = button.innerButton();
    const QPoint rest = kRestIn361;
    const QPoint pressed = pressedFrom(rest);
    const QPoint inside(20, 10);
    const QPoint outside(inner->width() + 30, 10);

    QTest::mousePress(inner, Qt::LeftButton, {}, inside);
    QVERIFY(button.mouseHeld());
    QCOMPARE(button.picturePlace(), pressed);
    QMouseEvent out(QEvent::MouseMove, outside, inner->mapToGlobal(outside), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inner, &out);
    QCOMPARE(button.picturePlace(), rest);
    // The right edge itself counts as outside.
    const QPoint edge(inner->width(), 10);
    QMouseEvent onEdge(QEvent::MouseMove, edge, inner->mapToGlobal(edge), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inner, &onEdge);
    QCOMPARE(button.picturePlace(), rest);
    QMouseEvent in(QEvent::MouseMove, inside, inner->mapToGlobal(inside), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inner, &in);
    QCOMPARE(button.picturePlace(), pressed);
    QTest::mouseRelease(inner, Qt::LeftButton, {}, inside);
    QVERIFY(!button.mouseHeld());
    QCOMPARE(button.picturePlace(), rest);
}

void TestPictureCommandButton::enteringWithButtonHeldElsewhere()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, 361, true));
    button.show();
    QPushButton *inner = button.innerButton();
    const QPoint inside(20, 10);
    QMouseEvent move(QEvent::MouseMove, inside, inner->mapToGlobal(inside), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inner, &move);
    QVERIFY(!button.mouseHeld());
    QCOMPARE(button.picturePlace(), kRestIn361);
}

void TestPictureCommandButton::spaceWhileMouseHolds()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, 361, true));
    button.show();
    QPushButton *inner = button.innerButton();
    QTest::mousePress(inner, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyPress(inner, Qt::Key_Space);
    QVERIFY(!button.spaceHeld());
    QCOMPARE(button.picturePlace(), pressedFrom(kRestIn361));
    QTest::keyRelease(inner, Qt::Key_Space);
    QVERIFY(!button.spaceHeld());
    QCOMPARE(button.picturePlace(), kRestIn361);
    QTest::mouseRelease(inner, Qt::LeftButton, {}, QPoint(20, 10));
}

void TestPictureCommandButton::mouseMovesIgnoredWhileSpaceHeld()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, 361, true));
    button.show();
    QPushButton *inner = button.innerButton();
    QTest::keyPress(inner, Qt::Key_Space);
    QVERIFY(button.spaceHeld());
    QCOMPARE(button.picturePlace(), pressedFrom(kRestIn361));
    const QPoint outside(inner->width() + 30, 10);
    QMouseEvent move(QEvent::MouseMove, outside, inner->mapToGlobal(outside), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(inner, &move);
    QCOMPARE(button.picturePlace(), pressedFrom(kRestIn361));
    QTest::keyRelease(inner, Qt::Key_Space);
    QVERIFY(!button.spaceHeld());
    QCOMPARE(button.picturePlace(), kRestIn361);
}

void TestPictureCommandButton::spaceRepeatStaysPressed()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, 361, true));
    button.show();
    QPushButton *inner = button.innerButton();
    QTest::keyPress(inner, Qt::Key_Space);
    for (int i = 0; i < 4; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
        QApplication::sendEvent(inner, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
        QApplication::sendEvent(inner, &press);
        QCOMPARE(button.picturePlace(), pressedFrom(kRestIn361));
    }
    QTest::keyRelease(inner, Qt::Key_Space);
    QCOMPARE(button.picturePlace(), kRestIn361);
}

void TestPictureCommandButton::clickIsPostedOnce()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, u"Save!"_s, 329, true));
    button.show();
    QSignalSpy clicked(&button, &controls::pfc_picture_command_button::clicked);
    int innerClicks = 0;
    int controlClicksSeenByInnerHandler = -1;
    connect(button.innerButton(), &QPushButton::clicked, &button, [&] {
        ++innerClicks;
        controlClicksSeenByInnerHandler = int(clicked.count());
    });
    QTest::mouseClick(button.innerButton(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(innerClicks, 1);
    QCOMPARE(controlClicksSeenByInnerHandler, 0);
    QCOMPARE(clicked.count(), 0);
    QTRY_COMPARE(clicked.count(), 1);
    QTest::qWait(20);
    QCOMPARE(clicked.count(), 1);
}

void TestPictureCommandButton::enterClicksOnceAfterHandler()
{
    FocusWindow focus;
    focus.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&focus.window));
    focus.button->innerButton()->setFocus();
    QSignalSpy clicked(focus.button, &controls::pfc_picture_command_button::clicked);
    QSignalSpy innerClicked(focus.button->innerButton(), &QPushButton::clicked);
    QTest::keyClick(focus.button->innerButton(), Qt::Key_Return);
    // The inner button clicked at once; the control's clicked waits for the
    // key handling to return.
    QCOMPARE(innerClicked.count(), 1);
    QCOMPARE(clicked.count(), 0);
    QTRY_COMPARE(clicked.count(), 1);
    QTest::qWait(20);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(innerClicked.count(), 1);
    QVERIFY(focus.button->innerButton()->hasFocus());
}

void TestPictureCommandButton::arrowsMoveFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("forward");
    QTest::newRow("Down") << int(Qt::Key_Down) << true;
    QTest::newRow("Right") << int(Qt::Key_Right) << true;
    QTest::newRow("Up") << int(Qt::Key_Up) << false;
    QTest::newRow("Left") << int(Qt::Key_Left) << false;
}

void TestPictureCommandButton::arrowsMoveFocus()
{
    QFETCH(int, key);
    QFETCH(bool, forward);
    FocusWindow focus;
    focus.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&focus.window));
    focus.button->innerButton()->setFocus();
    QVERIFY(focus.button->innerButton()->hasFocus());
    QTest::keyClick(focus.button->innerButton(), Qt::Key(key));
    // The focus moves once the key handler has returned.
    QVERIFY(focus.button->innerButton()->hasFocus());
    QLineEdit *expected = forward ? focus.after : focus.before;
    QTRY_VERIFY(expected->hasFocus());
}

void TestPictureCommandButton::disabledAtCreation()
{
    controls::pfc_picture_command_button button(declared(u"保存（&S)"_s, u"Save!"_s, 329, false));
    QVERIFY(!button.isEnabled());
    QVERIFY(!button.innerEnabledFlag());
    QVERIFY(!button.innerButton()->isEnabled());
    QVERIFY(!button.isAvailable());
    // Enabling only the control leaves the inner button disabled.
    button.setEnabled(true);
    QVERIFY(!button.innerButton()->isEnabled());
    QVERIFY(!button.isAvailable());
    button.setAvailable(true);
    QVERIFY(button.isAvailable());
    QVERIFY(button.innerButton()->isEnabled());
}

void TestPictureCommandButton::setEnabledTouchesInnerButtonOnly()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, QString(), 329, false));
    button.of_setenabled(true);
    QVERIFY(button.innerEnabledFlag());
    QVERIFY(!button.isEnabled());
    QVERIFY(!button.isAvailable());
    QVERIFY(!button.pictureBox()->isEnabled());

    controls::pfc_picture_command_button enabled(declared(u"None"_s, QString(), 329, true));
    enabled.of_setenabled(false);
    QVERIFY(enabled.isEnabled());
    QVERIFY(!enabled.innerEnabledFlag());
    QVERIFY(!enabled.isAvailable());
}

void TestPictureCommandButton::disabledButtonRaisesNoClick()
{
    controls::pfc_picture_command_button button(declared(u"None"_s, QString(), 329, false));
    button.show();
    QSignalSpy clicked(&button, &controls::pfc_picture_command_button::clicked);
    QTest::mouseClick(button.innerButton(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::qWait(20);
    QCOMPARE(clicked.count(), 0);
}

void TestPictureCommandButton::captionKeepsTheSameGapAfterThePicture()
{
    // A full-width "（" makes the save caption wider than the close
    // caption; the text still starts the same distance after the picture.
    QWidget window;
    window.resize(400, 100);
    Declaration save = declared(u"保存（&S)"_s, u"Save!"_s, 361);
    Declaration close = declared(u"关闭(&X)"_s, u"Close!"_s, 361);
    close.y = 200;
    controls::pfc_picture_command_button saveButton(save, &window);
    controls::pfc_picture_command_button closeButton(close, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(saveButton.innerButton()->text(), u"   保存（&S)"_s);
    QCOMPARE(closeButton.innerButton()->text(), u"   关闭(&X)"_s);
    const int saveGap = captionGap(saveButton);
    const int closeGap = captionGap(closeButton);
    QVERIFY2(saveGap >= 3, qPrintable(QString::number(saveGap)));
    // The glyphs' own side bearings differ by up to a pixel.
    QVERIFY2(qAbs(saveGap - closeGap) <= 1, qPrintable(u"%1 %2"_s.arg(saveGap).arg(closeGap)));
}

QTEST_MAIN(TestPictureCommandButton)
#include "tst_picture_command_button.moc"
