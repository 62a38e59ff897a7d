// The limits of the program's transaction on a PostgreSQL server: the
// session carries the program's lock and statement limits unless the data
// source sets its own, and a statement that runs too long ends with the
// server's error on a connection that stays usable. (A server that stops
// answering: tst_database_outage, on a cluster of its own.)

#include "db/Transaction.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void connectTo(db::Transaction &sqlca, const QString &dsn)
{
    support::TestDatabase::setUpProgramTransaction(sqlca, dsn);
    sqlca.connect();
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

private:
    support::TestDatabase m_db;
};

void TestCallLimits::init()
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
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
    QTest::newRow("the data source's own, spelt another way")
        << u"vomar_own_spelt"_s << u"1s"_s << u"8s"_s;
}

void TestCallLimits::sessionCarriesTheLimits()
{
    QFETCH(QString, dsn);
    QFETCH(QString, lockTimeout);
    QFETCH(QString, statementTimeout);
    db::Transaction sqlca;
    connectTo(sqlca, dsn);
    QCOMPARE(sqlca.SQLCode, 0L);
    QCOMPARE(support::TestDatabase::singleValue(sqlca, u"select current_setting('lock_timeout')"_s),
        lockTimeout);
    QCOMPARE(
        support::TestDatabase::singleValue(sqlca, u"select current_setting('statement_timeout')"_s),
        statementTimeout);
}

void TestCallLimits::statementThatRunsTooLongEnds()
{
    db::Transaction sqlca;
    connectTo(sqlca, u"vomar"_s);
    QCOMPARE(sqlca.SQLCode, 0L);
    const auto pid = support::TestDatabase::singleValue(sqlca, u"select pg_backend_pid()"_s);
    QVERIFY(pid);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!sqlca.select(u"select pg_sleep(20)"_s));
    QVERIFY2(clock.elapsed() < 9500, qPrintable(u"%1 ms"_s.arg(clock.elapsed())));
    QCOMPARE(sqlca.SQLState, u"57014"_s);
    QVERIFY2(sqlca.SQLErrText.contains(u"statement timeout"_s), qPrintable(sqlca.SQLErrText));
    // The server ended the statement, not the connection.
    QCOMPARE(support::TestDatabase::singleValue(sqlca, u"select pg_backend_pid()"_s), pid);
}

QTEST_GUILESS_MAIN(TestCallLimits)
#include "tst_call_limits.moc"
