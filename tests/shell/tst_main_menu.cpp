#include "runtime/LayoutUnits.h"
#include "shell/Application.h"
#include "shell/w_main1.h"
#include "support/ControlLookup.h"
#include "support/MessageBoxRecorder.h"
#include "support/RecordingWindows.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using support::modalWindowClasses;
using support::OpenLog;
using support::OpenRecord;
using support::registerRecordingDialog;
using support::registerRecordingWindow;
using support::whyNotOpenedModallyOver;

using namespace Qt::StringLiterals;

// The frame's menu and toolbar, driven through their actions and widgets.
class TestMainMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void menuBarItems();
    void items_data();
    void items();
    void toolbarOrder();
    void statusBarShowsHelpText();
    void itemOpensItsWindowModally_data();
    void itemOpensItsWindowModally();
    void toolbarButtonActsAsItem();
    void unregisteredWindowShowsMessage_data();
    void unregisteredWindowShowsMessage();
    void deskCalculatorIsOrdinaryWindow();
    void toolbarSettingsGetsFrame();
    void aboutBoxOpensModally();
    void reloginOpensStartWindowThenClosesFrame();
    void exitClosesFrameOnly();
    void shortcutsAct_data();
    void shortcutsAct();
    void navigationToggle();
    void navigationToggleAfterResize();
    void navigationToggleOnLowFrame();

private:
    QAction *action(const QString &name) const;
    void clickNavigation();
    QRect pictureInFrame() const;

    QPointer<shell::w_main1> m_frame;
};

void TestMainMenu::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestMainMenu::init()
{
    OpenLog::records().clear();
    rt::message().objectParameter = nullptr;
    for (const QString &name : modalWindowClasses())
        registerRecordingDialog(name);
    m_frame = new shell::w_main1;
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestMainMenu::cleanup()
{
    delete m_frame;
    auto &registry = rt::WindowRegistry::instance();
    for (const QString &name : modalWindowClasses())
        registry.unregisterClass(name);
    for (const QString &name : { u"w_4"_s, u"w_pwd"_s, u"w_genapp_toolbars"_s })
        registry.unregisterClass(name);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"w_4" || window->objectName() == u"w_pwd")
            delete window;
    }
}

QAction *TestMainMenu::action(const QString &name) const
{
    return support::control<QAction>(m_frame, name);
}

void TestMainMenu::menuBarItems()
{
    QStringList names;
    QStringList texts;
    for (QAction *item : m_frame->menuBar()->actions()) {
        names << item->objectName();
        texts << item->text();
    }
    QCOMPARE(names,
        QStringList({ u"m_file"_s, u"m_项目设置"_s, u"m_成绩计算"_s, u"m_工具"_s, u"m_导航"_s,
            u"m_帮助"_s, u"m_0"_s }));
    QCOMPARE(texts,
        QStringList({ u"系统管理(&S)"_s, u"项目设置"_s, u"成绩计算"_s, u"工具"_s, u"导航"_s,
            u"帮助"_s, u"Version 3.0 Build 0101"_s }));
    // "导航" acts directly; the version label is greyed.
    QVERIFY(!action(u"m_导航"_s)->menu());
    QVERIFY(!action(u"m_0"_s)->isEnabled());

    // The drop-downs in menu order, separators included.
    auto namesOf = [this](const QString &menuName) {
        QStringList list;
        for (QAction *item : m_frame->findChild<QMenu *>(menuName)->actions())
            list << item->objectName();
        return list;
    };
    QCOMPARE(namesOf(u"m_file"_s),
        QStringList(
            { u"m_工具栏设置b"_s, u"m_-34"_s, u"m_重新登录"_s, u"m_-2"_s, u"m_退出系统"_s }));
    QCOMPARE(namesOf(u"m_项目设置"_s), QStringList({ u"m_初中0"_s }));
    QCOMPARE(namesOf(u"m_初中0"_s), QStringList({ u"m_初一"_s, u"m_初二"_s, u"m_初三"_s }));
    QCOMPARE(namesOf(u"m_成绩计算"_s), QStringList({ u"m_初中"_s }));
    QCOMPARE(namesOf(u"m_初中"_s),
        QStringList({ u"m_1"_s, u"m_2"_s, u"m_3"_s, u"m_-8"_s, u"m_毕业成绩"_s }));
    QCOMPARE(namesOf(u"m_工具"_s), QStringList({ u"m_计算器"_s }));
    QCOMPARE(namesOf(u"m_帮助"_s), QStringList({ u"m_关于"_s }));
    QVERIFY(action(u"m_-34"_s)->isSeparator());
    QCOMPARE(action(u"m_初中0"_s)->text(), u"初中"_s);
    QCOMPARE(action(u"m_初中"_s)->text(), u"初中"_s);
}

