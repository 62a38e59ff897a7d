#include "support/FixedHostEnvironment.h"
#include "support/ScopedHostEnvironment.h"
#include "support/ToolbarTestFrame.h"
#include "ui/FrameToolBar.h"
#include "ui/HostEnvironment.h"
#include "ui/ToolbarGlobals.h"
#include "ui/f_create_toolbarutil.h"
#include "ui/uo_toolbarutil6.h"
#include "ui/uo_toolbarutil7.h"
#include "ui/uo_toolbarutil8.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>

using support::ToolbarTestFrame;

using namespace Qt::StringLiterals;

namespace {
// The toolbar's icons before any utility lays it out.
const QSize kStartIconSize(
    ui::uo_toolbarutil::kDefaultIconSize, ui::uo_toolbarutil::kDefaultIconSize);
} // namespace

class TestToolbarUtil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void factoryCreatesVariantForHost_data();
    void factoryCreatesVariantForHost();
    void factoryFirstCallVersion8();
    void factorySecondCallKeepsObject();
    void factoryFailedQueryKeepsHolder();

    void initFindsToolbarByClassName_data();
    void initFindsToolbarByClassName();
    void initWithoutMatchingToolbar();
    void initWithoutFrame();
    void initFailureKeepsEarlierBinding();
    void initBindsAgainToNewFrame();

    void fontFollowsHostSize_data();
    void fontFollowsHostSize();
    void fontWhileUnboundChangesNothing();

    void showTextOn();
    void showTextOffLaysOutIconSize();
    void showTextOffAtSize16KeepsLayout();
    void showTextOnAgainKeepsIconSize();
    void showTextWhileUnboundIsSkipped();
    void frameClosedUnbinds();

    void userControlOff();
    void tipsFollowApplicationSwitch();
};

void TestToolbarUtil::init()
{
    ui::toolbarSwitches() = ui::ToolbarSwitches();
    ui::guo_toolbarutil().reset();
    ui::installHostEnvironment(nullptr);
}

void TestToolbarUtil::cleanup()
{
    init();
}

void TestToolbarUtil::factoryCreatesVariantForHost_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("className");
    QTest::newRow("6") << 6 << u"FNFIXEDBAR60"_s;
    QTest::newRow("7") << 7 << u"FNFIXEDBAR70"_s;
    QTest::newRow("8") << 8 << u"FNFIXEDBAR80"_s;
    QTest::newRow("9 creates nothing") << 9 << QString();
    QTest::newRow("5 creates nothing") << 5 << QString();
}

void TestToolbarUtil::factoryCreatesVariantForHost()
{
    QFETCH(int, version);
    QFETCH(QString, className);
    support::ScopedHostEnvironment host(std::make_unique<support::FixedHostEnvironment>(version));

    std::unique_ptr<ui::uo_toolbarutil> holder;
    QVERIFY(ui::f_create_toolbarutil(holder));
    if (className.isEmpty()) {
        QVERIFY(!holder);
        return;
    }
    QVERIFY(holder);
    QCOMPARE(holder->toolClassName(), className);
    QCOMPARE(holder->iconSize(), ui::uo_toolbarutil::kDefaultIconSize);
    QVERIFY(!holder->isBound());
    switch (version) {
    case 6:
        QVERIFY(dynamic_cast<ui::uo_toolbarutil6 *>(holder.get()));
        break;
    case 7:
        QVERIFY(dynamic_cast<ui::uo_toolbarutil7 *>(holder.get()));
        break;
    default:
        QVERIFY(dynamic_cast<ui::uo_toolbarutil8 *>(holder.get()));
        break;
    }
}

