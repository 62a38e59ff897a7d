#pragma once

#include <optional>
#include <string_view>

namespace scoring {

// Reads the text of a numeric entry field ("3,450.00", "-2.5", "12") as the
// nearest 4-byte real. Independent of the locale: the decimal point is ".",
// grouping commas are allowed between digits of the whole part, blanks around
// the number are ignored. An empty text or one that is no plain decimal number
// (the field's initial "none", exponents, "inf", "nan") gives no value.
std::optional<float> parseReal32(std::string_view text);

// The value of a field as the scoring reads it: its number, or 0 when the text
// holds none.
float readReal32(std::string_view text);

// A 4-byte real stored into a whole number: truncated toward zero. Values
// beyond the range of int saturate at its ends and NaN gives 0, so that no
// input can make the conversion undefined.
int truncateToInt(float value);

} // namespace scoring
