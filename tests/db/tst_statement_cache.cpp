// The transaction's kept prepared statements, against the real driver of
// this run: a kept statement gives the right rows after a failure, after a
// reconnect and after its table was dropped and made anew, holds nothing
// open that stops a second connection, and never reads buffers of an
// earlier call.

#include "db/Transaction.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The calculator's height-weight query for boys, as the window runs it.
const QString heightQuery
    = u"select z1 , z2 , z3 , z4 from cz123_m where s <= ? and s > ( ? - 1 ) "_s;

// z1 of the boys' row of `height`, read through the kept height query;
// nullopt (with the driver's text in sqlca) when the read failed.
std::optional<float> boysZ1(db::Transaction &sqlca, float height)
{
    const auto row = sqlca.selectSingleRow(heightQuery, { QVariant(height), QVariant(height) });
    if (!row || !row->front())
        return std::nullopt;
    return row->front()->toFloat();
}

const char *sqlcaText(const db::Transaction &sqlca)
{
    static QByteArray text;
    text = u"SQLCode %1: %2"_s.arg(sqlca.SQLCode).arg(sqlca.SQLErrText).toUtf8();
    return text.constData();
}

} // namespace

class TestStatementCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void keptStatementWorksAfterAFailure();
    void reconnectPreparesAfresh();
    void tableMadeAnew_data();
    void tableMadeAnew();
    void missingTableFailsUntilItIsBack();
    void keptReadHoldsNothingOpen_data();
    void keptReadHoldsNothingOpen();
    void parametersAreNotTakenFromAnEarlierCall();
    void manyStatementsEvictTheOldest();

private:
    // Runs on a side connection and checks that it did not wait for a lock.
    void sideWritesAtOnce(const QString &sql);

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
};

void TestStatementCache::init()
{
    QVERIFY2(m_db.create(support::TestDatabase::Standard::Demo), qPrintable(m_db.lastError()));
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0);
}

void TestStatementCache::cleanup()
{
    m_sqlca.disconnect();
}

void TestStatementCache::sideWritesAtOnce(const QString &sql)
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(m_db.exec(sql), qPrintable(m_db.lastError()));
    QVERIFY2(clock.elapsed() < 2000,
        qPrintable(u"%1 waited %2 ms"_s.arg(sql.left(40)).arg(clock.elapsed())));
}

void TestStatementCache::keptStatementWorksAfterAFailure()
{
    // The demo rows: z1 is 31.5 at 150 cm and 21.2 at 123 cm.
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);

    // The kept insert fails on the duplicate key inside the caller's
    // transaction; after the rollback the same text runs again.
    const QString insert = u"insert into xmsz (nj, xm_z_m) values (?, ?)"_s;
    QVERIFY2(m_sqlca.execute(insert, { u"21"_s, u"1"_s }), sqlcaText(m_sqlca));
    m_sqlca.commit();
    QVERIFY(!m_sqlca.execute(insert, { u"21"_s, u"0"_s }));
    QCOMPARE(m_sqlca.SQLCode, -1);
    QVERIFY(!m_sqlca.SQLErrText.isEmpty());
    m_sqlca.rollback();
    QVERIFY2(m_sqlca.execute(insert, { u"22"_s, u"0"_s }), sqlcaText(m_sqlca));
    m_sqlca.commit();
    QCOMPARE(m_sqlca.SQLCode, 0);

    // Another statement fails in a read; the kept query goes on without a
    // rollback of the caller's and reads the row of the new height.
    QVERIFY(!m_sqlca.select(u"select nj from kelvaro_no_such_table"_s));
    QCOMPARE(m_sqlca.SQLCode, -1);
    QCOMPARE(boysZ1(m_sqlca, 123.5f), 21.2f);

    const auto rows = m_db.query(u"select nj, xm_z_m from xmsz order by nj"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(2));
    QCOMPARE(*rows->at(0).at(1), u"1"_s);
    QCOMPARE(*rows->at(1).at(0), u"22"_s);
}

