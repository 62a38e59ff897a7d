#pragma once

#include <QString>

namespace controls {

// The numeric edit mask of the entry fields ("###,###.00", "###,###.0"):
// how many digits may stand before and after the decimal point, whether the
// thousands are grouped, and the locale-independent reading and formatting
// of the field's text. Plain C++, no widgets.
class NumericMask
{
public:
    // The text of a field that holds no number yet.
    static QString noneText();

    // The field's own mask "###,###.00".
    NumericMask();
    explicit NumericMask(const QString &mask);

    const QString &text() const { return m_text; }
    int integerDigits() const { return m_integerDigits; }
    int decimals() const { return m_decimals; }
    bool grouped() const { return m_grouped; }

    enum class Check { Invalid, Intermediate, Acceptable };
    // Whether `input` may stand in the field while the user types: an
    // optional leading minus, at most integerDigits() digits before the
    // point (thousands separators ignored), at most one point and at most
    // decimals() digits after it. The initial text "none" and its prefixes
    // are allowed so that it can be erased.
    Check check(const QString &input) const;

    // The value of the field's text as the user typed it: separators and
    // blanks ignored, "" and "none" (and anything that is no number) give 0.
    static float value(const QString &text);
    // True when `text` reads as a number (not empty, not "none").
    static bool isNumber(const QString &text);

    // `text` shown under the mask: grouped thousands and the mask's number
    // of decimals ("3450" -> "3,450.00"). Text that is no number is
    // returned unchanged.
    QString format(const QString &text) const;
    QString format(double value) const;

private:
    QString m_text;
    int m_integerDigits = 6;
    int m_decimals = 2;
    bool m_grouped = true;
};

} // namespace controls
