// A database that another program holds: the windows wait for its lock at
// most as long as the data source says (the program's own 5 s where it
// says nothing), then report the failure as they report any failed read or
// save, stay usable, write nothing, and work again once the lock is gone.
// On PostgreSQL another session locks the table that the window reads or
// saves; on SQLite a second program holds the file with BEGIN EXCLUSIVE.
// The lock holder lets go by itself after 20 s, so that a wait without
// limit shows here as a wait that took too long.

#include "calculator/CalculatorWindows.h"
#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"
#include "db/Transaction.h"
#include "runtime/WindowRegistry.h"
#include "settings/SettingsWindows.h"
#include "support/EventLoopStall.h"
#include "support/FieldTyping.h"
#include "support/LockHolder.h"
#include "support/MessageBoxRecorder.h"
#include "support/TestDatabase.h"
#include "support/WindowSteps.h"

#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::seconds kHoldAtMost { 20 };

// How long a call waits for the lock with each data source of the tests
// (DatabaseTests.cmake). On PostgreSQL vomar and vomar_unset set no wait of
// their own, so the program's lock_timeout of 5 s counts, and vomar_own
// sets 1.5 s. On SQLite vomar sets the Timeout of 2.5 s that
// create-data-source.sh writes, vomar_unset none, so the program's 2.5 s
// counts, and vomar_own 1.5 s; the SQLite driver waits its Timeout twice
// over in a call that finds the database locked.
qint64 expectedWaitMs(const QString &dsn)
{
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres)
        return dsn == u"vomar_own"_s ? 1500 : 5000;
    return 2 * (dsn == u"vomar_own"_s ? 1500 : 2500);
}

// The driver's text for a lock it gave up on.
QString lockText()
{
    return support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres
        ? u"canceling statement due to lock timeout"_s
        : u"database is locked"_s;
}

void addDataSources()
{
    QTest::addColumn<QString>("dsn");
    QTest::newRow("vomar") << u"vomar"_s;
    QTest::newRow("data source without a wait") << u"vomar_unset"_s;
    QTest::newRow("data source with its own wait") << u"vomar_own"_s;
}

} // namespace

class TestDatabaseWaits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void heightWeightReadWaitsAtMostTheLockWait_data();
    void heightWeightReadWaitsAtMostTheLockWait();
    void windowOpenWaitsAtMostTheLockWait_data();
    void windowOpenWaitsAtMostTheLockWait();
    void saveWaitsAtMostTheLockWait_data();
    void saveWaitsAtMostTheLockWait();

private:
    bool connectProgram(const QString &dsn);
    QWidget *open(const QString &className);
    // Checks the one box shown: its title and that it holds `fragment`.
    // Checks that the stall took the expected wait, give or take.
    static void checkStall(qint64 stallMs, qint64 expectedMs);

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
    std::unique_ptr<support::MessageBoxRecorder> m_boxes;
    QPointer<QWidget> m_window;
    support::LockHolder m_lock;
};

void TestDatabaseWaits::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    for (const QString &table : { u"cz123_m"_s, u"cz123_w"_s }) {
        QVERIFY2(
            m_db.setStandardRows(table, { { 150, 35, 40, 50, 55 } }), qPrintable(m_db.lastError()));
    }
    QVERIFY2(m_db.addFirstYearChoices(), qPrintable(m_db.lastError()));
    m_boxes = std::make_unique<support::MessageBoxRecorder>();
}

void TestDatabaseWaits::cleanup()
{
    m_lock.release();
    delete m_window.data();
    m_boxes.reset();
    support::unregisterYearWindows();
    m_sqlca.disconnect();
}

bool TestDatabaseWaits::connectProgram(const QString &dsn)
{
    support::TestDatabase::setUpProgramTransaction(m_sqlca, dsn);
    m_sqlca.connect();
    if (m_sqlca.SQLCode != 0) {
        qWarning("connect %s: %s", qPrintable(dsn), qPrintable(m_sqlca.SQLErrText));
        return false;
    }
    settings::registerSettingsWindows(m_sqlca);
    calculator::registerCalculatorWindows(m_sqlca);
    return true;
}

QWidget *TestDatabaseWaits::open(const QString &className)
{
    return support::openInPlace(m_window, className);
}

void TestDatabaseWaits::checkStall(qint64 stallMs, qint64 expectedMs)
{
    QVERIFY2(stallMs >= expectedMs - 300 && stallMs <= expectedMs + 2500,
        qPrintable(
            u"the window did not answer for %1 ms; the lock wait is %2 ms"_s.arg(stallMs).arg(
                expectedMs)));
}

void TestDatabaseWaits::heightWeightReadWaitsAtMostTheLockWait_data()
{
    QTest::addColumn<QString>("dsn");
    QTest::addColumn<bool>("girl");
    QTest::newRow("boy, vomar") << u"vomar"_s << false;
    QTest::newRow("girl, vomar") << u"vomar"_s << true;
    QTest::newRow("boy, data source without a wait") << u"vomar_unset"_s << false;
    QTest::newRow("girl, data source with its own wait") << u"vomar_own"_s << true;
}

