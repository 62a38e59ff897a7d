#pragma once

#include "runtime/ControlTable.h"
#include "runtime/LayoutOverrides.h"
#include "runtime/WindowDecl.h"
#include "scoring/SchoolYearTotal.h"
#include "scoring/YearLadders.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace rt {
class ControlBuilder;
}

namespace calculator {

// The third year's extra fields: which of them recompute the total when
// their text was changed and they are left, and what runs at the end of
// every total computation (the graduation score beside the year's total).
struct GraduationArea
{
    QStringList inputs {};
    std::function<void(const rt::ControlBuilder &controls, const scoring::TotalResult &total)>
        afterTotal {};
};

// The data that makes the calculator window one school year's window: the
// year code and settings window it reads, its texts, its score ladders and
// its controls. The window class itself is the same for every year; a later
// year's controls are the first year's with that year's LayoutOverrides.
struct YearProfile
{
    QString className {}; // the window's class name in the registry
    QString yearCode {}; // key of the year's row in xmsz
    QString settingsWindow {}; // class name of the year's settings window
    QString title {};
    QString totalCaption {}; // caption of the school-year total's group box gb_6
    QString setupMessage {}; // shown titled "注意" while the year has no row
    QString vitalCapacityTitle {};
    QString vitalCapacityText {};
    const scoring::YearLadders *ladders = nullptr;
    QSize outerSize {}; // the window's outer size, layout units
    // Every control in its order of creation; controls with the same tab
    // order value take the focus in this order.
    rt::ControlTable controls {};
    // The field that has the focus once the window is open.
    QString firstFocus {};
    std::optional<GraduationArea> graduation {};
};

// The first school year's controls, the base of every year's layout.
const rt::ControlTable &firstYearControls();

// The window of `profile`: its class name, title and outer size, with the
// program's icon, modal, on the button face and centred when it is first
// shown, as every calculator window is.
rt::WindowDecl calculatorWindow(const YearProfile &profile);

// How the second and the third year's controls differ from the first
// year's; each year's table is its overrides applied to firstYearControls().
const rt::LayoutOverrides &secondYearLayout();
const rt::LayoutOverrides &thirdYearLayout();

// The first school year's calculator "w_jsq_cz1".
const YearProfile &firstYearProfile();

// The second school year's calculator "w_jsq_cz2".
const YearProfile &secondYearProfile();

// The third school year's calculator "w_jsq_cz3", with its graduation area.
const YearProfile &thirdYearProfile();

// The three calculators, first year first.
std::array<const YearProfile *, 3> yearProfiles();

} // namespace calculator
