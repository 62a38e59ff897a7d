#pragma once

#include "db/CallFailure.h"
#include "db/OdbcHandle.h"
#include "db/StatementCache.h"
#include "db/WaitLimits.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

namespace db {

class CallDeadline;

// One ODBC connection to a database and the one road by which every call
// reaches its driver (guarded()): the call runs on the caller's thread
// under a deadline of WaitLimits::callLimit, and a call that ran past it is
// cut off (the connection's sockets are shut down, see ServerSockets) and
// leaves the connection lost, whichever call it was and whatever the driver
// returned. A connection that the driver reports broken (SQLSTATE class
// 08, or a connection it calls dead) is lost as well. A lost connection is
// of no further use: its owner closes it and opens a new one.
//
// Connecting is bounded the same way, name lookup included: the driver
// connects on a thread of its own while the caller waits for it up to the
// call limit; a connect that takes longer is abandoned (it ends on its own
// thread, which then frees its handles) and fails with the limit's text.
//
// The connection also keeps its prepared statements (StatementCache),
// which go before the connection itself.
class Connection
{
public:
    using Failure = CallFailure;

    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Connects with `connectString` as it stands (the wait limits already
    // applied), switching autocommit off unless `autoCommit`. On failure
    // the connection stays closed and `failure` says why.
    bool open(
        const QString &connectString, const WaitLimits &limits, bool autoCommit, Failure &failure);
    // Rolls back what is open (unless `autoCommit`) and disconnects; a lost
    // connection is only freed. False, with `failure`, if the disconnect
    // failed; the connection is closed either way.
    bool close(bool autoCommit, Failure &failure);

    bool isOpen() const { return m_connection.get() != nullptr; }
    bool isLost() const { return m_lost; }

    // The guarded road: runs `call` (which makes the driver calls) under the
    // deadline and returns what it returns. A call that was cut off leaves
    // the connection lost and lastCallCutOff() true.
    template <typename Call> auto guarded(Call &&call)
    {
        const Guard guard(*this);
        return std::forward<Call>(call)();
    }
    bool lastCallCutOff() const { return m_cutOff; }

    // The failure of the call that has just returned on `handle`: the
    // driver's diagnostics (`fallback` without any), preceded by the call
    // limit's text when the call was cut off. A failure of the connection
    // itself leaves it lost.
    Failure failureFrom(SQLSMALLINT handleType, SQLHANDLE handle, const QString &fallback);
    // The text of a call cut off at the limit.
    QString cutOffText() const;

    SQLHDBC handle() const { return m_connection.get(); }
    StatementCache &statements() { return m_statements; }
    // Whether the driver throws prepared statements away when a transaction
    // ends in a commit (or a rollback): the cache must then go with them.
    bool endDeletesStatements(bool commit) const
    {
        return commit ? m_commitDeletesStatements : m_rollbackDeletesStatements;
    }

    // Waits up to `timeout` for connects abandoned at the call limit to end
    // on their threads (at the end of the program, so that no driver runs
    // while the process winds down). True when none is left.
    static bool waitForAbandonedConnects(std::chrono::milliseconds timeout);

private:
    class Guard
    {
    public:
        explicit Guard(Connection &connection);
        ~Guard();
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        Connection &m_connection;
    };

    bool connectBounded(const QString &connectString, Failure &failure);
    bool setUpSession(bool autoCommit, Failure &failure);
    bool connectionIsDead() const;
    void release();

    WaitLimits m_limits;
    OdbcHandle m_environment { SQL_HANDLE_ENV };
    OdbcHandle m_connection { SQL_HANDLE_DBC };
    // The deadline on calls to a database server (none for an embedded
    // database, which has no socket): it goes before the connection, so
    // that its thread has stopped before the sockets go.
    std::unique_ptr<CallDeadline> m_deadline;
    StatementCache m_statements;
    bool m_lost = false;
    bool m_cutOff = false;
    bool m_commitDeletesStatements = false;
    bool m_rollbackDeletesStatements = false;
};

} // namespace db
