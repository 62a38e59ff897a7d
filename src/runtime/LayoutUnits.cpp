#include "runtime/LayoutUnits.h"

#include <cmath>

namespace rt::units {

namespace {
constexpr double kPixelsPerUnitX = 2.0 / 9.0;
constexpr double kPixelsPerUnitY = 1.0 / 4.0;

int roundToInt(double value)
{
    return static_cast<int>(std::lround(value));
}
} // namespace

int toPixelsX(int units)
{
    return roundToInt(units * kPixelsPerUnitX);
}

int toPixelsY(int units)
{
    return roundToInt(units * kPixelsPerUnitY);
}

int fromPixelsX(int pixels)
{
    return roundToInt(pixels / kPixelsPerUnitX);
}

int fromPixelsY(int pixels)
{
    return roundToInt(pixels / kPixelsPerUnitY);
}

QPoint toPixels(QPoint unitsPoint)
{
    return { toPixelsX(unitsPoint.x()), toPixelsY(unitsPoint.y()) };
}

QSize toPixels(QSize unitsSize)
{
    return { toPixelsX(unitsSize.width()), toPixelsY(unitsSize.height()) };
}

QRect toPixels(const QRect &unitsRect)
{
    return { toPixels(unitsRect.topLeft()), toPixels(unitsRect.size()) };
}

} // namespace rt::units