void TestMainMenu::items_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("microhelp");
    QTest::newRow("m_工具栏设置b")
        << u"m_工具栏设置b"_s << u"工具栏设置(&B)"_s << QString() << u"工具栏设置(&B)"_s;
    QTest::newRow("m_重新登录") << u"m_重新登录"_s << u"重新登录\tAlt+I"_s << u"Alt+I"_s
                                << u"重新登录[Alt+I]"_s;
    QTest::newRow("m_退出系统") << u"m_退出系统"_s << u"退出系统\tAlt+X"_s << u"Alt+X"_s
                                << u"退出系统[Alt+X]"_s;
    QTest::newRow("m_初一") << u"m_初一"_s << u"初一项目"_s << QString() << u"初一项目设置"_s;
    QTest::newRow("m_初二") << u"m_初二"_s << u"初二项目"_s << QString() << u"初二项目设置"_s;
    QTest::newRow("m_初三") << u"m_初三"_s << u"初三项目"_s << QString() << u"初三项目设置"_s;
    QTest::newRow("m_1") << u"m_1"_s << u"初一成绩计算"_s << QString() << u"初一成绩计算"_s;
    QTest::newRow("m_2") << u"m_2"_s << u"初二成绩计算"_s << QString() << u"初二成绩计算"_s;
    QTest::newRow("m_3") << u"m_3"_s << u"初三成绩计算"_s << QString() << u"初三成绩计算"_s;
    QTest::newRow("m_毕业成绩") << u"m_毕业成绩"_s << u"毕业成绩计算"_s << QString()
                                << u"初中毕业成绩"_s;
    QTest::newRow("m_计算器") << u"m_计算器"_s << u"计算器"_s << QString() << u"计算器"_s;
    QTest::newRow("m_关于") << u"m_关于"_s << u"技术支持"_s << QString() << QString();
}

void TestMainMenu::items()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, microhelp);
    QAction *item = action(name);
    QCOMPARE(item->text(), text);
    QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    QCOMPARE(item->statusTip(), microhelp);
    QVERIFY(item->isEnabled());
    QVERIFY(!item->isCheckable());
}

