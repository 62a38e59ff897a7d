#include "scoring/HeightWeight.h"

#include <limits>

namespace scoring {

HeightRange heightRangeFor(Sex sex)
{
    return sex == Sex::Boy ? boysHeightRange : girlsHeightRange;
}

BodySize heightRangeShift(BodySize body, HeightRange range)
{
    float h = body.height;
    float w = body.weight;
    while (h < range.lowest) {
        h = h + 1.0f;
        w = w + 0.5f;
    }
    while (h >= range.top) {
        const float lower = h - 1.0f;
        if (lower == h) {
            // Beyond 2^24 cm a float cannot step by 1 cm any more.
            h = range.top - 1.0f;
            w = std::numeric_limits<float>::lowest();
            break;
        }
        h = lower;
        w = w - 0.9f;
    }
    return { h, w };
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
