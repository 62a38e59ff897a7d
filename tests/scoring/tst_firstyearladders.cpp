#include "scoring/Real32.h"
#include "scoring/YearLadders.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

using namespace scoring;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scoring::TestItem)
Q_DECLARE_METATYPE(scoring::Sex)

namespace {

// The first school year's ladders as the score table lists them, written
// out here independently of the core's own table.
struct ExpectedLadder
{
    const char *name;
    TestItem item;
    std::optional<Sex> sex; // none: one ladder for either sex
    std::array<const char *, 6> thresholds;
    std::array<int, 7> scores;
};

const std::array<ExpectedLadder, 15> expectedFirstYear { {
    { "step test boys", TestItem::StepTest, Sex::Boy, { "64", "59", "53", "48", "46", "40" },
        { 20, 17, 16, 15, 13, 12, 10 } },
    { "step test girls", TestItem::StepTest, Sex::Girl, { "63", "57", "50", "45", "43", "38" },
        { 20, 17, 16, 15, 13, 12, 10 } },
    { "1000 m", TestItem::Run1000, {}, { "5.52", "5.21", "5.05", "4.39", "4.19", "4.08" },
        { 10, 12, 13, 15, 16, 17, 20 } },
    { "800 m", TestItem::Run800, {}, { "5.26", "4.51", "4.36", "4.12", "3.54", "3.44" },
        { 10, 12, 13, 15, 16, 17, 20 } },
    { "50 m boys", TestItem::Run50, Sex::Boy, { "10.1", "9.2", "8.9", "8.4", "7.9", "7.6" },
        { 15, 18, 20, 23, 25, 26, 30 } },
    { "50 m girls", TestItem::Run50, Sex::Girl, { "10.9", "10.0", "9.7", "9.2", "8.8", "8.4" },
        { 15, 18, 20, 23, 25, 26, 30 } },
    // T3 = 193 is this program's choice.
    { "long jump boys", TestItem::LongJump, Sex::Boy, { "221", "213", "193", "181", "171", "150" },
        { 30, 26, 25, 23, 20, 18, 15 } },
    { "long jump girls", TestItem::LongJump, Sex::Girl,
        { "191", "181", "169", "157", "150", "131" }, { 30, 26, 25, 23, 20, 18, 15 } },
    { "sit-and-reach boys", TestItem::SitAndReach, Sex::Boy,
        { "13.2", "11.0", "7.3", "4.0", "2.0", "-5.0" }, { 20, 17, 16, 15, 13, 12, 10 } },
    { "sit-and-reach girls", TestItem::SitAndReach, Sex::Girl,
        { "16.6", "14.5", "10.4", "7.0", "5.0", "-0.4" }, { 20, 17, 16, 15, 13, 12, 10 } },
    { "sit-ups", TestItem::SitUps, {}, { "42", "38", "32", "25", "20", "13" },
        { 20, 17, 16, 15, 13, 12, 10 } },
    { "grip index boys", TestItem::GripIndex, Sex::Boy, { "73", "66", "56", "46", "41", "30" },
        { 20, 17, 16, 15, 13, 12, 10 } },
    // T3 = 47 is this program's choice.
    { "grip index girls", TestItem::GripIndex, Sex::Girl, { "59", "54", "47", "40", "36", "27" },
        { 20, 17, 16, 15, 13, 12, 10 } },
    { "vital capacity boys", TestItem::VitalCapacity, Sex::Boy,
        { "69", "64", "55", "47", "42", "30" }, { 15, 13, 12, 11, 10, 9, 8 } },
    { "vital capacity girls", TestItem::VitalCapacity, Sex::Girl,
        { "61", "56", "48", "40", "35", "21" }, { 15, 13, 12, 11, 10, 9, 8 } },
} };

// The typed value one hundredth below a threshold ("5.26" -> "5.25",
// "9.2" -> "9.19", "-5.0" -> "-5.01").
QString hundredthBelow(const QString &threshold)
{
    const long hundredths = std::lround(threshold.toDouble() * 100.0) - 1;
    return QString::number(static_cast<double>(hundredths) / 100.0, 'f', 2);
}

float typed(const QString &text)
{
    const std::optional<float> value = parseReal32(text.toStdString());
    if (!value)
        qFatal("not a number: %s", qPrintable(text));
    return *value;
}

} // namespace

