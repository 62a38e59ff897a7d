#include "db/Transaction.h"

#include "db/CallDeadline.h"
#include "db/OdbcHandle.h"
#include "db/OdbcIniSettings.h"
#include "db/ServerSockets.h"
#include "db/StatementCache.h"
#include "db/WaitLimits.h"

#include <sql.h>
#include <sqlext.h>

#include <QRegularExpression>

#include <cstring>
#include <utility>

using namespace Qt::StringLiterals;

namespace db {

namespace {

static_assert(
    sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager must use 2-byte SQLWCHAR (UTF-16)");

const SQLWCHAR *toSqlW(const QString &text)
{
    return reinterpret_cast<const SQLWCHAR *>(text.utf16());
}

SQLWCHAR *toSqlWMutable(QString &text)
{
    return reinterpret_cast<SQLWCHAR *>(text.data());
}

QString fromSqlW(const SQLWCHAR *text, qsizetype length)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text), length);
}

bool succeeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

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
// wrote it, trimmed, without empty records. The SQLSTATE and native code of
// the first record go to *firstState and *firstNative.
QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle, QString *firstState = nullptr,
    long *firstNative = nullptr)
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
            if (firstState)
                *firstState = fromSqlW(state, 5);
            if (firstNative)
                *firstNative = native;
        }
        appendDiagnosticLines(message, lines);
    }
    return lines.join(u'\n');
}

enum class ParamKind { Text, Double, Real, Integer, Null };

// One bound parameter. The buffers must stay where they are until the
// statement has run, so a vector of these is sized once and never grown.
struct BoundParameter
{
    ParamKind kind = ParamKind::Null;
    QString text;
    double doubleValue = 0;
    float realValue = 0;
    SQLBIGINT integerValue = 0;
    SQLLEN indicator = 0;
};

BoundParameter makeParameter(const QVariant &value)
{
    BoundParameter p;
    if (!value.isValid() || value.isNull()) {
        p.kind = ParamKind::Null;
        p.indicator = SQL_NULL_DATA;
        return p;
    }
    switch (value.typeId()) {
    case QMetaType::Double:
        p.kind = ParamKind::Double;
        p.doubleValue = value.toDouble();
        break;
    case QMetaType::Float:
        p.kind = ParamKind::Real;
        p.realValue = value.toFloat();
        break;
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        p.kind = ParamKind::Integer;
        p.integerValue = value.toLongLong();
        break;
    default:
        p.kind = ParamKind::Text;
        p.text = value.toString();
        p.indicator = SQLLEN(p.text.size() * qsizetype(sizeof(SQLWCHAR)));
        break;
    }
    return p;
}

SQLRETURN bindParameter(SQLHSTMT statement, SQLUSMALLINT number, BoundParameter &p)
{
    switch (p.kind) {
    case ParamKind::Text:
        // Column size in characters; drivers refuse 0, so an empty string
        // still declares one character.
        return SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_VARCHAR,
            SQLULEN(qMax<qsizetype>(p.text.size(), 1)), 0, toSqlWMutable(p.text), p.indicator,
            &p.indicator);
    case ParamKind::Double:
        return SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 15, 0,
            &p.doubleValue, 0, &p.indicator);
    case ParamKind::Real:
        return SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_FLOAT, SQL_REAL, 7, 0,
            &p.realValue, 0, &p.indicator);
    case ParamKind::Integer:
        return SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 19,
            0, &p.integerValue, 0, &p.indicator);
    case ParamKind::Null:
        break;
    }
    return SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_VARCHAR, 1, 0,
        nullptr, 0, &p.indicator);
}

} // namespace

struct Transaction::Impl
{
    OdbcHandle environment { SQL_HANDLE_ENV };
    OdbcHandle connection { SQL_HANDLE_DBC };
    // Whether connect() has succeeded and disconnect() not run since; the
    // handles above may be gone meanwhile, while the connection is lost.
    bool connected = false;
    // The connection was found broken: the next call makes it again.
    bool lost = false;
    QString connectString; // as DBParm gives it
    // Texts that must never reach an error message: the connect strings
    // (as given and as sent) and the password.
    QStringList secrets;
    // A statement that may have changed data ran since the last commit or
    // rollback: the transaction must stay open for the caller to end.
    bool pendingWrites = false;
    // Whether the driver throws prepared statements away when a transaction
    // ends (SQL_CB_DELETE); the cache must then be emptied with it.
    bool commitDeletesStatements = false;
    bool rollbackDeletesStatements = false;
    // The deadline on calls to a database server (none for an embedded
    // database, which has no socket): declared before the connection, so
    // that its thread has stopped before the sockets go.
    std::unique_ptr<CallDeadline> deadline;
    // Declared after the connection, so that its statements go first.
    StatementCache statements;
};

