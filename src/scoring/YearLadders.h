#pragma once

#include "scoring/ScoreLadder.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace scoring {

// The student's sex, as the calculator's radio buttons select it.
enum class Sex { Boy, Girl };

// The items scored by a score ladder: the eight optional test items and the
// vital-capacity index.
enum class TestItem {
    StepTest, // "t"
    Run1000, // "1", boys
    Run800, // "8", girls
    Run50, // "5"
    LongJump, // "l"
    SitAndReach, // "z"
    SitUps, // "y", girls
    GripIndex, // "w"
    VitalCapacity, // "f"
};

inline constexpr std::size_t kTestItemCount = 9;

// The item code used in column and control names ("t", "1", "8", ...).
std::string_view itemCode(TestItem item);

// The 1000 m run, the 800 m run and the sit-ups have one ladder for either
// sex; every other item has a boys' and a girls' ladder.
bool hasSingleLadder(TestItem item);

// A ladder of an item with that item's scores (the same in every school year
// and for both sexes) and its direction, from the six thresholds T1..T6.
ScoreLadder makeLadder(TestItem item, const std::array<float, 6> &thresholds);

// One row of a year's ladder table: an item, its sex (none for a single
// ladder) and its ladder.
struct LadderRow
{
    TestItem item;
    std::optional<Sex> sex;
    ScoreLadder ladder;
};

// The fifteen score ladders of one school year, keyed by item and sex.
class YearLadders
{
public:
    // Takes a year's table. Throws std::invalid_argument unless the rows
    // give every item exactly one ladder per sex (one shared row for the
    // single-ladder items) and every ladder is well formed.
    explicit YearLadders(const std::array<LadderRow, 15> &rows);

    // The ladder that scores `item` for `sex`; the single-ladder items give
    // their one ladder whatever the sex.
    const ScoreLadder &ladder(TestItem item, Sex sex) const;

    std::span<const LadderRow> rows() const { return m_rows; }

private:
    std::array<LadderRow, 15> m_rows;
    // Row index per item and sex.
    std::array<std::array<std::size_t, 2>, kTestItemCount> m_index {};
};

// The first school year's ladders ("21").
const YearLadders &firstYearLadders();

// The second school year's ladders ("22").
const YearLadders &secondYearLadders();

// The third school year's ladders ("23").
const YearLadders &thirdYearLadders();

} // namespace scoring
