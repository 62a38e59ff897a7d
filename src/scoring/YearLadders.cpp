#include "scoring/YearLadders.h"

#include <stdexcept>

namespace scoring {

namespace {

constexpr std::array<std::string_view, kTestItemCount> kItemCodes { "t", "1", "8", "5", "l", "z",
    "y", "w", "f" };

constexpr std::size_t indexOf(TestItem item)
{
    return static_cast<std::size_t>(item);
}

constexpr std::size_t indexOf(Sex sex)
{
    return sex == Sex::Boy ? 0 : 1;
}

// The scores of each item, S1..S7.
constexpr std::array<int, 7> kRunScores { 10, 12, 13, 15, 16, 17, 20 };
constexpr std::array<int, 7> kSprintScores { 15, 18, 20, 23, 25, 26, 30 };
constexpr std::array<int, 7> kJumpScores { 30, 26, 25, 23, 20, 18, 15 };
constexpr std::array<int, 7> kTwentyPointScores { 20, 17, 16, 15, 13, 12, 10 };
constexpr std::array<int, 7> kVitalCapacityScores { 15, 13, 12, 11, 10, 9, 8 };

constexpr std::size_t kUnset = static_cast<std::size_t>(-1);

} // namespace

std::string_view itemCode(TestItem item)
{
    return kItemCodes.at(indexOf(item));
}

bool hasSingleLadder(TestItem item)
{
    return item == TestItem::Run1000 || item == TestItem::Run800 || item == TestItem::SitUps;
}

ScoreLadder makeLadder(TestItem item, const std::array<float, 6> &thresholds)
{
    ScoreLadder ladder;
    ladder.thresholds = thresholds;
    switch (item) {
    case TestItem::Run1000:
    case TestItem::Run800:
        ladder.scores = kRunScores;
        ladder.lowerIsBetter = true;
        break;
    case TestItem::Run50:
        ladder.scores = kSprintScores;
        ladder.lowerIsBetter = true;
        break;
    case TestItem::LongJump:
        ladder.scores = kJumpScores;
        break;
    case TestItem::SitAndReach:
        ladder.scores = kTwentyPointScores;
        // A reach of 0 cm or below is a real result: the ladders go below
        // zero, and only an empty field scores 0.
        ladder.scoresNonPositive = true;
        break;
    case TestItem::StepTest:
    case TestItem::SitUps:
    case TestItem::GripIndex:
        ladder.scores = kTwentyPointScores;
        break;
    case TestItem::VitalCapacity:
        ladder.scores = kVitalCapacityScores;
        break;
    }
    return ladder;
}

YearLadders::YearLadders(const std::array<LadderRow, 15> &rows)
    : m_rows(rows)
{
    for (auto &perSex : m_index)
        perSex = { kUnset, kUnset };

    auto claim = [this](std::size_t item, std::size_t sex, std::size_t row) {
        if (m_index[item][sex] != kUnset)
            throw std::invalid_argument("two ladders for one item and sex");
        m_index[item][sex] = row;
    };
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const LadderRow &row = m_rows[r];
        if (!isWellFormed(row.ladder))
            throw std::invalid_argument("a ladder's thresholds or scores are out of order");
        if (hasSingleLadder(row.item) != !row.sex.has_value())
            throw std::invalid_argument("a ladder row has the wrong sex key");
        const std::size_t item = indexOf(row.item);
        if (row.sex) {
            claim(item, indexOf(*row.sex), r);
        } else {
            claim(item, 0, r);
            claim(item, 1, r);
        }
    }
    for (const auto &perSex : m_index) {
        if (perSex[0] == kUnset || perSex[1] == kUnset)
            throw std::invalid_argument("an item has no ladder");
    }
}

const ScoreLadder &YearLadders::ladder(TestItem item, Sex sex) const
{
    return m_rows[m_index[indexOf(item)][indexOf(sex)]].ladder;
}

} // namespace scoring
