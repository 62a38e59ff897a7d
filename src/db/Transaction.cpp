#include "db/Transaction.h"

#include "db/Connection.h"
#include "db/OdbcHandle.h"
#include "db/OdbcIniSettings.h"
#include "db/OdbcText.h"
#include "db/StatementCache.h"

#include <QRegularExpression>

#include <utility>

using namespace Qt::StringLiterals;

namespace db {

namespace {

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
    Connection connection;
    State state = State::Closed;
    WaitLimits limits;
    QString connectString; // as DBParm gives it
    // Texts that must never reach an error message: the connect strings
    // (as given and as sent) and the password.
    QStringList secrets;
    // A statement that may have changed data ran since the last commit or
    // rollback: the transaction must stay open for the caller to end.
    bool pendingWrites = false;
};

Transaction::Transaction()
    : d(std::make_unique<Impl>())
{ }

Transaction::~Transaction()
{
    disconnect();
}

void Transaction::setWaitLimits(const WaitLimits &limits)
{
    d->limits = limits;
}

const WaitLimits &Transaction::waitLimits() const
{
    return d->limits;
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

Transaction::State Transaction::state() const
{
    if (d->state == State::Open && d->connection.isLost())
        return State::Lost;
    return d->state;
}

bool Transaction::isConnected() const
{
    return d->state != State::Closed;
}

Transaction::Result Transaction::result() const
{
    return { SQLCode, SQLErrText, SQLNRows, SQLState, SQLDBCode };
}

void Transaction::setResult(const Result &result)
{
    SQLCode = result.code;
    SQLErrText = sanitized(result.errText);
    SQLNRows = result.rows;
    SQLState = result.state;
    SQLDBCode = result.dbCode;
}

void Transaction::setSuccess(long rows)
{
    setResult({ 0, {}, rows, {}, 0 });
}

void Transaction::setFailure(const QString &text)
{
    setResult(Result::failure(text));
}

void Transaction::setFailure(const CallFailure &failure)
{
    setResult({ -1, failure.text, 0, failure.state, failure.native });
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
    // The connect string goes to the driver manager as it stands, with the
    // wait limits that neither it nor its data source sets added at its end.
    const QString in = d->limits.applyTo(d->connectString, OdbcIniSettings());
    if (!d->secrets.contains(in))
        d->secrets.prepend(in); // the longer text first: it holds the other
    Connection::Failure failure;
    if (!d->connection.open(in, d->limits, AutoCommit, failure)) {
        setFailure(failure);
        return false;
    }
    d->pendingWrites = false;
    return true;
}

void Transaction::connect()
{
    if (d->state != State::Closed) {
        setFailure(u"事务已连接数据库。"_s);
        return;
    }
    if (!readParameters() || !openConnection())
        return;
    d->state = State::Open;
    setSuccess();
}

bool Transaction::restoreConnection()
{
    if (d->pendingWrites) {
        setFailure(u"与数据库的连接已断开，本事务中未提交的修改已丢失。"_s);
        return false;
    }
    Connection::Failure ignored; // the server has dropped the lost session
    d->connection.close(AutoCommit, ignored);
    if (!openConnection()) {
        d->state = State::Lost;
        return false;
    }
    d->state = State::Open;
    return true;
}

void Transaction::disconnect()
{
    if (d->state == State::Closed) {
        setSuccess();
        return;
    }
    // Nothing is left to end on a lost connection: its server has dropped
    // the transaction with it. Otherwise work that was neither committed
    // nor rolled back is dropped, never committed behind the caller's back.
    Connection::Failure failure;
    if (d->connection.close(AutoCommit, failure))
        setSuccess();
    else
        setFailure(failure);
    d->state = State::Closed;
    d->pendingWrites = false;
}

void Transaction::endTransaction(bool commitWork)
{
    if (state() == State::Closed) {
        setFailure(u"事务未连接数据库。"_s);
        return;
    }
    if (state() == State::Lost) {
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
    Connection &connection = d->connection;
    const SQLRETURN rc = connection.guarded([&connection, commitWork] {
        return SQLEndTran(
            SQL_HANDLE_DBC, connection.handle(), commitWork ? SQL_COMMIT : SQL_ROLLBACK);
    });
    if (connection.endDeletesStatements(commitWork))
        connection.statements().clear();
    if (succeeded(rc)) {
        // Ended, even if the deadline cut the connection just as the server
        // answered (it is lost then, and the next call makes it again).
        d->pendingWrites = false;
        setSuccess();
        return;
    }
    setFailure(connection.failureFrom(
        SQL_HANDLE_DBC, connection.handle(), commitWork ? u"提交失败。"_s : u"回滚失败。"_s));
    // A rollback that failed on a connection now lost has still ended the
    // transaction: the server drops it with the connection. A commit that
    // failed so may or may not have been done: the work stays pending, and
    // only the caller's rollback lets the transaction go on.
    if (!commitWork && state() == State::Lost)
        d->pendingWrites = false;
}

bool Transaction::endReadOnlyTransaction()
{
    // With autocommit off the driver opened a transaction for the read; with
    // nothing written since the last commit or rollback there is nothing to
    // keep, and leaving it open would hold the read's locks (a shared lock
    // on the whole SQLite file, a lock on the table on PostgreSQL) for as
    // long as the window that read stays open. A rollback that succeeds
    // leaves the read's own result (SQLCode, SQLErrText, SQLNRows) as it is;
    // one that fails (the connection lost on it) fails the read.
    if (state() != State::Open || AutoCommit || d->pendingWrites)
        return true;
    Connection &connection = d->connection;
    const SQLRETURN rc = connection.guarded(
        [&connection] { return SQLEndTran(SQL_HANDLE_DBC, connection.handle(), SQL_ROLLBACK); });
    if (connection.endDeletesStatements(false))
        connection.statements().clear();
    if (succeeded(rc))
        return true;
    setFailure(connection.failureFrom(SQL_HANDLE_DBC, connection.handle(), u"回滚失败。"_s));
    return false;
}

bool Transaction::hasPendingWrites() const
{
    return d->state != State::Closed && d->pendingWrites;
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
    if (state() == State::Closed) {
        setFailure(u"事务未连接数据库。"_s);
        return false;
    }
    if (state() == State::Lost && !restoreConnection())
        return false;
    // Whether or not it succeeds, a statement that returns no rows may have
    // changed data (or, failing, spoilt the transaction): only the caller's
    // commit or rollback ends the transaction now.
    if (writes)
        d->pendingWrites = true;
    Connection &connection = d->connection;
    return connection.guarded([&] { return runStatement(sql, params, onResult); });
}

bool Transaction::runStatement(const QString &sql, const std::vector<QVariant> &params,
    const std::function<bool(void *)> &onResult)
{
    Connection &connection = d->connection;
    const auto fail = [&](SQLSMALLINT type, SQLHANDLE handle, const QString &fallback) {
        setFailure(connection.failureFrom(type, handle, fallback));
        return false;
    };
    // A statement prepared before is taken out of the cache while it runs
    // and goes back only when it has run without fault: on every failure
    // below, `statement` is freed as it goes out of scope, its cursor with it.
    OdbcHandle statement = connection.statements().take(sql);
    SQLRETURN rc = SQL_SUCCESS;
    if (statement.get() == nullptr) {
        rc = SQLAllocHandle(SQL_HANDLE_STMT, connection.handle(), statement.out());
        if (!succeeded(rc))
            return fail(SQL_HANDLE_DBC, connection.handle(), u"无法分配语句句柄。"_s);
        rc = SQLPrepareW(
            statement.get(), const_cast<SQLWCHAR *>(toSqlW(sql)), SQLINTEGER(sql.size()));
        if (!succeeded(rc))
            return fail(SQL_HANDLE_STMT, statement.get(), u"语句准备失败。"_s);
    }
    std::vector<BoundParameter> bound;
    bound.reserve(params.size());
    for (const QVariant &value : params)
        bound.push_back(makeParameter(value));
    for (std::size_t i = 0; i < bound.size(); ++i) {
        rc = bindParameter(statement.get(), SQLUSMALLINT(i + 1), bound[i]);
        if (!succeeded(rc))
            return fail(SQL_HANDLE_STMT, statement.get(), u"参数绑定失败。"_s);
    }
    rc = SQLExecute(statement.get());
    if (rc == SQL_NO_DATA) {
        // A searched UPDATE or DELETE that matched no row.
        setSuccess(0);
    } else if (!succeeded(rc)) {
        return fail(SQL_HANDLE_STMT, statement.get(), u"语句执行失败。"_s);
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
        connection.statements().put(sql, std::move(statement));
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
            setFailure(
                d->connection.failureFrom(SQL_HANDLE_STMT, statement, u"无法读取结果列。"_s));
            return false;
        }
        for (;;) {
            if (maxRows >= 0 && long(rows.size()) >= maxRows)
                break;
            const SQLRETURN rc = SQLFetch(statement);
            if (rc == SQL_NO_DATA)
                break;
            if (!succeeded(rc)) {
                setFailure(
                    d->connection.failureFrom(SQL_HANDLE_STMT, statement, u"读取结果行失败。"_s));
                return false;
            }
            Row row(static_cast<std::size_t>(columns));
            for (SQLSMALLINT c = 1; c <= columns; ++c) {
                if (!readColumn(statement, SQLUSMALLINT(c), row[std::size_t(c - 1)])) {
                    setFailure(
                        d->connection.failureFrom(SQL_HANDLE_STMT, statement, u"读取列值失败。"_s));
                    return false;
                }
            }
            rows.push_back(std::move(row));
        }
        return true;
    });
    // The statement's cursor is closed by now: a read with nothing pending
    // ends its transaction, also when it failed (the read's own failure is
    // what the caller sees then).
    const Result readResult = result();
    const bool ended = endReadOnlyTransaction();
    if (!ok) {
        setResult(readResult);
        return std::nullopt;
    }
    if (!ended)
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
