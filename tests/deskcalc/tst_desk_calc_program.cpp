// The program with the frame and the desk calculator open: leaving the
// frame with "退出系统" leaves the calculator working, and the program ends
// when the calculator, its last window, closes.

#include "app/AppWindows.h"
#include "shell/Application.h"
#include "shell/w_main1.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QWidget *openCalculator()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"w_4" && window->isVisible())
            return window;
    }
    return nullptr;
}

void click(QWidget *window, const QStringList &names)
{
    for (const QString &name : names)
        QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
}

QString numberView(QWidget *window)
{
    return window->findChild<QLineEdit *>(u"sle_1"_s)->text();
}

} // namespace

class TestDeskCalcProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void calculatorOutlivesTheFrame();
};

void TestDeskCalcProgram::initTestCase()
{
    app::registerAppWindows();
    QVERIFY(QApplication::quitOnLastWindowClosed());
}

void TestDeskCalcProgram::calculatorOutlivesTheFrame()
{
    QPointer<shell::w_main1> frame = new shell::w_main1;
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));

    QPointer<QWidget> calculator;
    bool frameUsable = false;
    bool frameGone = false;
    bool calculatorLeftOpen = false;
    QString sumAfterExit;
    bool calculatorOpenAtQuit = true;

    // The run of the program: the event loop ends when the last window has
    // closed, or after the watchdog's time.
    QTimer::singleShot(0, frame, [&] {
        frame->findChild<QAction *>(u"m_计算器"_s)->trigger();
        calculator = openCalculator();
        if (!calculator)
            return;
        click(calculator, { u"cb_20"_s, u"cb_3"_s, u"cb_13"_s }); // 清除 3 +
        // The calculator blocks nothing: the frame's menu still acts.
        const bool startPage = shell::Application::instance().button_flag;
        frame->findChild<QAction *>(u"m_导航"_s)->trigger();
        frameUsable = QApplication::activeModalWidget() == nullptr && frame->isEnabled()
            && shell::Application::instance().button_flag != startPage;

        frame->findChild<QAction *>(u"m_退出系统"_s)->trigger();
        QTimer::singleShot(200, calculator, [&] {
            frameGone = frame.isNull();
            calculatorLeftOpen = calculator && calculator->isVisible();
            click(calculator, { u"cb_4"_s, u"cb_18"_s }); // 4 =
            sumAfterExit = numberView(calculator);
            click(calculator, { u"cb_26"_s }); // 关闭
        });
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this,
        [&] { calculatorOpenAtQuit = calculator && calculator->isVisible(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);

    const int rc = QApplication::exec();

    QVERIFY(frameUsable);
    QVERIFY(frameGone);
    QVERIFY(calculatorLeftOpen);
    QCOMPARE(sumAfterExit, u"7"_s);
    QCOMPARE(rc, 0); // ended by the last window, not by the watchdog
    QVERIFY(!calculatorOpenAtQuit);
    QTRY_VERIFY(!calculator);
}

QTEST_MAIN(TestDeskCalcProgram)
#include "tst_desk_calc_program.moc"
