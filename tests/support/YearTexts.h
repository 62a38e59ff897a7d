#pragma once

#include <QString>

namespace support {

// What each school year's calculator window says, as a user reads it:
// written out here for the tests, apart from the program's year profiles.
struct YearTexts
{
    QString title;
    QString totalCaption; // the caption of the total's group box
    QString setupMessage; // while the year has no settings
    QString vitalCapacityTitle; // a vital capacity without a weight
    QString vitalCapacityText;
};

// The texts of school year `year` (1, 2 or 3).
const YearTexts &yearTexts(int year);

} // namespace support
