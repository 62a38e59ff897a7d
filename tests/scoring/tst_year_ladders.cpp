#include "scoring/Real32.h"
#include "scoring/YearLadders.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <utility>

using namespace scoring;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scoring::TestItem)
Q_DECLARE_METATYPE(scoring::Sex)

namespace {

// One ladder as the score tables list it, written out here independently of
// the core's own tables.
struct ExpectedLadder
{
    const char *name;
    TestItem item;
    std::optional<Sex> sex; // none: one ladder for either sex
    std::array<const char *, 6> thresholds;
};

using ExpectedTable = std::array<ExpectedLadder, 15>;

// The scores belong to the item and are the same in every school year.
std::array<int, 7> expectedScores(TestItem item)
{
    switch (item) {
    case TestItem::Run1000:
    case TestItem::Run800:
        return { 10, 12, 13, 15, 16, 17, 20 };
    case TestItem::Run50:
        return { 15, 18, 20, 23, 25, 26, 30 };
    case TestItem::LongJump:
        return { 30, 26, 25, 23, 20, 18, 15 };
    case TestItem::VitalCapacity:
        return { 15, 13, 12, 11, 10, 9, 8 };
    case TestItem::StepTest:
    case TestItem::SitAndReach:
    case TestItem::SitUps:
    case TestItem::GripIndex:
        break;
    }
    return { 20, 17, 16, 15, 13, 12, 10 };
}

const ExpectedTable expectedFirstYear { {
    { "step test boys", TestItem::StepTest, Sex::Boy, { "64", "59", "53", "48", "46", "40" } },
    { "step test girls", TestItem::StepTest, Sex::Girl, { "63", "57", "50", "45", "43", "38" } },
    { "1000 m", TestItem::Run1000, {}, { "5.52", "5.21", "5.05", "4.39", "4.19", "4.08" } },
    { "800 m", TestItem::Run800, {}, { "5.26", "4.51", "4.36", "4.12", "3.54", "3.44" } },
    { "50 m boys", TestItem::Run50, Sex::Boy, { "10.1", "9.2", "8.9", "8.4", "7.9", "7.6" } },
    { "50 m girls", TestItem::Run50, Sex::Girl, { "10.9", "10.0", "9.7", "9.2", "8.8", "8.4" } },
    // T3 = 193 is this program's choice.
    { "long jump boys", TestItem::LongJump, Sex::Boy,
        { "221", "213", "193", "181", "171", "150" } },
    { "long jump girls", TestItem::LongJump, Sex::Girl,
        { "191", "181", "169", "157", "150", "131" } },
    { "sit-and-reach boys", TestItem::SitAndReach, Sex::Boy,
        { "13.2", "11.0", "7.3", "4.0", "2.0", "-5.0" } },
    { "sit-and-reach girls", TestItem::SitAndReach, Sex::Girl,
        { "16.6", "14.5", "10.4", "7.0", "5.0", "-0.4" } },
    { "sit-ups", TestItem::SitUps, {}, { "42", "38", "32", "25", "20", "13" } },
    { "grip index boys", TestItem::GripIndex, Sex::Boy, { "73", "66", "56", "46", "41", "30" } },
    // T3 = 47 is this program's choice.
    { "grip index girls", TestItem::GripIndex, Sex::Girl, { "59", "54", "47", "40", "36", "27" } },
    { "vital capacity boys", TestItem::VitalCapacity, Sex::Boy,
        { "69", "64", "55", "47", "42", "30" } },
    { "vital capacity girls", TestItem::VitalCapacity, Sex::Girl,
        { "61", "56", "48", "40", "35", "21" } },
} };

const ExpectedTable expectedSecondYear { {
    { "step test boys", TestItem::StepTest, Sex::Boy, { "64", "58", "52", "47", "42", "40" } },
    { "step test girls", TestItem::StepTest, Sex::Girl, { "59", "55", "49", "45", "43", "39" } },
    { "1000 m", TestItem::Run1000, {}, { "5.45", "5.08", "4.51", "4.27", "4.08", "3.58" } },
    { "800 m", TestItem::Run800, {}, { "5.23", "4.46", "4.31", "4.09", "3.51", "3.41" } },
    { "50 m boys", TestItem::Run50, Sex::Boy, { "10.0", "8.9", "8.6", "8.1", "7.7", "7.4" } },
    { "50 m girls", TestItem::Run50, Sex::Girl, { "11.5", "10.2", "9.9", "9.2", "8.8", "8.5" } },
    { "long jump boys", TestItem::LongJump, Sex::Boy,
        { "236", "228", "212", "200", "190", "165" } },
    { "long jump girls", TestItem::LongJump, Sex::Girl,
        { "189", "181", "170", "160", "152", "132" } },
    { "sit-and-reach boys", TestItem::SitAndReach, Sex::Boy,
        { "14.5", "12.0", "8.1", "4.5", "2.0", "-5.2" } },
    { "sit-and-reach girls", TestItem::SitAndReach, Sex::Girl,
        { "15.1", "13.8", "10.0", "6.2", "4.5", "-1.0" } },
    { "sit-ups", TestItem::SitUps, {}, { "43", "39", "32", "25", "21", "14" } },
    { "grip index boys", TestItem::GripIndex, Sex::Boy, { "77", "70", "60", "50", "46", "32" } },
    { "grip index girls", TestItem::GripIndex, Sex::Girl, { "58", "53", "46", "40", "35", "26" } },
    { "vital capacity boys", TestItem::VitalCapacity, Sex::Boy,
        { "70", "65", "57", "49", "45", "34" } },
    { "vital capacity girls", TestItem::VitalCapacity, Sex::Girl,
        { "60", "55", "48", "41", "37", "24" } },
} };

const ExpectedTable expectedThirdYear { {
    { "step test boys", TestItem::StepTest, Sex::Boy, { "61", "57", "52", "47", "45", "41" } },
    { "step test girls", TestItem::StepTest, Sex::Girl, { "58", "54", "49", "46", "44", "40" } },
    { "1000 m", TestItem::Run1000, {}, { "5.29", "4.51", "4.36", "4.15", "3.58", "3.49" } },
    { "800 m", TestItem::Run800, {}, { "5.16", "4.39", "4.26", "4.06", "3.50", "3.40" } },
    { "50 m boys", TestItem::Run50, Sex::Boy, { "9.0", "8.4", "8.2", "7.7", "7.4", "7.1" } },
    { "50 m girls", TestItem::Run50, Sex::Girl, { "10.7", "9.8", "9.5", "9.1", "8.7", "8.4" } },
    { "long jump boys", TestItem::LongJump, Sex::Boy,
        { "246", "236", "222", "210", "202", "180" } },
    { "long jump girls", TestItem::LongJump, Sex::Girl,
        { "196", "189", "176", "165", "158", "137" } },
    { "sit-and-reach boys", TestItem::SitAndReach, Sex::Boy,
        { "16.1", "14.0", "10.1", "6.5", "4.0", "-3.0" } },
    { "sit-and-reach girls", TestItem::SitAndReach, Sex::Girl,
        { "17.4", "15.2", "11.5", "8.0", "6.0", "-1.0" } },
    { "sit-ups", TestItem::SitUps, {}, { "43", "40", "33", "27", "23", "15" } },
    { "grip index boys", TestItem::GripIndex, Sex::Boy, { "79", "72", "63", "54", "49", "35" } },
    { "grip index girls", TestItem::GripIndex, Sex::Girl, { "60", "55", "48", "40", "37", "27" } },
    { "vital capacity boys", TestItem::VitalCapacity, Sex::Boy,
        { "71", "67", "58", "50", "46", "33" } },
    { "vital capacity girls", TestItem::VitalCapacity, Sex::Girl,
        { "59", "55", "49", "41", "38", "22" } },
} };

// A school year (1 to 3): its name in row names, its expected table and the
// core's ladders.
struct Year
{
    const char *name;
    const ExpectedTable &expected;
    const YearLadders &(*ladders)();
};

const std::array<Year, 3> years { {
    { "year 1", expectedFirstYear, &firstYearLadders },
    { "year 2", expectedSecondYear, &secondYearLadders },
    { "year 3", expectedThirdYear, &thirdYearLadders },
} };

const Year &year(int number)
{
    return years.at(static_cast<std::size_t>(number - 1));
}

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

class TestYearLadders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thresholdsOpenTheirBands_data();
    void thresholdsOpenTheirBands();
    void tableHoldsTheTranscribedValues_data();
    void tableHoldsTheTranscribedValues();
    void everyItemHasItsLadders_data();
    void everyItemHasItsLadders();
    void yearsAreTheirOwn();
    void itemScores_data();
    void itemScores();
    void itemCodes();
    void malformedTablesAreRefused();
};

