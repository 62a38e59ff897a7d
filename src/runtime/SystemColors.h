#pragma once

#include <QColor>
#include <QPalette>

namespace rt {

// Colours are numbers of the form 0x00BBGGRR. Larger numbers are system
// colour codes that follow the user's palette; the two transparent codes
// give a fully transparent colour.
namespace colors {

constexpr long kButtonFace = 67108864;
constexpr long kButtonFaceAlt = 79741120;
constexpr long kWindowText = 33554432;
constexpr long kLinkText = 134217856;
constexpr long kDesktop = 134217729;
constexpr long kAppWorkspace = 134217741;
constexpr long kTransparent = 536870912;
constexpr long kTransparentAlt = 553648127;

constexpr long kBlue = 16711680;
constexpr long kMagenta = 16711935;
constexpr long kFramePale = 15793151;

QColor fromCode(long code);

inline long rgb(int red, int green, int blue)
{
    return red + green * 256L + blue * 65536L;
}

} // namespace colors
} // namespace rt
