// The transaction over ODBC, against the real driver of this run (SQLite
// ODBC or psqlODBC): refused connections with the driver's own text,
// autocommit off, commit and rollback, bound parameters and text that
// round-trips.

#include "db/Transaction.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

long countRows(support::TestDatabase &db, const QString &table)
{
    const auto rows = db.query(u"select count(*) from "_s + table);
    if (!rows || rows->size() != 1 || !rows->front().front())
        return -1;
    return rows->front().front()->toLong();
}

// Saves a row of year `nj` into xmsz from a second connection of the
// program, as a second copy of the program does: empty on success, else
// the driver's text.
QString saveFromSecondConnection(const QString &nj)
{
    db::Transaction other;
    support::TestDatabase::setUpProgramTransaction(other);
    other.connect();
    if (other.SQLCode != 0)
        return u"connect: "_s + other.SQLErrText;
    QString failure;
    if (!other.execute(u"insert into xmsz (nj, xm_z_m) values (?, ?)"_s, { nj, u"1"_s })) {
        failure = u"insert: "_s + other.SQLErrText;
        other.rollback();
    } else {
        other.commit();
        if (other.SQLCode != 0)
            failure = u"commit: "_s + other.SQLErrText;
    }
    other.disconnect();
    return failure;
}

// On PostgreSQL: the sessions of the test's database other than the side
// connection that asks which are idle inside an open transaction, and the
// locks that other sessions hold on table xmsz. Both 0 on SQLite, which
// has no such views; there the second connection's save shows the lock.
long otherSessionsIdleInTransaction(support::TestDatabase &db)
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        return 0;
    const auto rows
        = db.query(u"select count(*) from pg_stat_activity where datname = current_database()"
                   " and pid <> pg_backend_pid() and state like 'idle in transaction%'"_s);
    if (!rows || rows->size() != 1 || !rows->front().front())
        return -1;
    return rows->front().front()->toLong();
}

long otherSessionsLocksOnXmsz(support::TestDatabase &db)
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        return 0;
    const auto rows
        = db.query(u"select count(*) from pg_locks l join pg_class c on c.oid = l.relation"
                   " where c.relname = 'xmsz' and l.pid <> pg_backend_pid()"_s);
    if (!rows || rows->size() != 1 || !rows->front().front())
        return -1;
    return rows->front().front()->toLong();
}

} // namespace

class TestTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void connectsThroughTheProgramsConnectString();
    void refusedWithoutDataSource();
    void refusedWhenDatabaseIsMissing();
    void refusedWithWrongPassword();
    void disconnectWithoutConnectionIsHarmless();
    void statementWithoutConnectionFails();

    void uncommittedInsertIsInvisibleToSecondConnection();
    void rollbackUndoesInsert();
    void disconnectDoesNotCommit();

    void floatParameterQuery_data();
    void floatParameterQuery();
    void singleRowQueryWithMoreThanOneRowFails();
    void failedStatementGivesDriverText();

    void parameterTypesRoundTrip();
    void chineseTextRoundTrips();
    void longValueIsReadWhole();

    void readEndsItsTransaction_data();
    void readEndsItsTransaction();
    void readAfterWriteStaysInTheTransaction();
    void readAfterCommitEndsItsTransactionAgain();

    void errorTextIsOneTrimmedLinePerMessage_data();
    void errorTextIsOneTrimmedLinePerMessage();
    void refusedConnectionTextIsTrimmed();

private:
    support::TestDatabase m_db;
};

void TestTransaction::init()
{
    QVERIFY2(m_db.create(support::TestDatabase::Standard::Demo), qPrintable(m_db.lastError()));
}

void TestTransaction::connectsThroughTheProgramsConnectString()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    QCOMPARE(sqlca.connectString(), u"DSN=vomar;PWD=merovi2749"_s);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0);
    QVERIFY(sqlca.isConnected());
    QVERIFY(sqlca.SQLErrText.isEmpty());
    sqlca.disconnect();
    QCOMPARE(sqlca.SQLCode, 0);
    QVERIFY(!sqlca.isConnected());
}

