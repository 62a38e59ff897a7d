#include "scoring/GraduationScore.h"
#include "scoring/Real32.h"

#include <QTest>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

using namespace scoring;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scoring::Rating)
Q_DECLARE_METATYPE(std::optional<std::int64_t>)

namespace {

// A whole number of tenths as a field shows it under the mask "###,###.0".
QString tenthsText(int tenths)
{
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
}

// The 4-byte reals that the third-year window reads for the typed texts
// 0.0, 0.1, ..., 100.0, indexed by tenths.
std::vector<float> typedReals()
{
    std::vector<float> reals;
    for (int t = 0; t <= 1000; ++t)
        reals.push_back(readReal32(tenthsText(t).toStdString()));
    return reals;
}

} // namespace

class TestGraduationScore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thirdYearWindow_data();
    void thirdYearWindow();
    void thirdYearWindowRoundsTheSumOfTheTwoProducts();
    void thirdYearWindowIsExactOnWholeTenths();
    void graduationWindow_data();
    void graduationWindow();
    void graduationWindowIsExactOnWholeTenths();
    void tenths_data();
    void tenths();
    void tenthsOfEveryMaskedValue();
};

void TestGraduationScore::thirdYearWindow_data()
{
    QTest::addColumn<QString>("firstYear");
    QTest::addColumn<QString>("secondYear");
    QTest::addColumn<int>("schoolYearTotal");
    QTest::addColumn<int>("score");
    QTest::addColumn<Rating>("rating");

    QTest::newRow("63.8 / 68.2 / 64") << u"63.8"_s << u"68.2"_s << 64 << 65 << Rating::Pass;
    QTest::newRow("60.3 / 67.7 / 60") << u"60.3"_s << u"67.7"_s << 60 << 62 << Rating::Pass;
    QTest::newRow("80.0 / 70.0 / 90") << u"80.0"_s << u"70.0"_s << 90 << 82 << Rating::Good;
    QTest::newRow("bonus total 120 enters as 100")
        << u"85.5"_s << u"90.0"_s << 120 << 93 << Rating::Excellent;
    QTest::newRow("absence cap's 59 enters as 59")
        << u"80.0"_s << u"80.0"_s << 59 << 69 << Rating::Pass;
    QTest::newRow("empty / empty / 90") << QString() << QString() << 90 << 45 << Rating::Fail;
    QTest::newRow("empty / empty / 120") << QString() << QString() << 120 << 50 << Rating::Fail;
    QTest::newRow("initial texts count 0") << u"none"_s << u"none"_s << 80 << 40 << Rating::Fail;
    QTest::newRow("80 / empty / 90") << u"80.0"_s << QString() << 90 << 65 << Rating::Pass;
    QTest::newRow("grouped 1,000.0") << u"1,000.0"_s << QString() << 0 << 250 << Rating::Excellent;
    // Graduation scores at the band edges: the same value in all three.
    QTest::newRow("86") << u"86"_s << u"86"_s << 86 << 86 << Rating::Excellent;
    QTest::newRow("85") << u"85"_s << u"85"_s << 85 << 85 << Rating::Good;
    QTest::newRow("76") << u"76"_s << u"76"_s << 76 << 76 << Rating::Good;
    QTest::newRow("75") << u"75"_s << u"75"_s << 75 << 75 << Rating::Pass;
    QTest::newRow("60") << u"60"_s << u"60"_s << 60 << 60 << Rating::Pass;
    QTest::newRow("59") << u"59"_s << u"59"_s << 59 << 59 << Rating::Fail;
    QTest::newRow("1") << u"1"_s << u"1"_s << 1 << 1 << Rating::Fail;
    QTest::newRow("0") << u"0"_s << u"0"_s << 0 << 0 << Rating::None;
    QTest::newRow("0.9 / 0.9 / 1 truncates to 0") << u"0.9"_s << u"0.9"_s << 1 << 0 << Rating::None;
}

void TestGraduationScore::thirdYearWindow()
{
    QFETCH(QString, firstYear);
    QFETCH(QString, secondYear);
    QFETCH(int, schoolYearTotal);
    QFETCH(int, score);
    QFETCH(Rating, rating);

    const GraduationResult result = thirdYearWindowGraduation(
        readReal32(firstYear.toStdString()), readReal32(secondYear.toStdString()), schoolYearTotal);
    QCOMPARE(result.score, score);
    QCOMPARE(result.rating, rating);
}

