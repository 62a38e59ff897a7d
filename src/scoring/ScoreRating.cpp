#include "scoring/ScoreRating.h"

namespace scoring {

Rating rateScore(int score)
{
    if (score > 85)
        return Rating::Excellent;
    if (score > 75)
        return Rating::Good;
    if (score >= 60)
        return Rating::Pass;
    if (score > 0)
        return Rating::Fail;
    return Rating::None;
}

std::string_view ratingText(Rating rating)
{
    switch (rating) {
    case Rating::Excellent:
        return "优秀";
    case Rating::Good:
        return "良好";
    case Rating::Pass:
        return "及格";
    case Rating::Fail:
        return "不及格";
    case Rating::None:
        break;
    }
    return {};
}

std::optional<std::uint32_t> ratingColour(Rating rating)
{
    switch (rating) {
    case Rating::Excellent:
        return 16711680u; // R 0, G 0, B 255
    case Rating::Good:
        return 16711935u; // R 255, G 0, B 255
    case Rating::Pass:
        return 65280u; // R 0, G 255, B 0
    case Rating::Fail:
        return 255u; // R 255, G 0, B 0
    case Rating::None:
        break;
    }
    return std::nullopt;
}

} // namespace scoring
