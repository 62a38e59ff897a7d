#pragma once

#include <QSize>
#include <QString>

namespace support {

// What each school year's calculator is called and says, as a user sees it:
// the expected texts of the year's window, written out once for the tests.
struct YearTexts
{
    QString className;
    QString yearCode;
    QString settingsWindow;
    QString title;
    QString totalCaption;
    QString setupMessage;
    QString vitalCapacityTitle;
    QString vitalCapacityText;
    QSize outerSize; // layout units
    QString firstFocus; // the field that has the focus once the window is open
};

// The texts of school year `year` (1, 2 or 3).
const YearTexts &yearTexts(int year);

} // namespace support
