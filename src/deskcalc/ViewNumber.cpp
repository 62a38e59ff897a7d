#include "deskcalc/ViewNumber.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace deskcalc {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of a view text that has the shape of a number.
struct NumberShape
{
    bool negative = false;
    std::string_view mantissa; // digits with at most one "."
    long long exponent = 0; // saturated, for the range estimate only
};

bool splitNumber(std::string_view text, NumberShape &shape)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        shape.negative = true;
        ++i;
    }
    const std::size_t mantissaStart = i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    shape.mantissa = text.substr(mantissaStart, i - mantissaStart);
    if (i == text.size())
        return true;
    if (text[i] != 'e' && text[i] != 'E')
        return false;
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativeExponent = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    constexpr long long saturation = 1'000'000'000;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        if (shape.exponent < saturation)
            shape.exponent = shape.exponent * 10 + (text[i] - '0');
    }
    if (negativeExponent)
        shape.exponent = -shape.exponent;
    return true;
}

// The decimal exponent of the mantissa's leading non-zero digit, plus the
// written exponent: at least 0 means the number is at least 1 in magnitude.
long long decimalMagnitude(const NumberShape &shape)
{
    const std::string_view mantissa = shape.mantissa;
    const std::size_t point = mantissa.find('.');
    const std::size_t wholeDigits = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (mantissa[i] == '.' || mantissa[i] == '0')
            continue;
        const long long position = i < wholeDigits ? static_cast<long long>(wholeDigits - i) - 1
                                                   : -static_cast<long long>(i - wholeDigits);
        return position + shape.exponent;
    }
    return std::numeric_limits<long long>::min() / 2; // all zeros
}

} // namespace

bool isViewNumber(std::string_view text)
{
    NumberShape shape;
    return splitNumber(text, shape);
}

double viewValue(std::string_view text)
{
    NumberShape shape;
    if (!splitNumber(text, shape))
        return 0.0;
    double value = 0.0;
    const char *first = text.data();
    const char *last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double, or too close to zero for one.
        const double magnitude
            = decimalMagnitude(shape) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
        value = shape.negative ? -magnitude : magnitude;
    } else if (ec != std::errc() || end != last) {
        return 0.0;
    }
    return value == 0.0 ? 0.0 : value; // -0 reads as 0
}

std::string resultText(double value)
{
    if (!std::isfinite(value))
        return std::string(kErrorText);
    if (value == 0.0)
        return "0";
    // The shortest of the fixed and the exponent form at 15 significant
    // digits, as printf's %.15g, but independent of the C locale.
    char buffer[64];
    const auto [end, ec]
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc())
        return std::string(kErrorText);
    return std::string(buffer, end);
}

} // namespace deskcalc