void TestGraduationScore::thirdYearWindowRoundsTheSumOfTheTwoProducts()
{
    // Kept apart, the two products of 63.8 and 68.2 fall just below 33; the
    // sum rounded to a 4-byte real is 33, which gives 65 and not 64.
    const float a = readReal32("63.8") * 0.25f;
    const float b = readReal32("68.2") * 0.25f;
    QVERIFY(static_cast<double>(a) + static_cast<double>(b) < 33.0);
    QCOMPARE(thirdYearWindowGraduation(readReal32("63.8"), readReal32("68.2"), 64).score, 65);
}

void TestGraduationScore::thirdYearWindowIsExactOnWholeTenths()
{
    // Every pair of typed totals 0.0 to 100.0 and every whole school-year
    // total 0 to 120, against floor((t1 + t2 + 20 min(c3, 100)) / 40) in
    // whole numbers.
    const std::vector<float> reals = typedReals();
    long checked = 0;
    for (int t1 = 0; t1 <= 1000; ++t1) {
        for (int t2 = 0; t2 <= 1000; ++t2) {
            for (int c3 = 0; c3 <= 120; ++c3) {
                const int exact = (t1 + t2 + 20 * std::min(c3, 100)) / 40;
                const GraduationResult result = thirdYearWindowGraduation(reals[t1], reals[t2], c3);
                if (result.score != exact || result.rating != rateScore(exact)) {
                    const QByteArray where = (tenthsText(t1) + u" / "_s + tenthsText(t2) + u" / "_s
                        + QString::number(c3))
                                                 .toUtf8();
                    QFAIL(("graduation score off at " + where + ": "
                        + QByteArray::number(result.score) + " instead of "
                        + QByteArray::number(exact))
                              .constData());
                }
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 1001L * 1001L * 121L);
}

void TestGraduationScore::graduationWindow_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::addColumn<int>("score");
    QTest::addColumn<Rating>("rating");

    QTest::newRow("80.0 / 70.0 / 90.0")
        << u"80.0"_s << u"70.0"_s << u"90.0"_s << 82 << Rating::Good;
    // Sums that are whole numbers in decimal are not truncated to the number
    // below, as 4-byte arithmetic would do.
    QTest::newRow("50.1 / 80.7 / 54.6")
        << u"50.1"_s << u"80.7"_s << u"54.6"_s << 60 << Rating::Pass;
    QTest::newRow("60.1 / 74.7 / 54.6")
        << u"60.1"_s << u"74.7"_s << u"54.6"_s << 61 << Rating::Pass;
    QTest::newRow("0.1 / 41.3 / 1.3") << u"0.1"_s << u"41.3"_s << u"1.3"_s << 11 << Rating::Fail;
    QTest::newRow("85.9 three times") << u"85.9"_s << u"85.9"_s << u"85.9"_s << 85 << Rating::Good;
    QTest::newRow("100 three times")
        << u"100"_s << u"100"_s << u"100"_s << 100 << Rating::Excellent;
    // No cap.
    QTest::newRow("200 three times")
        << u"200.0"_s << u"200.0"_s << u"200.0"_s << 200 << Rating::Excellent;
    QTest::newRow("1,000.0 three times")
        << u"1,000.0"_s << u"1,000.0"_s << u"1,000.0"_s << 1000 << Rating::Excellent;
    QTest::newRow("only the first, 80")
        << u"80.0"_s << QString() << QString() << 20 << Rating::Fail;
    QTest::newRow("initial texts") << u"none"_s << u"none"_s << u"none"_s << 0 << Rating::None;
    QTest::newRow("all 0") << u"0.0"_s << u"0.0"_s << u"0.0"_s << 0 << Rating::None;
    QTest::newRow("76") << u"76"_s << u"76"_s << u"76"_s << 76 << Rating::Good;
    QTest::newRow("75") << u"75"_s << u"75"_s << u"75"_s << 75 << Rating::Pass;
    QTest::newRow("60") << u"60"_s << u"60"_s << u"60"_s << 60 << Rating::Pass;
    QTest::newRow("59") << u"59"_s << u"59"_s << u"59"_s << 59 << Rating::Fail;
    QTest::newRow("1") << u"1"_s << u"1"_s << u"1"_s << 1 << Rating::Fail;
    QTest::newRow("0.9 three times") << u"0.9"_s << u"0.9"_s << u"0.9"_s << 0 << Rating::None;
    QTest::newRow("79.9 / 80 / 80 truncates to 79")
        << u"79.9"_s << u"80"_s << u"80"_s << 79 << Rating::Good;
}

void TestGraduationScore::graduationWindow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    QFETCH(int, score);
    QFETCH(Rating, rating);

    const GraduationResult result = graduationWindowScore(readTenths(first.toStdString()),
        readTenths(second.toStdString()), readTenths(third.toStdString()));
    QCOMPARE(result.score, score);
    QCOMPARE(result.rating, rating);
}

