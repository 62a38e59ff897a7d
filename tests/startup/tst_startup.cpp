// Start-up without a usable data source, and the splash window's hand-over.

#include "runtime/Windows.h"
#include "shell/Application.h"
#include "shell/w_flash.h"
#include "support/ControlLookup.h"
#include "support/MessageBoxRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedConnectionShowsOnlyTheDriversText_data();
    void refusedConnectionShowsOnlyTheDriversText();
    void refusedConnectionEndsTheRunWithStatusOne();
    void splashHandsOverAfterTwoSeconds();
    void clickOnPictureHandsOverAtOnceAndOnlyOnce();
    void escapeDoesNotCloseTheSplash();
};

void TestStartup::refusedConnectionShowsOnlyTheDriversText_data()
{
    QTest::addColumn<QString>("odbcIni");
    QTest::addColumn<QString>("expectedFragment");
    // No data source named vomar at all.
    QTest::newRow("no data source") << QString() << u"not found"_s;
    // A data source whose database file is missing: NoCreat refuses it.
    QTest::newRow("missing database file")
        << u"[vomar]\nDriver=SQLite3\nDatabase=%1/missing.db\nNoCreat=1\n"_s << QString();
}

void TestStartup::refusedConnectionShowsOnlyTheDriversText()
{
    QFETCH(QString, odbcIni);
    QFETCH(QString, expectedFragment);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile ini(dir.filePath(u"odbc.ini"_s));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QString(odbcIni).replace(u"%1"_s, dir.path()).toUtf8());
    ini.close();
    QFile inst(dir.filePath(u"odbcinst.ini"_s));
    QVERIFY(inst.open(QIODevice::WriteOnly));
    inst.write("[SQLite3]\nDriver=libsqlite3odbc.so\n");
    inst.close();
    qputenv("ODBCSYSINI", dir.path().toUtf8());
    qputenv("ODBCINI", ini.fileName().toUtf8());

    support::MessageBoxRecorder boxes;
    shell::Application &book = shell::Application::instance();
    QVERIFY(!book.open());

    QCOMPARE(boxes.boxes().size(), size_t(1));
    const auto &box = boxes.boxes().front();
    QCOMPARE(box.title, u"数据库连接失败"_s);
    QCOMPARE(box.icon, rt::MessageBoxService::Icon::Information);
    QCOMPARE(box.text, book.sqlca.SQLErrText);
    QVERIFY(!box.text.isEmpty());
    QVERIFY(box.text.contains(expectedFragment, Qt::CaseInsensitive));
    QVERIFY(!box.text.contains(u"merovi2749"_s));
    QVERIFY(book.sqlca.SQLCode != 0);
    // No window was opened, so nothing keeps the program alive.
    QVERIFY(QApplication::topLevelWidgets().isEmpty()
        || std::none_of(QApplication::topLevelWidgets().cbegin(),
            QApplication::topLevelWidgets().cend(),
            [](QWidget *window) { return window->isVisible(); }));
    // Disconnecting what never connected does no harm.
    book.close();
    book.close();
}

void TestStartup::refusedConnectionEndsTheRunWithStatusOne()
{
    // No data source at all: the run shows the box and reports the failure
    // in its exit status, without entering the event loop.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : { u"odbc.ini"_s, u"odbcinst.ini"_s }) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    qputenv("ODBCSYSINI", dir.path().toUtf8());
    qputenv("ODBCINI", dir.filePath(u"odbc.ini"_s).toUtf8());

    support::MessageBoxRecorder boxes;
    QCOMPARE(shell::Application::instance().run(), 1);
    QCOMPARE(boxes.boxes().size(), size_t(1));
    QCOMPARE(boxes.boxes().front().title, u"数据库连接失败"_s);
}

void TestStartup::splashHandsOverAfterTwoSeconds()
{
    int opened = 0;
    QElapsedTimer clock;
    clock.start();
    rt::windows::openModal(new shell::w_flash([&opened] { ++opened; }));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(opened, 1);
    QVERIFY2(elapsed >= shell::w_flash::kTimerPeriodMs - 100
            && elapsed < 2 * shell::w_flash::kTimerPeriodMs,
        qPrintable(QString::number(elapsed)));
}

void TestStartup::clickOnPictureHandsOverAtOnceAndOnlyOnce()
{
    int opened = 0;
    auto *splash = new shell::w_flash([&opened] { ++opened; });
    QTimer::singleShot(100, splash, [splash] {
        QTest::mouseClick(support::control<QWidget>(splash, u"p_1"_s), Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    rt::windows::openModal(splash);
    QVERIFY(clock.elapsed() < 1500);
    QCOMPARE(opened, 1);
    // The two seconds pass: no second start window.
    QTest::qWait(2300);
    QCOMPARE(opened, 1);
}

void TestStartup::escapeDoesNotCloseTheSplash()
{
    int opened = 0;
    shell::w_flash splash([&opened] { ++opened; });
    auto *picture = support::control<QLabel>(&splash, u"p_1"_s);
    // The splash picture is carried in the program's resources.
    QVERIFY(!picture->pixmap().isNull());
    QCOMPARE(picture->pixmap().size(), QSize(760, 481));
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::keyClick(&splash, Qt::Key_Escape);
    QVERIFY(splash.isVisible());
    QCOMPARE(opened, 0);
    QTRY_COMPARE_WITH_TIMEOUT(opened, 1, 3000);
    QVERIFY(!splash.isVisible());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
