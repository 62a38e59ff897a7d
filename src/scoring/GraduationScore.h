#pragma once

#include "scoring/ScoreRating.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace scoring {

// A graduation score (the three school years weighted 25 %, 25 % and 50 %,
// truncated toward zero) and its rating, in the bands of the school-year
// total.
struct GraduationResult
{
    int score = 0;
    Rating rating = Rating::None;
};

// The graduation score of the third-year calculator window, from the first-
// and second-year totals typed into it (read as 4-byte reals) and the
// window's own school-year total after the bonus boxes and the absence cap.
// The third-year value is that total capped at 100 (only here: the window
// still shows the full total). The two typed totals are weighted in 4-byte
// reals and their sum is rounded to a 4-byte real before half the third-year
// value joins it in double precision; for totals of 0.0 to 100.0 with one
// decimal this is the whole part of the exact decimal sum.
GraduationResult thirdYearWindowGraduation(float firstYear, float secondYear, int schoolYearTotal);

// A field's text as a whole number of tenths ("50.1" gives 501, "1,234.5"
// 12345, "80" 800, "-0.3" -3), read exactly from its decimal digits with no
// detour through a binary real. Digits beyond the first decimal round the
// tenths half away from zero. Grouping commas, a sign and blanks around the
// number are read as parseReal32 reads them; an empty text or one that is no
// plain decimal number gives no value. Magnitudes beyond 10^15 tenths are
// held at that bound.
std::optional<std::int64_t> parseTenths(std::string_view text);

// The tenths of a field as the graduation window reads them: 0 when the text
// holds no number.
std::int64_t readTenths(std::string_view text);

// The graduation score of the graduation window from the three typed scores
// in tenths: trunc((first + second + 2 * third) / 40), exact on the typed
// digits, so that a weighted sum that is a whole number in decimal is never
// truncated to the number below. No cap: scores above 100 give more than 100.
GraduationResult graduationWindowScore(
    std::int64_t firstTenths, std::int64_t secondTenths, std::int64_t thirdTenths);

} // namespace scoring
