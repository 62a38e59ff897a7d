#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace support {

namespace {

bool isPlainName(const QString &name)
{
    static const QRegularExpression pattern(u"^[a-z_][a-z0-9_]*$"_s);
    return pattern.match(name).hasMatch();
}

// The statements of an SQL file: "--" comment lines dropped, split at ";".
QStringList statementsOf(const QString &text)
{
    QStringList kept;
    for (const QString &line : text.split(u'\n')) {
        if (!line.trimmed().startsWith(u"--"_s))
            kept.append(line);
    }
    QStringList statements;
    for (const QString &part : kept.join(u'\n').split(u';')) {
        const QString statement = part.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    }
    return statements;
}

} // namespace

QString TestDatabase::environment(const char *name)
{
    return qEnvironmentVariable(name);
}

TestDatabase::Backend TestDatabase::backend()
{
    return environment("KELVARO_TEST_BACKEND") == u"postgres"_s ? Backend::Postgres
                                                                : Backend::Sqlite;
}

QString TestDatabase::backendName()
{
    return backend() == Backend::Postgres ? u"postgres"_s : u"sqlite"_s;
}

QString TestDatabase::password()
{
    return u"merovi2749"_s;
}

QString TestDatabase::connectString()
{
    return u"DSN=vomar;PWD="_s + password();
}

void TestDatabase::setUpProgramTransaction(db::Transaction &transaction)
{
    transaction.DBMS = u"ODBC"_s;
    transaction.AutoCommit = false;
    transaction.DBParm = u"ConnectString='"_s + connectString() + u"'"_s;
}

void TestDatabase::setUpProgramTransaction(db::Transaction &transaction, const QString &dsn)
{
    setUpProgramTransaction(transaction);
    transaction.DBParm = u"ConnectString='DSN=%1;PWD=%2'"_s.arg(dsn, password());
}

db::WaitLimits TestDatabase::shortWaitLimits()
{
    db::WaitLimits limits;
    limits.callLimit = std::chrono::milliseconds(1000);
    limits.lockWait = std::chrono::milliseconds(400);
    limits.sqliteBusyTimeout = std::chrono::milliseconds(200);
    limits.statementTime = std::chrono::milliseconds(800);
    limits.connectTime = std::chrono::seconds(2); // the client library's least
    limits.unacknowledgedTime = std::chrono::milliseconds(800);
    limits.keepaliveIdle = std::chrono::seconds(1);
    limits.keepaliveInterval = std::chrono::seconds(1);
    limits.keepaliveCount = 1;
    return limits;
}

std::optional<QString> TestDatabase::singleValue(db::Transaction &transaction, const QString &sql)
{
    const auto row = transaction.selectSingleRow(sql);
    if (!row || row->empty())
        return std::nullopt;
    return row->front();
}

bool TestDatabase::addFirstYearChoices()
{
    return exec(
        u"insert into xmsz (nj, xm_t_m, xm_1_m, xm_5_m, xm_l_m, xm_z_m, xm_w_m, xm_t_w, xm_8_w,"
        " xm_5_w, xm_l_w, xm_z_w, xm_y_w, xm_w_w)"
        " values ('21', '1', '0', '1', '0', '1', '0', '1', '0', '1', '0', '1', '0', '0')"_s);
}

bool TestDatabase::fail(const QString &what)
{
    m_error = u"[%1] %2"_s.arg(backendName(), what);
    return false;
}

bool TestDatabase::fail(const QString &what, const db::Transaction &transaction)
{
    return fail(u"%1: %2"_s.arg(what, transaction.SQLErrText));
}

bool TestDatabase::connectSide(db::Transaction &transaction, bool admin)
{
    transaction.DBMS = u"ODBC"_s;
    transaction.AutoCommit = true;
    transaction.DBParm
        = u"ConnectString='DSN=%1;PWD=%2'"_s.arg(admin ? u"vomar_admin"_s : u"vomar"_s, password());
    transaction.connect();
    if (transaction.SQLCode != 0)
        return fail(admin ? u"admin connect"_s : u"side connect"_s, transaction);
    return true;
}

bool TestDatabase::runScript(db::Transaction &transaction, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(u"cannot read %1"_s.arg(path));
    for (const QString &statement : statementsOf(QString::fromUtf8(file.readAll()))) {
        if (!transaction.execute(statement))
            return fail(u"%1: %2"_s.arg(path, statement.left(60)), transaction);
    }
    return true;
}