void TestYearLadders::thresholdsOpenTheirBands_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<TestItem>("item");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("scoreAt");
    QTest::addColumn<int>("scoreBelow");

    for (int y = 1; y <= 3; ++y) {
        for (const ExpectedLadder &expected : year(y).expected) {
            const std::array<int, 7> scores = expectedScores(expected.item);
            // A single ladder is checked with either sex selected.
            std::array<Sex, 2> sexes { Sex::Boy, Sex::Girl };
            const std::size_t sexCount = expected.sex ? 1 : 2;
            if (expected.sex)
                sexes[0] = *expected.sex;
            for (std::size_t s = 0; s < sexCount; ++s) {
                for (std::size_t k = 0; k < 6; ++k) {
                    const QByteArray name = QByteArray(year(y).name) + " " + expected.name
                        + (expected.sex                ? ""
                                : sexes[s] == Sex::Boy ? " (boy)"
                                                       : " (girl)")
                        + " T" + QByteArray::number(k + 1) + " " + expected.thresholds[k];
                    QTest::newRow(name.constData()) << y << expected.item << sexes[s]
                                                    << QString::fromLatin1(expected.thresholds[k])
                                                    << scores[k] << scores[k + 1];
                }
            }
        }
    }
}

void TestYearLadders::thresholdsOpenTheirBands()
{
    QFETCH(int, year);
    QFETCH(TestItem, item);
    QFETCH(Sex, sex);
    QFETCH(QString, threshold);
    QFETCH(int, scoreAt);
    QFETCH(int, scoreBelow);

    const ScoreLadder &ladder = ::year(year).ladders().ladder(item, sex);
    const float at = typed(threshold);

    // The typed threshold scores the band it opens.
    QCOMPARE(scoreText(ladder, threshold.toStdString()), scoreAt);
    // A value typed one hundredth below scores the next band ...
    QCOMPARE(scoreText(ladder, hundredthBelow(threshold).toStdString()), scoreBelow);
    // ... and so does the very next 4-byte real below the threshold.
    QCOMPARE(
        scoreItem(ladder, std::nextafter(at, -std::numeric_limits<float>::infinity())), scoreBelow);
}