Transaction::Transaction()
    : d(std::make_unique<Impl>())
{ }

Transaction::~Transaction()
{
    disconnect();
}

QString Transaction::connectString() const
{
    // ConnectString='...' (or "..."), anywhere among comma-separated
    // parameters; the key is not case-sensitive.
    static const QRegularExpression pattern(uR"re(connectstring\s*=\s*(?:'([^']*)'|"([^"]*)"))re"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(DBParm);
    if (!match.hasMatch())
        return {};
    return match.capturedStart(1) >= 0 ? match.captured(1) : match.captured(2);
}

bool Transaction::isConnected() const
{
    return d->connected;
}

void Transaction::setSuccess(long rows)
{
    SQLCode = 0;
    SQLDBCode = 0;
    SQLState.clear();
    SQLErrText.clear();
    SQLNRows = rows;
}

void Transaction::setFailure(const QString &text, const QString &state, long native)
{
    SQLCode = -1;
    SQLDBCode = native;
    SQLState = state;
    SQLErrText = sanitized(text);
    SQLNRows = 0;
}

void Transaction::setFailureFrom(short handleType, void *handle, const QString &fallback)
{
    QString state;
    long native = 0;
    QString text = diagnostics(handleType, handle, &state, &native);
    if (text.isEmpty())
        text = fallback;
    const bool cutOff = d->deadline && d->deadline->expired();
    if (cutOff) {
        text = u"数据库服务器在 %1 秒内没有应答，连接已断开。"_s.arg(
                   std::chrono::duration_cast<std::chrono::seconds>(d->deadline->limit()).count())
            + u'\n' + text;
    }
    setFailure(text, state, native);
    // Class 08, a call cut off, or a connection the driver calls dead: the
    // connection itself failed, no statement prepared on it is of use any
    // more, and the next call makes it again.
    const bool connectionFailed
        = cutOff || state.startsWith(u"08"_s) || (d->connected && !d->lost && connectionIsDead());
    if (connectionFailed) {
        d->statements.clear();
        if (d->connected)
            d->lost = true;
    }
}

bool Transaction::connectionIsDead() const
{
    if (d->connection.get() == nullptr)
        return true;
    SQLUINTEGER dead = SQL_CD_FALSE;
    return succeeded(SQLGetConnectAttrW(
               d->connection.get(), SQL_ATTR_CONNECTION_DEAD, &dead, SQL_IS_UINTEGER, nullptr))
        && dead == SQL_CD_TRUE;
}

QString Transaction::sanitized(QString text) const
{
    // Drivers do not normally echo the connect string, but the text ends up
    // in a message box: make sure neither it nor the password is shown.
    for (const QString &secret : d->secrets) {
        if (!secret.isEmpty())
            text.replace(secret, u"***"_s);
    }
    return text;
}

bool Transaction::readParameters()
{
    if (!DBMS.isEmpty() && DBMS.compare(u"ODBC"_s, Qt::CaseInsensitive) != 0) {
        setFailure(u"不支持的数据库接口：%1"_s.arg(DBMS));
        return false;
    }
    d->connectString = connectString();
    d->secrets = QStringList { d->connectString };
    static const QRegularExpression passwordPattern(
        uR"((?:^|;)\s*(?:PWD|PASSWORD)\s*=\s*([^;]*))"_s,
        QRegularExpression::CaseInsensitiveOption);
    if (const auto match = passwordPattern.match(d->connectString); match.hasMatch())
        d->secrets.append(match.captured(1).trimmed());
    if (d->connectString.isEmpty()) {
        setFailure(u"DBParm 中没有连接字符串（ConnectString）。"_s);
        return false;
    }
    return true;
}

bool Transaction::openConnection()
{
    OdbcHandle environment(SQL_HANDLE_ENV);
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, environment.out()))) {
        setFailure(u"无法分配 ODBC 环境句柄。"_s);
        return false;
    }
    SQLRETURN rc = SQLSetEnvAttr(
        environment.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!succeeded(rc)) {
        setFailureFrom(SQL_HANDLE_ENV, environment.get(), u"无法设置 ODBC 版本。"_s);
        return false;
    }
    OdbcHandle connection(SQL_HANDLE_DBC);
    rc = SQLAllocHandle(SQL_HANDLE_DBC, environment.get(), connection.out());
    if (!succeeded(rc)) {
        setFailureFrom(SQL_HANDLE_ENV, environment.get(), u"无法分配 ODBC 连接句柄。"_s);
        return false;
    }
    // The connect string goes to the driver manager as it stands, with the
    // wait limits that neither it nor its data source sets added at its end.
    QString in = WaitLimits::applyTo(d->connectString, OdbcIniSettings());
    if (!d->secrets.contains(in))
        d->secrets.prepend(in); // the longer text first: it holds the other
    const ServerSockets before = ServerSockets::ofProcess();
    SQLWCHAR out[1024] = {};
    SQLSMALLINT outLength = 0;
    rc = SQLDriverConnectW(connection.get(), nullptr, toSqlWMutable(in), SQLSMALLINT(in.size()),
        out, SQLSMALLINT(std::size(out)), &outLength, SQL_DRIVER_NOPROMPT);
    // The completed connect string may hold the password: wipe it.
    std::memset(out, 0, sizeof out);
    if (!succeeded(rc)) {
        setFailureFrom(SQL_HANDLE_DBC, connection.get(), u"数据库连接失败。"_s);
        return false;
    }
    // The sockets that appeared while the driver connected are this
    // connection's: the deadline shuts them down when a call hangs.
    const ServerSockets sockets = ServerSockets::ofProcess().openedSince(before);
    std::unique_ptr<CallDeadline> deadline;
    if (!sockets.empty()) {
        deadline = std::make_unique<CallDeadline>(
            WaitLimits::kCallLimit, [sockets] { sockets.shutDown(); });
    }
    {
        const CallDeadline::Call call(deadline.get());
        if (!setUpSession(connection.get())) {
            SQLDisconnect(connection.get());
            return false;
        }
    }
    d->statements.clear();
    d->deadline = std::move(deadline);
    d->environment = std::move(environment);
    d->connection = std::move(connection);
    d->lost = false;
    d->pendingWrites = false;
    return true;
}

