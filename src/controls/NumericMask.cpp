#include "controls/NumericMask.h"

using namespace Qt::StringLiterals;

namespace controls {

namespace {

// The text without thousands separators and surrounding blanks.
QString plain(const QString &text)
{
    QString result = text.trimmed();
    result.remove(u',');
    return result;
}

bool isDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}
} // namespace

QString NumericMask::noneText()
{
    return u"none"_s;
}

NumericMask::NumericMask()
    : NumericMask(u"###,###.00"_s)
{ }

NumericMask::NumericMask(const QString &mask)
    : m_text(mask)
{
    const qsizetype point = mask.indexOf(u'.');
    const QString integerPart = point < 0 ? mask : mask.left(point);
    const QString decimalPart = point < 0 ? QString() : mask.mid(point + 1);
    m_integerDigits = static_cast<int>(integerPart.count(u'#') + integerPart.count(u'0'));
    m_decimals = static_cast<int>(decimalPart.count(u'#') + decimalPart.count(u'0'));
    m_grouped = integerPart.contains(u',');
    if (m_integerDigits == 0)
        m_integerDigits = 6;
}

NumericMask::Check NumericMask::check(const QString &input) const
{
    if (input.isEmpty())
        return Check::Intermediate;
    if (input == noneText())
        return Check::Acceptable;
    if (noneText().startsWith(input))
        return Check::Intermediate;

    int integerDigits = 0;
    int decimalDigits = 0;
    bool seenPoint = false;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar character = input.at(i);
        if (character == u'-') {
            if (i != 0)
                return Check::Invalid;
        } else if (character == u',') {
            if (seenPoint || !m_grouped)
                return Check::Invalid;
        } else if (character == u'.') {
            if (seenPoint || m_decimals == 0)
                return Check::Invalid;
            seenPoint = true;
        } else if (isDigit(character)) {
            if (seenPoint)
                ++decimalDigits;
            else
                ++integerDigits;
        } else {
            return Check::Invalid;
        }
    }
    if (integerDigits > m_integerDigits || decimalDigits > m_decimals)
        return Check::Invalid;
    if (integerDigits == 0 && decimalDigits == 0)
        return Check::Intermediate; // "-", "." or "-."
    return Check::Acceptable;
}

bool NumericMask::isNumber(const QString &text)
{
    bool ok = false;
    plain(text).toDouble(&ok);
    return ok;
}

float NumericMask::value(const QString &text)
{
    // QString::toFloat reads the C locale's notation, whatever the system's.
    bool ok = false;
    const float result = plain(text).toFloat(&ok);
    return ok ? result : 0.0f;
}

QString NumericMask::format(const QString &text) const
{
    bool ok = false;
    const double number = plain(text).toDouble(&ok);
    if (!ok)
        return text;
    return format(number);
}

QString NumericMask::format(double value) const
{
    QString digits = QString::number(value, 'f', m_decimals);
    bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    const qsizetype point = digits.indexOf(u'.');
    QString integerPart = point < 0 ? digits : digits.left(point);
    const QString rest = point < 0 ? QString() : digits.mid(point);
    if (m_grouped) {
        for (qsizetype i = integerPart.size() - 3; i > 0; i -= 3)
            integerPart.insert(i, u',');
    }
    // "-0.00" reads as 0; show it without the sign.
    if (negative && value == 0.0)
        negative = false;
    bool allZero = true;
    for (QChar character : integerPart + rest) {
        if (isDigit(character) && character != u'0')
            allZero = false;
    }
    if (allZero)
        negative = false;
    return (negative ? u"-"_s : QString()) + integerPart + rest;
}

} // namespace controls