void TestYearLadders::tableHoldsTheTranscribedValues_data()
{
    QTest::addColumn<int>("year");
    for (int y = 1; y <= 3; ++y)
        QTest::newRow(year(y).name) << y;
}

void TestYearLadders::tableHoldsTheTranscribedValues()
{
    QFETCH(int, year);

    const YearLadders &ladders = ::year(year).ladders();
    for (const ExpectedLadder &expected : ::year(year).expected) {
        const Sex sex = expected.sex.value_or(Sex::Boy);
        const ScoreLadder &ladder = ladders.ladder(expected.item, sex);
        for (std::size_t k = 0; k < 6; ++k) {
            QVERIFY2(ladder.thresholds[k] == typed(QString::fromLatin1(expected.thresholds[k])),
                expected.name);
        }
        QVERIFY2(ladder.scores == expectedScores(expected.item), expected.name);
        // S1 for anything at or above T1, however far.
        QCOMPARE(scoreItem(ladder, ladder.thresholds[0] * 10.0f), ladder.scores[0]);
        QVERIFY2(isWellFormed(ladder), expected.name);
    }
}

void TestYearLadders::everyItemHasItsLadders_data()
{
    tableHoldsTheTranscribedValues_data();
}

void TestYearLadders::everyItemHasItsLadders()
{
    QFETCH(int, year);

    const YearLadders &ladders = ::year(year).ladders();
    // One row for each item and sex, and a single row for either sex of
    // the single-ladder items: no row twice, none missing.
    using Key = std::pair<TestItem, std::optional<Sex>>;
    std::set<Key> keys;
    for (const LadderRow &row : ladders.rows())
        QVERIFY2(keys.insert({ row.item, row.sex }).second, "a ladder row stands twice");
    std::set<Key> expected;
    for (std::size_t i = 0; i < kTestItemCount; ++i) {
        const auto item = static_cast<TestItem>(i);
        if (hasSingleLadder(item)) {
            expected.insert({ item, std::nullopt });
        } else {
            expected.insert({ item, Sex::Boy });
            expected.insert({ item, Sex::Girl });
        }
    }
    QVERIFY(keys == expected);
    for (TestItem single : { TestItem::Run1000, TestItem::Run800, TestItem::SitUps }) {
        QVERIFY(hasSingleLadder(single));
        QCOMPARE(&ladders.ladder(single, Sex::Boy), &ladders.ladder(single, Sex::Girl));
    }
    for (TestItem both : { TestItem::StepTest, TestItem::Run50, TestItem::LongJump,
             TestItem::SitAndReach, TestItem::GripIndex, TestItem::VitalCapacity }) {
        QVERIFY(!hasSingleLadder(both));
        QVERIFY(&ladders.ladder(both, Sex::Boy) != &ladders.ladder(both, Sex::Girl));
    }
    QVERIFY(ladders.ladder(TestItem::Run800, Sex::Boy).lowerIsBetter);
    QVERIFY(ladders.ladder(TestItem::Run1000, Sex::Girl).lowerIsBetter);
    QVERIFY(ladders.ladder(TestItem::Run50, Sex::Girl).lowerIsBetter);
    QVERIFY(!ladders.ladder(TestItem::LongJump, Sex::Girl).lowerIsBetter);
    // A reach of 0 or below is scored on the ladder in every year.
    QVERIFY(ladders.ladder(TestItem::SitAndReach, Sex::Boy).scoresNonPositive);
    QVERIFY(ladders.ladder(TestItem::SitAndReach, Sex::Girl).scoresNonPositive);
    QVERIFY(!ladders.ladder(TestItem::GripIndex, Sex::Boy).scoresNonPositive);
}