void TestToolbarUtil::factoryFirstCallVersion8()
{
    // The program's own host, with no test host installed.
    QVERIFY(ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    auto *made = dynamic_cast<ui::uo_toolbarutil8 *>(ui::guo_toolbarutil().get());
    QVERIFY(made);
    QCOMPARE(made->toolClassName(), u"FNFIXEDBAR80"_s);
    QCOMPARE(made->iconSize(), ui::uo_toolbarutil::kDefaultIconSize);
    QVERIFY(!made->isBound());
}

void TestToolbarUtil::factorySecondCallKeepsObject()
{
    QVERIFY(ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    ui::uo_toolbarutil *first = ui::guo_toolbarutil().get();
    QVERIFY(!ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    QCOMPARE(ui::guo_toolbarutil().get(), first);
}

void TestToolbarUtil::factoryFailedQueryKeepsHolder()
{
    support::ScopedHostEnvironment host(std::make_unique<support::FixedHostEnvironment>(8, false));
    std::unique_ptr<ui::uo_toolbarutil> empty;
    QVERIFY(!ui::f_create_toolbarutil(empty));
    QVERIFY(!empty);

    std::unique_ptr<ui::uo_toolbarutil> filled = std::make_unique<ui::uo_toolbarutil7>();
    ui::uo_toolbarutil *kept = filled.get();
    QVERIFY(!ui::f_create_toolbarutil(filled));
    QCOMPARE(filled.get(), kept);
}

void TestToolbarUtil::initFindsToolbarByClassName_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("iconSize");
    QTest::newRow("24") << 24 << 24;
    QTest::newRow("17") << 17 << 17;
    QTest::newRow("16") << 16 << 16;
    QTest::newRow("0") << 0 << ui::uo_toolbarutil::kDefaultIconSize;
}

void TestToolbarUtil::initFindsToolbarByClassName()
{
    QFETCH(int, size);
    QFETCH(int, iconSize);
    ToolbarTestFrame fixture;
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture.frame, size));
    QVERIFY(util.isBound());
    QCOMPARE(util.boundToolbar(), fixture.toolbar.data());
    QCOMPARE(util.boundFrame(), fixture.frame.data());
    QCOMPARE(util.iconSize(), iconSize);
    // Binding alone does not lay the toolbar out anew.
    QCOMPARE(fixture.toolbar->iconSize(), kStartIconSize);
    QCOMPARE(fixture.toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

void TestToolbarUtil::initWithoutMatchingToolbar()
{
    ToolbarTestFrame::Options options;
    options.toolbarClass = u"FNFIXEDBAR70"_s;
    ToolbarTestFrame fixture(options);
    const QFont before = fixture.toolbar->font();

    ui::uo_toolbarutil8 util;
    QVERIFY(!util.of_inittoolbar(fixture.frame, 24));
    QVERIFY(!util.isBound());
    QCOMPARE(util.iconSize(), ui::uo_toolbarutil::kDefaultIconSize);
    util.of_settoolbarfont(u"Courier New"_s, -11, u"12345"_s);
    QCOMPARE(fixture.toolbar->font(), before);

    // A toolbar of the right class that is not a direct child of the frame
    // is not the frame's toolbar either.
    QMainWindow other;
    other.setCentralWidget(new QMdiArea);
    new ui::FrameToolBar(u"FNFIXEDBAR80"_s, other.centralWidget());
    QVERIFY(!util.of_inittoolbar(&other, 24));
}

void TestToolbarUtil::initWithoutFrame()
{
    ui::uo_toolbarutil8 util;
    QVERIFY(!util.of_inittoolbar(nullptr, 24));
    QVERIFY(!util.isBound());
    QVERIFY(!util.boundFrame());
}

void TestToolbarUtil::initFailureKeepsEarlierBinding()
{
    ToolbarTestFrame bound;
    ToolbarTestFrame::Options noToolbar;
    noToolbar.withToolbar = false;
    ToolbarTestFrame bare(noToolbar);

    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(bound.frame, 24));
    QVERIFY(!util.of_inittoolbar(bare.frame, 32));
    QCOMPARE(util.boundToolbar(), bound.toolbar.data());
    QCOMPARE(util.iconSize(), 24);
    QCOMPARE(util.boundFrame(), bare.frame.data());
}

void TestToolbarUtil::initBindsAgainToNewFrame()
{
    QVERIFY(ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    ui::uo_toolbarutil *util = ui::guo_toolbarutil().get();
    {
        ToolbarTestFrame first;
        QVERIFY(util->of_inittoolbar(first.frame, 24));
    }
    QVERIFY(!util->isBound());

    ToolbarTestFrame second;
    QVERIFY(!ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    QCOMPARE(ui::guo_toolbarutil().get(), util);
    QVERIFY(util->of_inittoolbar(second.frame, 24));
    util->of_toolbarshowtext(true);
    QCOMPARE(second.toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void TestToolbarUtil::fontFollowsHostSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("-11 is points") << -11 << 11 << -1;
    QTest::newRow("14 is pixels") << 14 << -1 << 14;
}

void TestToolbarUtil::fontFollowsHostSize()
{
    QFETCH(int, size);
    QFETCH(int, pointSize);
    QFETCH(int, pixelSize);
    ToolbarTestFrame fixture;
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture.frame, 24));
    util.of_settoolbarfont(u"Courier New"_s, size, u"12345"_s);

    const QFont font = fixture.toolbar->font();
    QCOMPARE(font.families().value(0), u"Courier New"_s);
    QCOMPARE(font.pointSize(), pointSize);
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(fixture.button(0)->font().families().value(0), u"Courier New"_s);
    QCOMPARE(fixture.toolbar->extentText(), u"12345"_s);

    // With the text shown every button is at least as wide as the extent text.
    util.of_toolbarshowtext(true);
    const int extent = QFontMetrics(font).horizontalAdvance(u"12345"_s);
    for (int i = 0; i < 3; ++i)
        QVERIFY(fixture.button(i)->minimumWidth() >= extent);
}

void TestToolbarUtil::fontWhileUnboundChangesNothing()
{
    ToolbarTestFrame fixture;
    const QFont before = fixture.toolbar->font();
    ui::uo_toolbarutil8 util;
    util.of_settoolbarfont(u"Courier New"_s, -11, u"12345"_s);
    QCOMPARE(fixture.toolbar->font(), before);
    QVERIFY(fixture.toolbar->extentText().isEmpty());
}

void TestToolbarUtil::showTextOn()
{
    ToolbarTestFrame fixture;
    fixture.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.frame));
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture.frame, 24));

    util.of_toolbarshowtext(true);
    QCOMPARE(fixture.toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(fixture.button(0)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(fixture.toolbar->separatorsShown());
    QVERIFY(fixture.separator->isVisible());
    // The icon fields are not written while the text is shown.
    QCOMPARE(fixture.toolbar->iconSize(), kStartIconSize);
    QVERIFY(ui::toolbarSwitches().text);
}

void TestToolbarUtil::showTextOffLaysOutIconSize()
{
    ToolbarTestFrame fixture;
    fixture.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.frame));
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture.frame, 24));
    util.of_toolbarshowtext(true);

    util.of_toolbarshowtext(false);
    QCOMPARE(fixture.toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(fixture.button(1)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(fixture.toolbar->iconSize(), QSize(24, 24));
    QCOMPARE(fixture.button(1)->iconSize(), QSize(24, 24));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(fixture.button(i)->minimumSize(), QSize(31, 30));
        QTRY_VERIFY(fixture.button(i)->width() >= 31);
        QVERIFY(fixture.button(i)->height() >= 30);
    }
    QVERIFY(!fixture.separator->isVisible());
    QVERIFY(!ui::toolbarSwitches().text);
}

