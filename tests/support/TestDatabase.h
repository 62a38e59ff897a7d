#pragma once

// TestDatabase: a fresh database for one database test, on the backend that
// CTest chose for this run (KELVARO_TEST_BACKEND=sqlite or postgres; see
// tests/DatabaseTests.cmake, which also points ODBCSYSINI / ODBCINI at ini
// files of this test's own). Register the test with
//     kelvaro_add_test(name SOURCES ... LIBS kelvaro_testsupport ... DATABASE)
// and use it like this:
//
//     void MyTest::init()
//     {
//         QVERIFY2(m_db.create(), qPrintable(m_db.lastError())); // schema, no rows
//         // or m_db.create(TestDatabase::Standard::Demo) for the demo cz123 rows
//     }
//     void MyTest::something()
//     {
//         db::Transaction sqlca;
//         TestDatabase::setUpProgramTransaction(sqlca); // "DSN=vomar;PWD=merovi2749"
//         sqlca.connect();
//         QCOMPARE(sqlca.SQLCode, 0);
//         ... exercise the program ...
//         auto rows = m_db.query(u"select xm_z_m from xmsz where nj = ?"_s, {u"21"_s});
//         sqlca.disconnect();
//     }
//
// exec() and query() work on the side, each on a connection of their own in
// autocommit mode, so query() sees only what the program has committed.
// makeReadOnly() makes every INSERT, UPDATE and DELETE on a table fail (a
// trigger on SQLite, which works even for root; REVOKE on PostgreSQL) and
// makeWritable() undoes it. remove() takes the database away, for tests of
// a refused connection. Close the program's connections before the next
// create() or remove().

#include "db/Transaction.h"

#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

namespace support {

class TestDatabase
{
public:
    enum class Backend { Sqlite, Postgres };
    enum class Standard { None, Demo };

    struct StandardRow
    {
        double s;
        double z1;
        double z2;
        double z3;
        double z4;
    };

    static Backend backend();
    static QString backendName(); // "sqlite" or "postgres"

    // The program's own connection settings.
    static QString connectString(); // DSN=vomar;PWD=merovi2749
    static QString password();
    static void setUpProgramTransaction(db::Transaction &transaction);
    // The same on the data source `dsn` of the test's list (DatabaseTests.cmake).
    static void setUpProgramTransaction(db::Transaction &transaction, const QString &dsn);
    // Limits of about a second on every call (db::WaitLimits), for tests of
    // a server or network that does not answer: they take what the
    // program's own limits take, in a tenth of the time.
    static db::WaitLimits shortWaitLimits();

    // The first column of a single-row query on `transaction`; nullopt when
    // it fails or gives no row.
    static std::optional<QString> singleValue(db::Transaction &transaction, const QString &sql);

    // A fresh database with the schema (and, with Standard::Demo, the rows
    // of data/demo-standard-tables.sql); no xmsz rows.
    bool create(Standard standard = Standard::None);
    // The first year's row of xmsz: the step test, the 50 m run and the
    // sit-and-reach for both sexes.
    bool addFirstYearChoices();
    // Replaces the rows of cz123_m or cz123_w.
    bool setStandardRows(const QString &table, const std::vector<StandardRow> &rows);

    // Admin SQL on a side connection (autocommit on).
    bool exec(const QString &sql, const std::vector<QVariant> &params = {});
    std::optional<std::vector<db::Transaction::Row>> query(
        const QString &sql, const std::vector<QVariant> &params = {});

    bool makeReadOnly(const QString &table);
    bool makeWritable(const QString &table);

    // Deletes the SQLite file or drops the PostgreSQL database.
    bool remove();

    QString lastError() const { return m_error; }

private:
    bool connectSide(db::Transaction &transaction, bool admin);
    bool runScript(db::Transaction &transaction, const QString &path);
    bool fail(const QString &what, const db::Transaction &transaction);
    bool fail(const QString &what);
    static QString environment(const char *name);

    QString m_error;
};

} // namespace support
