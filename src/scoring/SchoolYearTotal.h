#pragma once

#include "scoring/ScoreRating.h"

#include <array>

namespace scoring {

// The score shown in one optional item's score field and whether that field
// is enabled (a disabled row does not count).
struct ItemScore
{
    float value = 0.0f;
    bool enabled = false;
};

// What the school-year total is made of: the values of the score fields as
// 4-byte reals, the eight optional items in the order step test, 1000 m,
// 800 m, 50 m, long jump, sit-and-reach, sit-ups, grip index, the four bonus
// boxes and the absence cap.
struct TotalInputs
{
    float heightWeight = 0.0f;
    float vitalCapacity = 0.0f;
    std::array<ItemScore, 8> items {};
    std::array<bool, 4> bonusBoxes {};
    bool absenceCap = false;
};

struct TotalResult
{
    int total = 0;
    Rating rating = Rating::None;
};

// The total after one more score field: the running total as a 4-byte real
// plus the score, rounded to a 4-byte real and truncated toward zero.
int addScore(int total, float score);

// The school-year total and its rating: the height-weight score truncated,
// then the vital-capacity score and each enabled item added by addScore, then
// 5 for each checked bonus box; the rating of that total. With the absence
// cap a total above 59 becomes 59 and the rating is Fail whatever the total.
TotalResult schoolYearTotal(const TotalInputs &inputs);

} // namespace scoring