void TestStatementCache::reconnectPreparesAfresh()
{
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);
    m_sqlca.disconnect();
    QCOMPARE(m_sqlca.SQLCode, 0);
    // Without a connection the kept statement is gone, not used.
    QVERIFY(!boysZ1(m_sqlca, 150.5f));
    QCOMPARE(m_sqlca.SQLCode, -1);

    QVERIFY(m_db.exec(u"update cz123_m set z1 = 30 where s = 150"_s));
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0);
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 30.0f);
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 30.0f);
}

void TestStatementCache::tableMadeAnew_data()
{
    QTest::addColumn<bool>("ownConnection");
    QTest::addColumn<QString>("create");

    const QString sameColumns = u"create table cz123_m (s NUMERIC NOT NULL PRIMARY KEY,"
                                " z1 NUMERIC NOT NULL, z2 NUMERIC NOT NULL, z3 NUMERIC NOT NULL,"
                                " z4 NUMERIC NOT NULL)"_s;
    // The columns in another order, one more in front: the kept statement,
    // which names its columns, still reads the right ones.
    const QString otherOrder = u"create table cz123_m (note VARCHAR(10), z4 NUMERIC, z3 NUMERIC,"
                               " z2 NUMERIC, z1 NUMERIC, s NUMERIC)"_s;
    QTest::newRow("by a second connection") << false << sameColumns;
    QTest::newRow("by the program's connection") << true << sameColumns;
    QTest::newRow("columns in another order") << false << otherOrder;
}

void TestStatementCache::tableMadeAnew()
{
    QFETCH(bool, ownConnection);
    QFETCH(QString, create);

    QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);
    const QStringList steps { u"drop table cz123_m"_s, create,
        u"insert into cz123_m (s, z1, z2, z3, z4) values (150, 1, 2, 3, 4)"_s };
    if (ownConnection) {
        for (const QString &sql : steps)
            QVERIFY2(m_sqlca.execute(sql), sqlcaText(m_sqlca));
        m_sqlca.commit();
        QCOMPARE(m_sqlca.SQLCode, 0);
    } else {
        // The kept statement holds nothing that makes the drop wait.
        sideWritesAtOnce(steps[0]);
        for (const QString &sql : steps.mid(1))
            QVERIFY2(m_db.exec(sql), qPrintable(m_db.lastError()));
    }

    // The new table's row, twice: the second read on the statement kept
    // after the first.
    for (int run = 0; run < 2; ++run) {
        const auto row
            = m_sqlca.selectSingleRow(heightQuery, { QVariant(150.5f), QVariant(150.5f) });
        QVERIFY2(row, sqlcaText(m_sqlca));
        QCOMPARE(row->size(), std::size_t(4));
        QCOMPARE(row->at(0)->toFloat(), 1.0f);
        QCOMPARE(row->at(3)->toFloat(), 4.0f);
    }
}

void TestStatementCache::missingTableFailsUntilItIsBack()
{
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);
    sideWritesAtOnce(u"alter table cz123_m rename to cz123_old"_s);
    QVERIFY(!boysZ1(m_sqlca, 150.5f));
    QCOMPARE(m_sqlca.SQLCode, -1);
    QVERIFY2(m_sqlca.SQLErrText.contains(u"cz123_m"_s), qPrintable(m_sqlca.SQLErrText));
    // Failing again, not from a spoilt statement or transaction.
    QVERIFY(!boysZ1(m_sqlca, 150.5f));
    QVERIFY2(m_sqlca.SQLErrText.contains(u"cz123_m"_s), qPrintable(m_sqlca.SQLErrText));
    sideWritesAtOnce(u"alter table cz123_old rename to cz123_m"_s);
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);
}

