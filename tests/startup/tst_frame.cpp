// The frame window: the start page's centring rule and its opening state;
// the page keeps the rule's place after "登录(&L)" and through every change
// of the toolbar.

#include "controls/pfc_picture_command_button.h"
#include "runtime/LayoutUnits.h"
#include "shell/Application.h"
#include "shell/startpage/StartPageDefinition.h"
#include "shell/w_main1.h"
#include "shell/w_pwd.h"
#include "support/ControlLookup.h"
#include "ui/ToolbarGlobals.h"
#include "ui/f_create_toolbarutil.h"
#include "ui/uo_microbarutil.h"
#include "ui/uo_toolbarutil.h"
#include "ui/w_genapp_toolbars.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;
using shell::startpage::kBorderNone;
using shell::startpage::kBorderRaised;
using shell::startpage::kPageHeight;
using shell::startpage::kPageWidth;

class TestFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void centring_data();
    void centring();
    void opensInStartPageState();
    void resizeCentresTheStartPage_data();
    void resizeCentresTheStartPage();
    void restoredSizeIsCentredOnTheScreen();
    void placedByTheRuleAfterEnter();
    void placeFollowsToolbarChanges();
    void startPageKeepsItsRaisedPictureInTheFrame();
};

namespace {

// Where the start page sits, counted from the top-left of the frame's
// client area below the menu bar, in pixels.
QPoint pagePlace(const shell::w_main1 &frame)
{
    return frame.startPage()->mapTo(&frame, QPoint(0, 0)) - QPoint(0, frame.menuBar()->height());
}

// Where the centring rule puts it for the frame's outer size now.
QPoint rulePlace(const shell::w_main1 &frame)
{
    return rt::units::toPixels(shell::w_main1::centredStartPagePosition(
        frame.widthUnits(), frame.heightUnits(), kPageWidth, kPageHeight));
}

} // namespace

void TestFrame::centring_data()
{
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("frameHeight");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("wide and high") << 4800 << 3000 << QPoint(564, 428);
    QTest::newRow("too small") << 3000 << 2000 << QPoint(0, 220);
    QTest::newRow("exactly the page plus margins") << 3671 << 2584 << QPoint(0, 220);
    QTest::newRow("half a unit rounds down") << 3672 << 2585 << QPoint(0, 220);
    QTest::newRow("first unit below the margin") << 3673 << 2586 << QPoint(1, 221);
    QTest::newRow("odd difference") << 3674 << 3000 << QPoint(1, 428);
}

void TestFrame::centring()
{
    QFETCH(int, frameWidth);
    QFETCH(int, frameHeight);
    QFETCH(QPoint, expected);
    QCOMPARE(
        shell::w_main1::centredStartPagePosition(frameWidth, frameHeight, kPageWidth, kPageHeight),
        expected);
}

void TestFrame::opensInStartPageState()
{
    shell::Application::instance().button_flag = false;
    shell::w_main1 frame;
    frame.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(shell::Application::instance().button_flag);
    QVERIFY(frame.startPage()->isVisible());
    QVERIFY(!frame.background()->isVisible());
    // The hidden background picture is loaded from the program's resources.
    QCOMPARE(frame.background()->pixmap().size(), QSize(1016, 712));
    QCOMPARE(frame.background()->geometry(), rt::units::rect(192, 48, 549, 436));
    QCOMPARE(frame.windowTitle(), u"TavrinKelvaro（初中） "_s);
    QVERIFY(frame.focusPicture().isEmpty());
    // The status bar has the height that the frame's open handling gave it.
    QCOMPARE(frame.statusBar()->height(), ui::uo_microbarutil::kBarHeight);
}

void TestFrame::resizeCentresTheStartPage_data()
{
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("frameHeight");
    QTest::addColumn<QPoint>("expected");
    // Sizes a whole number of pixels wide and high (9 units across, 4 down).
    QTest::newRow("wide and high") << 4806 << 3000 << QPoint(567, 428);
    QTest::newRow("narrower than the page") << 3006 << 2000 << QPoint(0, 220);
}

void TestFrame::resizeCentresTheStartPage()
{
    // A real frame, resized: the start page sits where the rule puts it,
    // counted from the top-left of the client area below the menu bar.
    QFETCH(int, frameWidth);
    QFETCH(int, frameHeight);
    QFETCH(QPoint, expected);
    shell::w_main1 frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    // The sizes are outer sizes: the window frame counts.
    const QSize margins = frame.frameGeometry().size() - frame.size();
    frame.resize(rt::units::toPixels(QSize(frameWidth, frameHeight)) - margins);
    QTRY_COMPARE(frame.widthUnits(), frameWidth);
    QCOMPARE(frame.heightUnits(), frameHeight);
    const QPoint inFrame = frame.startPage()->mapTo(&frame, QPoint(0, 0));
    const QPoint clientOrigin(0, frame.menuBar()->height());
    QCOMPARE(inFrame - clientOrigin, rt::units::toPixels(expected));
    QCOMPARE(frame.startPage()->size(), rt::units::toPixels(QSize(kPageWidth, kPageHeight)));
}