void TestMainMenu::toolbarOrder()
{
    QToolBar *toolBar = m_frame->frameToolBar();
    QStringList order;
    QStringList captions;
    QSet<QAction *> buttons;
    for (QAction *item : toolBar->actions()) {
        if (item->isSeparator()) {
            order << u"|"_s;
            continue;
        }
        order << item->objectName();
        captions << item->iconText();
        QCOMPARE(item->toolTip(), item->iconText());
        QVERIFY(qobject_cast<QToolButton *>(toolBar->widgetForAction(item)));
        buttons.insert(item);
    }
    // The buttons are the menu's items that have a picture, each once.
    QSet<QAction *> withPicture;
    for (QAction *item : m_frame->actions()) {
        if (!item->icon().isNull())
            withPicture.insert(item);
    }
    QCOMPARE(buttons, withPicture);
    QCOMPARE(order,
        QStringList({ u"m_初一"_s, u"m_1"_s, u"|"_s, u"m_初二"_s, u"m_2"_s, u"|"_s, u"m_初三"_s,
            u"m_3"_s, u"|"_s, u"m_毕业成绩"_s, u"|"_s, u"m_重新登录"_s, u"|"_s, u"m_退出系统"_s }));
    QCOMPARE(captions,
        QStringList({ u"初一项目"_s, u"初一成绩"_s, u"初二项目"_s, u"初二成绩"_s, u"初三项目"_s,
            u"初三成绩"_s, u"毕业成绩"_s, u"重新登录"_s, u"退出系统"_s }));
    // The user cannot rearrange the toolbar.
    QVERIFY(!toolBar->isMovable());
    QVERIFY(!toolBar->isFloatable());
    QCOMPARE(toolBar->contextMenuPolicy(), Qt::PreventContextMenu);
    QCOMPARE(m_frame->menuBar()->contextMenuPolicy(), Qt::PreventContextMenu);

    // The toolbar and the menu share one action per item.
    QCOMPARE(
        toolBar->actions().first(), m_frame->findChild<QMenu *>(u"m_初中0"_s)->actions().first());
}

void TestMainMenu::statusBarShowsHelpText()
{
    QStatusBar *status = m_frame->statusBar();
    QCOMPARE(status->currentMessage(), shell::Application::microhelpDefault());

    QMenu *file = m_frame->findChild<QMenu *>(u"m_file"_s);
    QMenuBar *bar = m_frame->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    QTRY_VERIFY(file->isVisible());
    QTest::mouseMove(file, file->actionGeometry(action(u"m_重新登录"_s)).center());
    QTRY_COMPARE(status->currentMessage(), u"重新登录[Alt+I]"_s);
    QTest::mouseMove(file, file->actionGeometry(action(u"m_退出系统"_s)).center());
    QTRY_COMPARE(status->currentMessage(), u"退出系统[Alt+X]"_s);
    file->hide();
    QTRY_COMPARE(status->currentMessage(), shell::Application::microhelpDefault());

    // An item without help text shows the default text.
    QMenu *help = m_frame->findChild<QMenu *>(u"m_帮助"_s);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help->menuAction()).center());
    QTRY_VERIFY(help->isVisible());
    QTest::mouseMove(help, help->actionGeometry(action(u"m_关于"_s)).center());
    QTest::qWait(20);
    QCOMPARE(status->currentMessage(), shell::Application::microhelpDefault());
    help->hide();
}

void TestMainMenu::itemOpensItsWindowModally_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("className");
    QTest::newRow("m_初一") << u"m_初一"_s << u"w_xm_cz1"_s;
    QTest::newRow("m_初二") << u"m_初二"_s << u"w_xm_cz2"_s;
    QTest::newRow("m_初三") << u"m_初三"_s << u"w_xm_cz3"_s;
    QTest::newRow("m_1") << u"m_1"_s << u"w_jsq_cz1"_s;
    QTest::newRow("m_2") << u"m_2"_s << u"w_jsq_cz2"_s;
    QTest::newRow("m_3") << u"m_3"_s << u"w_jsq_cz3"_s;
    QTest::newRow("m_毕业成绩") << u"m_毕业成绩"_s << u"w_jsq_by"_s;
}

void TestMainMenu::itemOpensItsWindowModally()
{
    QFETCH(QString, item);
    QFETCH(QString, className);
    support::MessageBoxRecorder boxes;

    action(item)->trigger();
    // trigger() returns only after the modal window has closed.
    const QString mismatch = whyNotOpenedModallyOver(className, m_frame);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QVERIFY(boxes.boxes().empty());
}

void TestMainMenu::toolbarButtonActsAsItem()
{
    QToolBar *toolBar = m_frame->frameToolBar();
    QWidget *button = toolBar->widgetForAction(action(u"m_毕业成绩"_s));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(OpenLog::records().size(), size_t(1));
    QCOMPARE(OpenLog::records().front().className, u"w_jsq_by"_s);
}

