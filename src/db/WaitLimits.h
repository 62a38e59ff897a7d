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
// The limits go into the connect string, each only where the data source
// (or the connect string, or the client library's environment variable)
// does not set it already, so that a school's own setting always wins:
//
// - SQLite (the embedded default): "Timeout", the driver's wait for a lock
//   that another program holds; the driver's own default is 100 s.
// - PostgreSQL through psqlODBC: the driver's keep-alive settings
//   ("KeepaliveTime", "KeepaliveInterval") and, in its "pqopt" attribute,
//   the client library's connect_timeout, keepalives_count and
//   tcp_user_timeout (a lost server or network) and, in "options", the
//   session's lock_timeout and statement_timeout (a lock held elsewhere, a
//   statement that runs too long). A "pqopt" of the data source is kept
//   with the program's keys added to it: the one in the connect string
//   would replace it whole.
//
// Any other driver gets the connect string as it was.
class WaitLimits
{
public:
    enum class Driver { Sqlite, Postgres, Other };

    // What the user waits for at most on one call to a database server:
    // a call on a connection that has not answered by then is cut off (see
    // CallDeadline).
    static constexpr std::chrono::seconds kCallLimit { 10 };
    // A lock held elsewhere: PostgreSQL's lock_timeout, and SQLite's
    // "Timeout", which the SQLite driver waits twice over in a call that
    // finds the database locked (5 s in all).
    static constexpr std::chrono::milliseconds kLockWait { 5000 };
    static constexpr std::chrono::milliseconds kSqliteBusyTimeout { 2500 };
    // One statement on the server, lock waits included.
    static constexpr std::chrono::milliseconds kStatementTime { 8000 };
    // Establishing a connection to the server.
    static constexpr std::chrono::seconds kConnectTime { 5 };
    // Data sent that the server's machine does not acknowledge.
    static constexpr std::chrono::milliseconds kUnacknowledgedTime { 5000 };
    // An idle connection is probed after 2 s, then every second; three
    // probes without answer end it.
    static constexpr std::chrono::seconds kKeepaliveIdle { 2 };
    static constexpr std::chrono::seconds kKeepaliveInterval { 1 };
    static constexpr int kKeepaliveCount = 3;

    // The driver that `connect` reaches, by the library file its DRIVER
    // attribute or its data source names.
    static Driver driverOf(const ConnectString &connect, const DataSourceSettings &settings);

    // `connect` with the limits added that neither it nor its data source
    // sets.
    static QString applyTo(const QString &connect, const DataSourceSettings &settings);
};

} // namespace db
