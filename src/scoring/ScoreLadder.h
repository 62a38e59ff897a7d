#pragma once

#include <array>
#include <string_view>

namespace scoring {

// The scoring rule of one test item for one school year and sex: six
// thresholds T1 > T2 > ... > T6 and seven whole-number scores S1..S7. A value
// v scores S1 when v >= T1, Sk when Tk <= v < T(k-1), and S7 when v < T6; all
// comparisons are between 4-byte reals.
struct ScoreLadder
{
    std::array<float, 6> thresholds {};
    std::array<int, 7> scores {};
    // The runs: a smaller value is better, so S1 is the lowest score.
    bool lowerIsBetter = false;
    // Items such as the sit-and-reach, whose results may be 0 or below and
    // whose thresholds go below zero: such values are scored on the ladder.
    bool scoresNonPositive = false;
};

// The score of a typed value. An empty field (`empty`, or a text that held no
// number) scores 0. A value of 0 or below scores 0 unless the ladder scores
// non-positive values; otherwise the band that holds the value gives the score.
int scoreItem(const ScoreLadder &ladder, float value, bool empty = false);

// The score of an entry field's text: its number (read as parseReal32 does)
// on the ladder, or 0 when the text holds no number.
int scoreText(const ScoreLadder &ladder, std::string_view fieldText);

// True when the thresholds descend strictly and the scores run the way the
// ladder's direction says (ascending for the runs, descending otherwise).
bool isWellFormed(const ScoreLadder &ladder);

} // namespace scoring
