#include "scoring/ScoreLadder.h"

#include "scoring/Real32.h"

#include <cmath>

namespace scoring {

int scoreItem(const ScoreLadder &ladder, float value, bool empty)
{
    if (empty || std::isnan(value))
        return 0;
    if (!(value > 0.0f) && !ladder.scoresNonPositive)
        return 0;
    // Bands from the top: lower bound inclusive, upper bound exclusive.
    for (std::size_t k = 0; k < ladder.thresholds.size(); ++k) {
        if (value >= ladder.thresholds[k])
            return ladder.scores[k];
    }
    return ladder.scores.back();
}

int scoreText(const ScoreLadder &ladder, std::string_view fieldText)
{
    const std::optional<float> value = parseReal32(fieldText);
    return scoreItem(ladder, value.value_or(0.0f), !value.has_value());
}

bool isWellFormed(const ScoreLadder &ladder)
{
    for (std::size_t k = 1; k < ladder.thresholds.size(); ++k) {
        if (!(ladder.thresholds[k] < ladder.thresholds[k - 1]))
            return false;
    }
    for (std::size_t k = 1; k < ladder.scores.size(); ++k) {
        const bool rising = ladder.scores[k] > ladder.scores[k - 1];
        if (rising != ladder.lowerIsBetter)
            return false;
    }
    return true;
}

} // namespace scoring