void TestTransaction::refusedWithoutDataSource()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.DBParm = u"ConnectString='DSN=kelvaro_no_such_dsn;PWD=merovi2749'"_s;
    sqlca.connect();
    QVERIFY(sqlca.SQLCode != 0);
    QVERIFY(!sqlca.isConnected());
    // The driver manager's own words.
    QVERIFY2(
        sqlca.SQLErrText.contains(u"Data source name not found"_s), qPrintable(sqlca.SQLErrText));
    QCOMPARE(sqlca.SQLState, u"IM002"_s);
    QVERIFY(!sqlca.SQLErrText.contains(u"merovi2749"_s));
    QVERIFY(!sqlca.SQLErrText.contains(u"PWD="_s));
}

void TestTransaction::refusedWhenDatabaseIsMissing()
{
    QVERIFY2(m_db.remove(), qPrintable(m_db.lastError()));
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(sqlca.SQLCode != 0);
    QVERIFY(!sqlca.isConnected());
    QVERIFY(!sqlca.SQLErrText.isEmpty());
    QVERIFY(!sqlca.SQLErrText.contains(u"merovi2749"_s));
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Sqlite) {
        // NoCreat=1: the refused connection leaves no new empty file behind.
        QVERIFY(!QFile::exists(qEnvironmentVariable("KELVARO_TEST_SQLITE_FILE")));
    } else {
        QVERIFY2(sqlca.SQLErrText.contains(u"does not exist"_s), qPrintable(sqlca.SQLErrText));
    }
}

void TestTransaction::refusedWithWrongPassword()
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        QSKIP("SQLite files have no password");
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.DBParm = u"ConnectString='DSN=vomar;PWD=wrongpw0000'"_s;
    sqlca.connect();
    QVERIFY(sqlca.SQLCode != 0);
    QVERIFY(!sqlca.isConnected());
    QVERIFY2(sqlca.SQLErrText.contains(u"password authentication failed"_s),
        qPrintable(sqlca.SQLErrText));
    QVERIFY(!sqlca.SQLErrText.contains(u"wrongpw0000"_s));
    QVERIFY(!sqlca.SQLErrText.contains(u"PWD="_s));
}

void TestTransaction::disconnectWithoutConnectionIsHarmless()
{
    db::Transaction sqlca;
    sqlca.disconnect();
    QCOMPARE(sqlca.SQLCode, 0);
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0);
    sqlca.disconnect();
    sqlca.disconnect();
    QCOMPARE(sqlca.SQLCode, 0);
}

void TestTransaction::statementWithoutConnectionFails()
{
    db::Transaction sqlca;
    QVERIFY(!sqlca.execute(u"delete from xmsz"_s));
    QCOMPARE(sqlca.SQLCode, -1);
    QVERIFY(!sqlca.SQLErrText.isEmpty());
    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, -1);
    QVERIFY(!sqlca.selectSingleRow(u"select z1 from cz123_m where s = 150"_s));
    QCOMPARE(sqlca.SQLCode, -1);
}

void TestTransaction::uncommittedInsertIsInvisibleToSecondConnection()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0);
    QVERIFY2(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values (?, ?)"_s, { u"21"_s, u"1"_s }),
        qPrintable(sqlca.SQLErrText));
    QCOMPARE(sqlca.SQLNRows, 1);
    // The program's own connection sees its insert, a second one does not.
    QVERIFY(sqlca.selectSingleRow(u"select xm_z_m from xmsz where nj = ?"_s, { u"21"_s }));
    QCOMPARE(sqlca.SQLCode, 0);
    QCOMPARE(countRows(m_db, u"xmsz"_s), 0L);

    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, 0);
    QCOMPARE(countRows(m_db, u"xmsz"_s), 1L);
    sqlca.disconnect();
}

void TestTransaction::rollbackUndoesInsert()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(sqlca.execute(u"insert into xmsz (nj) values (?)"_s, { u"22"_s }));
    sqlca.rollback();
    QCOMPARE(sqlca.SQLCode, 0);
    QVERIFY(!sqlca.selectSingleRow(u"select nj from xmsz where nj = ?"_s, { u"22"_s }));
    QCOMPARE(sqlca.SQLCode, 100);
    QCOMPARE(countRows(m_db, u"xmsz"_s), 0L);

    // The connection goes on working after the rollback.
    QVERIFY(sqlca.execute(u"insert into xmsz (nj) values (?)"_s, { u"23"_s }));
    sqlca.commit();
    QCOMPARE(countRows(m_db, u"xmsz"_s), 1L);
    sqlca.disconnect();
}

