#include "deskcalc/TimeViewText.h"

namespace deskcalc {

namespace {

std::string twoDigits(int value)
{
    std::string text = std::to_string(value);
    return value >= 0 && value < 10 ? "0" + text : text;
}

} // namespace

std::string timeViewText(const ClockReading &reading)
{
    return std::to_string(reading.year) + "年" + std::to_string(reading.month) + "月"
        + std::to_string(reading.day) + "日  " + twoDigits(reading.hour) + ":"
        + twoDigits(reading.minute) + ":" + twoDigits(reading.second);
}

} // namespace deskcalc