void TestToolbarUtil::showTextOffAtSize16KeepsLayout()
{
    ToolbarTestFrame fixture;
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture.frame, 16));
    util.of_toolbarshowtext(false);
    QCOMPARE(fixture.toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(fixture.toolbar->iconSize(), kStartIconSize);
    QCOMPARE(fixture.button(0)->minimumSize(), QSize(0, 0));
}

void TestToolbarUtil::showTextOnAgainKeepsIconSize()
{
    ToolbarTestFrame fixture;
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture.frame, 24));
    util.of_toolbarshowtext(false);
    util.of_toolbarshowtext(true);
    QCOMPARE(fixture.toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(fixture.toolbar->iconSize(), QSize(24, 24));
    QVERIFY(fixture.toolbar->separatorsShown());
}

void TestToolbarUtil::showTextWhileUnboundIsSkipped()
{
    ToolbarTestFrame fixture;
    ui::uo_toolbarutil8 util;
    util.of_toolbarshowtext(true);
    util.of_toolbarshowtext(false);
    QCOMPARE(fixture.toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(fixture.toolbar->iconSize(), kStartIconSize);
    QVERIFY(!ui::toolbarSwitches().text);
}

void TestToolbarUtil::frameClosedUnbinds()
{
    auto fixture = std::make_unique<ToolbarTestFrame>();
    ui::uo_toolbarutil8 util;
    QVERIFY(util.of_inittoolbar(fixture->frame, 24));
    QVERIFY(util.isBound());
    fixture.reset();

    QVERIFY(!util.isBound());
    QVERIFY(!util.boundFrame());
    // Nothing is written through the old binding.
    util.of_settoolbarfont(u"Courier New"_s, -11, u"12345"_s);
    util.of_toolbarshowtext(true);
    util.of_toolbarshowtext(false);
    util.of_displayseperator();
    util.of_adjusttoolbariconsize();
    QVERIFY(!ui::toolbarSwitches().text);
}

void TestToolbarUtil::userControlOff()
{
    {
        ToolbarTestFrame fixture;
        QVERIFY(fixture.toolbar->isMovable());
        QVERIFY(fixture.toolbar->userControl());
    }

    ui::toolbarSwitches().userControl = false;
    ToolbarTestFrame fixture;
    QVERIFY(!fixture.toolbar->userControl());
    QVERIFY(!fixture.toolbar->isMovable());
    QVERIFY(!fixture.toolbar->isFloatable());
    QCOMPARE(fixture.toolbar->contextMenuPolicy(), Qt::PreventContextMenu);
    // The frame's own popup offers nothing that hides the toolbar.
    std::unique_ptr<QMenu> popup(fixture.frame->createPopupMenu());
    if (popup) {
        const auto actions = popup->actions();
        for (QAction *action : actions)
            QVERIFY(!action->isVisible() || !action->isEnabled());
        QVERIFY(popup->isEmpty());
    }
}

void TestToolbarUtil::tipsFollowApplicationSwitch()
{
    ToolbarTestFrame fixture;
    fixture.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.frame));
    QToolButton *button = fixture.button(0);
    QCOMPARE(button->toolTip(), u"初一项目"_s);
    const QPoint at = button->rect().center();

    QHelpEvent shown(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &shown);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"初一项目"_s);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    ui::toolbarSwitches().tips = false;
    QHelpEvent suppressed(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &suppressed);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(TestToolbarUtil)
#include "tst_toolbarutil.moc"
