#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace scoring {

// The rating of a whole-number score (the school-year total or the
// graduation score).
enum class Rating {
    None, // 0 or below: no rating word, the colour is left as it was
    Excellent, // above 85: "优秀"
    Good, // 76 to 85: "良好"
    Pass, // 60 to 75: "及格"
    Fail, // 1 to 59: "不及格"
};

// The band of a score, tested from the top.
Rating rateScore(int score);

// The rating word in UTF-8; empty for Rating::None.
std::string_view ratingText(Rating rating);

// The rating's text colour as 0x00BBGGRR (blue, magenta, green, red); none for
// Rating::None, whose colour stays as it was.
std::optional<std::uint32_t> ratingColour(Rating rating);

} // namespace scoring
