#include "controls/PictureButtonRules.h"

using namespace Qt::StringLiterals;

namespace controls {

namespace {
// numerator / denominator rounded to the nearest integer, halves away from zero.
int roundedQuotient(long long numerator, long long denominator)
{
    const long long half = denominator / 2;
    if (numerator >= 0)
        return static_cast<int>((numerator + half) / denominator);
    return -static_cast<int>((-numerator + half) / denominator);
}
} // namespace

QPoint PictureButtonRules::restingPlace(int widthUnits, int heightUnits)
{
    // (w - w / 3.75) / 8 = w * (11/15) / 8 = 11w / 120
    // (h - h / 1.75) / 2 = h * (3/7) / 2  = 3h / 14
    return { roundedQuotient(11LL * widthUnits, 120), roundedQuotient(3LL * heightUnits, 14) };
}

bool PictureButtonRules::bitmapQualifies(const QString &bitmapName)
{
    if (bitmapName.trimmed().isEmpty())
        return false;
    if (bitmapName.endsWith(u'!'))
        return true;
    const QString tail = bitmapName.right(3);
    return tail.compare(u"gif"_s, Qt::CaseInsensitive) == 0
        || tail.compare(u"bmp"_s, Qt::CaseInsensitive) == 0
        || tail.compare(u"jpg"_s, Qt::CaseInsensitive) == 0;
}

QString PictureButtonRules::captionFor(const QString &buttonText, bool withPicture)
{
    return withPicture ? u"   "_s + buttonText : buttonText;
}

} // namespace controls