bool Transaction::setUpSession(void *handle)
{
    SQLHDBC connection = handle;
    if (!AutoCommit) {
        const SQLRETURN rc = SQLSetConnectAttrW(connection, SQL_ATTR_AUTOCOMMIT,
            reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), SQL_IS_UINTEGER);
        if (!succeeded(rc)) {
            setFailureFrom(SQL_HANDLE_DBC, connection, u"无法关闭自动提交。"_s);
            return false;
        }
    }
    SQLUSMALLINT commitBehavior = SQL_CB_PRESERVE;
    SQLUSMALLINT rollbackBehavior = SQL_CB_PRESERVE;
    if (!succeeded(SQLGetInfoW(connection, SQL_CURSOR_COMMIT_BEHAVIOR, &commitBehavior,
            sizeof commitBehavior, nullptr)))
        commitBehavior = SQL_CB_DELETE;
    if (!succeeded(SQLGetInfoW(connection, SQL_CURSOR_ROLLBACK_BEHAVIOR, &rollbackBehavior,
            sizeof rollbackBehavior, nullptr)))
        rollbackBehavior = SQL_CB_DELETE;
    d->commitDeletesStatements = commitBehavior == SQL_CB_DELETE;
    d->rollbackDeletesStatements = rollbackBehavior == SQL_CB_DELETE;
    return true;
}

void Transaction::connect()
{
    if (d->connected) {
        setFailure(u"事务已连接数据库。"_s);
        return;
    }
    if (!readParameters() || !openConnection())
        return;
    d->connected = true;
    setSuccess();
}

void Transaction::closeConnection()
{
    // The prepared statements go before their connection, the deadline's
    // thread before the sockets it may shut down.
    d->statements.clear();
    d->deadline.reset();
    if (d->connection.get() != nullptr)
        SQLDisconnect(d->connection.get());
    d->connection.reset();
    d->environment.reset();
}

bool Transaction::restoreConnection()
{
    if (d->pendingWrites) {
        setFailure(u"与数据库的连接已断开，本事务中未提交的修改已丢失。"_s);
        return false;
    }
    closeConnection();
    return openConnection();
}

void Transaction::disconnect()
{
    if (!d->connected) {
        setSuccess();
        return;
    }
    if (d->lost) {
        // Nothing is left to end on a lost connection: its server has
        // dropped the transaction with it.
        closeConnection();
        setSuccess();
    } else {
        d->statements.clear();
        SQLRETURN rc = SQL_SUCCESS;
        {
            const CallDeadline::Call call(d->deadline.get());
            // Work that was neither committed nor rolled back is dropped,
            // never committed behind the caller's back.
            if (!AutoCommit)
                SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_ROLLBACK);
            rc = SQLDisconnect(d->connection.get());
        }
        if (succeeded(rc))
            setSuccess();
        else
            setFailureFrom(SQL_HANDLE_DBC, d->connection.get(), u"断开数据库连接失败。"_s);
        d->deadline.reset();
        d->connection.reset();
        d->environment.reset();
    }
    d->connected = false;
    d->lost = false;
    d->pendingWrites = false;
}

