#include "controls/NumericMask.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestNumericMask : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesMask();
    void check_data();
    void check();
    void value_data();
    void value();
    void valueIgnoresSystemLocale();
    void format_data();
    void format();
};

void TestNumericMask::parsesMask()
{
    const controls::NumericMask two(u"###,###.00"_s);
    QCOMPARE(two.integerDigits(), 6);
    QCOMPARE(two.decimals(), 2);
    QVERIFY(two.grouped());
    const controls::NumericMask one(u"###,###.0"_s);
    QCOMPARE(one.integerDigits(), 6);
    QCOMPARE(one.decimals(), 1);
    const controls::NumericMask whole(u"####"_s);
    QCOMPARE(whole.integerDigits(), 4);
    QCOMPARE(whole.decimals(), 0);
    QVERIFY(!whole.grouped());
}

void TestNumericMask::check_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("expected");
    const int invalid = int(controls::NumericMask::Check::Invalid);
    const int partial = int(controls::NumericMask::Check::Intermediate);
    const int ok = int(controls::NumericMask::Check::Acceptable);
    const QString m2 = u"###,###.00"_s;
    const QString m1 = u"###,###.0"_s;
    QTest::newRow("empty") << m2 << QString() << partial;
    QTest::newRow("none") << m2 << u"none"_s << ok;
    QTest::newRow("prefix of none") << m2 << u"non"_s << partial;
    QTest::newRow("digits") << m2 << u"123"_s << ok;
    QTest::newRow("six digits") << m2 << u"123456"_s << ok;
    QTest::newRow("seven digits") << m2 << u"1234567"_s << invalid;
    QTest::newRow("grouped six") << m2 << u"123,456.78"_s << ok;
    QTest::newRow("two decimals") << m2 << u"1.25"_s << ok;
    QTest::newRow("three decimals") << m2 << u"1.255"_s << invalid;
    QTest::newRow("second point") << m2 << u"1.2.3"_s << invalid;
    QTest::newRow("letter") << m2 << u"12a"_s << invalid;
    QTest::newRow("letters only") << m2 << u"abc"_s << invalid;
    QTest::newRow("leading minus") << m2 << u"-2.5"_s << ok;
    QTest::newRow("minus alone") << m2 << u"-"_s << partial;
    QTest::newRow("inner minus") << m2 << u"2-5"_s << invalid;
    QTest::newRow("plus") << m2 << u"+2"_s << invalid;
    QTest::newRow("blank") << m2 << u"1 2"_s << invalid;
    QTest::newRow("point first") << m2 << u".5"_s << ok;
    QTest::newRow("comma after point") << m2 << u"1.2,"_s << invalid;
    QTest::newRow("one decimal mask: one") << m1 << u"12.5"_s << ok;
    QTest::newRow("one decimal mask: two") << m1 << u"12.55"_s << invalid;
    QTest::newRow("whole mask: point") << u"####"_s << u"1."_s << invalid;
}

void TestNumericMask::check()
{
    QFETCH(QString, mask);
    QFETCH(QString, input);
    QFETCH(int, expected);
    QCOMPARE(int(controls::NumericMask(mask).check(input)), expected);
}

void TestNumericMask::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("grouped") << u"3,450.00"_s << 3450.0f;
    QTest::newRow("empty") << QString() << 0.0f;
    QTest::newRow("none") << u"none"_s << 0.0f;
    QTest::newRow("negative") << u"-2.5"_s << -2.5f;
    QTest::newRow("plain") << u"12.34"_s << 12.34f;
    QTest::newRow("six digits grouped") << u"123,456.78"_s << 123456.78f;
    QTest::newRow("minus alone") << u"-"_s << 0.0f;
    QTest::newRow("blanks around") << u" 7.5 "_s << 7.5f;
}

void TestNumericMask::value()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    QCOMPARE(controls::NumericMask::value(text), expected);
}

void TestNumericMask::valueIgnoresSystemLocale()
{
    // In German the comma is the decimal separator; the field's notation is fixed.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const float grouped = controls::NumericMask::value(u"3,450.00"_s);
    const QString shown = controls::NumericMask(u"###,###.00"_s).format(1234.5);
    QLocale::setDefault(saved);
    QCOMPARE(grouped, 3450.0f);
    QCOMPARE(shown, u"1,234.50"_s);
}

void TestNumericMask::format_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString m2 = u"###,###.00"_s;
    QTest::newRow("thousands") << m2 << u"3450"_s << u"3,450.00"_s;
    QTest::newRow("already shown") << m2 << u"3,450.00"_s << u"3,450.00"_s;
    QTest::newRow("small") << m2 << u"5"_s << u"5.00"_s;
    QTest::newRow("six digits") << m2 << u"123456.7"_s << u"123,456.70"_s;
    QTest::newRow("negative") << m2 << u"-2.5"_s << u"-2.50"_s;
    QTest::newRow("negative thousands") << m2 << u"-1234"_s << u"-1,234.00"_s;
    QTest::newRow("zero") << m2 << u"0"_s << u"0.00"_s;
    QTest::newRow("minus zero") << m2 << u"-0"_s << u"0.00"_s;
    QTest::newRow("none kept") << m2 << u"none"_s << u"none"_s;
    QTest::newRow("empty kept") << m2 << QString() << QString();
    QTest::newRow("one decimal") << u"###,###.0"_s << u"85"_s << u"85.0"_s;
    QTest::newRow("one decimal rounds") << u"###,###.0"_s << u"85.26"_s << u"85.3"_s;
}

void TestNumericMask::format()
{
    QFETCH(QString, mask);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(controls::NumericMask(mask).format(text), expected);
}

QTEST_GUILESS_MAIN(TestNumericMask)
#include "tst_numeric_mask.moc"
