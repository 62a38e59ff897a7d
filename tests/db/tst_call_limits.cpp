// No call of the program's transaction waits without end: on PostgreSQL
// the session carries the program's lock and statement limits unless the
// data source sets its own, a statement that runs too long ends with the
// server's error on a connection that stays usable, and a server process
// that stops answering (SIGSTOP: its kernel still holds the connection) is
// cut off after the call limit; the next call connects again, and work
// written on the lost connection is never committed in part.

#include "runtime/db/Transaction.h"
#include "support/StoppedProcess.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::seconds stopAtMost { 30 };

void connectTo(rt::Transaction &sqlca, const QString &dsn)
{
    sqlca.DBMS = u"ODBC"_s;
    sqlca.AutoCommit = false;
    sqlca.DBParm = u"ConnectString='DSN=%1;PWD=%2'"_s.arg(dsn, TestDatabase::password());
    sqlca.connect();
}

std::optional<QString> single(rt::Transaction &sqlca, const QString &sql)
{
    const auto row = sqlca.selectSingleRow(sql);
    if (!row || row->empty())
        return std::nullopt;
    return row->front();
}

} // namespace

class TestCallLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void sessionCarriesTheLimits_data();
    void sessionCarriesTheLimits();
    void statementThatRunsTooLongEnds();
    void serverThatStopsAnsweringIsCutOff();
    void workOnALostConnectionIsNeverCommittedInPart();

private:
    // Stops the server process of `sqlca`'s session; skips the test where
    // that is not allowed.
    bool stopServerOf(rt::Transaction &sqlca, StoppedProcess &stopped);

    TestDatabase m_db;
};

void TestCallLimits::init()
{
    if (TestDatabase::backend() != TestDatabase::Backend::Postgres)
        QSKIP("the limits of a database server; SQLite's lock wait: tst_database_waits");
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
}

void TestCallLimits::sessionCarriesTheLimits_data()
{
    QTest::addColumn<QString>("dsn");
    QTest::addColumn<QString>("lockTimeout");
    QTest::addColumn<QString>("statementTimeout");
    QTest::newRow("program's limits") << u"vomar"_s << u"5s"_s << u"8s"_s;
    QTest::newRow("the data source's own lock wait") << u"vomar_own"_s << u"1500ms"_s << u"8s"_s;
}

void TestCallLimits::sessionCarriesTheLimits()
{
    QFETCH(QString, dsn);
    QFETCH(QString, lockTimeout);
    QFETCH(QString, statementTimeout);
    rt::Transaction sqlca;
    connectTo(sqlca, dsn);
    QCOMPARE(sqlca.SQLCode, 0L);
    QCOMPARE(single(sqlca, u"select current_setting('lock_timeout')"_s), lockTimeout);
    QCOMPARE(single(sqlca, u"select current_setting('statement_timeout')"_s), statementTimeout);
}

void TestCallLimits::statementThatRunsTooLongEnds()
{
    rt::Transaction sqlca;
    connectTo(sqlca, u"vomar"_s);
    QCOMPARE(sqlca.SQLCode, 0L);
    const auto pid = single(sqlca, u"select pg_backend_pid()"_s);
    QVERIFY(pid);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!sqlca.select(u"select pg_sleep(20)"_s));
    QVERIFY2(clock.elapsed() < 9500, qPrintable(u"%1 ms"_s.arg(clock.elapsed())));
    QCOMPARE(sqlca.SQLState, u"57014"_s);
    QVERIFY2(sqlca.SQLErrText.contains(u"statement timeout"_s), qPrintable(sqlca.SQLErrText));
    // The server ended the statement, not the connection.
    QCOMPARE(single(sqlca, u"select pg_backend_pid()"_s), pid);
}

bool TestCallLimits::stopServerOf(rt::Transaction &sqlca, StoppedProcess &stopped)
{
    const auto pid = single(sqlca, u"select pg_backend_pid()"_s);
    if (!pid) {
        qWarning("pg_backend_pid: %s", qPrintable(sqlca.SQLErrText));
        return false;
    }
    if (!stopped.stop(pid_t(pid->toLong()), stopAtMost)) {
        if (errno == EPERM)
            qInfo("the server's process belongs to postgres: stopping it needs root");
        return false;
    }
    return true;
}

void TestCallLimits::serverThatStopsAnsweringIsCutOff()
{
    rt::Transaction sqlca;
    connectTo(sqlca, u"vomar"_s);
    QCOMPARE(sqlca.SQLCode, 0L);
    const auto before = single(sqlca, u"select pg_backend_pid()"_s);
    StoppedProcess stopped;
    if (!stopServerOf(sqlca, stopped))
        QSKIP("the server's process cannot be stopped from here (needs root)");

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!sqlca.select(u"select count(*) from xmsz"_s));
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited >= 9500 && waited < 11500, qPrintable(u"%1 ms"_s.arg(waited)));
    QCOMPARE(sqlca.SQLCode, -1L);
    QVERIFY2(sqlca.SQLErrText.startsWith(u"数据库服务器在 10 秒内没有应答，连接已断开。"_s),
        qPrintable(sqlca.SQLErrText));
    QVERIFY(sqlca.isConnected());

    // Once the server answers again, the next call connects anew.
    stopped.resume();
    const auto after = single(sqlca, u"select pg_backend_pid()"_s);
    QVERIFY2(after, qPrintable(sqlca.SQLErrText));
    QVERIFY(after != before);
    QCOMPARE(single(sqlca, u"select count(*) from xmsz"_s), std::optional<QString>(u"0"_s));
}

void TestCallLimits::workOnALostConnectionIsNeverCommittedInPart()
{
    rt::Transaction sqlca;
    connectTo(sqlca, u"vomar"_s);
    QCOMPARE(sqlca.SQLCode, 0L);
    QVERIFY(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('21', '1')"_s));
    StoppedProcess stopped;
    if (!stopServerOf(sqlca, stopped))
        QSKIP("the server's process cannot be stopped from here (needs root)");
    QVERIFY(!sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('22', '1')"_s));
    stopped.resume();

    // The first row went with the connection: nothing more is written, nor
    // committed, until the rollback says so.
    QVERIFY(!sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('23', '1')"_s));
    QVERIFY2(sqlca.SQLErrText.contains(u"未提交的修改已丢失"_s), qPrintable(sqlca.SQLErrText));
    QVERIFY(!sqlca.select(u"select count(*) from xmsz"_s));
    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, -1L);
    sqlca.rollback();
    QCOMPARE(sqlca.SQLCode, 0L);

    QVERIFY2(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('23', '1')"_s),
        qPrintable(sqlca.SQLErrText));
    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, 0L);
    const auto rows = m_db.query(u"select nj from xmsz order by nj"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(rows->front().front(), std::optional<QString>(u"23"_s));
}

QTEST_GUILESS_MAIN(TestCallLimits)
#include "tst_call_limits.moc"
