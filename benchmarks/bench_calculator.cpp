// Scoring one field of the calculator as its leave handling does, with the
// height-weight field's single-row query on the embedded SQLite ODBC driver.
// The database is a throwaway file with the demonstration standard tables.
#include "calculator/HeightWeightStandard.h"
#include "scoring/HeightWeight.h"
#include "scoring/Real32.h"
#include "scoring/ScoreLadder.h"
#include "scoring/YearLadders.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One connection for all runs: a SQLite file holding cz123_m and cz123_w.
struct EmbeddedStandard
{
    QTemporaryDir dir;
    rt::Transaction sqlca;
    bool ready = false;

    EmbeddedStandard()
    {
        sqlca.DBMS = u"ODBC"_s;
        sqlca.AutoCommit = false;
        sqlca.DBParm = u"ConnectString='Driver=%1;Database=%2'"_s.arg(
            QStringLiteral(KELVARO_BENCH_SQLITE_DRIVER), dir.filePath(u"bench.db"_s));
        sqlca.connect();
        if (sqlca.SQLCode != 0) {
            std::fprintf(stderr, "connect: %s\n", qPrintable(sqlca.SQLErrText));
            return;
        }
        for (const QString &table : { u"cz123_m"_s, u"cz123_w"_s })
            sqlca.execute(
                u"CREATE TABLE %1 (s NUMERIC NOT NULL PRIMARY KEY, z1 NUMERIC NOT NULL, "
                "z2 NUMERIC NOT NULL, z3 NUMERIC NOT NULL, z4 NUMERIC NOT NULL)"_s.arg(table));
        QFile rows(QStringLiteral(KELVARO_BENCH_DATA_DIR) + u"/demo-standard-tables.sql"_s);
        if (!rows.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(rows.fileName()));
            return;
        }
        QTextStream in(&rows);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.startsWith(u"INSERT"_s, Qt::CaseInsensitive))
                sqlca.execute(line.chopped(line.endsWith(u';') ? 1 : 0));
        }
        sqlca.commit();
        ready = sqlca.SQLCode == 0;
    }
};

EmbeddedStandard &standard()
{
    static EmbeddedStandard instance;
    return instance;
}

// Leaving the weight field: read both texts, shift the height into the
// table's range, query the row, score the weight band.
void BM_ScoreHeightWeightField(benchmark::State &state)
{
    EmbeddedStandard &db = standard();
    if (!db.ready) {
        state.SkipWithError("no embedded database");
        return;
    }
    calculator::HeightWeightStandard table(db.sqlca);
    const char *heights[] = { "150.50", "122.50", "190.00", "171.20" };
    std::size_t i = 0;
    int found = 0;
    for (auto _ : state) {
        const float height = scoring::readReal32(heights[i++ & 3]);
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
    if (found != static_cast<int>(state.iterations()))
        state.SkipWithError("a height found no row");
}
BENCHMARK(BM_ScoreHeightWeightField)->Unit(benchmark::kMicrosecond);

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
BENCHMARK(BM_ScoreItemField);

} // namespace

BENCHMARK_MAIN();
