// Start-up with a working data source: the splash comes first, start-up
// resumes once it has closed with the start window open, and going back to
// the start window and entering again keeps the one connection.

#include "app/AppWindows.h"
#include "controls/pfc_picture_command_button.h"
#include "shell/Application.h"
#include "shell/w_main1.h"
#include "shell/w_pwd.h"
#include "support/ControlLookup.h"
#include "support/TestDatabase.h"
#include "ui/ToolbarGlobals.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// The start window's picture button `name`, as the user finds it.
controls::pfc_picture_command_button *button(QWidget *window, const char *name)
{
    return support::control<controls::pfc_picture_command_button>(window, QLatin1StringView(name));
}
} // namespace

class TestStartupConnected : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { app::registerAppWindows(); }
    void init();
    void cleanup();
    void splashThenStartWindowThenFrameAndBack();

private:
    support::TestDatabase m_db;
};

namespace {
template <typename T> T *visibleTopLevel()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *typed = qobject_cast<T *>(window); typed && typed->isVisible())
            return typed;
    return nullptr;
}

QWidget *visibleByName(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}
} // namespace

void TestStartupConnected::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
}

void TestStartupConnected::cleanup()
{
    shell::Application::instance().close();
    // Deleting one window can delete others that it owns: go by guarded
    // pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

void TestStartupConnected::splashThenStartWindowThenFrameAndBack()
{
    shell::Application &book = shell::Application::instance();
    bool splashSeen = false;
    bool startWindowDuringSplash = true;
    QTimer::singleShot(500, [&] {
        splashSeen = visibleByName(u"w_flash"_s) != nullptr;
        startWindowDuringSplash = visibleByName(u"w_pwd"_s) != nullptr;
    });

    QVERIFY(book.open());
    QCOMPARE(book.sqlca.SQLCode, 0);
    QVERIFY(splashSeen);
    QVERIFY(!startWindowDuringSplash);
    // The splash has gone; the start window is now the only window.
    QVERIFY(!visibleByName(u"w_flash"_s));
    QPointer<QWidget> start = visibleByName(u"w_pwd"_s);
    QVERIFY(start);
    QVERIFY(!ui::toolbarSwitches().userControl);

    auto *pwd = static_cast<shell::w_pwd *>(start.data());
    QTest::mouseClick(button(pwd, "uo_3")->innerButton(), Qt::LeftButton);
    QTRY_VERIFY(start.isNull());
    QPointer<shell::w_main1> frame = shell::w_main1::current();
    QVERIFY(frame);

    // "重新登录": the start window opens, then the frame closes.
    support::control<QAction>(frame, u"m_重新登录"_s)->trigger();
    QTRY_VERIFY(frame.isNull());
    start = visibleByName(u"w_pwd"_s);
    QVERIFY(start);

    pwd = static_cast<shell::w_pwd *>(start.data());
    QTest::mouseClick(button(pwd, "uo_3")->innerButton(), Qt::LeftButton);
    QTRY_VERIFY(start.isNull());
    QVERIFY(shell::w_main1::current());
    QVERIFY(shell::Application::instance().button_flag);

    // Still the same, working connection.
    QVERIFY(book.sqlca.isConnected());
    const auto rows = book.sqlca.select(u"select count(*) from xmsz"_s);
    QVERIFY2(rows.has_value(), qPrintable(book.sqlca.SQLErrText));
    QCOMPARE(rows->front().front().value_or(QString()), u"0"_s);
}

QTEST_MAIN(TestStartupConnected)
#include "tst_startup_connected.moc"
