#include "scoring/HeightWeight.h"

#include <limits>

namespace scoring {

HeightRange heightRangeFor(Sex sex)
{
    return sex == Sex::Boy ? kBoysHeightRange : kGirlsHeightRange;
}

BodySize heightRangeShift(BodySize body, HeightRange range)
{
    float height = body.height;
    float weight = body.weight;
    while (height < range.lowest) {
        height = height + 1.0f;
        weight = weight + 0.5f;
    }
    while (height >= range.top) {
        const float lower = height - 1.0f;
        if (lower == height) {
            // Beyond 2^24 cm a float cannot step by 1 cm any more.
            height = range.top - 1.0f;
            weight = std::numeric_limits<float>::lowest();
            break;
        }
        height = lower;
        weight = weight - 0.9f;
    }
    return { height, weight };
}

std::optional<BodySize> heightWeightLookup(float height, float weight, HeightRange range)
{
    if (!(weight > 0.0f) || !(height > 0.0f))
        return std::nullopt;
    return heightRangeShift({ height, weight }, range);
}

int weightBandScore(float weight, const WeightBounds &bounds)
{
    if (weight >= bounds.z4)
        return 7;
    if (weight >= bounds.z3)
        return 9;
    if (weight >= bounds.z2)
        return 15;
    if (weight >= bounds.z1)
        return 9;
    return 7;
}

} // namespace scoring
