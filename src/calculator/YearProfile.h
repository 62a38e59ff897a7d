#pragma once

#include "scoring/YearLadders.h"

#include <QSize>
#include <QString>

#include <vector>

namespace calculator {

// Where one control of a calculator window stands, in layout units, and its
// tab order value (0: not in the tab sequence).
struct ControlPlacement
{
    QString name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int tabOrder = 0;
};

// The data that makes the calculator window one school year's window: the
// year code and settings window it reads, its texts, its score ladders and
// its layout. The window class itself is the same for every year.
struct YearProfile
{
    QString className;        // the window's class name in the registry
    QString yearCode;         // key of the year's row in xmsz
    QString settingsWindow;   // class name of the year's settings window
    QString title;
    QString totalCaption;     // caption of the school-year total's group box
    QString setupMessage;     // shown titled "注意" while the year has no row
    QString vitalCapacityTitle;
    QString vitalCapacityText;
    const scoring::YearLadders *ladders = nullptr;
    QSize windowSize;         // the window's outer size, layout units
    // Every control of the window with its place; controls with the same tab
    // order value take the focus in the order in which they are listed here.
    std::vector<ControlPlacement> layout;

    const ControlPlacement *placement(const QString &name) const;

    // The client area in pixels: the outer size without the borders and the
    // title bar of a fixed-size dialog.
    QSize clientSizePixels() const;
};

// The first school year's calculator "w_jsq_cz1".
const YearProfile &firstYearProfile();

} // namespace calculator
