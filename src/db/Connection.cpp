#include "db/Connection.h"

#include "db/CallDeadline.h"
#include "db/ConnectString.h"
#include "db/OdbcIniSettings.h"
#include "db/OdbcText.h"
#include "db/ServerSockets.h"

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace db {

namespace {

// Adds one diagnostic record's text to `lines`, one line per line of the
// record, each trimmed. Drivers indent continuation lines with tabs (the
// PostgreSQL client's "\tIs the server running ..."), end a record with a
// line break, and psqlODBC joins the server's message and its own with
// ";\n": that ";" only separates two lines and is dropped. Empty lines go.
void appendDiagnosticLines(const QString &record, QStringList &lines)
{
    const QStringList pieces = record.split(u'\n');
    QStringList kept;
    for (const QString &piece : pieces) {
        const QString line = piece.trimmed();
        if (!line.isEmpty() && line != u";")
            kept.append(line);
    }
    for (qsizetype i = 0; i + 1 < kept.size(); ++i) {
        if (kept[i].endsWith(u';'))
            kept[i] = kept[i].chopped(1).trimmed();
    }
    lines.append(kept);
}

// All diagnostic records of a handle, each on its own line(s) as the driver
// wrote it, trimmed, without empty records; the SQLSTATE and native code of
// the first record go into `failure`.
QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle, Connection::Failure &failure)
{
    QStringList lines;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        // First ask for the length, then read the whole text.
        SQLRETURN rc
            = SQLGetDiagRecW(handleType, handle, record, state, &native, nullptr, 0, &length);
        if (!succeeded(rc))
            break;
        QString message(qsizetype(length) + 1, QChar(0));
        rc = SQLGetDiagRecW(handleType, handle, record, state, &native, toSqlWMutable(message),
            SQLSMALLINT(message.size()), &length);
        if (!succeeded(rc))
            break;
        message.truncate(qMin<qsizetype>(length, message.size() - 1));
        if (record == 1) {
            failure.state = fromSqlW(state, 5);
            failure.native = native;
        }
        appendDiagnosticLines(message, lines);
    }
    return lines.join(u'\n');
}

// One connect on a thread of its own. The state is shared between the
// caller, who may stop waiting for it, and the thread, which then frees
// the handles itself once the driver returns.
struct ConnectAttempt
{
    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
    bool abandoned = false;
    SQLRETURN rc = SQL_ERROR;
    OdbcHandle environment { SQL_HANDLE_ENV };
    OdbcHandle connection { SQL_HANDLE_DBC };
    QString connectString;
};

// The connects abandoned at the call limit whose threads still run.
struct AbandonedConnects
{
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0;
};

AbandonedConnects &abandonedConnects()
{
    // Never destroyed: a thread may still count itself out while the
    // process winds down.
    static auto *connects = new AbandonedConnects;
    return *connects;
}

void runConnect(const std::shared_ptr<ConnectAttempt> &attempt)
{
    SQLWCHAR out[1024] = {};
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc = SQLDriverConnectW(attempt->connection.get(), nullptr,
        toSqlWMutable(attempt->connectString), SQLSMALLINT(attempt->connectString.size()), out,
        SQLSMALLINT(std::size(out)), &outLength, SQL_DRIVER_NOPROMPT);
    // The completed connect string may hold the password: wipe it.
    std::memset(out, 0, sizeof out);
    std::unique_lock lock(attempt->mutex);
    attempt->rc = rc;
    attempt->finished = true;
    if (!attempt->abandoned) {
        attempt->finishedChanged.notify_all();
        return;
    }
    lock.unlock();
    // Nobody waits for this connection any more: end it here.
    if (succeeded(rc))
        SQLDisconnect(attempt->connection.get());
    attempt->connection.reset();
    attempt->environment.reset();
    AbandonedConnects &connects = abandonedConnects();
    const std::lock_guard count(connects.mutex);
    --connects.running;
    connects.changed.notify_all();
}

// Says once per run that calls to a server cannot be cut off.
void reportUnboundedCalls(const WaitLimits &limits)
{
    static std::once_flag reported;
    std::call_once(reported, [&limits] {
        std::fprintf(stderr,
            "kelvaro: the database connection's sockets were not found; calls to the server "
            "cannot be cut off after %s s\n",
            qPrintable(limits.callLimitText()));
    });
}

} // namespace

