#pragma once

#include "scoring/YearLadders.h"

#include <optional>

namespace scoring {

// The heights that a height-weight standard table covers: from `lowest` up to
// but not including `top`, in centimetres.
struct HeightRange
{
    float lowest;
    float top;
};

// The range of the boys' table (123 to 186 cm) and of the girls' (121 to 177).
inline constexpr HeightRange kBoysHeightRange { 123.0f, 187.0f };
inline constexpr HeightRange kGirlsHeightRange { 121.0f, 178.0f };

HeightRange heightRangeFor(Sex sex);

struct BodySize
{
    float height; // cm
    float weight; // kg
};

// The height range shift, in 4-byte reals: a height below the range moves up
// 1 cm at a time, adding 0.5 kg each time; then a height at or above the top
// moves down 1 cm at a time, taking 0.9 kg (the 4-byte 0.899999976) off each
// time. A height so large that a 1 cm step no longer changes it ends on the
// top row with the lowest weight a float holds, which is what any number of
// real steps would tend to, instead of looping for ever.
BodySize heightRangeShift(BodySize body, HeightRange range);

// The body to look up in the standard table: the shifted height and weight,
// or none when the height or the weight is not above 0 (the score is then 0
// and no table is read).
std::optional<BodySize> heightWeightLookup(float height, float weight, HeightRange range);

// The four weight bounds z1 < z2 < z3 < z4 of one table row, in kg.
struct WeightBounds
{
    float z1 = 0.0f;
    float z2 = 0.0f;
    float z3 = 0.0f;
    float z4 = 0.0f;
};

// The height-weight score of a (shifted) weight against a row's bounds:
// 7 from z4 up, 9 from z3, 15 from z2, 9 from z1, 7 below z1.
int weightBandScore(float weight, const WeightBounds &bounds);

} // namespace scoring