void Transaction::endTransaction(bool commitWork)
{
    if (!d->connected) {
        setFailure(u"事务未连接数据库。"_s);
        return;
    }
    if (d->lost) {
        // The server has dropped the transaction with the connection: a
        // rollback has nothing left to do, a commit of written work fails.
        if (commitWork && d->pendingWrites) {
            setFailure(u"与数据库的连接已断开，本事务中未提交的修改已丢失。"_s);
            return;
        }
        d->pendingWrites = false;
        setSuccess();
        return;
    }
    SQLRETURN rc = SQL_SUCCESS;
    {
        const CallDeadline::Call call(d->deadline.get());
        rc = SQLEndTran(
            SQL_HANDLE_DBC, d->connection.get(), commitWork ? SQL_COMMIT : SQL_ROLLBACK);
    }
    if (commitWork ? d->commitDeletesStatements : d->rollbackDeletesStatements)
        d->statements.clear();
    if (succeeded(rc)) {
        d->pendingWrites = false;
        setSuccess();
    } else {
        setFailureFrom(
            SQL_HANDLE_DBC, d->connection.get(), commitWork ? u"提交失败。"_s : u"回滚失败。"_s);
        // A rollback that failed on a connection now lost has still ended
        // the transaction: the server drops it with the connection.
        if (!commitWork && d->lost)
            d->pendingWrites = false;
    }
}

void Transaction::endReadOnlyTransaction()
{
    // With autocommit off the driver opened a transaction for the read; with
    // nothing written since the last commit or rollback there is nothing to
    // keep, and leaving it open would hold the read's locks (a shared lock
    // on the whole SQLite file, a lock on the table on PostgreSQL) for as
    // long as the window that read stays open. The rollback leaves the
    // read's own result (SQLCode, SQLErrText, SQLNRows) as it is.
    if (!d->connected || d->lost || AutoCommit || d->pendingWrites)
        return;
    {
        const CallDeadline::Call call(d->deadline.get());
        SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_ROLLBACK);
    }
    if (d->rollbackDeletesStatements)
        d->statements.clear();
}

bool Transaction::hasPendingWrites() const
{
    return d->connected && d->pendingWrites;
}

void Transaction::commit()
{
    endTransaction(true);
}

void Transaction::rollback()
{
    endTransaction(false);
}

namespace {

// Reads one column of the current row as text, in as many pieces as the
// driver needs for a long value. nullopt for SQL NULL; false on failure.
bool readColumn(SQLHSTMT statement, SQLUSMALLINT column, std::optional<QString> &value)
{
    QString result;
    SQLWCHAR buffer[512];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc
            = SQLGetData(statement, column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        if (!succeeded(rc))
            return false;
        if (indicator == SQL_NULL_DATA) {
            value.reset();
            return true;
        }
        const qsizetype capacity = qsizetype(std::size(buffer)) - 1;
        qsizetype chars = capacity;
        if (indicator != SQL_NO_TOTAL && indicator >= 0)
            chars = qMin<qsizetype>(capacity, qsizetype(indicator) / qsizetype(sizeof(SQLWCHAR)));
        if (rc == SQL_SUCCESS_WITH_INFO && chars == capacity) {
            // Truncated (01004): this piece fills the buffer, read on.
            result.append(fromSqlW(buffer, capacity));
            continue;
        }
        result.append(fromSqlW(buffer, chars));
        break;
    }
    value = result;
    return true;
}

} // namespace