void TestStatementCache::keptReadHoldsNothingOpen_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("singleRow");
    QTest::addColumn<long>("sqlCode");
    // Each read runs twice, the second time on the kept statement.
    QTest::newRow("row found") << heightQuery << true << 0L;
    QTest::newRow("no row") << u"select z1 from cz123_m where s > ? and s < ?"_s << true << 100L;
    // The cursor stops after two of many rows.
    QTest::newRow("more than one row")
        << u"select z1 from cz123_m where s > ? and s > ?"_s << true << -1L;
    QTest::newRow("all rows") << u"select z1 from cz123_m where s > ? and s > ?"_s << false << 0L;
}

void TestStatementCache::keptReadHoldsNothingOpen()
{
    QFETCH(QString, sql);
    QFETCH(bool, singleRow);
    QFETCH(long, sqlCode);
    const std::vector<QVariant> params { QVariant(150.5f), QVariant(150.5f) };
    for (int run = 0; run < 2; ++run) {
        if (singleRow)
            m_sqlca.selectSingleRow(sql, params);
        else
            m_sqlca.select(sql, params);
        QVERIFY2(m_sqlca.SQLCode == sqlCode, sqlcaText(m_sqlca));
    }
    QVERIFY(!m_sqlca.hasPendingWrites());

    // A second connection writes into the table read and changes its
    // columns, at once.
    sideWritesAtOnce(u"insert into cz123_m (s, z1, z2, z3, z4) values (500, 1, 2, 3, 4)"_s);
    sideWritesAtOnce(u"alter table cz123_m add column extra NUMERIC"_s);
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres) {
        const auto idle
            = m_db.query(u"select count(*) from pg_stat_activity where datname = current_database()"
                         " and pid <> pg_backend_pid() and state like 'idle in transaction%'"_s);
        QVERIFY2(idle, qPrintable(m_db.lastError()));
        QCOMPARE(*idle->front().front(), u"0"_s);
    }
    // The kept statement reads on with its own columns.
    QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);
}

void TestStatementCache::parametersAreNotTakenFromAnEarlierCall()
{
    // The same text with a value first and then without one: the second
    // call must not find the first call's (long gone) value still bound.
    const QString sql = u"select count(*) from xmsz where nj = ?"_s;
    QVERIFY(m_db.exec(u"insert into xmsz (nj) values ('21')"_s));
    const auto one = m_sqlca.selectSingleRow(sql, { u"21"_s });
    QVERIFY2(one, sqlcaText(m_sqlca));
    QCOMPARE(*one->front(), u"1"_s);
    const auto none = m_sqlca.selectSingleRow(sql);
    if (none) {
        // A driver that takes a missing value for NULL matches no row.
        QCOMPARE(*none->front(), u"0"_s);
    } else {
        QCOMPARE(m_sqlca.SQLCode, -1);
        QVERIFY(!m_sqlca.SQLErrText.isEmpty());
    }
    // A longer value in a buffer of its own, then the first again.
    const auto longer = m_sqlca.selectSingleRow(sql, { u"21 and more"_s });
    QVERIFY2(longer, sqlcaText(m_sqlca));
    QCOMPARE(*longer->front(), u"0"_s);
    const auto again = m_sqlca.selectSingleRow(sql, { u"21"_s });
    QVERIFY2(again, sqlcaText(m_sqlca));
    QCOMPARE(*again->front(), u"1"_s);
}

void TestStatementCache::manyStatementsEvictTheOldest()
{
    // More texts than the cache keeps, between reads of the height query:
    // every one reads its own row, whether kept, evicted or prepared anew.
    for (int round = 0; round < 2; ++round) {
        for (int s = 123; s < 163; ++s) {
            const auto row = m_sqlca.selectSingleRow(
                u"select s from cz123_m where s = %1 and s > ?"_s.arg(s), { QVariant(0) });
            QVERIFY2(row, sqlcaText(m_sqlca));
            QCOMPARE(row->front()->toInt(), s);
            if (s % 5 == 0)
                QCOMPARE(boysZ1(m_sqlca, 150.5f), 31.5f);
        }
    }
}

QTEST_GUILESS_MAIN(TestStatementCache)
#include "tst_statement_cache.moc"
