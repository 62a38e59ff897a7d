#include "controls/PictureButtonRules.h"

using namespace Qt::StringLiterals;

namespace controls::picture_button {

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

QPoint restingPlace(int widthUnits, int heightUnits)
{
    // (w - w / 3.75) / 8 = w * (11/15) / 8 = 11w / 120
    // (h - h / 1.75) / 2 = h * (3/7) / 2  = 3h / 14
    return { roundedQuotient(11LL * widthUnits, 120), roundedQuotient(3LL * heightUnits, 14) };
}

bool bitmapQualifies(const QString &bitmapname)
{
    if (bitmapname.trimmed().isEmpty())
        return false;
    if (bitmapname.endsWith(u'!'))
        return true;
    const QString tail = bitmapname.right(3);
    return tail.compare(u"gif"_s, Qt::CaseInsensitive) == 0
        || tail.compare(u"bmp"_s, Qt::CaseInsensitive) == 0
        || tail.compare(u"jpg"_s, Qt::CaseInsensitive) == 0;
}

QString captionFor(const QString &buttontext, bool withPicture)
{
    return withPicture ? u"   "_s + buttontext : buttontext;
}

} // namespace controls::picture_button
