#pragma once

#include <string_view>

namespace scoring {

// The characters that the readers of a field's number text take apart
// (parseReal32, parseTenths).

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A blank that may stand around the number: space, tab, CR or LF.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// `text` without the blanks before and after it.
constexpr std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace scoring