class TestFirstYearLadders : public QObject
{
    Q_OBJECT

private slots:
    void thresholdsOpenTheirBands_data();
    void thresholdsOpenTheirBands();
    void tableHoldsTheTranscribedValues();
    void everyItemHasItsLadders();
    void itemScores_data();
    void itemScores();
    void itemCodes();
    void malformedTablesAreRefused();
};

void TestFirstYearLadders::thresholdsOpenTheirBands_data()
{
    QTest::addColumn<TestItem>("item");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("scoreAt");
    QTest::addColumn<int>("scoreBelow");

    for (const ExpectedLadder &expected : expectedFirstYear) {
        // A single ladder is checked with either sex selected.
        std::array<Sex, 2> sexes { Sex::Boy, Sex::Girl };
        const std::size_t sexCount = expected.sex ? 1 : 2;
        if (expected.sex)
            sexes[0] = *expected.sex;
        for (std::size_t s = 0; s < sexCount; ++s) {
            for (std::size_t k = 0; k < 6; ++k) {
                const QString threshold = QString::fromLatin1(expected.thresholds[k]);
                const QByteArray name = QByteArray(expected.name)
                    + (expected.sex                ? ""
                            : sexes[s] == Sex::Boy ? " (boy)"
                                                   : " (girl)")
                    + " T" + QByteArray::number(k + 1) + " " + expected.thresholds[k];
                QTest::newRow(name.constData()) << expected.item << sexes[s] << threshold
                                                << expected.scores[k] << expected.scores[k + 1];
            }
        }
    }
}

void TestFirstYearLadders::thresholdsOpenTheirBands()
{
    QFETCH(TestItem, item);
    QFETCH(Sex, sex);
    QFETCH(QString, threshold);
    QFETCH(int, scoreAt);
    QFETCH(int, scoreBelow);

    const ScoreLadder &ladder = firstYearLadders().ladder(item, sex);
    const float at = typed(threshold);

    // The typed threshold scores the band it opens.
    QCOMPARE(scoreText(ladder, threshold.toStdString()), scoreAt);
    // A value typed one hundredth below scores the next band ...
    QCOMPARE(scoreText(ladder, hundredthBelow(threshold).toStdString()), scoreBelow);
    // ... and so does the very next 4-byte real below the threshold.
    QCOMPARE(
        scoreItem(ladder, std::nextafter(at, -std::numeric_limits<float>::infinity())), scoreBelow);
}

void TestFirstYearLadders::tableHoldsTheTranscribedValues()
{
    for (const ExpectedLadder &expected : expectedFirstYear) {
        const Sex sex = expected.sex.value_or(Sex::Boy);
        const ScoreLadder &ladder = firstYearLadders().ladder(expected.item, sex);
        for (std::size_t k = 0; k < 6; ++k) {
            QVERIFY2(ladder.thresholds[k] == typed(QString::fromLatin1(expected.thresholds[k])),
                expected.name);
        }
        QVERIFY2(ladder.scores == expected.scores, expected.name);
        // S1 for anything at or above T1, however far.
        QCOMPARE(scoreItem(ladder, ladder.thresholds[0] * 10.0f), expected.scores[0]);
        QVERIFY2(isWellFormed(ladder), expected.name);
    }
}