void TestTransaction::disconnectDoesNotCommit()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(sqlca.execute(u"insert into xmsz (nj) values (?)"_s, { u"21"_s }));
    sqlca.disconnect();
    QCOMPARE(countRows(m_db, u"xmsz"_s), 0L);
}

void TestTransaction::floatParameterQuery_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<float>("height");
    QTest::addColumn<long>("code");
    QTest::addColumn<QString>("z1");
    QTest::addColumn<QString>("z4");

    // The rows of data/demo-standard-tables.sql.
    QTest::newRow("boy 150.5 -> 150") << u"cz123_m"_s << 150.5f << 0L << u"31.5"_s << u"54"_s;
    QTest::newRow("boy 150 -> 150") << u"cz123_m"_s << 150.0f << 0L << u"31.5"_s << u"54"_s;
    QTest::newRow("boy 149.99 -> 149") << u"cz123_m"_s << 149.99f << 0L << u"31.1"_s << u"53.3"_s;
    QTest::newRow("boy 123 -> 123") << u"cz123_m"_s << 123.0f << 0L << u"21.2"_s << u"36.3"_s;
    QTest::newRow("boy 186.9 -> 186") << u"cz123_m"_s << 186.9f << 0L << u"48.4"_s << u"83"_s;
    QTest::newRow("girl 150.5 -> 150") << u"cz123_w"_s << 150.5f << 0L << u"30.4"_s << u"55.1"_s;
    QTest::newRow("girl 121 -> 121") << u"cz123_w"_s << 121.0f << 0L << u"19.8"_s << u"35.9"_s;
    QTest::newRow("girl 190 none") << u"cz123_w"_s << 190.0f << 100L << QString() << QString();
    QTest::newRow("boy 0 none") << u"cz123_m"_s << 0.0f << 100L << QString() << QString();
}

void TestTransaction::floatParameterQuery()
{
    QFETCH(QString, table);
    QFETCH(float, height);
    QFETCH(long, code);
    QFETCH(QString, z1);
    QFETCH(QString, z4);

    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0);
    // The calculators' query, with the 4-byte real height in both places.
    const QString sql
        = u"select z1 , z2 , z3 , z4 from %1 where s <= ? and s > ( ? - 1 ) "_s.arg(table);
    const auto row = sqlca.selectSingleRow(sql, { QVariant(height), QVariant(height) });
    QVERIFY2(sqlca.SQLCode == code,
        qPrintable(u"SQLCode %1: %2"_s.arg(sqlca.SQLCode).arg(sqlca.SQLErrText)));
    if (code != 0) {
        QVERIFY(!row);
        return;
    }
    QVERIFY(row);
    QCOMPARE(row->size(), std::size_t(4));
    for (const auto &value : *row)
        QVERIFY(value.has_value());
    // Compared as numbers: PostgreSQL may write 54 as "54" or "54.0".
    QCOMPARE(row->at(0)->toFloat(), z1.toFloat());
    QCOMPARE(row->at(3)->toFloat(), z4.toFloat());
    QVERIFY(row->at(0)->toFloat() < row->at(1)->toFloat());
    QVERIFY(row->at(1)->toFloat() < row->at(2)->toFloat());
    QVERIFY(row->at(2)->toFloat() < row->at(3)->toFloat());
    sqlca.disconnect();
}

void TestTransaction::singleRowQueryWithMoreThanOneRowFails()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    const auto row
        = sqlca.selectSingleRow(u"select z1 from cz123_m where s < ?"_s, { QVariant(125.0f) });
    QVERIFY(!row);
    QCOMPARE(sqlca.SQLCode, -1);
    QVERIFY(!sqlca.SQLErrText.isEmpty());
    sqlca.disconnect();
}

