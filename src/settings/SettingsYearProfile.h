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
    QString className; // also the window's objectName
    QString yearCode; // "21", "22", "23": the key of the year's row in xmsz
    QString title;
    QSize outerSize; // the window's outer size
    QRect saveButton; // cb_1: x, y, width (height 100)
    QRect closeButton; // cb_2
    int closeTabOrder = 60;
};

const SettingsYearProfile &w_xm_cz1();
const SettingsYearProfile &w_xm_cz2();
const SettingsYearProfile &w_xm_cz3();

// The three profiles, first year first.
const std::array<const SettingsYearProfile *, 3> &settingsYearProfiles();

} // namespace settings