void TestFirstYearLadders::everyItemHasItsLadders()
{
    const YearLadders &year = firstYearLadders();
    QCOMPARE(year.rows().size(), std::size_t(15));
    for (TestItem single : { TestItem::Run1000, TestItem::Run800, TestItem::SitUps }) {
        QVERIFY(hasSingleLadder(single));
        QCOMPARE(&year.ladder(single, Sex::Boy), &year.ladder(single, Sex::Girl));
    }
    for (TestItem both : { TestItem::StepTest, TestItem::Run50, TestItem::LongJump,
             TestItem::SitAndReach, TestItem::GripIndex, TestItem::VitalCapacity }) {
        QVERIFY(!hasSingleLadder(both));
        QVERIFY(&year.ladder(both, Sex::Boy) != &year.ladder(both, Sex::Girl));
    }
    QVERIFY(year.ladder(TestItem::Run800, Sex::Boy).lowerIsBetter);
    QVERIFY(year.ladder(TestItem::Run50, Sex::Girl).lowerIsBetter);
    QVERIFY(!year.ladder(TestItem::LongJump, Sex::Girl).lowerIsBetter);
    QVERIFY(year.ladder(TestItem::SitAndReach, Sex::Boy).scoresNonPositive);
    QVERIFY(!year.ladder(TestItem::GripIndex, Sex::Boy).scoresNonPositive);
}

void TestFirstYearLadders::itemScores_data()
{
    QTest::addColumn<TestItem>("item");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    const Sex boy = Sex::Boy;
    const Sex girl = Sex::Girl;
    QTest::newRow("800 m 5.26") << TestItem::Run800 << girl << u"5.26"_s << 10;
    QTest::newRow("800 m 5.25") << TestItem::Run800 << girl << u"5.25"_s << 12;
    QTest::newRow("boys 50 m 9.2") << TestItem::Run50 << boy << u"9.2"_s << 18;
    QTest::newRow("boys 50 m 9.19") << TestItem::Run50 << boy << u"9.19"_s << 20;
    QTest::newRow("boys grip 30") << TestItem::GripIndex << boy << u"30"_s << 12;
    QTest::newRow("boys grip 29.99") << TestItem::GripIndex << boy << u"29.99"_s << 10;
    QTest::newRow("girls step 63") << TestItem::StepTest << girl << u"63"_s << 20;
    QTest::newRow("girls step 62.99") << TestItem::StepTest << girl << u"62.99"_s << 17;
    QTest::newRow("1000 m 4.5 is 4 min 50 s") << TestItem::Run1000 << boy << u"4.5"_s << 15;
    QTest::newRow("1000 m 4.05 is 4 min 5 s") << TestItem::Run1000 << boy << u"4.05"_s << 20;
    QTest::newRow("girls grip 40") << TestItem::GripIndex << girl << u"40"_s << 15;
    QTest::newRow("girls grip 39.99") << TestItem::GripIndex << girl << u"39.99"_s << 13;
    QTest::newRow("girls grip 54") << TestItem::GripIndex << girl << u"54"_s << 17;
    QTest::newRow("girls grip 47 (chosen T3)") << TestItem::GripIndex << girl << u"47"_s << 16;
    QTest::newRow("girls grip 49") << TestItem::GripIndex << girl << u"49"_s << 16;
    QTest::newRow("girls grip 46.99") << TestItem::GripIndex << girl << u"46.99"_s << 15;
    QTest::newRow("boys jump 193 (chosen T3)") << TestItem::LongJump << boy << u"193"_s << 25;
    QTest::newRow("boys jump 192.99") << TestItem::LongJump << boy << u"192.99"_s << 23;
    // The grip index differs by sex, so the window re-scores it after a switch.
    QTest::newRow("grip 60 for a boy") << TestItem::GripIndex << boy << u"60"_s << 16;
    QTest::newRow("grip 60 for a girl") << TestItem::GripIndex << girl << u"60"_s << 20;
    // The single ladders do not depend on the selected sex.
    QTest::newRow("800 m with a boy selected") << TestItem::Run800 << boy << u"5.26"_s << 10;
    QTest::newRow("1000 m with a girl selected") << TestItem::Run1000 << girl << u"4.05"_s << 20;
    QTest::newRow("sit-ups with a boy selected") << TestItem::SitUps << boy << u"13"_s << 12;
    // No plausibility check: any value above 0 is scored.
    QTest::newRow("50 m typed as 2") << TestItem::Run50 << boy << u"2"_s << 30;
    QTest::newRow("500 sit-ups") << TestItem::SitUps << girl << u"500"_s << 20;
    QTest::newRow("smallest typed step test") << TestItem::StepTest << boy << u"0.01"_s << 10;
    // Empty fields and values of 0 or below.
    QTest::newRow("empty step test") << TestItem::StepTest << boy << QString() << 0;
    QTest::newRow("initial text") << TestItem::Run50 << girl << u"none"_s << 0;
    QTest::newRow("step test 0") << TestItem::StepTest << boy << u"0.00"_s << 0;
    QTest::newRow("negative grip") << TestItem::GripIndex << girl << u"-3"_s << 0;
    QTest::newRow("negative 800 m") << TestItem::Run800 << girl << u"-1.00"_s << 0;
    // Sit-and-reach: a reach of 0 or below is scored on its ladder, whose
    // lowest band lies below zero; only an empty field scores 0.
    QTest::newRow("boys reach 1.5") << TestItem::SitAndReach << boy << u"1.5"_s << 12;
    QTest::newRow("boys reach 0.01") << TestItem::SitAndReach << boy << u"0.01"_s << 12;
    QTest::newRow("boys reach 0") << TestItem::SitAndReach << boy << u"0.00"_s << 12;
    QTest::newRow("boys reach -2") << TestItem::SitAndReach << boy << u"-2"_s << 12;
    QTest::newRow("boys reach -5.0") << TestItem::SitAndReach << boy << u"-5.0"_s << 12;
    QTest::newRow("boys reach -5.01") << TestItem::SitAndReach << boy << u"-5.01"_s << 10;
    QTest::newRow("boys reach -30") << TestItem::SitAndReach << boy << u"-30"_s << 10;
    QTest::newRow("girls reach 0") << TestItem::SitAndReach << girl << u"0"_s << 12;
    QTest::newRow("girls reach -0.4") << TestItem::SitAndReach << girl << u"-0.4"_s << 12;
    QTest::newRow("girls reach -0.41") << TestItem::SitAndReach << girl << u"-0.41"_s << 10;
    QTest::newRow("empty reach") << TestItem::SitAndReach << boy << QString() << 0;
    QTest::newRow("reach initial text") << TestItem::SitAndReach << girl << u"none"_s << 0;
}

