#include "scoring/HeightWeight.h"

#include <QTest>

#include <bit>
#include <limits>

using namespace scoring;

Q_DECLARE_METATYPE(scoring::Sex)

namespace {

bool sameFloat(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

} // namespace

class TestHeightWeight : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rangesOfTheTables();
    void shift_data();
    void shift();
    void farAboveTheRange();
    void heightTooLargeToStep();
    void noLookupWithoutBothValues();
    void weightBands_data();
    void weightBands();
    void shiftedWeightBelowABound();
};

void TestHeightWeight::rangesOfTheTables()
{
    QCOMPARE(heightRangeFor(Sex::Boy).lowest, 123.0f);
    QCOMPARE(heightRangeFor(Sex::Boy).top, 187.0f);
    QCOMPARE(heightRangeFor(Sex::Girl).lowest, 121.0f);
    QCOMPARE(heightRangeFor(Sex::Girl).top, 178.0f);
}

void TestHeightWeight::shift_data()
{
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("weight");
    QTest::addColumn<float>("expectedHeight");
    QTest::addColumn<float>("expectedWeight");

    const Sex boy = Sex::Boy;
    const Sex girl = Sex::Girl;
    QTest::newRow("boy 122.5 moves up") << boy << 122.5f << 30.0f << 123.5f << 30.5f;
    QTest::newRow("boy 123 stays") << boy << 123.0f << 40.0f << 123.0f << 40.0f;
    QTest::newRow("boy 186.9 stays") << boy << 186.9f << 70.0f << 186.9f << 70.0f;
    QTest::newRow("boy 187 moves down") << boy << 187.0f << 70.0f << 186.0f << 70.0f - 0.9f;
    QTest::newRow("girl 178 moves down") << girl << 178.0f << 60.0f << 177.0f << 60.0f - 0.9f;
    QTest::newRow("girl 177.99 stays") << girl << 177.99f << 60.0f << 177.99f << 60.0f;
    QTest::newRow("girl 121 stays") << girl << 121.0f << 25.0f << 121.0f << 25.0f;
    QTest::newRow("girl 120 moves up") << girl << 120.0f << 30.0f << 121.0f << 30.5f;
    QTest::newRow("boy 120 moves up three times") << boy << 120.0f << 30.0f << 123.0f << 31.5f;
    // Four steps of the 4-byte 0.899999976: 60 -> 59.1 -> 58.2 -> 57.3 ->
    // 56.399994, not 56.4.
    QTest::newRow("boy 190, 60 kg") << boy << 190.0f << 60.0f << 186.0f << 56.3999939f;
}

void TestHeightWeight::shift()
{
    QFETCH(Sex, sex);
    QFETCH(float, height);
    QFETCH(float, weight);
    QFETCH(float, expectedHeight);
    QFETCH(float, expectedWeight);

    const BodySize shifted = heightRangeShift({ height, weight }, heightRangeFor(sex));
    QVERIFY2(sameFloat(shifted.height, expectedHeight),
        qPrintable(QString::number(shifted.height, 'g', 9)));
    QVERIFY2(sameFloat(shifted.weight, expectedWeight),
        qPrintable(QString::number(shifted.weight, 'g', 9)));
}

void TestHeightWeight::farAboveTheRange()
{
    // 500 cm comes down 314 (boys) or 323 (girls) steps; the weight falls
    // with it, about 0.9 kg a step, and ends far below any bound.
    const BodySize boy = heightRangeShift({ 500.0f, 80.0f }, kBoysHeightRange);
    QCOMPARE(boy.height, 186.0f);
    QVERIFY(qAbs(boy.weight - (80.0 - 314 * 0.9)) < 0.01);
    const BodySize girl = heightRangeShift({ 500.0f, 80.0f }, kGirlsHeightRange);
    QCOMPARE(girl.height, 177.0f);
    QVERIFY(qAbs(girl.weight - (80.0 - 323 * 0.9)) < 0.01);
    QCOMPARE(weightBandScore(boy.weight, { 30.0f, 35.0f, 45.0f, 50.0f }), 7);
}

void TestHeightWeight::heightTooLargeToStep()
{
    // From 2^25 cm on, h - 1 rounds back to h: the shift must still end.
    for (float height : { 33554432.0f, 1e30f, std::numeric_limits<float>::infinity() }) {
        const BodySize shifted = heightRangeShift({ height, 60.0f }, kBoysHeightRange);
        QCOMPARE(shifted.height, 186.0f);
        QCOMPARE(weightBandScore(shifted.weight, { 30.0f, 35.0f, 45.0f, 50.0f }), 7);
    }
    // Just below that, each step still moves the height and the loop runs.
    const BodySize stepped = heightRangeShift({ 20000.0f, 60.0f }, kGirlsHeightRange);
    QCOMPARE(stepped.height, 177.0f);
}

void TestHeightWeight::noLookupWithoutBothValues()
{
    QCOMPARE(heightWeightLookup(150.0f, 0.0f, kBoysHeightRange).has_value(), false);
    QCOMPARE(heightWeightLookup(0.0f, 40.0f, kBoysHeightRange).has_value(), false);
    QCOMPARE(heightWeightLookup(150.0f, -2.0f, kGirlsHeightRange).has_value(), false);
    QCOMPARE(heightWeightLookup(-150.0f, 40.0f, kGirlsHeightRange).has_value(), false);

    const auto body = heightWeightLookup(122.5f, 30.0f, kBoysHeightRange);
    QVERIFY(body.has_value());
    QCOMPARE(body->height, 123.5f);
    QCOMPARE(body->weight, 30.5f);
}

void TestHeightWeight::weightBands_data()
{
    QTest::addColumn<float>("weight");
    QTest::addColumn<int>("expected");

    // Bounds z1 = 30, z2 = 35, z3 = 45, z4 = 50.
    QTest::newRow("at z4") << 50.0f << 7;
    QTest::newRow("far above z4") << 120.0f << 7;
    QTest::newRow("just below z4") << 49.99f << 9;
    QTest::newRow("at z3") << 45.0f << 9;
    QTest::newRow("just below z3") << 44.99f << 15;
    QTest::newRow("at z2") << 35.0f << 15;
    QTest::newRow("just below z2") << 34.99f << 9;
    QTest::newRow("at z1") << 30.0f << 9;
    QTest::newRow("just below z1") << 29.99f << 7;
    QTest::newRow("below 0") << -5.0f << 7;
}

void TestHeightWeight::weightBands()
{
    QFETCH(float, weight);
    QFETCH(int, expected);
    QCOMPARE(weightBandScore(weight, { 30.0f, 35.0f, 45.0f, 50.0f }), expected);
}

void TestHeightWeight::shiftedWeightBelowABound()
{
    // A boy of 190 cm and 60 kg is scored as 186 cm and 56.399994 kg, which
    // lies below a bound of 56.4 (the 4-byte 56.400002).
    const auto body = heightWeightLookup(190.0f, 60.0f, kBoysHeightRange);
    QVERIFY(body.has_value());
    QVERIFY(body->weight < 56.4f);
    QCOMPARE(weightBandScore(body->weight, { 50.0f, 56.4f, 62.0f, 70.0f }), 9);
    QCOMPARE(weightBandScore(56.4f, { 50.0f, 56.4f, 62.0f, 70.0f }), 15);
    // Bounds of 0 (no row read yet): every weight above 0 scores 7.
    QCOMPARE(weightBandScore(40.0f, WeightBounds {}), 7);
}

QTEST_GUILESS_MAIN(TestHeightWeight)
#include "tst_height_weight.moc"
