#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace rt {

// Positions and sizes are given in layout units: a horizontal unit is
// 2/9 of a pixel and a vertical unit 1/4 of a pixel at the reference
// resolution of 96 dots per inch. Conversions round to the nearest pixel.
namespace units {

int toPixelsX(int units);
int toPixelsY(int units);
int fromPixelsX(int pixels);
int fromPixelsY(int pixels);

QPoint toPixels(QPoint unitsPoint);
QSize toPixels(QSize unitsSize);
QRect toPixels(const QRect &unitsRect);

inline QRect rect(int x, int y, int width, int height)
{
    return toPixels(QRect(x, y, width, height));
}

} // namespace units
} // namespace rt