void TestGraduationScore::graduationWindowIsExactOnWholeTenths()
{
    // The three typed scores 0.0 to 100.0 (the third in steps of 3.7 to keep
    // the grid small), read from their texts, against
    // trunc((t1 + t2 + 2 t3) / 40) in whole numbers.
    std::vector<std::int64_t> read;
    for (int t = 0; t <= 1000; ++t)
        read.push_back(readTenths(tenthsText(t).toStdString()));
    long belowInFourByteReals = 0;
    const std::vector<float> reals = typedReals();
    for (int t3 = 0; t3 <= 1000; t3 += 37) {
        for (int t1 = 0; t1 <= 1000; ++t1) {
            for (int t2 = 0; t2 <= 1000; ++t2) {
                const int exact = (t1 + t2 + 2 * t3) / 40;
                const GraduationResult result = graduationWindowScore(read[t1], read[t2], read[t3]);
                if (result.score != exact || result.rating != rateScore(exact)) {
                    const QByteArray where
                        = (tenthsText(t1) + u" / "_s + tenthsText(t2) + u" / "_s + tenthsText(t3))
                              .toUtf8();
                    QFAIL(("graduation score off at " + where).constData());
                }
                // How often the weights taken in 4-byte reals would fall
                // short of the exact score.
                const float inReals = (reals[t1] * 0.25f + reals[t2] * 0.25f) + reals[t3] * 0.5f;
                if (truncateToInt(inReals) < exact)
                    ++belowInFourByteReals;
            }
        }
    }
    QVERIFY(belowInFourByteReals > 0);
}

void TestGraduationScore::tenths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::int64_t>>("tenths");

    using T = std::optional<std::int64_t>;
    QTest::newRow("50.1") << u"50.1"_s << T(501);
    QTest::newRow("80") << u"80"_s << T(800);
    QTest::newRow("80.") << u"80."_s << T(800);
    QTest::newRow(".5") << u".5"_s << T(5);
    QTest::newRow("0.0") << u"0.0"_s << T(0);
    QTest::newRow("grouped") << u"1,234.5"_s << T(12345);
    QTest::newRow("mask's widest") << u"999,999.9"_s << T(9999999);
    QTest::newRow("blanks") << u" 7.0 "_s << T(70);
    QTest::newRow("minus") << u"-0.3"_s << T(-3);
    QTest::newRow("plus") << u"+2.5"_s << T(25);
    QTest::newRow("two decimals round up") << u"0.05"_s << T(1);
    QTest::newRow("two decimals round down") << u"0.04"_s << T(0);
    QTest::newRow("negative rounds away from 0") << u"-0.05"_s << T(-1);
    QTest::newRow("three decimals") << u"54.649"_s << T(546);
    QTest::newRow("held at 10^15") << u"99999999999999999999"_s << T(1'000'000'000'000'000);
    QTest::newRow("empty") << QString() << T();
    QTest::newRow("initial text") << u"none"_s << T();
    QTest::newRow("point only") << u"."_s << T();
    QTest::newRow("double comma") << u"1,,234"_s << T();
    QTest::newRow("trailing comma") << u"1,"_s << T();
    QTest::newRow("leading comma") << u",1"_s << T();
    QTest::newRow("exponent") << u"1e3"_s << T();
    QTest::newRow("two points") << u"1.2.3"_s << T();
}

void TestGraduationScore::tenths()
{
    QFETCH(QString, text);
    QFETCH(std::optional<std::int64_t>, tenths);

    QCOMPARE(parseTenths(text.toStdString()), tenths);
    QCOMPARE(readTenths(text.toStdString()), tenths.value_or(0));
}

void TestGraduationScore::tenthsOfEveryMaskedValue()
{
    // 0.0 to 999.9 as the mask shows them.
    for (int t = 0; t < 10000; ++t)
        QCOMPARE(readTenths(tenthsText(t).toStdString()), std::int64_t(t));
}

QTEST_GUILESS_MAIN(TestGraduationScore)
#include "tst_graduation_score.moc"