void TestMainMenu::unregisteredWindowShowsMessage_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("className");
    QTest::newRow("m_初二") << u"m_初二"_s << u"w_xm_cz2"_s;
    QTest::newRow("m_3") << u"m_3"_s << u"w_jsq_cz3"_s;
    QTest::newRow("m_计算器") << u"m_计算器"_s << u"w_4"_s;
    QTest::newRow("m_工具栏设置b") << u"m_工具栏设置b"_s << u"w_genapp_toolbars"_s;
}

void TestMainMenu::unregisteredWindowShowsMessage()
{
    QFETCH(QString, item);
    QFETCH(QString, className);
    rt::WindowRegistry::instance().unregisterClass(className);
    support::MessageBoxRecorder boxes;

    action(item)->trigger();
    QCOMPARE(boxes.boxes().size(), size_t(1));
    QCOMPARE(boxes.boxes().front().title, shell::w_main1::frameTitle());
    QCOMPARE(
        boxes.boxes().front().text, u"对不起, 您指定起动的窗口不存在, 请与系统管理员联系修改"_s);
    QCOMPARE(boxes.boxes().front().icon, rt::MessageBoxService::Icon::StopSign);
    QVERIFY(OpenLog::records().empty());
    QVERIFY(m_frame->isVisible());
}

void TestMainMenu::deskCalculatorIsOrdinaryWindow()
{
    registerRecordingWindow(u"w_4"_s, m_frame);
    action(u"m_计算器"_s)->trigger();
    // The call returned at once with the calculator still open.
    QCOMPARE(OpenLog::records().size(), size_t(1));
    const OpenRecord &record = OpenLog::records().front();
    QCOMPARE(record.className, u"w_4"_s);
    QVERIFY(!record.parent);
    QVERIFY(!record.modal);
    QWidget *calculator = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"w_4")
            calculator = window;
    }
    QVERIFY(calculator);
    QVERIFY(calculator->isVisible());
    QVERIFY(calculator->isWindow());
}

void TestMainMenu::toolbarSettingsGetsFrame()
{
    registerRecordingDialog(u"w_genapp_toolbars"_s);
    action(u"m_工具栏设置b"_s)->trigger();
    const QString mismatch = whyNotOpenedModallyOver(u"w_genapp_toolbars"_s, m_frame);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    // The frame is handed over as the parameter, already when the dialog is made.
    QCOMPARE(OpenLog::records().front().parameter.data(), static_cast<QObject *>(m_frame.data()));
}

void TestMainMenu::aboutBoxOpensModally()
{
    QString modalName;
    bool frameBlocked = false;
    QTimer::singleShot(0, m_frame, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        modalName = modal->objectName();
        frameBlocked = !m_frame->isEnabled() || QApplication::activeModalWidget() != m_frame;
        QTest::keyClick(modal, Qt::Key_Escape); // ignored
        QTest::mouseClick(modal->findChild<QPushButton *>(u"cb_1"_s), Qt::LeftButton);
    });
    action(u"m_关于"_s)->trigger();
    QCOMPARE(modalName, u"w_about"_s);
    QVERIFY(frameBlocked);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestMainMenu::reloginOpensStartWindowThenClosesFrame()
{
    registerRecordingWindow(u"w_pwd"_s, m_frame);
    action(u"m_重新登录"_s)->trigger();
    QCOMPARE(OpenLog::records().size(), size_t(1));
    const OpenRecord &record = OpenLog::records().front();
    QCOMPARE(record.className, u"w_pwd"_s);
    QVERIFY(!record.parent);
    QVERIFY(!record.modal);
    // Opened while the frame was still open, which then closed.
    QVERIFY(record.parentWasVisible);
    QTRY_VERIFY(!m_frame);
}

void TestMainMenu::exitClosesFrameOnly()
{
    registerRecordingWindow(u"w_4"_s, m_frame);
    action(u"m_计算器"_s)->trigger();
    action(u"m_退出系统"_s)->trigger();
    QTRY_VERIFY(!m_frame);
    bool calculatorOpen = false;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"w_4" && window->isVisible())
            calculatorOpen = true;
    }
    QVERIFY(calculatorOpen);
}

