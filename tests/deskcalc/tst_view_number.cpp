#include "deskcalc/ViewNumber.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

using namespace deskcalc;
using namespace Qt::StringLiterals;

namespace {

// A numeric facet with a decimal comma and grouping, as some user locales
// have; the result texts must not pick it up.
class CommaPunct : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

class TestViewNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbers_data();
    void numbers();
    void textsThatAreNoNumber_data();
    void textsThatAreNoNumber();
    void values_data();
    void values();
    void resultTexts_data();
    void resultTexts();
    void resultTextsReadBack_data();
    void resultTextsReadBack();
    void resultTextsIgnoreTheLocale();
};

void TestViewNumber::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << u"12"_s;
    QTest::newRow("trailing point") << u"0."_s;
    QTest::newRow("negative trailing point") << u"-5."_s;
    QTest::newRow("negative") << u"-5"_s;
    QTest::newRow("negative zero") << u"-0"_s;
    QTest::newRow("decimals") << u"0.05"_s;
    QTest::newRow("leading point") << u".5"_s;
    QTest::newRow("exponent") << u"1e+20"_s;
    QTest::newRow("negative exponent") << u"-2.5e-07"_s;
    QTest::newRow("capital exponent without sign") << u"1E4"_s;
    QTest::newRow("beyond the range") << u"1e999"_s;
}

void TestViewNumber::numbers()
{
    QFETCH(QString, text);
    QVERIFY(isViewNumber(text.toStdString()));
}

void TestViewNumber::textsThatAreNoNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("error text") << u"Error!"_s;
    QTest::newRow("lone minus") << u"-"_s;
    QTest::newRow("lone point") << u"."_s;
    QTest::newRow("minus and point") << u"-."_s;
    QTest::newRow("two minus signs") << u"--5"_s;
    QTest::newRow("plus sign") << u"+5"_s;
    QTest::newRow("two points") << u"1.2.3"_s;
    QTest::newRow("blank in front") << u" 5"_s;
    QTest::newRow("blank behind") << u"5 "_s;
    QTest::newRow("grouping comma") << u"1,000"_s;
    QTest::newRow("exponent without digits") << u"1e"_s;
    QTest::newRow("exponent sign without digits") << u"1e+"_s;
    QTest::newRow("exponent alone") << u"e5"_s;
    QTest::newRow("point in the exponent") << u"1e2.5"_s;
    QTest::newRow("infinity") << u"inf"_s;
    QTest::newRow("nan") << u"nan"_s;
    QTest::newRow("hexadecimal") << u"0x10"_s;
    QTest::newRow("trailing letters") << u"12abc"_s;
}

void TestViewNumber::textsThatAreNoNumber()
{
    QFETCH(QString, text);
    QVERIFY(!isViewNumber(text.toStdString()));
    QCOMPARE(viewValue(text.toStdString()), 0.0);
}

void TestViewNumber::values_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << u"12"_s << 12.0;
    QTest::newRow("trailing point") << u"5."_s << 5.0;
    QTest::newRow("leading point") << u".25"_s << 0.25;
    QTest::newRow("negative") << u"-0.5"_s << -0.5;
    QTest::newRow("exponent") << u"1.5e+20"_s << 1.5e20;
    QTest::newRow("fifteen digits") << u"1.4142135623731"_s << 1.4142135623731;
    QTest::newRow("too large") << u"1e999"_s << std::numeric_limits<double>::infinity();
    QTest::newRow("too large, negative") << u"-1e999"_s << -std::numeric_limits<double>::infinity();
    QTest::newRow("too large, written out")
        << u"1"_s + QString(309, u'0') << std::numeric_limits<double>::infinity();
    QTest::newRow("too large despite a small exponent")
        << u"1000e306"_s << std::numeric_limits<double>::infinity();
    QTest::newRow("too small") << u"1e-999"_s << 0.0;
    QTest::newRow("too small, written out") << u"0."_s + QString(400, u'0') + u"1"_s << 0.0;
    QTest::newRow("too small despite a large exponent") << u"0.0001e-330"_s << 0.0;
    QTest::newRow("huge exponent")
        << u"1e99999999999999999999"_s << std::numeric_limits<double>::infinity();
}

void TestViewNumber::values()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(viewValue(text.toStdString()), expected);
}

void TestViewNumber::resultTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 15.0 << u"15"_s;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("square root of 2") << std::sqrt(2.0) << u"1.4142135623731"_s;
    QTest::newRow("no trailing zeros") << 0.25 << u"0.25"_s;
    QTest::newRow("one third") << 1.0 / 3.0 << u"0.333333333333333"_s;
    QTest::newRow("negative") << -2.5 << u"-2.5"_s;
    QTest::newRow("fifteen digits fixed") << 123456789012345.0 << u"123456789012345"_s;
    QTest::newRow("no grouping") << 1234567.0 << u"1234567"_s;
    QTest::newRow("sixteen digits rounded") << 1234567890123456.0 << u"1.23456789012346e+15"_s;
    QTest::newRow("1e15") << 1e15 << u"1e+15"_s;
    QTest::newRow("0.0001 fixed") << 0.0001 << u"0.0001"_s;
    QTest::newRow("0.00001 exponent") << 0.00001 << u"1e-05"_s;
    QTest::newRow("large") << 1.5e200 << u"1.5e+200"_s;
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << u"1.79769313486232e+308"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << u"4.94065645841247e-324"_s;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"Error!"_s;
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << u"Error!"_s;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << u"Error!"_s;
}

void TestViewNumber::resultTexts()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(resultText(value)), expected);
}

void TestViewNumber::resultTextsReadBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("exponent") << 1.23456789012346e+15;
    QTest::newRow("small exponent") << 1e-05;
    QTest::newRow("largest double rounded") << 1.79769313486231e+308;
    QTest::newRow("negative") << -0.333333333333333;
}

void TestViewNumber::resultTextsReadBack()
{
    // The square's and the root's operand is read back from the shown text.
    QFETCH(double, value);
    const std::string text = resultText(value);
    QVERIFY(isViewNumber(text));
    QCOMPARE(viewValue(text), value);
}

void TestViewNumber::resultTextsIgnoreTheLocale()
{
    const std::locale previous
        = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    const std::string withFacet = resultText(1234.5);
    std::locale::global(previous);
    QCOMPARE(withFacet, "1234.5");

    // The C library's locale, which the toolkit sets from the environment.
    const std::string savedNumeric = std::setlocale(LC_NUMERIC, nullptr);
    const char *decimalComma = nullptr;
    for (const char *name : { "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8" }) {
        if (std::setlocale(LC_NUMERIC, name)) {
            decimalComma = name;
            break;
        }
    }
    if (!decimalComma)
        QSKIP("no locale with a decimal comma is installed");
    const std::string underLocale = resultText(1234.5);
    const std::string errorUnderLocale = resultText(1.0 / 0.0 * 0.0);
    const double valueUnderLocale = viewValue("0.5");
    std::setlocale(LC_NUMERIC, savedNumeric.c_str());
    QCOMPARE(underLocale, "1234.5");
    QCOMPARE(errorUnderLocale, "Error!");
    QCOMPARE(valueUnderLocale, 0.5);
}

QTEST_GUILESS_MAIN(TestViewNumber)
#include "tst_view_number.moc"
