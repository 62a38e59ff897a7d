#pragma once

#include "scoring/ScoreLadder.h"

#include <optional>

namespace scoring {

// The vital-capacity index: the vital capacity divided by the weight in
// kilograms, a 4-byte division rounded to a 4-byte real.
float vitalCapacityIndex(float capacity, float weight);

// The vital-capacity score on the sex's ladder. With a weight above 0 the
// index is scored (0 when it is not above 0). Without a weight above 0 a
// capacity above 0 cannot be scored: the result is empty, and the caller shows
// its message and leaves the score as it was; otherwise the score is 0.
std::optional<int> scoreVitalCapacity(const ScoreLadder &ladder, float capacity, float weight);

} // namespace scoring
