#include "scoring/SchoolYearTotal.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

using namespace scoring;

Q_DECLARE_METATYPE(scoring::Rating)
Q_DECLARE_METATYPE(scoring::TotalInputs)

namespace {

// Item positions in TotalInputs::items.
enum ItemSlot { StepTest, Run1000, Run800, Run50, LongJump, SitAndReach, SitUps, GripIndex };

TotalInputs boysWindow(
    float heightWeight, float vitalCapacity, float stepTest, float run50, float sitAndReach)
{
    // A boys' window with the step test, the 50 m run and the sit-and-reach
    // enabled and the other optional rows disabled.
    TotalInputs in;
    in.heightWeight = heightWeight;
    in.vitalCapacity = vitalCapacity;
    in.items[StepTest] = { stepTest, true };
    in.items[Run50] = { run50, true };
    in.items[SitAndReach] = { sitAndReach, true };
    return in;
}

} // namespace

class TestSchoolYearTotal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void totals_data();
    void totals();
    void ratingBands_data();
    void ratingBands();
    void hugeScoresSaturate();
};

void TestSchoolYearTotal::totals_data()
{
    QTest::addColumn<TotalInputs>("inputs");
    QTest::addColumn<int>("total");
    QTest::addColumn<Rating>("rating");

    const TotalInputs worked = boysWindow(15, 13, 17, 26, 16);
    QTest::newRow("worked example") << worked << 87 << Rating::Excellent;

    TotalInputs twoBonus = worked;
    twoBonus.bonusBoxes = { true, true, false, false };
    QTest::newRow("two bonus boxes") << twoBonus << 97 << Rating::Excellent;

    TotalInputs capped = worked;
    capped.absenceCap = true;
    QTest::newRow("absence cap on 87") << capped << 59 << Rating::Fail;

    TotalInputs halves;
    halves.heightWeight = 12.5f;
    halves.vitalCapacity = 12.5f;
    QTest::newRow("12.5 + 12.5 truncates after each addition") << halves << 24 << Rating::Fail;

    TotalInputs fraction;
    fraction.items[GripIndex] = { 9.9f, true };
    QTest::newRow("9.9 in an optional field adds 9") << fraction << 9 << Rating::Fail;

    TotalInputs manyHalves;
    for (ItemScore &item : manyHalves.items)
        item = { 0.5f, true };
    manyHalves.vitalCapacity = 0.5f;
    manyHalves.heightWeight = 0.5f;
    QTest::newRow("fractions never add up to a point") << manyHalves << 0 << Rating::None;

    TotalInputs disabled = worked;
    disabled.items[Run1000] = { 20.0f, false };
    disabled.items[Run800] = { 20.0f, false };
    QTest::newRow("disabled rows add nothing") << disabled << 87 << Rating::Excellent;

    TotalInputs allRows = worked;
    for (ItemScore &item : allRows.items)
        item.enabled = true;
    allRows.items[Run1000].value = 10.0f;
    QTest::newRow("every enabled row counts") << allRows << 97 << Rating::Excellent;

    TotalInputs hundred = boysWindow(15, 15, 20, 30, 20);
    hundred.bonusBoxes = { true, true, true, true };
    QTest::newRow("100 with four boxes, no cap at 100") << hundred << 120 << Rating::Excellent;

    TotalInputs fifty = boysWindow(10, 10, 10, 10, 10);
    fifty.bonusBoxes = { false, true, false, true };
    QTest::newRow("50 with two boxes") << fifty << 60 << Rating::Pass;

    TotalInputs fiftyCapped = fifty;
    fiftyCapped.absenceCap = true;
    QTest::newRow("bonus comes before the cap") << fiftyCapped << 59 << Rating::Fail;

    TotalInputs forty = boysWindow(10, 10, 10, 10, 0);
    forty.absenceCap = true;
    QTest::newRow("cap keeps a lower total") << forty << 40 << Rating::Fail;

    TotalInputs zeroCapped;
    zeroCapped.absenceCap = true;
    QTest::newRow("cap on 0") << zeroCapped << 0 << Rating::Fail;

    QTest::newRow("nothing at all") << TotalInputs {} << 0 << Rating::None;

    TotalInputs bonusOnly;
    bonusOnly.bonusBoxes = { false, false, true, false };
    QTest::newRow("one bonus box alone") << bonusOnly << 5 << Rating::Fail;
}

void TestSchoolYearTotal::totals()
{
    QFETCH(TotalInputs, inputs);
    QFETCH(int, total);
    QFETCH(Rating, rating);

    const TotalResult result = schoolYearTotal(inputs);
    QCOMPARE(result.total, total);
    QCOMPARE(result.rating, rating);
}

void TestSchoolYearTotal::ratingBands_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<Rating>("rating");
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("colour"); // 0x00BBGGRR; 0 for none

    QTest::newRow("120") << 120 << Rating::Excellent << u"优秀"_s << 16711680u;
    QTest::newRow("86") << 86 << Rating::Excellent << u"优秀"_s << 16711680u;
    QTest::newRow("85") << 85 << Rating::Good << u"良好"_s << 16711935u;
    QTest::newRow("76") << 76 << Rating::Good << u"良好"_s << 16711935u;
    QTest::newRow("75") << 75 << Rating::Pass << u"及格"_s << 65280u;
    QTest::newRow("60") << 60 << Rating::Pass << u"及格"_s << 65280u;
    QTest::newRow("59") << 59 << Rating::Fail << u"不及格"_s << 255u;
    QTest::newRow("1") << 1 << Rating::Fail << u"不及格"_s << 255u;
    QTest::newRow("0") << 0 << Rating::None << QString() << 0u;
    QTest::newRow("-4") << -4 << Rating::None << QString() << 0u;
}

void TestSchoolYearTotal::ratingBands()
{
    QFETCH(int, score);
    QFETCH(Rating, rating);
    QFETCH(QString, text);
    QFETCH(uint, colour);

    QCOMPARE(rateScore(score), rating);
    const std::string_view word = ratingText(rating);
    QCOMPARE(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())), text);
    if (colour == 0u)
        QCOMPARE(ratingColour(rating), std::nullopt);
    else
        QCOMPARE(ratingColour(rating), std::optional<std::uint32_t>(colour));
}

void TestSchoolYearTotal::hugeScoresSaturate()
{
    // Score fields are editable: a huge typed score must not overflow.
    TotalInputs in;
    in.heightWeight = 3e9f;
    in.vitalCapacity = 3e9f;
    in.bonusBoxes = { true, true, true, true };
    const TotalResult result = schoolYearTotal(in);
    QCOMPARE(result.total, std::numeric_limits<int>::max());
    QCOMPARE(result.rating, Rating::Excellent);
    QCOMPARE(addScore(100, -250.5f), -150);
}

QTEST_GUILESS_MAIN(TestSchoolYearTotal)
#include "tst_school_year_total.moc"