Connection::Guard::Guard(Connection &connection)
    : m_connection(connection)
{
    m_connection.m_cutOff = false;
    if (m_connection.m_deadline)
        m_connection.m_deadline->begin();
}

Connection::Guard::~Guard()
{
    if (m_connection.m_deadline && m_connection.m_deadline->end()) {
        m_connection.m_cutOff = true;
        m_connection.m_lost = true;
        // The statements were prepared on the connection just shut down.
        m_connection.m_statements.clear();
    }
}

Connection::Connection() = default;

Connection::~Connection()
{
    Failure ignored;
    close(false, ignored);
}

QString Connection::cutOffText() const
{
    return u"数据库服务器在 %1 秒内没有应答，连接已断开。"_s.arg(m_limits.callLimitText());
}

Connection::Failure Connection::failureFrom(
    SQLSMALLINT handleType, SQLHANDLE handle, const QString &fallback)
{
    Failure failure;
    failure.text = handle != nullptr ? diagnostics(handleType, handle, failure) : QString();
    if (failure.text.isEmpty())
        failure.text = fallback;
    // Asked inside a guarded call (the call's own failure) or right after it.
    const bool cutOff = m_cutOff || (m_deadline && m_deadline->cutOff());
    if (cutOff)
        failure.text = cutOffText() + u'\n' + failure.text;
    // Class 08, a call cut off, or a connection the driver calls dead: the
    // connection itself failed, and no statement prepared on it is of use.
    if (cutOff || failure.state.startsWith(u"08"_s)
        || (isOpen() && !m_lost && connectionIsDead())) {
        m_lost = true;
        m_statements.clear();
    }
    return failure;
}

bool Connection::connectionIsDead() const
{
    if (m_connection.get() == nullptr)
        return true;
    SQLUINTEGER dead = SQL_CD_FALSE;
    return succeeded(SQLGetConnectAttrW(
               m_connection.get(), SQL_ATTR_CONNECTION_DEAD, &dead, SQL_IS_UINTEGER, nullptr))
        && dead == SQL_CD_TRUE;
}

bool Connection::connectBounded(const QString &connectString, Failure &failure)
{
    auto attempt = std::make_shared<ConnectAttempt>();
    attempt->connectString = connectString;
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, attempt->environment.out()))) {
        failure.text = u"无法分配 ODBC 环境句柄。"_s;
        return false;
    }
    if (!succeeded(SQLSetEnvAttr(attempt->environment.get(), SQL_ATTR_ODBC_VERSION,
            reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0))) {
        failure
            = failureFrom(SQL_HANDLE_ENV, attempt->environment.get(), u"无法设置 ODBC 版本。"_s);
        return false;
    }
    if (!succeeded(SQLAllocHandle(
            SQL_HANDLE_DBC, attempt->environment.get(), attempt->connection.out()))) {
        failure = failureFrom(
            SQL_HANDLE_ENV, attempt->environment.get(), u"无法分配 ODBC 连接句柄。"_s);
        return false;
    }

    // The sockets that appear while the driver connects are told apart by
    // looking before and after: one connect at a time in the whole process
    // (a test's second connection on a thread of its own, say), so that no
    // other connection's socket can appear meanwhile.
    static std::mutex oneConnectAtATime;
    const std::lock_guard connecting(oneConnectAtATime);
    const ServerSockets before = ServerSockets::ofProcess(true);
    std::thread(runConnect, attempt).detach();
    std::unique_lock lock(attempt->mutex);
    if (!attempt->finishedChanged.wait_for(
            lock, m_limits.callLimit, [&attempt] { return attempt->finished; })) {
        // The driver has not connected within the limit (a name server or
        // an address that does not answer): leave it to end on its thread,
        // and end the sockets it has opened so far, so that it ends soon.
        attempt->abandoned = true;
        {
            const std::lock_guard count(abandonedConnects().mutex);
            ++abandonedConnects().running;
        }
        lock.unlock();
        ServerSockets::ofProcess(true).openedSince(before).shutDown();
        failure.text = cutOffText();
        return false;
    }
    lock.unlock();
    if (!succeeded(attempt->rc)) {
        failure = failureFrom(SQL_HANDLE_DBC, attempt->connection.get(), u"数据库连接失败。"_s);
        return false;
    }
    m_environment = std::move(attempt->environment);
    m_connection = std::move(attempt->connection);
    m_lost = false;

    // The sockets that appeared while the driver connected are this
    // connection's: the deadline shuts them down when a call hangs. An
    // embedded database has none and needs none.
    const ServerSockets sockets = ServerSockets::ofProcess().openedSince(before);
    if (!sockets.empty()) {
        m_deadline
            = std::make_unique<CallDeadline>(m_limits.callLimit, [sockets] { sockets.shutDown(); });
    } else if (WaitLimits::driverOf(ConnectString(connectString), OdbcIniSettings())
        != WaitLimits::Driver::Sqlite) {
        reportUnboundedCalls(m_limits);
    }
    return true;
}