void TestFirstYearLadders::itemScores()
{
    QFETCH(TestItem, item);
    QFETCH(Sex, sex);
    QFETCH(QString, text);
    QFETCH(int, expected);

    QCOMPARE(scoreText(firstYearLadders().ladder(item, sex), text.toStdString()), expected);
}

void TestFirstYearLadders::itemCodes()
{
    const char *codes[] = { "t", "1", "8", "5", "l", "z", "y", "w", "f" };
    for (std::size_t i = 0; i < testItemCount; ++i) {
        const auto item = static_cast<TestItem>(i);
        QCOMPARE(itemCode(item), std::string_view(codes[i]));
        QCOMPARE(itemFromCode(codes[i]), std::optional<TestItem>(item));
    }
    QCOMPARE(itemFromCode("s1"), std::nullopt);
    QCOMPARE(itemFromCode("58"), std::nullopt);
    QCOMPARE(itemFromCode(""), std::nullopt);
}

void TestFirstYearLadders::malformedTablesAreRefused()
{
    std::array<LadderRow, 15> rows;
    std::copy(firstYearLadders().rows().begin(), firstYearLadders().rows().end(), rows.begin());
    QVERIFY_THROWS_NO_EXCEPTION(YearLadders { rows });

    auto unordered = rows;
    std::swap(unordered[0].ladder.thresholds[1], unordered[0].ladder.thresholds[2]);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, YearLadders { unordered });

    auto duplicated = rows;
    duplicated[1] = duplicated[0]; // two boys' step tests, no girls'
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, YearLadders { duplicated });

    auto wrongKey = rows;
    wrongKey[2].sex = Sex::Boy; // the 1000 m run has one ladder for either sex
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, YearLadders { wrongKey });
}

QTEST_GUILESS_MAIN(TestFirstYearLadders)
#include "tst_firstyearladders.moc"
