// The frame window: the start page's centring rule and its opening state.

#include "shell/Application.h"
#include "runtime/LayoutUnits.h"
#include "shell/w_main1.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <QStatusBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

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
};

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
    QCOMPARE(w_main1::centredStartPagePosition(frameWidth, frameHeight, 3671, 2144), expected);
}

void TestFrame::opensInStartPageState()
{
    Application::instance().button_flag = false;
    w_main1 frame;
    frame.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(Application::instance().button_flag);
    QVERIFY(frame.dw_main()->isVisible());
    QVERIFY(!frame.p_2()->isVisible());
    // The hidden background picture is loaded from the program's resources.
    QCOMPARE(frame.p_2()->pixmap().size(), QSize(1016, 712));
    QCOMPARE(frame.p_2()->geometry(), rt::units::rect(192, 48, 549, 436));
    QCOMPARE(frame.windowTitle(), QStringLiteral("TavrinKelvaro（初中） "));
    QVERIFY(frame.is_focus_picture.isEmpty());
    // The status bar has the height that the frame's open handling gave it.
    QCOMPARE(frame.statusBar()->height(), 23);
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
    w_main1 frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    // The sizes are outer sizes: the window frame counts.
    const QSize margins = frame.frameGeometry().size() - frame.size();
    frame.resize(rt::units::toPixels(QSize(frameWidth, frameHeight)) - margins);
    QTRY_COMPARE(frame.widthUnits(), frameWidth);
    QCOMPARE(frame.heightUnits(), frameHeight);
    const QPoint inFrame = frame.dw_main()->mapTo(&frame, QPoint(0, 0));
    const QPoint clientOrigin(0, frame.menuBar()->height());
    QCOMPARE(inFrame - clientOrigin, rt::units::toPixels(expected));
    QCOMPARE(frame.dw_main()->size(), rt::units::toPixels(QSize(3671, 2144)));
}

void TestFrame::restoredSizeIsCentredOnTheScreen()
{
    w_main1 frame;
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

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
