// The start window: focus and arrow keys, "退出(&X)", and "登录(&L)" opening
// the frame and setting up its toolbar with one toolbar utility.

#include "controls/pfc_picture_command_button.h"
#include "shell/w_main1.h"
#include "shell/w_pwd.h"
#include "support/ControlLookup.h"
#include "support/FixedHostEnvironment.h"
#include "support/ScopedHostEnvironment.h"
#include "ui/FrameToolBar.h"
#include "ui/ToolbarGlobals.h"
#include "ui/uo_toolbarutil.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void enterButtonHasFocusAndArrowsMoveIt();
    void exitClosesTheWindow();
    void enterOpensFrameWithToolbarText();
    void enteringAgainRebindsTheSameUtility();
    void enteringWithoutAToolbarUtilityStillOpensTheFrame();
};

namespace {
// The start window's picture button `name`, as the user finds it.
controls::pfc_picture_command_button *button(QWidget *window, const char *name)
{
    return support::control<controls::pfc_picture_command_button>(window, QLatin1StringView(name));
}

shell::w_pwd *openStartWindow()
{
    auto *window = new shell::w_pwd;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("start window not active");
    return window;
}

void clickButton(controls::pfc_picture_command_button *button)
{
    QTest::mouseClick(button->innerButton(), Qt::LeftButton);
}
} // namespace

void TestStartWindow::cleanup()
{
    // Deleting one window can delete others that it owns: go by guarded
    // pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

void TestStartWindow::enterButtonHasFocusAndArrowsMoveIt()
{
    QPointer<shell::w_pwd> window = openStartWindow();
    QCOMPARE(window->windowTitle(), u"登录管理系统....."_s);
    QCOMPARE(QApplication::focusWidget(), button(window, "uo_3")->innerButton());
    QTest::keyClick(button(window, "uo_3")->innerButton(), Qt::Key_Down);
    QTRY_COMPARE(QApplication::focusWidget(), button(window, "uo_4")->innerButton());
    QTest::keyClick(button(window, "uo_4")->innerButton(), Qt::Key_Up);
    QTRY_COMPARE(QApplication::focusWidget(), button(window, "uo_3")->innerButton());
    QTest::keyClick(button(window, "uo_3")->innerButton(), Qt::Key_Right);
    QTRY_COMPARE(QApplication::focusWidget(), button(window, "uo_4")->innerButton());
    QTest::keyClick(button(window, "uo_4")->innerButton(), Qt::Key_Left);
    QTRY_COMPARE(QApplication::focusWidget(), button(window, "uo_3")->innerButton());
}

void TestStartWindow::exitClosesTheWindow()
{
    QPointer<shell::w_pwd> window = openStartWindow();
    clickButton(button(window, "uo_4"));
    QTRY_VERIFY(window.isNull());
    QVERIFY(!shell::w_main1::current());
}

void TestStartWindow::enterOpensFrameWithToolbarText()
{
    QPointer<shell::w_pwd> window = openStartWindow();
    // Enter on the focused enter button clicks it.
    QTest::keyClick(button(window, "uo_3")->innerButton(), Qt::Key_Return);
    QTRY_VERIFY(window.isNull());

    shell::w_main1 *frame = shell::w_main1::current();
    QVERIFY(frame);
    QVERIFY(frame->isVisible());
    QVERIFY(frame->windowState() & Qt::WindowMaximized);
    auto *toolBar = qobject_cast<ui::FrameToolBar *>(frame->frameToolBar());
    QVERIFY(toolBar);
    QVERIFY(toolBar->isTextShown());
    QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(toolBar->font().family(), u"Courier New"_s);
    QCOMPARE(toolBar->font().pointSize(), 11);
    QVERIFY(toolBar->separatorsShown());
    QVERIFY(ui::guo_toolbarutil());
}

void TestStartWindow::enteringAgainRebindsTheSameUtility()
{
    QPointer<shell::w_pwd> window = openStartWindow();
    clickButton(button(window, "uo_3"));
    QTRY_VERIFY(window.isNull());
    ui::uo_toolbarutil *first = ui::guo_toolbarutil().get();
    QVERIFY(first);
    QPointer<shell::w_main1> firstFrame = shell::w_main1::current();
    firstFrame->close();
    QTRY_VERIFY(firstFrame.isNull());

    window = openStartWindow();
    clickButton(button(window, "uo_3"));
    QTRY_VERIFY(window.isNull());
    QCOMPARE(ui::guo_toolbarutil().get(), first);
    auto *toolBar = qobject_cast<ui::FrameToolBar *>(shell::w_main1::current()->frameToolBar());
    QVERIFY(toolBar->isTextShown());
    QCOMPARE(toolBar->font().family(), u"Courier New"_s);
}

void TestStartWindow::enteringWithoutAToolbarUtilityStillOpensTheFrame()
{
    // A host version for which there is no toolbar utility: the factory
    // leaves the global empty, and entering must neither fail nor keep the
    // start window open.
    ui::guo_toolbarutil().reset();
    support::ScopedHostEnvironment host(std::make_unique<support::FixedHostEnvironment>(9));
    QPointer<shell::w_pwd> window = openStartWindow();
    clickButton(button(window, "uo_3"));
    QTRY_VERIFY(window.isNull());
    QVERIFY(!ui::guo_toolbarutil());
    shell::w_main1 *frame = shell::w_main1::current();
    QVERIFY(frame && frame->isVisible());
    // The toolbar keeps the look it was made with.
    auto *toolBar = qobject_cast<ui::FrameToolBar *>(frame->frameToolBar());
    QVERIFY(!toolBar->isTextShown());
}

QTEST_MAIN(TestStartWindow)
#include "tst_start_window.moc"
