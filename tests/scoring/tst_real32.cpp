#include "scoring/Real32.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace scoring;
using namespace Qt::StringLiterals;

class TestReal32 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesFieldTexts_data();
    void parsesFieldTexts();
    void rejectsTextsThatAreNoNumber_data();
    void rejectsTextsThatAreNoNumber();
    void readsMissingNumbersAsZero();
    void truncatesTowardZero_data();
    void truncatesTowardZero();
};

void TestReal32::parsesFieldTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");

    QTest::newRow("grouped with decimals") << u"3,450.00"_s << 3450.0f;
    QTest::newRow("two groups") << u"1,234,567.50"_s << 1234567.5f;
    QTest::newRow("ungrouped") << u"3450"_s << 3450.0f;
    QTest::newRow("0.9 is the float 0.899999976") << u"0.9"_s << 0.9f;
    QTest::newRow("2076.9") << u"2076.9"_s << 2076.9f;
    QTest::newRow("56.4") << u"56.4"_s << 56.4f;
    QTest::newRow("run time") << u"5.26"_s << 5.26f;
    QTest::newRow("negative reach") << u"-5.01"_s << -5.01f;
    QTest::newRow("plus sign") << u"+3"_s << 3.0f;
    QTest::newRow("blanks around") << u"  12.5 "_s << 12.5f;
    QTest::newRow("no whole part") << u".5"_s << 0.5f;
    QTest::newRow("no decimals after point") << u"5."_s << 5.0f;
    QTest::newRow("zero") << u"0.00"_s << 0.0f;
}

void TestReal32::parsesFieldTexts()
{
    QFETCH(QString, text);
    QFETCH(float, expected);

    const std::optional<float> value = parseReal32(text.toStdString());
    QVERIFY(value.has_value());
    // Bit-identical: the nearest 4-byte real to the typed decimal.
    QCOMPARE(std::bit_cast<std::uint32_t>(*value), std::bit_cast<std::uint32_t>(expected));
}

void TestReal32::rejectsTextsThatAreNoNumber_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"   "_s;
    QTest::newRow("initial text") << u"none"_s;
    QTest::newRow("exponent") << u"1e3"_s;
    QTest::newRow("infinity") << u"inf"_s;
    QTest::newRow("nan") << u"nan"_s;
    QTest::newRow("sign alone") << u"-"_s;
    QTest::newRow("point alone") << u"."_s;
    QTest::newRow("comma alone") << u","_s;
    QTest::newRow("leading comma") << u",5"_s;
    QTest::newRow("trailing comma") << u"5,"_s;
    QTest::newRow("double comma") << u"1,,2"_s;
    QTest::newRow("comma in decimals") << u"1.2,3"_s;
    QTest::newRow("two points") << u"1.2.3"_s;
    QTest::newRow("trailing letters") << u"12abc"_s;
    QTest::newRow("decimal comma") << u"12,5 cm"_s;
}

void TestReal32::rejectsTextsThatAreNoNumber()
{
    QFETCH(QString, text);
    QCOMPARE(parseReal32(text.toStdString()), std::nullopt);
}

void TestReal32::readsMissingNumbersAsZero()
{
    QCOMPARE(readReal32(""), 0.0f);
    QCOMPARE(readReal32("none"), 0.0f);
    QCOMPARE(readReal32("1,500.00"), 1500.0f);
}

void TestReal32::truncatesTowardZero_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("12.9") << 12.9f << 12;
    QTest::newRow("-12.9") << -12.9f << -12;
    QTest::newRow("24.5") << 24.5f << 24;
    QTest::newRow("just below one") << 0.99999f << 0;
    QTest::newRow("largest float below 2^31") << 2147483520.0f << 2147483520;
    QTest::newRow("2^31 saturates") << 2147483648.0f << std::numeric_limits<int>::max();
    QTest::newRow("-3e9 saturates") << -3e9f << std::numeric_limits<int>::min();
    QTest::newRow("infinity saturates")
        << std::numeric_limits<float>::infinity() << std::numeric_limits<int>::max();
    QTest::newRow("nan is zero") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestReal32::truncatesTowardZero()
{
    QFETCH(float, value);
    QFETCH(int, expected);
    QCOMPARE(truncateToInt(value), expected);
}

QTEST_GUILESS_MAIN(TestReal32)
#include "tst_real32.moc"