void TestYearLadders::yearsAreTheirOwn()
{
    // Each year is its own table, not another year's under a new name.
    QVERIFY(&firstYearLadders() != &secondYearLadders());
    QVERIFY(&secondYearLadders() != &thirdYearLadders());
    const float firstT1 = firstYearLadders().ladder(TestItem::Run800, Sex::Girl).thresholds[0];
    const float secondT1 = secondYearLadders().ladder(TestItem::Run800, Sex::Girl).thresholds[0];
    const float thirdT1 = thirdYearLadders().ladder(TestItem::Run800, Sex::Girl).thresholds[0];
    QVERIFY(firstT1 != secondT1 && secondT1 != thirdT1);
}

void TestYearLadders::itemScores_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<TestItem>("item");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    using enum TestItem;
    const Sex boy = Sex::Boy;
    const Sex girl = Sex::Girl;

    // First year.
    QTest::newRow("1: 800 m 5.26") << 1 << Run800 << girl << u"5.26"_s << 10;
    QTest::newRow("1: 800 m 5.25") << 1 << Run800 << girl << u"5.25"_s << 12;
    QTest::newRow("1: boys 50 m 9.2") << 1 << Run50 << boy << u"9.2"_s << 18;
    QTest::newRow("1: boys 50 m 9.19") << 1 << Run50 << boy << u"9.19"_s << 20;
    QTest::newRow("1: boys grip 30") << 1 << GripIndex << boy << u"30"_s << 12;
    QTest::newRow("1: boys grip 29.99") << 1 << GripIndex << boy << u"29.99"_s << 10;
    QTest::newRow("1: girls step 63") << 1 << StepTest << girl << u"63"_s << 20;
    QTest::newRow("1: girls step 62.99") << 1 << StepTest << girl << u"62.99"_s << 17;
    QTest::newRow("1: 1000 m 4.5 is 4 min 50 s") << 1 << Run1000 << boy << u"4.5"_s << 15;
    QTest::newRow("1: 1000 m 4.05 is 4 min 5 s") << 1 << Run1000 << boy << u"4.05"_s << 20;
    QTest::newRow("1: girls grip 40") << 1 << GripIndex << girl << u"40"_s << 15;
    QTest::newRow("1: girls grip 39.99") << 1 << GripIndex << girl << u"39.99"_s << 13;
    QTest::newRow("1: girls grip 54") << 1 << GripIndex << girl << u"54"_s << 17;
    QTest::newRow("1: girls grip 47 (chosen T3)") << 1 << GripIndex << girl << u"47"_s << 16;
    QTest::newRow("1: girls grip 49") << 1 << GripIndex << girl << u"49"_s << 16;
    QTest::newRow("1: girls grip 46.99") << 1 << GripIndex << girl << u"46.99"_s << 15;
    QTest::newRow("1: boys jump 193 (chosen T3)") << 1 << LongJump << boy << u"193"_s << 25;
    QTest::newRow("1: boys jump 192.99") << 1 << LongJump << boy << u"192.99"_s << 23;
    // The grip index differs by sex, so the window re-scores it after a switch.
    QTest::newRow("1: grip 60 for a boy") << 1 << GripIndex << boy << u"60"_s << 16;
    QTest::newRow("1: grip 60 for a girl") << 1 << GripIndex << girl << u"60"_s << 20;
    // The single ladders do not depend on the selected sex.
    QTest::newRow("1: 800 m with a boy selected") << 1 << Run800 << boy << u"5.26"_s << 10;
    QTest::newRow("1: 1000 m with a girl selected") << 1 << Run1000 << girl << u"4.05"_s << 20;
    QTest::newRow("1: sit-ups with a boy selected") << 1 << SitUps << boy << u"13"_s << 12;
    // No plausibility check: any value above 0 is scored.
    QTest::newRow("1: 50 m typed as 2") << 1 << Run50 << boy << u"2"_s << 30;
    QTest::newRow("1: 500 sit-ups") << 1 << SitUps << girl << u"500"_s << 20;
    QTest::newRow("1: smallest typed step test") << 1 << StepTest << boy << u"0.01"_s << 10;
    // Empty fields and values of 0 or below.
    QTest::newRow("1: empty step test") << 1 << StepTest << boy << QString() << 0;
    QTest::newRow("1: initial text") << 1 << Run50 << girl << u"none"_s << 0;
    QTest::newRow("1: step test 0") << 1 << StepTest << boy << u"0.00"_s << 0;
    QTest::newRow("1: negative grip") << 1 << GripIndex << girl << u"-3"_s << 0;
    QTest::newRow("1: negative 800 m") << 1 << Run800 << girl << u"-1.00"_s << 0;
    // Sit-and-reach: a reach of 0 or below is scored on its ladder, whose
    // lowest band lies below zero; only an empty field scores 0.
    QTest::newRow("1: boys reach 1.5") << 1 << SitAndReach << boy << u"1.5"_s << 12;
    QTest::newRow("1: boys reach 0.01") << 1 << SitAndReach << boy << u"0.01"_s << 12;
    QTest::newRow("1: boys reach 0") << 1 << SitAndReach << boy << u"0.00"_s << 12;
    QTest::newRow("1: boys reach -2") << 1 << SitAndReach << boy << u"-2"_s << 12;
    QTest::newRow("1: boys reach -5.0") << 1 << SitAndReach << boy << u"-5.0"_s << 12;
    QTest::newRow("1: boys reach -5.01") << 1 << SitAndReach << boy << u"-5.01"_s << 10;
    QTest::newRow("1: boys reach -30") << 1 << SitAndReach << boy << u"-30"_s << 10;
    QTest::newRow("1: girls reach 0") << 1 << SitAndReach << girl << u"0"_s << 12;
    QTest::newRow("1: girls reach -0.4") << 1 << SitAndReach << girl << u"-0.4"_s << 12;
    QTest::newRow("1: girls reach -0.41") << 1 << SitAndReach << girl << u"-0.41"_s << 10;
    QTest::newRow("1: empty reach") << 1 << SitAndReach << boy << QString() << 0;
    QTest::newRow("1: reach initial text") << 1 << SitAndReach << girl << u"none"_s << 0;

    // Second year.
    QTest::newRow("2: girls 800 m 3.41") << 2 << Run800 << girl << u"3.41"_s << 17;
    QTest::newRow("2: girls 800 m 3.40") << 2 << Run800 << girl << u"3.40"_s << 20;
    QTest::newRow("2: girls 800 m 5.23") << 2 << Run800 << girl << u"5.23"_s << 10;
    QTest::newRow("2: girls 800 m 5.22") << 2 << Run800 << girl << u"5.22"_s << 12;
    QTest::newRow("2: boys 1000 m 3.58") << 2 << Run1000 << boy << u"3.58"_s << 17;
    QTest::newRow("2: boys 1000 m 3.57") << 2 << Run1000 << boy << u"3.57"_s << 20;
    QTest::newRow("2: boys 1000 m 5.45") << 2 << Run1000 << boy << u"5.45"_s << 10;
    QTest::newRow("2: girls 50 m 8.5") << 2 << Run50 << girl << u"8.5"_s << 26;
    QTest::newRow("2: girls 50 m 8.4") << 2 << Run50 << girl << u"8.4"_s << 30;
    QTest::newRow("2: girls 50 m 11.5") << 2 << Run50 << girl << u"11.5"_s << 15;
    QTest::newRow("2: girls 50 m 11.4") << 2 << Run50 << girl << u"11.4"_s << 18;
    QTest::newRow("2: boys jump 236") << 2 << LongJump << boy << u"236"_s << 30;
    QTest::newRow("2: boys jump 212") << 2 << LongJump << boy << u"212"_s << 25;
    QTest::newRow("2: boys jump 211") << 2 << LongJump << boy << u"211"_s << 23;
    QTest::newRow("2: boys jump 165") << 2 << LongJump << boy << u"165"_s << 18;
    QTest::newRow("2: boys jump 164") << 2 << LongJump << boy << u"164"_s << 15;
    QTest::newRow("2: girls grip 46") << 2 << GripIndex << girl << u"46"_s << 16;
    QTest::newRow("2: girls grip 45") << 2 << GripIndex << girl << u"45"_s << 15;
    QTest::newRow("2: girls grip 40") << 2 << GripIndex << girl << u"40"_s << 15;
    QTest::newRow("2: girls grip 39") << 2 << GripIndex << girl << u"39"_s << 13;
    QTest::newRow("2: boys step 42") << 2 << StepTest << boy << u"42"_s << 13;
    QTest::newRow("2: boys step 40") << 2 << StepTest << boy << u"40"_s << 12;
    QTest::newRow("2: boys step 39") << 2 << StepTest << boy << u"39"_s << 10;
    QTest::newRow("2: girls step 39") << 2 << StepTest << girl << u"39"_s << 12;
    QTest::newRow("2: girls step 38") << 2 << StepTest << girl << u"38"_s << 10;
    QTest::newRow("2: sit-ups 43, boy selected") << 2 << SitUps << boy << u"43"_s << 20;
    QTest::newRow("2: sit-ups 14, boy selected") << 2 << SitUps << boy << u"14"_s << 12;
    QTest::newRow("2: sit-ups 13") << 2 << SitUps << girl << u"13"_s << 10;
    QTest::newRow("2: boys reach 2.0") << 2 << SitAndReach << boy << u"2.0"_s << 13;
    QTest::newRow("2: boys reach 1.5") << 2 << SitAndReach << boy << u"1.5"_s << 12;
    QTest::newRow("2: boys reach 0") << 2 << SitAndReach << boy << u"0"_s << 12;
    QTest::newRow("2: boys reach -5.21") << 2 << SitAndReach << boy << u"-5.21"_s << 10;
    QTest::newRow("2: girls reach -1.0") << 2 << SitAndReach << girl << u"-1.0"_s << 12;
    QTest::newRow("2: girls reach -1.01") << 2 << SitAndReach << girl << u"-1.01"_s << 10;
    QTest::newRow("2: empty reach") << 2 << SitAndReach << girl << QString() << 0;

    // Third year.
    QTest::newRow("3: 800 m 5.16") << 3 << Run800 << girl << u"5.16"_s << 10;
    QTest::newRow("3: 800 m 5.15") << 3 << Run800 << girl << u"5.15"_s << 12;
    QTest::newRow("3: 800 m 3.40") << 3 << Run800 << girl << u"3.40"_s << 17;
    QTest::newRow("3: 800 m 3.39") << 3 << Run800 << girl << u"3.39"_s << 20;
    QTest::newRow("3: 800 m 3.5 is 3 min 50 s") << 3 << Run800 << girl << u"3.5"_s << 16;
    QTest::newRow("3: empty 800 m") << 3 << Run800 << girl << QString() << 0;
    QTest::newRow("3: 1000 m 4.0, boy") << 3 << Run1000 << boy << u"4.0"_s << 16;
    QTest::newRow("3: 1000 m 4.0, girl selected") << 3 << Run1000 << girl << u"4.0"_s << 16;
    QTest::newRow("3: boys step 61") << 3 << StepTest << boy << u"61"_s << 20;
    QTest::newRow("3: boys step 60.99") << 3 << StepTest << boy << u"60.99"_s << 17;
    QTest::newRow("3: girls step 40") << 3 << StepTest << girl << u"40"_s << 12;
    QTest::newRow("3: girls step 39.99") << 3 << StepTest << girl << u"39.99"_s << 10;
    QTest::newRow("3: girls step 58") << 3 << StepTest << girl << u"58"_s << 20;
    QTest::newRow("3: boys step 58") << 3 << StepTest << boy << u"58"_s << 17;
    QTest::newRow("3: boys jump 222") << 3 << LongJump << boy << u"222"_s << 25;
    QTest::newRow("3: boys jump 221.99") << 3 << LongJump << boy << u"221.99"_s << 23;
    QTest::newRow("3: girls jump 137") << 3 << LongJump << girl << u"137"_s << 18;
    QTest::newRow("3: girls jump 136.99") << 3 << LongJump << girl << u"136.99"_s << 15;
    QTest::newRow("3: boys 50 m 7.1") << 3 << Run50 << boy << u"7.1"_s << 26;
    QTest::newRow("3: boys 50 m 7.09") << 3 << Run50 << boy << u"7.09"_s << 30;
    QTest::newRow("3: boys 50 m 9.0") << 3 << Run50 << boy << u"9.0"_s << 15;
    QTest::newRow("3: boys 50 m 8.99") << 3 << Run50 << boy << u"8.99"_s << 18;
    QTest::newRow("3: girls 50 m 10.7") << 3 << Run50 << girl << u"10.7"_s << 15;
    QTest::newRow("3: girls grip 48") << 3 << GripIndex << girl << u"48"_s << 16;
    QTest::newRow("3: girls grip 47") << 3 << GripIndex << girl << u"47"_s << 15;
    QTest::newRow("3: girls grip 40") << 3 << GripIndex << girl << u"40"_s << 15;
    QTest::newRow("3: girls grip 39.99") << 3 << GripIndex << girl << u"39.99"_s << 13;
    QTest::newRow("3: boys reach 4") << 3 << SitAndReach << boy << u"4"_s << 13;
    QTest::newRow("3: boys reach 3.99") << 3 << SitAndReach << boy << u"3.99"_s << 12;
    QTest::newRow("3: boys reach 0.01") << 3 << SitAndReach << boy << u"0.01"_s << 12;
    // A reach of 0 or below is a result like any other in every year.
    QTest::newRow("3: boys reach 0") << 3 << SitAndReach << boy << u"0"_s << 12;
    QTest::newRow("3: boys reach -2") << 3 << SitAndReach << boy << u"-2"_s << 12;
    QTest::newRow("3: boys reach -3.0") << 3 << SitAndReach << boy << u"-3.0"_s << 12;
    QTest::newRow("3: boys reach -3.01") << 3 << SitAndReach << boy << u"-3.01"_s << 10;
    QTest::newRow("3: girls reach -1.01") << 3 << SitAndReach << girl << u"-1.01"_s << 10;
    QTest::newRow("3: empty reach") << 3 << SitAndReach << boy << QString() << 0;
}

void TestYearLadders::itemScores()
{
    QFETCH(int, year);
    QFETCH(TestItem, item);
    QFETCH(Sex, sex);
    QFETCH(QString, text);
    QFETCH(int, expected);

    QCOMPARE(scoreText(::year(year).ladders().ladder(item, sex), text.toStdString()), expected);
}

void TestYearLadders::itemCodes()
{
    const char *codes[] = { "t", "1", "8", "5", "l", "z", "y", "w", "f" };
    for (std::size_t i = 0; i < kTestItemCount; ++i) {
        const auto item = static_cast<TestItem>(i);
        QCOMPARE(itemCode(item), std::string_view(codes[i]));
    }
}

void TestYearLadders::malformedTablesAreRefused()
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

QTEST_GUILESS_MAIN(TestYearLadders)
#include "tst_year_ladders.moc"
