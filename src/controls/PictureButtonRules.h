#pragma once

#include <QPoint>
#include <QString>

// The arithmetic and naming rules of the picture command button, kept free
// of widgets so they can be checked directly.
namespace controls::picture_button {

// The picture's resting place inside an inner button of `widthUnits` x
// `heightUnits` layout units:
//   x = (width - width / 3.75) / 8,  y = (height - height / 1.75) / 2,
// computed exactly (x = 11 * width / 120, y = 3 * height / 14) and rounded to
// the nearest whole layout unit. 361 x 100 gives (33, 21), 329 x 100 (30, 21).
QPoint restingPlace(int widthUnits, int heightUnits);

// How far the picture moves right and down while the button is held.
inline constexpr int kPressedOffset = 3;

// True when `bitmapname` names a picture the button shows: not blank, and
// ending in "gif", "bmp" or "jpg" (any letter case) or in "!". No dot is
// required; a trailing blank disqualifies the name.
bool bitmapQualifies(const QString &bitmapname);

// The inner button's caption: three blanks before the caption when a
// picture is shown, the caption unchanged otherwise.
QString captionFor(const QString &buttontext, bool withPicture);

} // namespace controls::picture_button