void TestMainMenu::shortcutsAct_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("opensStartWindow");
    QTest::newRow("Alt+I") << int(Qt::Key_I) << true;
    QTest::newRow("Alt+X") << int(Qt::Key_X) << false;
}

void TestMainMenu::shortcutsAct()
{
    QFETCH(int, key);
    QFETCH(bool, opensStartWindow);
    registerRecordingWindow(u"w_pwd"_s, m_frame);
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));

    QTest::keyClick(m_frame, Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(!m_frame);
    QCOMPARE(OpenLog::records().size(), size_t(opensStartWindow ? 1 : 0));
    // No drop-down was opened on the way.
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestMainMenu::clickNavigation()
{
    QMenuBar *bar = m_frame->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action(u"m_导航"_s)).center());
}

QRect TestMainMenu::pictureInFrame() const
{
    QLabel *picture = m_frame->background();
    return QRect(picture->mapTo(m_frame, QPoint(0, 0)), picture->size());
}

void TestMainMenu::navigationToggle()
{
    shell::Application &app = shell::Application::instance();
    QVERIFY(app.button_flag);
    QVERIFY(m_frame->startPage()->isVisible());
    QVERIFY(!m_frame->background()->isVisible());

    clickNavigation();
    QTRY_VERIFY(!app.button_flag);
    QVERIFY(!m_frame->startPage()->isVisible());
    QVERIFY(m_frame->background()->isVisible());
    // x 0, y 210 below the menu bar, as wide as the frame, 515 units lower.
    const QRect picture = pictureInFrame();
    QCOMPARE(picture.x(), 0);
    QCOMPARE(picture.y(), m_frame->menuBar()->height() + rt::units::toPixelsY(210));
    QCOMPARE(picture.width(), rt::units::toPixelsX(m_frame->widthUnits()));
    QCOMPARE(picture.height(), rt::units::toPixelsY(m_frame->heightUnits() - 515));

    clickNavigation();
    QTRY_VERIFY(app.button_flag);
    QVERIFY(m_frame->startPage()->isVisible());
    QVERIFY(!m_frame->background()->isVisible());
}

void TestMainMenu::navigationToggleAfterResize()
{
    clickNavigation();
    QTRY_VERIFY(m_frame->background()->isVisible());
    const QSize before = m_frame->background()->size();

    // Resizing while the picture is shown leaves its size alone.
    m_frame->resize(m_frame->size() - QSize(120, 80));
    QTRY_COMPARE(m_frame->background()->size(), before);

    // Two more clicks give it the new frame's size.
    clickNavigation();
    QTRY_VERIFY(!m_frame->background()->isVisible());
    clickNavigation();
    QTRY_VERIFY(m_frame->background()->isVisible());
    QCOMPARE(m_frame->background()->width(), rt::units::toPixelsX(m_frame->widthUnits()));
    QCOMPARE(m_frame->background()->height(), rt::units::toPixelsY(m_frame->heightUnits() - 515));
    QVERIFY(m_frame->background()->size() != before);
}

void TestMainMenu::navigationToggleOnLowFrame()
{
    // Lower than 515 units: the picture gets no height, and nothing fails.
    m_frame->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    m_frame->setMinimumSize(1, 1);
    m_frame->resize(m_frame->width(), 90);
    QTRY_VERIFY(m_frame->heightUnits() < 515);
    action(u"m_导航"_s)->trigger();
    QVERIFY(!shell::Application::instance().button_flag);
    QVERIFY(m_frame->background()->isVisible());
    QCOMPARE(m_frame->background()->height(), 0);
    action(u"m_导航"_s)->trigger();
    QVERIFY(shell::Application::instance().button_flag);
}

QTEST_MAIN(TestMainMenu)
#include "tst_main_menu.moc"
