#include "scoring/GraduationScore.h"

#include "scoring/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace scoring {

namespace {

constexpr std::int64_t kTenthsBound = 1'000'000'000'000'000; // 10^15

// A double stored into a whole number: truncated toward zero, held at the
// ends of int's range (NaN gives 0).
int truncateDouble(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483649.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int clampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(
        value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

GraduationResult rated(int score)
{
    return { score, rateScore(score) };
}

} // namespace

GraduationResult thirdYearWindowGraduation(float firstYear, float secondYear, int schoolYearTotal)
{
    const int thirdYear = std::min(schoolYearTotal, 100);
    // Each product and their sum are rounded to 4-byte reals; 0.25 and 0.5
    // multiply exactly, so the rounding of the sum is the one that counts.
    const float first = firstYear * 0.25f;
    const float second = secondYear * 0.25f;
    const float sum = first + second;
    const double total = static_cast<double>(sum) + static_cast<double>(thirdYear) * 0.5;
    return rated(truncateDouble(total));
}

std::optional<std::int64_t> parseTenths(std::string_view text)
{
    text = trimBlanks(text);

    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t tenths = 0;
    bool saturated = false;
    auto pushDigit = [&](char c) {
        if (saturated)
            return;
        tenths = tenths * 10 + (c - '0');
        if (tenths >= kTenthsBound) {
            tenths = kTenthsBound;
            saturated = true;
        }
    };

    // The whole part: digits, with commas only between digits.
    int digits = 0;
    bool lastWasDigit = false;
    for (; i < text.size() && text[i] != '.'; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            pushDigit(c);
            ++digits;
            lastWasDigit = true;
        } else if (c == ',' && lastWasDigit) {
            lastWasDigit = false;
        } else {
            return std::nullopt;
        }
    }
    if (digits > 0 && !lastWasDigit)
        return std::nullopt; // trailing comma

    // The tenths digit, then the digits below it, which only round.
    char tenthDigit = '0';
    bool roundUp = false;
    if (i < text.size()) {
        for (std::size_t k = 0, j = i + 1; j < text.size(); ++j, ++k) {
            if (!isDigit(text[j]))
                return std::nullopt;
            if (k == 0)
                tenthDigit = text[j];
            else if (k == 1)
                roundUp = text[j] >= '5';
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    pushDigit(tenthDigit);
    if (roundUp && !saturated)
        tenths = std::min(tenths + 1, kTenthsBound);
    return negative ? -tenths : tenths;
}

std::int64_t readTenths(std::string_view text)
{
    return parseTenths(text).value_or(0);
}

GraduationResult graduationWindowScore(
    std::int64_t firstTenths, std::int64_t secondTenths, std::int64_t thirdTenths)
{
    auto bounded
        = [](std::int64_t tenths) { return std::clamp(tenths, -kTenthsBound, kTenthsBound); };
    // With the three values in tenths, 0.25 a + 0.25 b + 0.5 c points are
    // (a + b + 2 c) / 40 points. Integer division truncates toward zero, as
    // storing a real into a whole number does.
    const std::int64_t weighted
        = bounded(firstTenths) + bounded(secondTenths) + 2 * bounded(thirdTenths);
    return rated(clampToInt(weighted / 40));
}

} // namespace scoring
