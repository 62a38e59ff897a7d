#pragma once

#include <QPoint>
#include <QString>

namespace controls {

// The arithmetic and naming rules of the picture command button, kept free
// of widgets so they can be checked directly.
class PictureButtonRules
{
public:
    // The picture's resting place inside an inner button of `widthUnits` x
    // `heightUnits` layout units:
    //   x = (width - width / 3.75) / 8,  y = (height - height / 1.75) / 2,
    // computed exactly (x = 11 * width / 120, y = 3 * height / 14) and rounded
    // to the nearest whole layout unit. 361 x 100 gives (33, 21), 329 x 100
    // (30, 21).
    static QPoint restingPlace(int widthUnits, int heightUnits);

    // How far the picture moves right and down while the button is held.
    static constexpr int kPressedOffset = 3;

    // True when `bitmapName` names a picture the button shows: not blank, and
    // ending in "gif", "bmp" or "jpg" (any letter case) or in "!". No dot is
    // required; a trailing blank disqualifies the name.
    static bool bitmapQualifies(const QString &bitmapName);

    // The inner button's caption: three blanks before the caption when a
    // picture is shown, the caption unchanged otherwise.
    static QString captionFor(const QString &buttonText, bool withPicture);
};

} // namespace controls