bool Transaction::run(const QString &sql, const std::vector<QVariant> &params, bool writes,
    const std::function<bool(void *)> &onResult)
{
    if (!d->connected) {
        setFailure(u"事务未连接数据库。"_s);
        return false;
    }
    if (d->lost && !restoreConnection())
        return false;
    // Whether or not it succeeds, a statement that returns no rows may have
    // changed data (or, failing, spoilt the transaction): only the caller's
    // commit or rollback ends the transaction now.
    if (writes)
        d->pendingWrites = true;
    const CallDeadline::Call call(d->deadline.get());
    // A statement prepared before is taken out of the cache while it runs
    // and goes back only when it has run without fault: on every failure
    // below, `statement` is freed as it goes out of scope, its cursor with it.
    OdbcHandle statement = d->statements.take(sql);
    SQLRETURN rc = SQL_SUCCESS;
    if (statement.get() == nullptr) {
        rc = SQLAllocHandle(SQL_HANDLE_STMT, d->connection.get(), statement.out());
        if (!succeeded(rc)) {
            setFailureFrom(SQL_HANDLE_DBC, d->connection.get(), u"无法分配语句句柄。"_s);
            return false;
        }
        rc = SQLPrepareW(
            statement.get(), const_cast<SQLWCHAR *>(toSqlW(sql)), SQLINTEGER(sql.size()));
        if (!succeeded(rc)) {
            setFailureFrom(SQL_HANDLE_STMT, statement.get(), u"语句准备失败。"_s);
            return false;
        }
    }
    std::vector<BoundParameter> bound;
    bound.reserve(params.size());
    for (const QVariant &value : params)
        bound.push_back(makeParameter(value));
    for (std::size_t i = 0; i < bound.size(); ++i) {
        rc = bindParameter(statement.get(), SQLUSMALLINT(i + 1), bound[i]);
        if (!succeeded(rc)) {
            setFailureFrom(SQL_HANDLE_STMT, statement.get(), u"参数绑定失败。"_s);
            return false;
        }
    }
    rc = SQLExecute(statement.get());
    if (rc == SQL_NO_DATA) {
        // A searched UPDATE or DELETE that matched no row.
        setSuccess(0);
    } else if (!succeeded(rc)) {
        setFailureFrom(SQL_HANDLE_STMT, statement.get(), u"语句执行失败。"_s);
        return false;
    } else {
        SQLLEN rows = 0;
        if (!succeeded(SQLRowCount(statement.get(), &rows)))
            rows = 0;
        setSuccess(long(rows));
    }
    if (onResult && !onResult(statement.get()))
        return false;
    // A statement is kept with its cursor closed, so that it holds no
    // result and no lock, and with its parameters unbound, so that it keeps
    // no pointer into this call's buffers. One the driver will not reset is
    // freed instead.
    if (succeeded(SQLFreeStmt(statement.get(), SQL_CLOSE))
        && succeeded(SQLFreeStmt(statement.get(), SQL_RESET_PARAMS)))
        d->statements.put(sql, std::move(statement));
    return true;
}

bool Transaction::execute(const QString &sql, const std::vector<QVariant> &params)
{
    return run(sql, params, true, {});
}

std::optional<std::vector<Transaction::Row>> Transaction::fetchRows(
    const QString &sql, const std::vector<QVariant> &params, long maxRows)
{
    std::vector<Row> rows;
    const bool ok = run(sql, params, false, [&](void *handle) {
        SQLHSTMT statement = handle;
        SQLSMALLINT columns = 0;
        if (!succeeded(SQLNumResultCols(statement, &columns))) {
            setFailureFrom(SQL_HANDLE_STMT, statement, u"无法读取结果列。"_s);
            return false;
        }
        for (;;) {
            if (maxRows >= 0 && long(rows.size()) >= maxRows)
                break;
            const SQLRETURN rc = SQLFetch(statement);
            if (rc == SQL_NO_DATA)
                break;
            if (!succeeded(rc)) {
                setFailureFrom(SQL_HANDLE_STMT, statement, u"读取结果行失败。"_s);
                return false;
            }
            Row row(static_cast<std::size_t>(columns));
            for (SQLSMALLINT c = 1; c <= columns; ++c) {
                if (!readColumn(statement, SQLUSMALLINT(c), row[std::size_t(c - 1)])) {
                    setFailureFrom(SQL_HANDLE_STMT, statement, u"读取列值失败。"_s);
                    return false;
                }
            }
            rows.push_back(std::move(row));
        }
        return true;
    });
    // The statement's cursor is closed by now: a read with nothing pending
    // ends its transaction, also when it failed.
    endReadOnlyTransaction();
    if (!ok)
        return std::nullopt;
    SQLNRows = long(rows.size());
    return rows;
}

std::optional<std::vector<Transaction::Row>> Transaction::select(
    const QString &sql, const std::vector<QVariant> &params)
{
    return fetchRows(sql, params, -1);
}

std::optional<Transaction::Row> Transaction::selectSingleRow(
    const QString &sql, const std::vector<QVariant> &params)
{
    // Two rows are enough to tell "exactly one" from "more than one".
    auto rows = fetchRows(sql, params, 2);
    if (!rows)
        return std::nullopt;
    if (rows->empty()) {
        SQLCode = 100;
        SQLNRows = 0;
        return std::nullopt;
    }
    if (rows->size() > 1) {
        setFailure(u"单行查询返回了多于一行的结果。"_s);
        return std::nullopt;
    }
    SQLNRows = 1;
    return std::move(rows->front());
}

} // namespace db
