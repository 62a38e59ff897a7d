#pragma once

#include "db/CallFailure.h"
#include "db/WaitLimits.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace db {

// One ODBC connection with explicit transactions (the program's sqlca).
//
// Fields as the program sets and reads them: DBMS, AutoCommit, DBParm
// ("ConnectString='...'"), and after every operation SQLCode (0 success,
// -1 failure, 100 no row for a single-row select) and SQLErrText (the
// driver's own diagnostic text, never the connect string). SQLState and
// SQLDBCode carry the first diagnostic record's SQLSTATE and native code.
//
// With AutoCommit false, autocommit is switched off right after connecting;
// commit() and rollback() end the transaction through SQLEndTran.
// disconnect() rolls back whatever is still open and never commits.
//
// Statements are prepared once per connection and kept by their SQL text
// (up to 16, the least recently used going first), so that a query that runs
// again and again costs little more than the driver's execute and fetch.
// Bind values as parameters rather than splicing them into the text. A kept
// statement holds no open cursor; it is dropped when it fails, and all of
// them on disconnect or when the connection fails. A kept statement keeps the
// number of result columns it was prepared with (the SQLite driver reads a
// "select *" whose table was made anew with other columns by the old count):
// name the columns of a query rather than select *.
//
// A read (select, selectSingleRow) that runs while nothing has been written
// since the last commit or rollback ends its transaction at once, so that a
// window that only reads holds no lock while it stays open. Once execute()
// has run a statement, reads stay inside the open transaction (they see its
// uncommitted changes) until commit() or rollback().
//
// No call waits without end (WaitLimits, handed in with setWaitLimits()
// before connect(); the program's own by default): the connect string gets
// the limits for lock waits, statements, connecting and a lost network
// where the data source sets none, and every call goes through the
// connection's one guarded road (Connection): a call, connecting included,
// that has not returned within the call limit is cut off and fails with a
// text that says so.
//
// The transaction is closed (before connect(), after disconnect()), open,
// or lost: a connection that is found lost (the driver says so, or a call
// on it was cut off, whichever call that was) is made again by the next
// call that needs it, with the same settings. Work that was written on the lost connection and not
// committed is gone: until the caller's rollback() acknowledges that, every call fails, so that
// later writes are never committed without the earlier ones.
class Transaction
{
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    QString DBMS;
    bool AutoCommit = true;
    QString DBParm;
    long SQLCode = 0;
    QString SQLErrText;
    long SQLNRows = 0;
    QString SQLState;
    long SQLDBCode = 0;

    enum class State { Closed, Open, Lost };

    // The outcome of the last operation, as the fields above hold it: one
    // record, so that a caller that reports another outcome (the data view)
    // sets all of it and leaves nothing stale.
    struct Result
    {
        long code = 0;
        QString errText;
        long rows = 0;
        QString state;
        long dbCode = 0;
        static Result failure(const QString &text) { return { -1, text, 0, {}, 0 }; }
    };
    Result result() const;
    void setResult(const Result &result);

    // The limits of the next connect() (and of every reconnect).
    void setWaitLimits(const WaitLimits &limits);
    const WaitLimits &waitLimits() const;

    State state() const;

    // The ODBC connect string inside DBParm's ConnectString='...'.
    QString connectString() const;

    void connect();
    void disconnect(); // harmless without a connection
    void commit(); // SQLEndTran, never COMMIT as SQL text
    void rollback();
    bool isConnected() const;
    // Whether a statement that may have changed data ran since the last
    // commit or rollback (the transaction is then held open).
    bool hasPendingWrites() const;

    // Parameters are bound with their SQL type, never spliced into the SQL
    // text: QString as VARCHAR, double as DOUBLE, float as REAL, integers as
    // BIGINT, a null QVariant as NULL.
    using Row = std::vector<std::optional<QString>>;

    // Runs a statement that returns no rows. SQLNRows holds the rows affected
    // (0, with SQLCode 0, for an UPDATE or DELETE that matched nothing).
    bool execute(const QString &sql, const std::vector<QVariant> &params = {});

    // Runs a query and returns all rows as text (nullopt for SQL null);
    // nullopt as a whole on failure.
    std::optional<std::vector<Row>> select(
        const QString &sql, const std::vector<QVariant> &params = {});

    // The single-row select: SQLCode 0 with exactly one row, 100 with none;
    // more than one row is an error (-1) like a failed statement.
    std::optional<Row> selectSingleRow(
        const QString &sql, const std::vector<QVariant> &params = {});

private:
    void setSuccess(long rows = 0);
    void setFailure(const QString &text);
    void setFailure(const CallFailure &failure);
    QString sanitized(QString text) const;
    // The parts of connect(): the connect string out of DBParm (and the
    // secrets to keep out of error texts), the connection with the wait
    // limits, and the session's settings on it.
    bool readParameters();
    bool openConnection();
    // Makes a lost connection again, unless uncommitted work went with it.
    bool restoreConnection();
    void endTransaction(bool commitWork);
    // False (with the failure set) when the rollback that ends a read failed.
    bool endReadOnlyTransaction();
    // Prepares (or takes the statement prepared before from the cache),
    // binds and executes; onResult then reads the open statement.
    // `writes`: the statement may change data, so the transaction stays open.
    bool run(const QString &sql, const std::vector<QVariant> &params, bool writes,
        const std::function<bool(void *statement)> &onResult);
    // The driver calls of run(), on the guarded road.
    bool runStatement(const QString &sql, const std::vector<QVariant> &params,
        const std::function<bool(void *statement)> &onResult);
    std::optional<std::vector<Row>> fetchRows(
        const QString &sql, const std::vector<QVariant> &params, long maxRows);

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace db
