#pragma once

#include <QString>

#include <chrono>

namespace db {

class ConnectString;
class DataSourceSettings;

// How long one database call may wait, and how the program tells the
// drivers so. A user waits for the window while a call runs: a lock that
// another session holds, a server that is gone or a network that is lost
// must end in a failure the window can report, never in a window that no
// longer answers.
//
// The program hands its limits to the transaction at start-up (the values
// below are its own); the tests hand in shorter ones so that they wait
// less for the same paths.
//
// Two things bound a call:
//
// - The call limit, kept by the program itself (CallDeadline on the
//   connection's sockets, see Connection and ServerSockets): a call to a
//   server, connecting included, that has not returned by then is cut off.
//   Only this holds when the server or the network is gone, whatever the
//   driver and its settings do.
// - The limits the drivers and the server keep themselves, which end the
//   ordinary waits sooner and with their own message while the connection
//   stays usable. They go into the connect string, each only where the
//   data source (or the connect string, or the client library's
//   environment variable) does not set it already, so that a school's own
//   setting always wins:
//   - SQLite (the embedded default): "Timeout", the driver's wait for a
//     lock that another program holds; the driver's own default is 100 s.
//   - PostgreSQL through psqlODBC: the driver's keep-alive settings
//     ("KeepaliveTime", "KeepaliveInterval") and, in its "pqopt" attribute,
//     the client library's connect_timeout, keepalives_count and
//     tcp_user_timeout (a lost server or network) and, in "options", the
//     session's lock_timeout and statement_timeout (a lock held elsewhere,
//     a statement that runs too long). A "pqopt" of the data source is kept
//     with the program's keys added to it: the one in the connect string
//     would replace it whole. A setting in "options" counts as the user's
//     however it is spelt, as the server reads it ("-c LOCK_TIMEOUT=1s",
//     "--lock-timeout=1s").
//   Any other driver gets the connect string as it was.
//
// Why not the standard ODBC attributes: SQL_ATTR_QUERY_TIMEOUT becomes a
// server-side statement_timeout in psqlODBC, which a stopped server or a
// lost network never applies; SQL_ATTR_LOGIN_TIMEOUT is turned into a
// connect_timeout that collides with the one in "pqopt" and, like it,
// applies per address and leaves the name lookup out;
// SQL_ATTR_CONNECTION_TIMEOUT is not supported by either driver; and
// SQLCancel opens a second connection to the very server that does not
// answer. Shutting the connection's own sockets down ends every one of
// those waits on the caller's thread.
struct WaitLimits
{
    enum class Driver { Sqlite, Postgres, Other };

    // What the user waits for at most on one call to a database server,
    // connecting included: a call that has not returned by then is cut off.
    std::chrono::milliseconds callLimit { 10000 };
    // A lock held elsewhere: PostgreSQL's lock_timeout, and SQLite's
    // "Timeout" (sqliteBusyTimeout), which the SQLite driver waits twice
    // over in a call that finds the database locked.
    std::chrono::milliseconds lockWait { 5000 };
    std::chrono::milliseconds sqliteBusyTimeout { 2500 };
    // One statement on the server, lock waits included.
    std::chrono::milliseconds statementTime { 8000 };
    // Establishing a connection to one of the server's addresses (the
    // client library takes no less than 2 s).
    std::chrono::seconds connectTime { 5 };
    // Data sent that the server's machine does not acknowledge.
    std::chrono::milliseconds unacknowledgedTime { 5000 };
    // An idle connection is probed after keepaliveIdle, then every
    // keepaliveInterval; keepaliveCount probes without answer end it.
    std::chrono::seconds keepaliveIdle { 2 };
    std::chrono::seconds keepaliveInterval { 1 };
    int keepaliveCount = 3;

    // The driver that `connect` reaches, by the library file its DRIVER
    // attribute or its data source names.
    static Driver driverOf(const ConnectString &connect, const DataSourceSettings &settings);

    // Whether the server options `options` ("-c name=value --name=value
    // ...") set the setting `name`, compared as the server compares names:
    // in any case, a dash standing for an underscore.
    static bool optionsSet(const QString &options, const QString &name);

    // `connect` with the limits added that neither it nor its data source
    // sets.
    QString applyTo(const QString &connect, const DataSourceSettings &settings) const;

    // The call limit as the user reads it in a message ("10", "1.5").
    QString callLimitText() const;
};

} // namespace db