void TestTransaction::failedStatementGivesDriverText()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(!sqlca.select(u"select nj from kelvaro_no_such_table"_s));
    QCOMPARE(sqlca.SQLCode, -1);
    QVERIFY2(sqlca.SQLErrText.contains(u"kelvaro_no_such_table"_s), qPrintable(sqlca.SQLErrText));
    QVERIFY(!sqlca.SQLState.isEmpty());
    // After a failed statement and a rollback the connection still works.
    sqlca.rollback();
    QVERIFY(sqlca.selectSingleRow(u"select z1 from cz123_m where s = ?"_s, { QVariant(150) }));
    QCOMPARE(sqlca.SQLCode, 0);
    sqlca.disconnect();
}

void TestTransaction::parameterTypesRoundTrip()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    // Integer, double and null parameters; an empty string is not null.
    QVERIFY2(sqlca.execute(u"delete from cz123_m where s = ?"_s, { QVariant(150) }),
        qPrintable(sqlca.SQLErrText));
    QCOMPARE(sqlca.SQLNRows, 1);
    QVERIFY2(sqlca.execute(u"insert into cz123_m (s, z1, z2, z3, z4) values (?, ?, ?, ?, ?)"_s,
                 { QVariant(150), QVariant(30.25), QVariant(34.5f), QVariant(qint64(47)),
                     QVariant(54.0) }),
        qPrintable(sqlca.SQLErrText));
    QVERIFY2(sqlca.execute(u"insert into xmsz (nj, xm_z_m, xm_5_m) values (?, ?, ?)"_s,
                 { u"21"_s, QVariant(), u""_s }),
        qPrintable(sqlca.SQLErrText));
    const auto numbers
        = sqlca.selectSingleRow(u"select z1, z2, z3 from cz123_m where s = ?"_s, { QVariant(150) });
    QVERIFY2(numbers, qPrintable(sqlca.SQLErrText));
    QCOMPARE(numbers->at(0)->toDouble(), 30.25);
    QCOMPARE(numbers->at(1)->toDouble(), 34.5);
    QCOMPARE(numbers->at(2)->toDouble(), 47.0);
    const auto flags
        = sqlca.selectSingleRow(u"select xm_z_m, xm_5_m from xmsz where nj = ?"_s, { u"21"_s });
    QVERIFY2(flags, qPrintable(sqlca.SQLErrText));
    QVERIFY(!flags->at(0).has_value());
    QVERIFY(flags->at(1).has_value());
    QCOMPARE(*flags->at(1), QString());
    // An UPDATE that matches nothing is not an error.
    QVERIFY(sqlca.execute(u"update xmsz set xm_z_m = ? where nj = ?"_s, { u"1"_s, u"99"_s }));
    QCOMPARE(sqlca.SQLCode, 0);
    QCOMPARE(sqlca.SQLNRows, 0);
    sqlca.rollback();
    sqlca.disconnect();
}

void TestTransaction::chineseTextRoundTrips()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    const QString text = u"身高标准体重（15分）优秀"_s;
    QVERIFY2(sqlca.execute(u"insert into xmsz (nj, xm_t_w) values (?, ?)"_s, { u"21"_s, text }),
        qPrintable(sqlca.SQLErrText));
    // Chinese in the statement text itself as well as in a parameter.
    QVERIFY(sqlca.execute(u"insert into xmsz (nj, xm_t_w) values ('22', '及格不及格')"_s));
    sqlca.commit();
    const auto own = sqlca.selectSingleRow(u"select xm_t_w from xmsz where nj = ?"_s, { u"21"_s });
    QVERIFY2(own, qPrintable(sqlca.SQLErrText));
    QCOMPARE(*own->at(0), text);
    const auto side
        = m_db.query(u"select xm_t_w from xmsz where xm_t_w = ?"_s, { u"及格不及格"_s });
    QVERIFY2(side, qPrintable(m_db.lastError()));
    QCOMPARE(side->size(), std::size_t(1));
    QCOMPARE(*side->front().front(), u"及格不及格"_s);
    sqlca.disconnect();
}

void TestTransaction::longValueIsReadWhole()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(sqlca.execute(u"create table long_text (t VARCHAR(5000))"_s));
    QString text;
    for (int i = 0; i < 3000; ++i)
        text.append(i % 3 == 0 ? QChar(u'成') : QChar(u'a' + i % 26));
    QVERIFY2(sqlca.execute(u"insert into long_text (t) values (?)"_s, { text }),
        qPrintable(sqlca.SQLErrText));
    const auto row = sqlca.selectSingleRow(u"select t from long_text"_s);
    QVERIFY2(row, qPrintable(sqlca.SQLErrText));
    QCOMPARE(row->at(0)->size(), text.size());
    QCOMPARE(*row->at(0), text);
    sqlca.rollback();
    sqlca.disconnect();
}