void TestDatabaseWaits::heightWeightReadWaitsAtMostTheLockWait()
{
    QFETCH(QString, dsn);
    QFETCH(bool, girl);
    QVERIFY(connectProgram(dsn));
    QVERIFY(open(u"w_jsq_cz1"_s));
    QTRY_VERIFY(m_window->findChild<controls::my_maskedit *>(u"em_s1"_s)->hasFocus());
    if (girl)
        QTest::mouseClick(m_window->findChild<QRadioButton *>(u"rb_sex_woman"_s), Qt::LeftButton);
    support::typeInto(m_window, u"em_s1"_s, u"150"_s);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(m_boxes->boxes().empty());

    QVERIFY2(m_lock.hold({ girl ? u"cz123_w"_s : u"cz123_m"_s }, kHoldAtMost),
        qPrintable(m_lock.lastError()));
    support::EventLoopStall stall;
    support::typeInto(m_window, u"em_s2"_s, u"45"_s);
    if (QTest::currentTestFailed())
        return;
    support::checkOneBox(*m_boxes, u"错误"_s, lockText());
    if (QTest::currentTestFailed())
        return;
    checkStall(stall.longestMs(), expectedWaitMs(dsn));
    if (QTest::currentTestFailed())
        return;
    auto *score = m_window->findChild<controls::my_maskedit *>(u"em_s_t"_s);
    QCOMPARE(score->value(), 0.0f);

    // Once the lock is gone the same field scores.
    m_lock.release();
    m_boxes->clear();
    support::typeInto(m_window, u"em_s2"_s, u"46"_s);
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(score->value(), 15.0f);
    QVERIFY(m_boxes->boxes().empty());
}

void TestDatabaseWaits::windowOpenWaitsAtMostTheLockWait_data()
{
    QTest::addColumn<QString>("dsn");
    QTest::addColumn<QString>("className");
    QTest::newRow("settings window, vomar") << u"vomar"_s << u"w_xm_cz1"_s;
    QTest::newRow("calculator, vomar") << u"vomar"_s << u"w_jsq_cz1"_s;
    QTest::newRow("calculator, data source with its own wait") << u"vomar_own"_s << u"w_jsq_cz1"_s;
}

void TestDatabaseWaits::windowOpenWaitsAtMostTheLockWait()
{
    QFETCH(QString, dsn);
    QFETCH(QString, className);
    QVERIFY(connectProgram(dsn));
    QVERIFY2(m_lock.hold({ u"xmsz"_s }, kHoldAtMost), qPrintable(m_lock.lastError()));
    support::EventLoopStall stall;
    QVERIFY(open(className));
    support::checkOneBox(*m_boxes, u"错误"_s, lockText());
    if (QTest::currentTestFailed())
        return;
    checkStall(stall.longestMs(), expectedWaitMs(dsn));
    if (QTest::currentTestFailed())
        return;

    // Open again once the lock is gone: the year's row is read.
    m_lock.release();
    m_boxes->clear();
    QVERIFY(open(className));
    if (className == u"w_xm_cz1"_s) {
        auto *stepTest = m_window->findChild<QRadioButton *>(u"rb_t_m"_s);
        QTRY_VERIFY(stepTest->isChecked());
    } else {
        QTRY_VERIFY(m_window->findChild<controls::my_maskedit *>(u"em_s1"_s)->hasFocus());
    }
    QVERIFY(m_boxes->boxes().empty());
}

void TestDatabaseWaits::saveWaitsAtMostTheLockWait_data()
{
    addDataSources();
}

void TestDatabaseWaits::saveWaitsAtMostTheLockWait()
{
    QFETCH(QString, dsn);
    QVERIFY(connectProgram(dsn));
    // The second year has no row yet: the window starts a new one.
    QVERIFY(open(u"w_xm_cz2"_s));
    support::SecondYearSave save(m_window, *m_boxes);
    save.choose();
    if (QTest::currentTestFailed())
        return;

    QVERIFY2(m_lock.hold({ u"xmsz"_s }, kHoldAtMost), qPrintable(m_lock.lastError()));
    qint64 stalled = 0;
    save.fails(&stalled);
    if (QTest::currentTestFailed())
        return;
    checkStall(stalled, expectedWaitMs(dsn));
    if (QTest::currentTestFailed())
        return;
    m_lock.release();
    const auto none = m_db.query(u"select count(*) from xmsz where nj = '22'"_s);
    QVERIFY2(none, qPrintable(m_db.lastError()));
    QCOMPARE(none->front().front(), std::optional<QString>(u"0"_s));

    // Saved once the lock is gone.
    save.works();
    if (QTest::currentTestFailed())
        return;
    const auto rows = m_db.query(u"select xm_z_m from xmsz where nj = '22'"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(rows->front().front(), std::optional<QString>(u"1"_s));
}

QTEST_MAIN(TestDatabaseWaits)
#include "tst_database_waits.moc"
