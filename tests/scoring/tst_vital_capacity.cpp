#include "scoring/Real32.h"
#include "scoring/VitalCapacity.h"
#include "scoring/YearLadders.h"

#include <QTest>

#include <optional>

using namespace scoring;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scoring::Sex)

namespace {

// The ladders of school year 1, 2 or 3.
const YearLadders &ladders(int year)
{
    switch (year) {
    case 2:
        return secondYearLadders();
    case 3:
        return thirdYearLadders();
    }
    return firstYearLadders();
}

} // namespace

class TestVitalCapacity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scores_data();
    void scores();
    void indexIsAFourByteDivision();
};

void TestVitalCapacity::scores_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("weight");
    // -1: no weight above 0 for a capacity above 0, so the caller shows its
    // message and keeps the old score.
    QTest::addColumn<int>("expected");

    const Sex boy = Sex::Boy;
    const Sex girl = Sex::Girl;
    QTest::newRow("1: index 69, boy") << 1 << boy << u"3450"_s << u"50"_s << 15;
    QTest::newRow("1: index 69, girl") << 1 << girl << u"3450"_s << u"50"_s << 15;
    QTest::newRow("1: index 69 as the field shows it")
        << 1 << boy << u"3,450.00"_s << u"50.00"_s << 15;
    QTest::newRow("1: index 68.98, boy") << 1 << boy << u"3449"_s << u"50"_s << 13;
    QTest::newRow("1: index 68.98, girl") << 1 << girl << u"3449"_s << u"50"_s << 15;
    QTest::newRow("1: index 30, boy") << 1 << boy << u"1500"_s << u"50"_s << 9;
    QTest::newRow("1: index 30, girl") << 1 << girl << u"1500"_s << u"50"_s << 9;
    QTest::newRow("1: index 20, boy") << 1 << boy << u"1000"_s << u"50"_s << 8;
    QTest::newRow("1: index 20, girl") << 1 << girl << u"1000"_s << u"50"_s << 8;
    QTest::newRow("1: index 21 opens the girls' 9") << 1 << girl << u"1050"_s << u"50"_s << 9;
    QTest::newRow("1: 2076.9 / 30.1 is just below 69")
        << 1 << boy << u"2076.9"_s << u"30.1"_s << 13;
    QTest::newRow("1: no weight") << 1 << boy << u"2500"_s << QString() << -1;
    QTest::newRow("1: weight 0") << 1 << girl << u"2500"_s << u"0.00"_s << -1;
    QTest::newRow("1: negative weight") << 1 << boy << u"2500"_s << u"-3"_s << -1;
    QTest::newRow("1: neither") << 1 << boy << QString() << QString() << 0;
    QTest::newRow("1: weight without capacity") << 1 << boy << QString() << u"50"_s << 0;
    QTest::newRow("1: negative capacity") << 1 << girl << u"-100"_s << u"50"_s << 0;

    QTest::newRow("2: index 70, boy") << 2 << boy << u"3500"_s << u"50"_s << 15;
    QTest::newRow("2: index 69.8, boy") << 2 << boy << u"3490"_s << u"50"_s << 13;
    QTest::newRow("2: index 24, girl") << 2 << girl << u"1200"_s << u"50"_s << 9;
    QTest::newRow("2: index 23.8, girl") << 2 << girl << u"1190"_s << u"50"_s << 8;
    QTest::newRow("2: index 60, girl") << 2 << girl << u"3000"_s << u"50"_s << 15;
    QTest::newRow("2: no weight") << 2 << boy << u"3000"_s << QString() << -1;
    QTest::newRow("2: neither") << 2 << girl << QString() << QString() << 0;

    QTest::newRow("3: index 60, boy") << 3 << boy << u"3000"_s << u"50"_s << 12;
    QTest::newRow("3: index 60, girl") << 3 << girl << u"3000"_s << u"50"_s << 15;
    QTest::newRow("3: index 60 as the field shows it")
        << 3 << boy << u"3,000.00"_s << u"50.00"_s << 12;
    QTest::newRow("3: index 58, boy") << 3 << boy << u"2900"_s << u"50"_s << 12;
    QTest::newRow("3: index 58, girl") << 3 << girl << u"2900"_s << u"50"_s << 13;
    QTest::newRow("3: index 33, boy") << 3 << boy << u"1650"_s << u"50"_s << 9;
    QTest::newRow("3: index 33, girl") << 3 << girl << u"1650"_s << u"50"_s << 9;
    QTest::newRow("3: index 22, boy") << 3 << boy << u"1100"_s << u"50"_s << 8;
    QTest::newRow("3: index 22, girl") << 3 << girl << u"1100"_s << u"50"_s << 9;
    QTest::newRow("3: index 71, boy") << 3 << boy << u"3550"_s << u"50"_s << 15;
    QTest::newRow("3: empty capacity") << 3 << boy << QString() << u"50"_s << 0;
    QTest::newRow("3: no weight") << 3 << girl << u"3000"_s << QString() << -1;
    QTest::newRow("3: weight 0") << 3 << boy << u"3000"_s << u"0"_s << -1;
}

void TestVitalCapacity::scores()
{
    QFETCH(int, year);
    QFETCH(Sex, sex);
    QFETCH(QString, capacity);
    QFETCH(QString, weight);
    QFETCH(int, expected);

    const ScoreLadder &ladder = ladders(year).ladder(TestItem::VitalCapacity, sex);
    const std::optional<int> score = scoreVitalCapacity(
        ladder, readReal32(capacity.toStdString()), readReal32(weight.toStdString()));
    if (expected < 0)
        QCOMPARE(score, std::nullopt);
    else
        QCOMPARE(score, std::optional<int>(expected));
}

void TestVitalCapacity::indexIsAFourByteDivision()
{
    const float index = vitalCapacityIndex(2076.9f, 30.1f);
    QVERIFY(index < 69.0f);
    QCOMPARE(index, 68.9999924f);
    QCOMPARE(vitalCapacityIndex(3450.0f, 50.0f), 69.0f);

    // The same quotient taken in doubles would reach 69 and score 15: the
    // 4-byte division is what gives 13.
    const ScoreLadder &boys = firstYearLadders().ladder(TestItem::VitalCapacity, Sex::Boy);
    const double inDoubles = 2076.9 / 30.1;
    QCOMPARE(scoreItem(boys, static_cast<float>(inDoubles)), 15);
    QCOMPARE(scoreItem(boys, index), 13);
}

QTEST_GUILESS_MAIN(TestVitalCapacity)
#include "tst_vital_capacity.moc"
