#include "scoring/VitalCapacity.h"

namespace scoring {

float vitalCapacityIndex(float capacity, float weight)
{
    // Kept in float on purpose: 2076.9 / 30.1 is 68.99999 here, not 69.
    const float index = capacity / weight;
    return index;
}

std::optional<int> scoreVitalCapacity(const ScoreLadder &ladder, float capacity, float weight)
{
    float index = 0.0f;
    if (weight > 0.0f)
        index = vitalCapacityIndex(capacity, weight);
    else if (capacity > 0.0f)
        return std::nullopt;
    if (!(index > 0.0f))
        return 0;
    return scoreItem(ladder, index);
}

} // namespace scoring
