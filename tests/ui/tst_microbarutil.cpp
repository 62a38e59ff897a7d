#include "support/FixedHostEnvironment.h"
#include "support/ScopedHostEnvironment.h"
#include "support/ToolbarTestFrame.h"
#include "ui/HostEnvironment.h"
#include "ui/WindowType.h"
#include "ui/uo_microbarutil.h"

#include <QLabel>
#include <QTest>

using support::ToolbarTestFrame;

using namespace Qt::StringLiterals;

class TestMicrobarUtil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void windowTypes();
    void frameWithStatusBar_data();
    void frameWithStatusBar();
    void otherHostsLeaveStatusBar_data();
    void otherHostsLeaveStatusBar();
    void frameWithoutStatusBar();
    void otherWindows();
};

void TestMicrobarUtil::cleanup()
{
    ui::installHostEnvironment(nullptr);
}

void TestMicrobarUtil::windowTypes()
{
    ToolbarTestFrame frame;
    QCOMPARE(ui::windowType(frame.frame), ui::WindowType::MdiFrameWithHelp);
    ToolbarTestFrame::Options bare;
    bare.withStatusBar = false;
    ToolbarTestFrame withoutBar(bare);
    QCOMPARE(ui::windowType(withoutBar.frame), ui::WindowType::MdiFrame);
    QMainWindow plain;
    plain.statusBar();
    QCOMPARE(ui::windowType(&plain), ui::WindowType::Other);
    QCOMPARE(ui::windowType(nullptr), ui::WindowType::Other);
}

void TestMicrobarUtil::frameWithStatusBar_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("default host") << 0;
    QTest::newRow("6") << 6;
    QTest::newRow("7") << 7;
    QTest::newRow("8") << 8;
}

void TestMicrobarUtil::frameWithStatusBar()
{
    QFETCH(int, version);
    std::unique_ptr<support::ScopedHostEnvironment> host;
    if (version != 0)
        host = std::make_unique<support::ScopedHostEnvironment>(
            std::make_unique<support::FixedHostEnvironment>(version));

    ToolbarTestFrame fixture;
    QStatusBar *bar = fixture.frame->statusBar();
    bar->showMessage(u"就绪"_s);
    ui::uo_microbarutil().of_initmicrobar(fixture.frame);

    QCOMPARE(bar->font().families().value(0), u"宋体"_s);
    QVERIFY(bar->font().families().contains(u"WenQuanYi Zen Hei"_s));
    QCOMPARE(bar->font().pixelSize(), ui::uo_microbarutil::kFontPixelHeight);
    fixture.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.frame));
    QCOMPARE(bar->height(), ui::uo_microbarutil::kBarHeight);
    QCOMPARE(bar->geometry().bottom(), fixture.frame->rect().bottom());
}

void TestMicrobarUtil::otherHostsLeaveStatusBar_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("queryWorks");
    QTest::newRow("version 9") << 9 << true;
    QTest::newRow("version 5") << 5 << true;
    QTest::newRow("failed query") << 8 << false;
}

void TestMicrobarUtil::otherHostsLeaveStatusBar()
{
    QFETCH(int, version);
    QFETCH(bool, queryWorks);
    support::ScopedHostEnvironment host(
        std::make_unique<support::FixedHostEnvironment>(version, queryWorks));

    ToolbarTestFrame fixture;
    QStatusBar *bar = fixture.frame->statusBar();
    const QFont before = bar->font();
    const int minimumBefore = bar->minimumHeight();
    const int maximumBefore = bar->maximumHeight();
    ui::uo_microbarutil().of_initmicrobar(fixture.frame);
    QCOMPARE(bar->font(), before);
    QCOMPARE(bar->minimumHeight(), minimumBefore);
    QCOMPARE(bar->maximumHeight(), maximumBefore);
}

void TestMicrobarUtil::frameWithoutStatusBar()
{
    ToolbarTestFrame::Options bare;
    bare.withStatusBar = false;
    ToolbarTestFrame fixture(bare);
    ui::uo_microbarutil().of_initmicrobar(fixture.frame);
    // No status bar was made for it.
    QVERIFY(!fixture.frame->findChild<QStatusBar *>());
}

void TestMicrobarUtil::otherWindows()
{
    ui::uo_microbarutil util;
    util.of_initmicrobar(nullptr);

    QMainWindow plain;
    QStatusBar *bar = plain.statusBar();
    const QFont before = bar->font();
    util.of_initmicrobar(&plain);
    QCOMPARE(bar->font(), before);
    QCOMPARE(bar->maximumHeight(), QWIDGETSIZE_MAX);

    QLabel label(u"其他窗口"_s);
    const QFont labelFont = label.font();
    util.of_initmicrobar(&label);
    QCOMPARE(label.font(), labelFont);
}

QTEST_MAIN(TestMicrobarUtil)
#include "tst_microbarutil.moc"
