#pragma once

#include <string>
#include <string_view>

namespace deskcalc {

// The error text of the number view.
inline constexpr std::string_view kErrorText = "Error!";

// Whether a view text is a number: an optional leading "-", then digits with
// at most one "." among, before or after them (at least one digit), then an
// optional exponent ("e" or "E", an optional sign, digits), as the result
// texts write it. No blanks, no "+" in front, no "inf" or "nan".
bool isViewNumber(std::string_view text);

// The value of a view text: its number, or 0 when it is none ("Error!", the
// empty text, a lone "-"). -0 reads as 0. A number beyond the range of a
// double reads as an infinity of its sign; one too close to 0 as 0.
double viewValue(std::string_view text);

// The text of a result: at most 15 significant digits without trailing
// zeros, in exponent form only where the number needs it (below 0.0001 or
// from 1e15 on), no grouping, "." as the decimal point whatever the locale.
// Zero (negative zero too) is "0"; a value that is not a finite double is
// the error text.
std::string resultText(double value);

} // namespace deskcalc
