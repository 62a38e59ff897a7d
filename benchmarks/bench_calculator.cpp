// Scoring one field of the calculator as its leave handling does, with the
// height-weight field's single-row query, on the embedded SQLite ODBC driver
// and, when KELVARO_BENCH_PG_CONNECT names a data source, on PostgreSQL.
//
// Beside each field benchmark runs the driver's own cost of the same read:
// the same query prepared once on a connection of its own, then per
// iteration executed, one row fetched, its four columns read as text, the
// cursor closed and the read committed. How to run it: benchmarks/README.md.
#include "calculator/HeightWeightStandard.h"
#include "scoring/HeightWeight.h"
#include "scoring/Real32.h"
#include "scoring/ScoreLadder.h"
#include "scoring/YearLadders.h"

#include <benchmark/benchmark.h>

#include <sql.h>
#include <sqlext.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr const char *postgresVariable = "KELVARO_BENCH_PG_CONNECT";

// The heights as typed into the field, and the same heights after the height
// range shift (the values that the query binds).
constexpr std::array<const char *, 4> typedHeights { "150.50", "122.50", "190.00", "171.20" };
constexpr std::array<float, 4> shiftedHeights { 150.5f, 123.5f, 186.0f, 171.2f };

bool loadScript(db::Transaction &sqlca, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    // Statements end with ";" at the end of a line; "--" lines are comments.
    QTextStream in(&file);
    QString statement;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u"--"_s))
            continue;
        statement += line + u' ';
        if (!line.endsWith(u';'))
            continue;
        statement = statement.trimmed().chopped(1);
        if (!sqlca.execute(statement)) {
            std::fprintf(
                stderr, "%s: %s\n", qPrintable(statement.left(60)), qPrintable(sqlca.SQLErrText));
            return false;
        }
        statement.clear();
    }
    return true;
}

// A throwaway SQLite file with the schema and the demonstration standard
// tables; its connect string, or an empty one when it could not be made.
QString sqliteConnectString()
{
    static QTemporaryDir dir;
    static const QString connect = [] {
        const QString result = u"Driver=%1;Database=%2"_s.arg(
            QString::fromUtf8(KELVARO_BENCH_SQLITE_DRIVER), dir.filePath(u"bench.db"_s));
        db::Transaction loader;
        loader.AutoCommit = false;
        loader.DBParm = u"ConnectString='%1'"_s.arg(result);
        loader.connect();
        if (loader.SQLCode != 0) {
            std::fprintf(stderr, "SQLite connect: %s\n", qPrintable(loader.SQLErrText));
            return QString();
        }
        const QString data = QString::fromUtf8(KELVARO_BENCH_DATA_DIR);
        if (!loadScript(loader, data + u"/schema.sql"_s)
            || !loadScript(loader, data + u"/demo-standard-tables.sql"_s))
            return QString();
        loader.commit();
        return loader.SQLCode == 0 ? result : QString();
    }();
    return connect;
}

QString postgresConnectString()
{
    return qEnvironmentVariable(postgresVariable);
}

// The program's connection as the calculator window uses it: autocommit off,
// the standard tables checked once.
class ProgramConnection
{
public:
    explicit ProgramConnection(const QString &connect)
    {
        sqlca.DBMS = u"ODBC"_s;
        sqlca.AutoCommit = false;
        sqlca.DBParm = u"ConnectString='%1'"_s.arg(connect);
        sqlca.connect();
        if (sqlca.SQLCode != 0) {
            m_error = "connect: " + sqlca.SQLErrText.toStdString();
            return;
        }
        const auto count = sqlca.selectSingleRow(u"select count(*) from cz123_m"_s);
        if (!count || !count->front() || count->front()->toInt() != 64)
            m_error = "cz123_m must hold the 64 rows of data/demo-standard-tables.sql "
                + sqlca.SQLErrText.toStdString();
    }

    const std::string &error() const { return m_error; }

    db::Transaction sqlca;

private:
    std::string m_error;
};

// The same read through the ODBC API alone, on a connection of its own.
class DriverRead
{
public:
    explicit DriverRead(const QString &connect)
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_environment))) {
            m_error = "no environment handle";
            return;
        }
        SQLSetEnvAttr(
            m_environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, m_environment, &m_connection);
        QString in = connect;
        if (!SQL_SUCCEEDED(
                SQLDriverConnectW(m_connection, nullptr, reinterpret_cast<SQLWCHAR *>(in.data()),
                    SQLSMALLINT(in.size()), nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
            m_error = "connect: " + diagnostic(SQL_HANDLE_DBC, m_connection);
            return;
        }
        m_connected = true;
        SQLSetConnectAttrW(m_connection, SQL_ATTR_AUTOCOMMIT,
            reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), SQL_IS_UINTEGER);
        SQLAllocHandle(SQL_HANDLE_STMT, m_connection, &m_statement);
        QString sql = calculator::HeightWeightStandard::querySql(scoring::Sex::Boy);
        if (!SQL_SUCCEEDED(SQLPrepareW(
                m_statement, reinterpret_cast<SQLWCHAR *>(sql.data()), SQLINTEGER(sql.size())))) {
            m_error = "prepare: " + diagnostic(SQL_HANDLE_STMT, m_statement);
            return;
        }
        for (SQLUSMALLINT i = 1; i <= 2; ++i)
            SQLBindParameter(m_statement, i, SQL_PARAM_INPUT, SQL_C_FLOAT, SQL_REAL, 7, 0,
                &m_height, 0, &m_heightIndicator);
    }

    ~DriverRead()
    {
        if (m_statement)
            SQLFreeHandle(SQL_HANDLE_STMT, m_statement);
        if (m_connected) {
            SQLEndTran(SQL_HANDLE_DBC, m_connection, SQL_ROLLBACK);
            SQLDisconnect(m_connection);
        }
        if (m_connection)
            SQLFreeHandle(SQL_HANDLE_DBC, m_connection);
        if (m_environment)
            SQLFreeHandle(SQL_HANDLE_ENV, m_environment);
    }

    DriverRead(const DriverRead &) = delete;
    DriverRead &operator=(const DriverRead &) = delete;

    const std::string &error() const { return m_error; }

    // Executes, fetches the row, reads z1 .. z4, closes the cursor and
    // commits. False when any step fails or no row came.
    bool read(float height)
    {
        m_height = height;
        if (!SQL_SUCCEEDED(SQLExecute(m_statement)) || !SQL_SUCCEEDED(SQLFetch(m_statement)))
            return false;
        for (SQLUSMALLINT c = 1; c <= 4; ++c) {
            SQLLEN indicator = 0;
            if (!SQL_SUCCEEDED(
                    SQLGetData(m_statement, c, SQL_C_WCHAR, m_text, sizeof m_text, &indicator)))
                return false;
        }
        SQLFreeStmt(m_statement, SQL_CLOSE);
        return SQL_SUCCEEDED(SQLEndTran(SQL_HANDLE_DBC, m_connection, SQL_COMMIT));
    }

