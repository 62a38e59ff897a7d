#include "scoring/Real32.h"
#include "scoring/SchoolYearTotal.h"
#include "scoring/VitalCapacity.h"
#include "scoring/YearLadders.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

using namespace scoring;

namespace {

// Scoring one entry field as its leave handler does: read the field's text,
// pick the ladder for the item and sex, find the band.
void BM_ScoreField(benchmark::State &state)
{
    const YearLadders &year = firstYearLadders();
    constexpr std::array<std::string_view, 4> texts { "9.19", "1,234.50", "-2.00", "none" };
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string_view text = texts[i++ & 3];
        int score = scoreText(year.ladder(TestItem::Run50, Sex::Boy), text);
        benchmark::DoNotOptimize(score);
    }
}
BENCHMARK(BM_ScoreField);

// The vital-capacity field: two texts, a division and a ladder.
void BM_ScoreVitalCapacity(benchmark::State &state)
{
    const ScoreLadder &ladder = firstYearLadders().ladder(TestItem::VitalCapacity, Sex::Girl);
    for (auto _ : state) {
        const auto score = scoreVitalCapacity(ladder, readReal32("2,076.90"), readReal32("30.10"));
        benchmark::DoNotOptimize(score);
    }
}
BENCHMARK(BM_ScoreVitalCapacity);

void BM_SchoolYearTotal(benchmark::State &state)
{
    TotalInputs in;
    in.heightWeight = 15.0f;
    in.vitalCapacity = 13.0f;
    for (ItemScore &item : in.items)
        item = { 12.5f, true };
    in.bonusBoxes = { true, false, true, false };
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        const TotalResult result = schoolYearTotal(in);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SchoolYearTotal);

} // namespace

BENCHMARK_MAIN();
