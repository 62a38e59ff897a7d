#pragma once

#include <QColor>

namespace rt {

// Colours are numbers of the form 0x00BBGGRR. Larger numbers are system
// colour codes that follow the user's palette; the two transparent codes
// give a fully transparent colour.
namespace colors {

constexpr long rgb(int red, int green, int blue)
{
    return red + green * 256L + blue * 65536L;
}

// System colours.
constexpr long kButtonFace = 67108864;
constexpr long kButtonFaceAlt = 79741120;
constexpr long kWindowText = 33554432;
constexpr long kLinkText = 134217856;
constexpr long kDesktop = 134217729;
constexpr long kAppWorkspace = 134217741;
constexpr long kTransparent = 536870912;
constexpr long kTransparentAlt = 553648127;

// The program's own colours.
constexpr long kBlack = rgb(0, 0, 0);
constexpr long kBlue = rgb(0, 0, 255);
constexpr long kMagenta = rgb(255, 0, 255);
constexpr long kGreen = rgb(0, 255, 0);
constexpr long kRed = rgb(255, 0, 0);
constexpr long kNavy = rgb(0, 0, 128); // item names
constexpr long kDarkRed = rgb(128, 0, 0); // units and results
constexpr long kPurple = rgb(128, 0, 128);
constexpr long kSilver = rgb(192, 192, 192); // the toolbar dialog's face
constexpr long kFieldBlue = rgb(166, 202, 240); // the background of result fields
constexpr long kIvory = rgb(255, 251, 240); // the frame and the desk calculator's views

QColor fromCode(long code);

} // namespace colors
} // namespace rt
