#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace settings {

// What sets one school year's settings window apart from the others.
// Positions and sizes are in layout units.
struct SettingsYearProfile
{
    QString className {}; // also the window's objectName
    QString yearCode {}; // "21", "22", "23": the key of the year's row in xmsz
    QString title {};
    QSize outerSize {}; // the window's outer size
    QRect saveButtonRect {}; // cb_1
    QRect closeButtonRect {}; // cb_2
    int closeTabOrder = 60;
};

// The settings window of the first school year, "w_xm_cz1".
const SettingsYearProfile &firstYearSettings();

// The settings window of the second school year, "w_xm_cz2".
const SettingsYearProfile &secondYearSettings();

// The settings window of the third school year, "w_xm_cz3".
const SettingsYearProfile &thirdYearSettings();

// The three profiles, first year first.
const std::array<const SettingsYearProfile *, 3> &settingsYearProfiles();

} // namespace settings
