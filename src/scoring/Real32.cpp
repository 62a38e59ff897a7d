#include "scoring/Real32.h"

#include "scoring/DecimalText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace scoring {

std::optional<float> parseReal32(std::string_view text)
{
    text = trimBlanks(text);

    // Rebuild the number without its grouping commas, checking its shape on
    // the way: [sign] digits-with-commas [. digits], at least one digit.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            plain.push_back('-');
        ++i;
    }
    int digits = 0;
    bool lastWasDigit = false;
    for (; i < text.size() && text[i] != '.'; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            plain.push_back(c);
            ++digits;
            lastWasDigit = true;
        } else if (c == ',' && lastWasDigit) {
            lastWasDigit = false; // a comma must stand between digits
        } else {
            return std::nullopt;
        }
    }
    if (digits > 0 && !lastWasDigit)
        return std::nullopt; // trailing comma
    if (i < text.size()) {
        plain.push_back('.');
        for (++i; i < text.size(); ++i) {
            if (!isDigit(text[i]))
                return std::nullopt;
            plain.push_back(text[i]);
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;

    // from_chars rounds the decimal text straight to the nearest float, with
    // no detour through double (which could round twice).
    float value = 0.0f;
    const char *first = plain.data();
    const char *last = first + plain.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

float readReal32(std::string_view text)
{
    return parseReal32(text).value_or(0.0f);
}

int truncateToInt(float value)
{
    if (std::isnan(value))
        return 0;
    // 2^31 is exact as a float; every float below it fits into int.
    constexpr float limit = 2147483648.0f;
    if (value >= limit)
        return std::numeric_limits<int>::max();
    if (value < -limit)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace scoring