bool Connection::open(
    const QString &connectString, const WaitLimits &limits, bool autoCommit, Failure &failure)
{
    release();
    m_limits = limits;
    m_cutOff = false;
    if (!connectBounded(connectString, failure))
        return false;
    if (!setUpSession(autoCommit, failure)) {
        guarded([this] { return SQLDisconnect(m_connection.get()); });
        release();
        return false;
    }
    return true;
}

bool Connection::setUpSession(bool autoCommit, Failure &failure)
{
    return guarded([&] {
        if (!autoCommit) {
            const SQLRETURN rc = SQLSetConnectAttrW(m_connection.get(), SQL_ATTR_AUTOCOMMIT,
                reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), SQL_IS_UINTEGER);
            if (!succeeded(rc)) {
                failure = failureFrom(SQL_HANDLE_DBC, m_connection.get(), u"无法关闭自动提交。"_s);
                return false;
            }
        }
        SQLUSMALLINT commitBehavior = SQL_CB_PRESERVE;
        SQLUSMALLINT rollbackBehavior = SQL_CB_PRESERVE;
        if (!succeeded(SQLGetInfoW(m_connection.get(), SQL_CURSOR_COMMIT_BEHAVIOR, &commitBehavior,
                sizeof commitBehavior, nullptr)))
            commitBehavior = SQL_CB_DELETE;
        if (!succeeded(SQLGetInfoW(m_connection.get(), SQL_CURSOR_ROLLBACK_BEHAVIOR,
                &rollbackBehavior, sizeof rollbackBehavior, nullptr)))
            rollbackBehavior = SQL_CB_DELETE;
        m_commitDeletesStatements = commitBehavior == SQL_CB_DELETE;
        m_rollbackDeletesStatements = rollbackBehavior == SQL_CB_DELETE;
        return true;
    }) && !m_cutOff;
}

bool Connection::close(bool autoCommit, Failure &failure)
{
    if (!isOpen())
        return true;
    m_statements.clear();
    bool ok = true;
    if (!m_lost) {
        const SQLRETURN rc = guarded([&] {
            // Work that was neither committed nor rolled back is dropped,
            // never committed behind the caller's back.
            if (!autoCommit)
                SQLEndTran(SQL_HANDLE_DBC, m_connection.get(), SQL_ROLLBACK);
            return SQLDisconnect(m_connection.get());
        });
        if (!succeeded(rc)) {
            failure = failureFrom(SQL_HANDLE_DBC, m_connection.get(), u"断开数据库连接失败。"_s);
            ok = false;
        }
    }
    release();
    return ok;
}

void Connection::release()
{
    // The prepared statements go before their connection, the deadline's
    // thread before the sockets it may shut down. A lost connection is
    // still disconnected, which frees the driver's side of it.
    m_statements.clear();
    if (m_connection.get() != nullptr && m_lost)
        guarded([this] { return SQLDisconnect(m_connection.get()); });
    m_deadline.reset();
    m_connection.reset();
    m_environment.reset();
    m_lost = false;
}

bool Connection::waitForAbandonedConnects(std::chrono::milliseconds timeout)
{
    AbandonedConnects &connects = abandonedConnects();
    std::unique_lock lock(connects.mutex);
    return connects.changed.wait_for(lock, timeout, [&connects] { return connects.running == 0; });
}

} // namespace db
