#pragma once

#include <string>

namespace deskcalc {

// One reading of the clock, in local time.
struct ClockReading
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0; // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The time view's text: year, month and day without leading zeros, each
// followed by its character, two blanks, then the time of day as hh:mm:ss
// ("2026年3月9日  08:05:09"). UTF-8.
std::string timeViewText(const ClockReading &reading);

} // namespace deskcalc