private:
    static std::string diagnostic(SQLSMALLINT type, SQLHANDLE handle)
    {
        SQLWCHAR state[6] = {};
        SQLWCHAR text[512] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        SQLGetDiagRecW(
            type, handle, 1, state, &native, text, SQLSMALLINT(std::size(text)), &length);
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(text), length).toStdString();
    }

    SQLHENV m_environment = SQL_NULL_HENV;
    SQLHDBC m_connection = SQL_NULL_HDBC;
    SQLHSTMT m_statement = SQL_NULL_HSTMT;
    bool m_connected = false;
    float m_height = 0;
    SQLLEN m_heightIndicator = 0;
    SQLWCHAR m_text[64] = {};
    std::string m_error;
};

using ConnectStringSource = QString (*)();

// Leaving the weight field: read both texts, shift the height into the
// table's range, query the row, score the weight band.
void BM_HeightWeightField(benchmark::State &state, ConnectStringSource source)
{
    const QString connect = source();
    if (connect.isEmpty()) {
        state.SkipWithError("no database");
        return;
    }
    ProgramConnection db(connect);
    if (!db.error().empty()) {
        state.SkipWithError(db.error().c_str());
        return;
    }
    calculator::HeightWeightStandard table(db.sqlca);
    std::size_t i = 0;
    long found = 0;
    for (auto _ : state) {
        const float height = scoring::readReal32(typedHeights[i++ & 3]);
        const float weight = scoring::readReal32("45.00");
        int score = 0;
        if (const auto body = scoring::heightWeightLookup(
                height, weight, scoring::heightRangeFor(scoring::Sex::Boy))) {
            const auto lookup = table.lookup(scoring::Sex::Boy, body->height);
            if (lookup.outcome == calculator::HeightWeightStandard::Outcome::Found) {
                score = scoring::weightBandScore(body->weight, lookup.bounds);
                ++found;
            }
        }
        benchmark::DoNotOptimize(score);
    }
    if (found != long(state.iterations()))
        state.SkipWithError("a height found no row");
}

// The driver's own cost of the field's read.
void BM_DriverRead(benchmark::State &state, ConnectStringSource source)
{
    const QString connect = source();
    if (connect.isEmpty()) {
        state.SkipWithError("no database");
        return;
    }
    DriverRead driver(connect);
    if (!driver.error().empty()) {
        state.SkipWithError(driver.error().c_str());
        return;
    }
    std::size_t i = 0;
    long found = 0;
    for (auto _ : state)
        found += driver.read(shiftedHeights[i++ & 3]) ? 1 : 0;
    if (found != long(state.iterations()))
        state.SkipWithError("a read failed");
}

// Leaving an item field of the window: read the text, pick the ladder of the
// item and sex, score it (no database).
void BM_ScoreItemField(benchmark::State &state)
{
    const scoring::ScoreLadder &ladder
        = scoring::firstYearLadders().ladder(scoring::TestItem::SitAndReach, scoring::Sex::Girl);
    const char *texts[] = { "-3.00", "12.50", "", "16.60" };
    std::size_t i = 0;
    for (auto _ : state) {
        const auto value = scoring::parseReal32(texts[i++ & 3]);
        int score = scoring::scoreItem(ladder, value.value_or(0.0f), !value.has_value());
        benchmark::DoNotOptimize(score);
    }
}

void registerDatabaseBenchmarks(const char *backend, ConnectStringSource source)
{
    // Wall time decides the iterations: on a server most of a read is
    // waiting for the answer, which the process's CPU time does not show.
    benchmark::RegisterBenchmark(
        (std::string("BM_HeightWeightField/") + backend).c_str(), BM_HeightWeightField, source)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(
        (std::string("BM_DriverRead/") + backend).c_str(), BM_DriverRead, source)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerDatabaseBenchmarks("sqlite", sqliteConnectString);
    if (postgresConnectString().isEmpty())
        std::fprintf(stderr,
            "The PostgreSQL benchmarks are skipped: %s is not set. It takes an ODBC connect "
            "string with UseServerSidePrepare=0 (see benchmarks/README.md).\n",
            postgresVariable);
    else
        registerDatabaseBenchmarks("postgres", postgresConnectString);
    benchmark::RegisterBenchmark("BM_ScoreItemField", BM_ScoreItemField);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