void TestFrame::restoredSizeIsCentredOnTheScreen()
{
    shell::w_main1 frame;
    QCOMPARE(frame.size(), rt::units::toPixels(QSize(4018, 2692)));
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint offset = frame.frameGeometry().center() - screenCentre;
    // Placed before the window system adds its frame: off by at most the
    // frame's border.
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
        qPrintable(u"off centre by %1, %2"_s.arg(offset.x()).arg(offset.y())));
}

void TestFrame::placedByTheRuleAfterEnter()
{
    // Through the real start window: "登录(&L)" opens the frame and only then
    // makes its toolbar taller (24-pixel icons with their text under them).
    ui::guo_toolbarutil().reset();
    QPointer<shell::w_pwd> start = new shell::w_pwd;
    start->show();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    auto *enter = support::control<controls::pfc_picture_command_button>(start, u"uo_3"_s);
    QTest::mouseClick(enter->innerButton(), Qt::LeftButton);
    // The button's click is posted; the start window closes once it ran.
    QTRY_VERIFY(start.isNull());
    QPointer<shell::w_main1> frame = shell::w_main1::current();
    QVERIFY(frame);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QCOMPARE(frame->frameToolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QTRY_COMPARE(pagePlace(*frame), rulePlace(*frame));
    // Still there once every event of the opening has run.
    QTest::qWait(100);
    QCOMPARE(pagePlace(*frame), rulePlace(*frame));
    delete frame.data();
    ui::guo_toolbarutil().reset();
}

void TestFrame::placeFollowsToolbarChanges()
{
    ui::guo_toolbarutil().reset();
    shell::w_main1 frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(pagePlace(frame), rulePlace(frame));
    // As "登录(&L)" does on a display without a window manager: the frame
    // is on the screen at its restored size when its toolbar grows.
    const int plainToolbar = frame.frameToolBar()->height();
    QVERIFY(ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    QVERIFY(ui::guo_toolbarutil()->of_inittoolbar(&frame, 24));
    ui::guo_toolbarutil()->of_settoolbarfont(u"Courier New"_s, -11, u"12345"_s);
    ui::guo_toolbarutil()->of_toolbarshowtext(true);
    QTRY_VERIFY(frame.frameToolBar()->height() > plainToolbar);
    QCOMPARE(pagePlace(frame), rulePlace(frame));

    // The toolbar settings dialog, driven as the user does.
    ui::w_genapp_toolbars dialog(&frame);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *text = support::control<QCheckBox>(&dialog, u"cbx_showtext"_s);
    QVERIFY(text->isChecked());
    const int tallToolbar = frame.frameToolBar()->height();
    QTest::mouseClick(text, Qt::LeftButton);
    QVERIFY(!text->isChecked());
    QTRY_VERIFY(frame.frameToolBar()->height() < tallToolbar);
    const int lowToolbar = frame.frameToolBar()->height();
    QCOMPARE(pagePlace(frame), rulePlace(frame));
    // On again: the text comes back under the icons, which keep the larger
    // size that hiding the text gave them, so the toolbar ends up taller
    // than after entering.
    QTest::mouseClick(text, Qt::LeftButton);
    QTRY_VERIFY(frame.frameToolBar()->height() > lowToolbar);
    QVERIFY(frame.frameToolBar()->height() >= tallToolbar);
    QCOMPARE(pagePlace(frame), rulePlace(frame));

    for (const QString &position : { u"rb_left"_s, u"rb_bottom"_s, u"rb_top"_s }) {
        auto *button = support::control<QRadioButton>(&dialog, position);
        const QRect clientArea = frame.mdiArea()->geometry();
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY2(frame.mdiArea()->geometry() != clientArea, qPrintable(position));
        QVERIFY2(pagePlace(frame) == rulePlace(frame), qPrintable(position));
    }
    auto *visible = support::control<QPushButton>(&dialog, u"cb_visible"_s);
    QTest::mouseClick(visible, Qt::LeftButton);
    QTRY_VERIFY(!frame.frameToolBar()->isVisible());
    QCOMPARE(pagePlace(frame), rulePlace(frame));
    QTest::mouseClick(visible, Qt::LeftButton);
    QTRY_VERIFY(frame.frameToolBar()->isVisible());
    QCOMPARE(pagePlace(frame), rulePlace(frame));
    ui::guo_toolbarutil().reset();
}

void TestFrame::startPageKeepsItsRaisedPictureInTheFrame()
{
    // The page tells the frame which picture is raised; the frame keeps it.
    shell::w_main1 frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    shell::StartPage *page = frame.startPage();
    const QRect picture = page->objectRect(u"p_8"_s);
    QTest::mouseMove(page, picture.center());
    QTRY_COMPARE(frame.focusPicture(), u"p_8"_s);
    QCOMPARE(page->border(u"p_8"_s), kBorderRaised);
    QTest::mouseMove(page, page->objectRect(u"t_12"_s).center());
    QTRY_COMPARE(frame.focusPicture(), QString());
    QCOMPARE(page->border(u"p_8"_s), kBorderNone);
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