bool TestDatabase::remove()
{
    m_error.clear();
    if (backend() == Backend::Sqlite) {
        const QString file = environment("KELVARO_TEST_SQLITE_FILE");
        if (file.isEmpty())
            return fail(u"KELVARO_TEST_SQLITE_FILE is not set"_s);
        for (const QString &suffix : { u""_s, u"-journal"_s, u"-wal"_s, u"-shm"_s }) {
            if (QFile::exists(file + suffix) && !QFile::remove(file + suffix))
                return fail(u"cannot remove %1"_s.arg(file + suffix));
        }
        return true;
    }
    const QString database = environment("KELVARO_TEST_PG_DATABASE");
    if (!isPlainName(database))
        return fail(u"KELVARO_TEST_PG_DATABASE is not a plain name: '%1'"_s.arg(database));
    db::Transaction admin;
    if (!connectSide(admin, true))
        return false;
    // FORCE ends connections that a failed test left behind.
    if (!admin.execute(u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(database)))
        return fail(u"drop database"_s, admin);
    return true;
}

bool TestDatabase::create(Standard standard)
{
    if (!remove())
        return false;
    if (backend() == Backend::Sqlite) {
        // The admin DSN may create the file; the program's DSN may not.
        db::Transaction admin;
        if (!connectSide(admin, true))
            return false;
        admin.disconnect();
    } else {
        db::Transaction admin;
        if (!connectSide(admin, true))
            return false;
        const QString database = environment("KELVARO_TEST_PG_DATABASE");
        if (!admin.execute(u"CREATE DATABASE %1"_s.arg(database)))
            return fail(u"create database"_s, admin);
    }

    db::Transaction loader;
    setUpProgramTransaction(loader);
    loader.connect();
    if (loader.SQLCode != 0)
        return fail(u"connect through the program's DSN"_s, loader);
    const QString data = environment("KELVARO_TEST_DATA_DIR");
    if (data.isEmpty())
        return fail(u"KELVARO_TEST_DATA_DIR is not set"_s);
    if (!runScript(loader, QDir(data).filePath(u"schema.sql"_s)))
        return false;
    if (standard == Standard::Demo
        && !runScript(loader, QDir(data).filePath(u"demo-standard-tables.sql"_s)))
        return false;
    loader.commit();
    if (loader.SQLCode != 0)
        return fail(u"commit of the schema"_s, loader);
    loader.disconnect();
    return true;
}

bool TestDatabase::setStandardRows(const QString &table, const std::vector<StandardRow> &rows)
{
    if (table != u"cz123_m"_s && table != u"cz123_w"_s)
        return fail(u"not a standard table: %1"_s.arg(table));
    db::Transaction side;
    if (!connectSide(side, false))
        return false;
    if (!side.execute(u"DELETE FROM "_s + table))
        return fail(u"clear "_s + table, side);
    for (const StandardRow &row : rows) {
        if (!side.execute(u"INSERT INTO %1 (s, z1, z2, z3, z4) VALUES (?, ?, ?, ?, ?)"_s.arg(table),
                { row.s, row.z1, row.z2, row.z3, row.z4 }))
            return fail(u"insert into "_s + table, side);
    }
    return true;
}

bool TestDatabase::exec(const QString &sql, const std::vector<QVariant> &params)
{
    db::Transaction side;
    if (!connectSide(side, false))
        return false;
    if (!side.execute(sql, params))
        return fail(sql.left(60), side);
    return true;
}

std::optional<std::vector<db::Transaction::Row>> TestDatabase::query(
    const QString &sql, const std::vector<QVariant> &params)
{
    db::Transaction side;
    if (!connectSide(side, false))
        return std::nullopt;
    auto rows = side.select(sql, params);
    if (!rows)
        fail(sql.left(60), side);
    return rows;
}

bool TestDatabase::makeReadOnly(const QString &table)
{
    if (!isPlainName(table))
        return fail(u"not a plain table name: %1"_s.arg(table));
    if (backend() == Backend::Postgres)
        return exec(u"REVOKE INSERT, UPDATE, DELETE ON %1 FROM CURRENT_USER"_s.arg(table));
    // File permissions do not stop root, a trigger stops everyone.
    for (const QString &event : { u"INSERT"_s, u"UPDATE"_s, u"DELETE"_s }) {
        if (!exec(u"CREATE TRIGGER ro_%1_%2 BEFORE %2 ON %1 BEGIN "
                  "SELECT RAISE(ABORT, 'table %1 is read-only'); END"_s.arg(table, event)))
            return false;
    }
    return true;
}

bool TestDatabase::makeWritable(const QString &table)
{
    if (!isPlainName(table))
        return fail(u"not a plain table name: %1"_s.arg(table));
    if (backend() == Backend::Postgres)
        return exec(u"GRANT INSERT, UPDATE, DELETE ON %1 TO CURRENT_USER"_s.arg(table));
    for (const QString &event : { u"INSERT"_s, u"UPDATE"_s, u"DELETE"_s }) {
        if (!exec(u"DROP TRIGGER IF EXISTS ro_%1_%2"_s.arg(table, event)))
            return false;
    }
    return true;
}

} // namespace support