void TestTransaction::readEndsItsTransaction_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("singleRow");
    QTest::addColumn<long>("sqlCode");
    QTest::addColumn<long>("rows");
    // A year's row of xmsz as the settings windows and calculators read it,
    // the height-weight query, one that finds no row, and one that fails.
    QTest::newRow("select of xmsz")
        << u"select nj, xm_z_m from xmsz where nj = '21'"_s << false << 0L << 1L;
    QTest::newRow("single row") << u"select z1, z2, z3, z4 from cz123_m where s = 150"_s << true
                                << 0L << 1L;
    QTest::newRow("single row, none found")
        << u"select nj from xmsz where nj = '99'"_s << true << 100L << 0L;
    QTest::newRow("failed read") << u"select nj from kelvaro_no_such_table"_s << false << -1L << 0L;
}

void TestTransaction::readEndsItsTransaction()
{
    QFETCH(QString, sql);
    QFETCH(bool, singleRow);
    QFETCH(long, sqlCode);
    QFETCH(long, rows);
    QVERIFY(m_db.exec(u"insert into xmsz (nj, xm_z_m) values ('21', '1')"_s));

    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0);
    if (singleRow)
        sqlca.selectSingleRow(sql);
    else
        sqlca.select(sql);
    // The read's own result survives the end of its transaction.
    QCOMPARE(sqlca.SQLCode, sqlCode);
    QCOMPARE(sqlca.SQLNRows, rows);
    QCOMPARE(sqlca.SQLErrText.isEmpty(), sqlCode != -1);
    QVERIFY(!sqlca.hasPendingWrites());

    // The connection stays open, as a window that has read keeps it, and
    // holds nothing: a second copy of the program saves at once.
    QCOMPARE(otherSessionsIdleInTransaction(m_db), 0L);
    QCOMPARE(otherSessionsLocksOnXmsz(m_db), 0L);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(saveFromSecondConnection(u"22"_s), QString());
    QVERIFY2(clock.elapsed() < 2000, qPrintable(u"the save waited %1 ms"_s.arg(clock.elapsed())));
    QCOMPARE(countRows(m_db, u"xmsz"_s), 2L);

    // And the connection goes on working without a rollback of its own,
    // also after a failed read (PostgreSQL refuses every statement of a
    // transaction in which one has failed).
    QVERIFY2(sqlca.selectSingleRow(u"select nj from xmsz where nj = '22'"_s),
        qPrintable(sqlca.SQLErrText));
    sqlca.disconnect();
}

void TestTransaction::readAfterWriteStaysInTheTransaction()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(!sqlca.hasPendingWrites());
    QVERIFY(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('21', '1')"_s));
    QVERIFY(sqlca.hasPendingWrites());
    // The read sees the write and does not end the transaction: the write
    // is neither dropped nor committed by it.
    QVERIFY(sqlca.selectSingleRow(u"select xm_z_m from xmsz where nj = '21'"_s));
    QVERIFY(sqlca.select(u"select z1 from cz123_m where s = 150"_s));
    QVERIFY(sqlca.hasPendingWrites());
    QCOMPARE(countRows(m_db, u"xmsz"_s), 0L);
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres)
        QCOMPARE(otherSessionsIdleInTransaction(m_db), 1L);

    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, 0);
    QVERIFY(!sqlca.hasPendingWrites());
    QCOMPARE(countRows(m_db, u"xmsz"_s), 1L);

    // A failed write keeps the transaction for the caller's rollback too.
    QVERIFY(!sqlca.execute(u"insert into xmsz (nj) values (NULL)"_s));
    QVERIFY(sqlca.hasPendingWrites());
    sqlca.rollback();
    QVERIFY(!sqlca.hasPendingWrites());
    sqlca.disconnect();
}

