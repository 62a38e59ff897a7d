#include "scoring/Real32.h"
#include "scoring/VitalCapacity.h"
#include "scoring/YearLadders.h"

#include <QTest>

#include <optional>

using namespace scoring;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(scoring::Sex)

class TestVitalCapacity : public QObject
{
    Q_OBJECT

private slots:
    void scores_data();
    void scores();
    void indexIsAFourByteDivision();
};

void TestVitalCapacity::scores_data()
{
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("weight");
    // -1: no weight above 0 for a capacity above 0, so the caller shows its
    // message and keeps the old score.
    QTest::addColumn<int>("expected");

    const Sex boy = Sex::Boy;
    const Sex girl = Sex::Girl;
    QTest::newRow("index 69, boy") << boy << u"3450"_s << u"50"_s << 15;
    QTest::newRow("index 69, girl") << girl << u"3450"_s << u"50"_s << 15;
    QTest::newRow("index 69 as the field shows it") << boy << u"3,450.00"_s << u"50.00"_s << 15;
    QTest::newRow("index 68.98, boy") << boy << u"3449"_s << u"50"_s << 13;
    QTest::newRow("index 68.98, girl") << girl << u"3449"_s << u"50"_s << 15;
    QTest::newRow("index 30, boy") << boy << u"1500"_s << u"50"_s << 9;
    QTest::newRow("index 30, girl") << girl << u"1500"_s << u"50"_s << 9;
    QTest::newRow("index 20, boy") << boy << u"1000"_s << u"50"_s << 8;
    QTest::newRow("index 20, girl") << girl << u"1000"_s << u"50"_s << 8;
    QTest::newRow("index 21 opens the girls' 9") << girl << u"1050"_s << u"50"_s << 9;
    QTest::newRow("2076.9 / 30.1 is just below 69") << boy << u"2076.9"_s << u"30.1"_s << 13;
    QTest::newRow("no weight") << boy << u"2500"_s << QString() << -1;
    QTest::newRow("weight 0") << girl << u"2500"_s << u"0.00"_s << -1;
    QTest::newRow("negative weight") << boy << u"2500"_s << u"-3"_s << -1;
    QTest::newRow("neither") << boy << QString() << QString() << 0;
    QTest::newRow("weight without capacity") << boy << QString() << u"50"_s << 0;
    QTest::newRow("negative capacity") << girl << u"-100"_s << u"50"_s << 0;
}

void TestVitalCapacity::scores()
{
    QFETCH(Sex, sex);
    QFETCH(QString, capacity);
    QFETCH(QString, weight);
    QFETCH(int, expected);

    const ScoreLadder &ladder = firstYearLadders().ladder(TestItem::VitalCapacity, sex);
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
#include "tst_vitalcapacity.moc"
