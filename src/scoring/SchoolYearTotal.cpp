#include "scoring/SchoolYearTotal.h"

#include "scoring/Real32.h"

#include <limits>

namespace scoring {

namespace {

int plusFive(int total)
{
    constexpr int most = std::numeric_limits<int>::max();
    return total > most - 5 ? most : total + 5;
}

} // namespace

int addScore(int total, float score)
{
    const float sum = static_cast<float>(total) + score;
    return truncateToInt(sum);
}

TotalResult schoolYearTotal(const TotalInputs &inputs)
{
    int total = truncateToInt(inputs.heightWeight);
    total = addScore(total, inputs.vitalCapacity);
    for (const ItemScore &item : inputs.items) {
        if (item.enabled)
            total = addScore(total, item.value);
    }
    for (const bool checked : inputs.bonusBoxes) {
        if (checked)
            total = plusFive(total);
    }

    TotalResult result { total, rateScore(total) };
    if (inputs.absenceCap) {
        if (result.total > 59)
            result.total = 59;
        result.rating = Rating::Fail;
    }
    return result;
}

} // namespace scoring