void TestTransaction::readAfterCommitEndsItsTransactionAgain()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QVERIFY(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('21', '1')"_s));
    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, 0);
    // A save, then the window reads the row back and stays open.
    QVERIFY(sqlca.selectSingleRow(u"select xm_z_m from xmsz where nj = '21'"_s));
    QCOMPARE(otherSessionsIdleInTransaction(m_db), 0L);
    QCOMPARE(otherSessionsLocksOnXmsz(m_db), 0L);
    QCOMPARE(saveFromSecondConnection(u"23"_s), QString());

    // After a rollback the same.
    QVERIFY(sqlca.execute(u"update xmsz set xm_z_m = '0' where nj = '21'"_s));
    sqlca.rollback();
    QVERIFY(sqlca.select(u"select nj from xmsz"_s));
    QCOMPARE(sqlca.SQLNRows, 2L);
    QCOMPARE(otherSessionsIdleInTransaction(m_db), 0L);
    QCOMPARE(saveFromSecondConnection(u"22"_s), QString());
    QCOMPARE(countRows(m_db, u"xmsz"_s), 3L);
    sqlca.disconnect();
}

void TestTransaction::errorTextIsOneTrimmedLinePerMessage_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("isRead");
    QTest::addColumn<QString>("sqliteText");
    QTest::addColumn<QString>("postgresText");
    // psqlODBC joins the server's message and its own with ";" and a line
    // break and adds an empty second record: neither shows.
    QTest::newRow("missing table") << u"select nj from kelvaro_no_such_table"_s << true
                                   << u"[SQLite]no such table: kelvaro_no_such_table (1)"_s
                                   << u"ERROR: relation \"kelvaro_no_such_table\" does not exist\n"
                                      "Error while executing the query"_s;
    QTest::newRow("bad statement")
        << u"selec nj frm xmsz"_s << true << u"[SQLite]near \"selec\": syntax error (1)"_s
        << u"ERROR: syntax error at or near \"selec\"\nError while executing the query"_s;
    QTest::newRow("missing column")
        << u"insert into xmsz (nj, kelvaro_no_column) values ('21', '1')"_s << false
        << u"[SQLite]table xmsz has no column named kelvaro_no_column (1)"_s
        << u"ERROR: column \"kelvaro_no_column\" of relation \"xmsz\" does not exist\n"
           "Error while executing the query"_s;
    QTest::newRow("message with detail")
        << u"insert into xmsz (nj) values (NULL)"_s << false
        << u"[SQLite]NOT NULL constraint failed: xmsz.nj (19)"_s
        << u"ERROR: null value in column \"nj\" of relation \"xmsz\" violates not-null "
           "constraint\nDETAIL: Failing row contains (null, null, null, null, null, null, null, "
           "null, null, null, null, null, null, null, null, null).\n"
           "Error while executing the query"_s;
}

void TestTransaction::errorTextIsOneTrimmedLinePerMessage()
{
    QFETCH(QString, sql);
    QFETCH(bool, isRead);
    QFETCH(QString, sqliteText);
    QFETCH(QString, postgresText);
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0);
    if (isRead)
        QVERIFY(!sqlca.select(sql));
    else
        QVERIFY(!sqlca.execute(sql));
    QCOMPARE(sqlca.SQLCode, -1);
    QVERIFY(!sqlca.SQLState.isEmpty());
    QCOMPARE(sqlca.SQLErrText,
        support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres ? postgresText
                                                                                     : sqliteText);
    sqlca.rollback();
    sqlca.disconnect();
}

void TestTransaction::refusedConnectionTextIsTrimmed()
{
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca);
    QString expected;
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres) {
        // Nothing listens on port 1 of the loopback: the client library's
        // two-line text, whose second line it indents with a tab and ends
        // with a line break.
        sqlca.DBParm
            = u"ConnectString='DSN=vomar;PWD=%1;Port=1'"_s.arg(support::TestDatabase::password());
        expected = u"connection to server at \"127.0.0.1\", port 1 failed: Connection refused\n"
                   "Is the server running on that host and accepting TCP/IP connections?"_s;
    } else {
        QVERIFY(m_db.remove());
        expected = u"[SQLite]connect failed"_s;
    }
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, -1);
    QCOMPARE(sqlca.SQLErrText, expected);
}

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction.moc"
