// The calculator window of each school year scoring what the user types:
// the items, the vital capacity, height and weight against the standard
// tables, the total with its bonus boxes and rating, and the total again
// after the settings button.
// Every scenario runs for each year's profile, on both ODBC drivers; the
// fixture (ScoreCalculatorFixture) holds the standard-table rows and the
// steps the user takes.
#include "ScoreCalculatorFixture.h"

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using support::MessageBoxRecorder;

class TestCalculatorScoring : public QObject, protected ScoreCalculatorFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { initFixture(); }
    void cleanup() { cleanupFixture(); }

    void itemScoring_data();
    void itemScoring();
    void disabledRowsFromFlags_data() { addYearRows(); }
    void disabledRowsFromFlags();
    void vitalCapacity_data();
    void vitalCapacity();
    void vitalCapacityMessageWithoutWeight_data();
    void vitalCapacityMessageWithoutWeight();
    void heightWeight_data();
    void heightWeight();
    void heightWeightMissingRowScoresZeroAndTellsOnce_data() { addYearRows(); }
    void heightWeightMissingRowScoresZeroAndTellsOnce();
    void heightWeightFailedQueryShowsDriverText_data() { addYearRows(); }
    void heightWeightFailedQueryShowsDriverText();
    void totalBoxesCapAndRating_data() { addYearRows(); }
    void totalBoxesCapAndRating();
    void realisticBoy_data();
    void realisticBoy();
    void settingsButtonRecomputesTheTotal_data();
    void settingsButtonRecomputesTheTotal();
    void settingsButtonWithoutRowKeepsRows_data();
    void settingsButtonWithoutRowKeepsRows();
    void settingsButtonWithoutChangeKeepsTheTotal_data();
    void settingsButtonWithoutChangeKeepsTheTotal();
};

void TestCalculatorScoring::itemScoring_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scoreField");
    QTest::addColumn<float>("score");

    const bool boy = false;
    const bool girl = true;
    QTest::newRow("1: 800 m at its threshold")
        << 1 << girl << u"em_8"_s << u"5.26"_s << u"em_8_t"_s << 10.0f;
    QTest::newRow("1: 800 m just below")
        << 1 << girl << u"em_8"_s << u"5.25"_s << u"em_8_t"_s << 12.0f;
    QTest::newRow("1: boys 50 m 9.2") << 1 << boy << u"em_5"_s << u"9.2"_s << u"em_5_t"_s << 18.0f;
    QTest::newRow("1: boys 50 m 9.19")
        << 1 << boy << u"em_5"_s << u"9.19"_s << u"em_5_t"_s << 20.0f;
    QTest::newRow("1: 1000 m 4.5") << 1 << boy << u"em_1"_s << u"4.5"_s << u"em_1_t"_s << 15.0f;
    QTest::newRow("1: 1000 m 4.05") << 1 << boy << u"em_1"_s << u"4.05"_s << u"em_1_t"_s << 20.0f;
    QTest::newRow("1: girls step test 63")
        << 1 << girl << u"em_t"_s << u"63"_s << u"em_t_t"_s << 20.0f;
    QTest::newRow("1: girls step 62.99")
        << 1 << girl << u"em_t"_s << u"62.99"_s << u"em_t_t"_s << 17.0f;
    QTest::newRow("1: boys grip 30") << 1 << boy << u"em_w"_s << u"30"_s << u"em_w_t"_s << 12.0f;
    QTest::newRow("1: boys grip 29.99")
        << 1 << boy << u"em_w"_s << u"29.99"_s << u"em_w_t"_s << 10.0f;
    QTest::newRow("1: girls sit-ups 42")
        << 1 << girl << u"em_y"_s << u"42"_s << u"em_y_t"_s << 20.0f;
    QTest::newRow("1: empty field") << 1 << boy << u"em_l"_s << QString() << u"em_l_t"_s << 0.0f;
    // A reach of 0 cm or below is a result on the ladder; only empty is 0.
    QTest::newRow("1: boys reach 1.5") << 1 << boy << u"em_z"_s << u"1.5"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("1: boys reach 0") << 1 << boy << u"em_z"_s << u"0"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("1: boys reach -5") << 1 << boy << u"em_z"_s << u"-5"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("1: boys reach -6") << 1 << boy << u"em_z"_s << u"-6"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("1: girls reach -0.5")
        << 1 << girl << u"em_z"_s << u"-0.5"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("1: reach empty") << 1 << boy << u"em_z"_s << QString() << u"em_z_t"_s << 0.0f;

    QTest::newRow("2: girls 800 m 3.41")
        << 2 << girl << u"em_8"_s << u"3.41"_s << u"em_8_t"_s << 17.0f;
    QTest::newRow("2: girls 800 m 3.40")
        << 2 << girl << u"em_8"_s << u"3.40"_s << u"em_8_t"_s << 20.0f;
    QTest::newRow("2: boys 1000 m 3.58")
        << 2 << boy << u"em_1"_s << u"3.58"_s << u"em_1_t"_s << 17.0f;
    QTest::newRow("2: boys 1000 m 5.45")
        << 2 << boy << u"em_1"_s << u"5.45"_s << u"em_1_t"_s << 10.0f;
    QTest::newRow("2: girls 50 m 8.5")
        << 2 << girl << u"em_5"_s << u"8.5"_s << u"em_5_t"_s << 26.0f;
    QTest::newRow("2: boys jump 211") << 2 << boy << u"em_l"_s << u"211"_s << u"em_l_t"_s << 23.0f;
    QTest::newRow("2: girls grip 46") << 2 << girl << u"em_w"_s << u"46"_s << u"em_w_t"_s << 16.0f;
    QTest::newRow("2: boys step 40") << 2 << boy << u"em_t"_s << u"40"_s << u"em_t_t"_s << 12.0f;
    QTest::newRow("2: girls sit-ups 14")
        << 2 << girl << u"em_y"_s << u"14"_s << u"em_y_t"_s << 12.0f;
    QTest::newRow("2: boys reach 2.0") << 2 << boy << u"em_z"_s << u"2.0"_s << u"em_z_t"_s << 13.0f;
    QTest::newRow("2: boys reach 0") << 2 << boy << u"em_z"_s << u"0"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("2: boys reach -5.3")
        << 2 << boy << u"em_z"_s << u"-5.3"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("2: empty field") << 2 << girl << u"em_8"_s << QString() << u"em_8_t"_s << 0.0f;

    QTest::newRow("3: boys 50 m 7.1") << 3 << boy << u"em_5"_s << u"7.1"_s << u"em_5_t"_s << 26.0f;
    QTest::newRow("3: boys 50 m 7.09")
        << 3 << boy << u"em_5"_s << u"7.09"_s << u"em_5_t"_s << 30.0f;
    QTest::newRow("3: girls grip 48") << 3 << girl << u"em_w"_s << u"48"_s << u"em_w_t"_s << 16.0f;
    QTest::newRow("3: girls grip 47") << 3 << girl << u"em_w"_s << u"47"_s << u"em_w_t"_s << 15.0f;
    QTest::newRow("3: 800 m 3.5 is 3 min 50 s")
        << 3 << girl << u"em_8"_s << u"3.5"_s << u"em_8_t"_s << 16.0f;
    QTest::newRow("3: 1000 m 4.0") << 3 << boy << u"em_1"_s << u"4.0"_s << u"em_1_t"_s << 16.0f;
    QTest::newRow("3: girls jump 137")
        << 3 << girl << u"em_l"_s << u"137"_s << u"em_l_t"_s << 18.0f;
    QTest::newRow("3: boys step 61") << 3 << boy << u"em_t"_s << u"61"_s << u"em_t_t"_s << 20.0f;
    QTest::newRow("3: girls sit-ups 43")
        << 3 << girl << u"em_y"_s << u"43"_s << u"em_y_t"_s << 20.0f;
    QTest::newRow("3: boys reach 0.01")
        << 3 << boy << u"em_z"_s << u"0.01"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("3: boys reach -2") << 3 << boy << u"em_z"_s << u"-2"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("3: boys reach -3.01")
        << 3 << boy << u"em_z"_s << u"-3.01"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("3: reach empty") << 3 << boy << u"em_z"_s << QString() << u"em_z_t"_s << 0.0f;
}

void TestCalculatorScoring::itemScoring()
{
    QFETCH(bool, girls);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, scoreField);
    QFETCH(float, score);

    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(field, text);
    QCOMPARE(find(scoreField)->value(), score);
    // The total follows at once.
    QCOMPARE(find(u"em_xn_t"_s)->value(), score);
}

void TestCalculatorScoring::disabledRowsFromFlags()
{
    // One item per choice group for boys: step test, 50 m, sit-and-reach.
    insertYearRow(u"1"_s,
        { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s },
            { u"xm_8_w"_s, u"0"_s } });
    m_window = openWindow();
    for (const QString &name : { u"em_t"_s, u"em_5"_s, u"em_z"_s })
        QVERIFY2(find(name)->isEnabled(), qPrintable(name));
    for (const QString &name : { u"em_1"_s, u"em_8"_s, u"em_l"_s, u"em_y"_s, u"em_w"_s })
        QVERIFY2(!find(name)->isEnabled(), qPrintable(name));
    // Height, weight and vital capacity are always there.
    for (const QString &name : { u"em_s1"_s, u"em_s2"_s, u"em_f"_s })
        QVERIFY(find(name)->isEnabled());
    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    QVERIFY(!find(u"em_8"_s)->isEnabled());
    QVERIFY(!find(u"em_1"_s)->isEnabled());
    QVERIFY(find(u"em_y"_s)->isEnabled());
    QVERIFY(find(u"em_l"_s)->isEnabled());
}

void TestCalculatorScoring::vitalCapacity_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<float>("score");
    QTest::newRow("1: 3450/50 boy") << 1 << false << u"3450"_s << u"50"_s << 15.0f;
    QTest::newRow("1: 3449/50 boy") << 1 << false << u"3449"_s << u"50"_s << 13.0f;
    QTest::newRow("1: 3449/50 girl") << 1 << true << u"3449"_s << u"50"_s << 15.0f;
    QTest::newRow("1: 1500/50 boy") << 1 << false << u"1500"_s << u"50"_s << 9.0f;
    QTest::newRow("1: 1000/50 girl") << 1 << true << u"1000"_s << u"50"_s << 8.0f;
    QTest::newRow("1: 2076.9/30.1 boy, 4-byte") << 1 << false << u"2076.9"_s << u"30.1"_s << 13.0f;
    QTest::newRow("1: no weight, no capacity") << 1 << false << QString() << QString() << 0.0f;
    QTest::newRow("2: 3500/50 boy") << 2 << false << u"3500"_s << u"50"_s << 15.0f;
    QTest::newRow("2: 3490/50 boy") << 2 << false << u"3490"_s << u"50"_s << 13.0f;
    QTest::newRow("2: 1200/50 girl") << 2 << true << u"1200"_s << u"50"_s << 9.0f;
    QTest::newRow("2: 1190/50 girl") << 2 << true << u"1190"_s << u"50"_s << 8.0f;
    QTest::newRow("2: no weight, no capacity") << 2 << true << QString() << QString() << 0.0f;
    QTest::newRow("3: 3000/50 boy") << 3 << false << u"3000"_s << u"50"_s << 12.0f;
    QTest::newRow("3: 3000/50 girl") << 3 << true << u"3000"_s << u"50"_s << 15.0f;
    QTest::newRow("3: 2900/50 girl") << 3 << true << u"2900"_s << u"50"_s << 13.0f;
    QTest::newRow("3: 1650/50 boy") << 3 << false << u"1650"_s << u"50"_s << 9.0f;
    QTest::newRow("3: 1100/50 boy") << 3 << false << u"1100"_s << u"50"_s << 8.0f;
    QTest::newRow("3: 1100/50 girl") << 3 << true << u"1100"_s << u"50"_s << 9.0f;
}

void TestCalculatorScoring::vitalCapacity()
{
    QFETCH(bool, girls);
    QFETCH(QString, capacity);
    QFETCH(QString, weight);
    QFETCH(float, score);
    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(u"em_s2"_s, weight);
    type(u"em_f"_s, capacity);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    QVERIFY(m_boxes->boxes().empty());
}

void TestCalculatorScoring::vitalCapacityMessageWithoutWeight_data()
{
    QTest::addColumn<int>("year");
    // 3450 / 50 = 69 for a boy.
    QTest::addColumn<float>("score");
    QTest::newRow("year 1") << 1 << 15.0f;
    QTest::newRow("year 2") << 2 << 13.0f;
    QTest::newRow("year 3") << 3 << 13.0f;
}

void TestCalculatorScoring::vitalCapacityMessageWithoutWeight()
{
    QFETCH(float, score);
    insertYearRow();
    m_window = openWindow();
    type(u"em_s2"_s, u"50"_s);
    type(u"em_f"_s, u"3450"_s);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    const QString totalBefore = total();
    m_boxes->clear();

    // Clearing the weight: leaving the weight field re-scores the vital
    // capacity, which cannot be scored without a weight.
    auto *weight = find(u"em_s2"_s);
    QTest::mouseClick(weight, Qt::LeftButton);
    QTest::keyClick(weight, Qt::Key_Delete);
    QCOMPARE(weight->text(), QString());
    QTest::keyClick(weight, Qt::Key_Return);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, year().vitalCapacityTitle);
    QCOMPARE(m_boxes->boxes().front().text, year().vitalCapacityText);
    QCOMPARE(find(u"em_f_t"_s)->value(), score); // unchanged

    // Leaving the vital-capacity field without a weight: the message again,
    // the score and the total unchanged.
    m_boxes->clear();
    type(u"em_f"_s, u"2500"_s);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, year().vitalCapacityTitle);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    QCOMPARE(total(), totalBefore);
}

void TestCalculatorScoring::heightWeight_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<float>("score");
    QTest::newRow("1: no weight") << 1 << false << u"150"_s << QString() << 0.0f;
    QTest::newRow("1: middle band") << 1 << false << u"150"_s << u"45"_s << 15.0f;
    QTest::newRow("1: at z4") << 1 << false << u"150"_s << u"55"_s << 7.0f;
    QTest::newRow("1: at z3") << 1 << false << u"150"_s << u"50"_s << 9.0f;
    QTest::newRow("1: at z2") << 1 << false << u"150"_s << u"40"_s << 15.0f;
    QTest::newRow("1: at z1") << 1 << false << u"150"_s << u"35"_s << 9.0f;
    QTest::newRow("1: below z1") << 1 << false << u"150"_s << u"34.99"_s << 7.0f;
    QTest::newRow("1: 150.9 uses the 150 row") << 1 << false << u"150.9"_s << u"40.5"_s << 15.0f;
    // 122.5 cm / 30 kg is scored as 123.5 cm / 30.5 kg on the 123 row.
    QTest::newRow("1: boy below the range") << 1 << false << u"122.5"_s << u"30"_s << 9.0f;
    // 190 cm / 60 kg becomes 186 cm / 56.399994 kg, below the bound 56.4.
    QTest::newRow("1: boy above the range") << 1 << false << u"190"_s << u"60"_s << 9.0f;
    QTest::newRow("1: girl 150") << 1 << true << u"150"_s << u"45"_s << 9.0f;
    // 178 cm / 66 kg becomes 177 cm / 65.1 kg: upper 9-point band.
    QTest::newRow("1: girl at the top") << 1 << true << u"178"_s << u"66"_s << 9.0f;
    QTest::newRow("1: girl 120") << 1 << true << u"120"_s << u"26.6"_s << 9.0f;
    // The same standard and shift in every year.
    for (int year = 2; year <= 3; ++year) {
        QTest::addRow("%d: middle band", year) << year << false << u"150"_s << u"45"_s << 15.0f;
        QTest::addRow("%d: boy above the range", year)
            << year << false << u"190"_s << u"60"_s << 9.0f;
        QTest::addRow("%d: girl at the top", year) << year << true << u"178"_s << u"66"_s << 9.0f;
        QTest::addRow("%d: no weight", year) << year << true << u"150"_s << QString() << 0.0f;
    }
}

void TestCalculatorScoring::heightWeight()
{
    QFETCH(bool, girls);
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(float, score);
    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(u"em_s1"_s, height);
    type(u"em_s2"_s, weight);
    QCOMPARE(find(u"em_s_t"_s)->value(), score);
    QCOMPARE(find(u"em_xn_t"_s)->value(), score);
    QVERIFY(m_boxes->boxes().empty());
}

void TestCalculatorScoring::heightWeightMissingRowScoresZeroAndTellsOnce()
{
    insertYearRow();
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);

    // The boys' fixture has no 160 row: 0, not the 150 row's score.
    type(u"em_s1"_s, u"160"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"提示"_s);
    QVERIFY(m_boxes->boxes().front().text.contains(u"160"_s));
    // Leaving the weight field again does not repeat the message.
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    // A height with a row scores again.
    type(u"em_s1"_s, u"151"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);
}

void TestCalculatorScoring::heightWeightFailedQueryShowsDriverText()
{
    insertYearRow();
    m_schemaIntact = false;
    QVERIFY(m_db.exec(u"drop table cz123_m"_s));
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QVERIFY(!m_boxes->boxes().empty());
    QCOMPARE(m_boxes->boxes().front().title, u"错误"_s);
    QVERIFY(!m_boxes->boxes().front().text.isEmpty());
    QVERIFY(!m_boxes->boxes().front().text.contains(support::TestDatabase::password()));
    // The failed read leaves the connection usable for the next one.
    m_boxes->clear();
    registerSettings({});
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QVERIFY2(m_boxes->boxes().empty(), qPrintable(m_boxes->boxes().front().text));
}

void TestCalculatorScoring::totalBoxesCapAndRating()
{
    insertYearRow(
        u"1"_s, { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    auto *rating = find<QLineEdit>(u"sle_dj"_s);
    // Scores typed straight into the score fields count at the next run.
    type(u"em_s_t"_s, u"15"_s);
    type(u"em_f_t"_s, u"13"_s);
    type(u"em_t_t"_s, u"17"_s);
    type(u"em_5_t"_s, u"26"_s);
    type(u"em_z_t"_s, u"16"_s);
    // Only the first field's leave may have run the total so far.
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    click(u"cbx_1"_s);
    click(u"cbx_2"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 97.0f);
    QCOMPARE(rating->text(), u"优秀"_s);
    QCOMPARE(rating->palette().color(QPalette::Text), colour(rt::colors::kBlue));
    click(u"cbx_2"_s);
    click(u"cbx_1"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);
    click(u"cbx_59"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 59.0f);
    QCOMPARE(rating->text(), u"不及格"_s);
    QCOMPARE(rating->palette().color(QPalette::Text), colour(rt::colors::kRed));
    click(u"cbx_59"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);
    // No cap at 100.
    for (const QString &box : { u"cbx_1"_s, u"cbx_2"_s, u"cbx_3"_s, u"cbx_4"_s })
        click(box);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 107.0f);
    for (const QString &box : { u"cbx_1"_s, u"cbx_2"_s, u"cbx_3"_s, u"cbx_4"_s })
        click(box);

    // A disabled row's score does not count; fractions add their whole part.
    type(u"em_s_t"_s, u"12.5"_s);
    type(u"em_f_t"_s, u"12.5"_s);
    type(u"em_t_t"_s, u""_s);
    type(u"em_5_t"_s, u""_s);
    type(u"em_z_t"_s, u"9.9"_s);
    click(u"cbx_3"_s);
    click(u"cbx_3"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 33.0f); // 12, 24, 33
    // Rating of 0: no word, the colour stays.
    type(u"em_s_t"_s, u""_s);
    type(u"em_f_t"_s, u""_s);
    type(u"em_z_t"_s, u""_s);
    click(u"cbx_4"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 5.0f);
    click(u"cbx_4"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QCOMPARE(rating->text(), QString());
    QCOMPARE(rating->palette().color(QPalette::Text), colour(rt::colors::kRed));
}

void TestCalculatorScoring::realisticBoy_data()
{
    QTest::addColumn<int>("year");
    // Vital capacity, step test, 50 m run and sit-and-reach scores.
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<float>("total");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QColor>("ratingColour");
    QTest::addColumn<float>("totalWithBonus");
    QTest::addColumn<QString>("ratingWithBonus");
    QTest::newRow("year 1") << 1 << QList<int> { 13, 16, 23, 15 } << 82.0f << u"良好"_s
                            << colour(rt::colors::kMagenta) << 87.0f << u"优秀"_s;
    QTest::newRow("year 2") << 2 << QList<int> { 12, 16, 20, 15 } << 78.0f << u"良好"_s
                            << colour(rt::colors::kMagenta) << 83.0f << u"良好"_s;
    QTest::newRow("year 3") << 3 << QList<int> { 12, 16, 18, 15 } << 76.0f << u"良好"_s
                            << colour(rt::colors::kMagenta) << 81.0f << u"良好"_s;
}

void TestCalculatorScoring::realisticBoy()
{
    QFETCH(QList<int>, scores);
    QFETCH(float, total);
    QFETCH(QString, rating);
    QFETCH(QColor, ratingColour);
    QFETCH(float, totalWithBonus);
    QFETCH(QString, ratingWithBonus);
    // One item per choice group: step test, 50 m run, sit-and-reach.
    insertYearRow(
        u"1"_s, { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    if (m_year == 3) {
        // The leaver's first- and second-year totals come first.
        enter(u"em_c1"_s, u"80.5"_s);
        enter(u"em_c2"_s, u"70"_s);
        QCOMPARE(graduation(), u"37.0"_s);
    } else {
        QTest::mouseClick(find(u"em_s1"_s), Qt::LeftButton);
    }
    // Typed in the order of the form, each field left with Enter.
    for (const auto &[field, text] :
        { std::pair { u"em_s1"_s, u"150.5"_s }, { u"em_s2"_s, u"44"_s }, { u"em_t"_s, u"55"_s },
            { u"em_f"_s, u"2850"_s }, { u"em_5"_s, u"8.6"_s }, { u"em_z"_s, u"6.5"_s } })
        enter(field, text);
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);
    QCOMPARE(find(u"em_f_t"_s)->value(), float(scores[0])); // 2850 / 44 = 64.77
    QCOMPARE(find(u"em_t_t"_s)->value(), float(scores[1]));
    QCOMPARE(find(u"em_5_t"_s)->value(), float(scores[2]));
    QCOMPARE(find(u"em_z_t"_s)->value(), float(scores[3]));
    QCOMPARE(find(u"em_xn_t"_s)->value(), total);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), rating);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->palette().color(QPalette::Text), ratingColour);
    QCOMPARE(find(u"em_s1"_s)->text(), u"150.50"_s);
    QCOMPARE(find(u"em_f"_s)->text(), u"2,850.00"_s);
    if (m_year == 3) {
        // 20.125 + 17.5 + 38 = 75.625.
        QCOMPARE(graduation(), u"75.0"_s);
        QCOMPARE(graduationRating()->text(), u"及格"_s);
        QCOMPARE(graduationRating()->palette().color(QPalette::Text), colour(rt::colors::kGreen));
    }
    click(u"cbx_1"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), totalWithBonus);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), ratingWithBonus);
    if (m_year == 3) {
        QCOMPARE(graduation(), u"78.0"_s);
        QCOMPARE(graduationRating()->text(), u"良好"_s);
    }
    // For a look at the window: KELVARO_SCREENSHOT=/tmp/file.png (the year
    // goes before the extension).
    if (QString path = qEnvironmentVariable("KELVARO_SCREENSHOT"); !path.isEmpty()) {
        path.insert(path.lastIndexOf(u'.'), u"-year%1"_s.arg(m_year));
        m_window->grab().save(path);
    }
}

void TestCalculatorScoring::settingsButtonRecomputesTheTotal_data()
{
    QTest::addColumn<int>("year");
    // A boy's step test of 64 and 1000 m run of 4.05.
    QTest::addColumn<float>("stepTest");
    QTest::addColumn<float>("run");
    QTest::newRow("year 1") << 1 << 20.0f << 20.0f;
    QTest::newRow("year 2") << 2 << 20.0f << 17.0f;
    QTest::newRow("year 3") << 3 << 20.0f << 16.0f;
}

void TestCalculatorScoring::settingsButtonRecomputesTheTotal()
{
    QFETCH(float, stepTest);
    QFETCH(float, run);
    insertYearRow();
    m_window = openWindow();
    type(u"em_t"_s, u"64"_s);
    type(u"em_1"_s, u"4.05"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), stepTest + run);
    // The settings now choose the 1000 m run only: the step test row goes.
    registerSettings([this] {
        saveThroughProgram(
            u"update xmsz set xm_t_m = '0' where nj = '%1'"_s.arg(m_profile->yearCode));
    });
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QTRY_VERIFY(!find(u"em_t"_s)->isEnabled());
    QCOMPARE(find(u"em_t"_s)->text(), u"64.00"_s); // keeps what it showed
    QCOMPARE(find(u"em_t_t"_s)->value(), stepTest);
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
    QVERIFY(m_boxes->boxes().empty());
}

void TestCalculatorScoring::settingsButtonWithoutRowKeepsRows_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<float>("run"); // a boy's 1000 m run of 4.05
    QTest::newRow("year 1") << 1 << 20.0f;
    QTest::newRow("year 2") << 2 << 17.0f;
    QTest::newRow("year 3") << 3 << 16.0f;
}

void TestCalculatorScoring::settingsButtonWithoutRowKeepsRows()
{
    QFETCH(float, run);
    insertYearRow(u"1"_s, { { u"xm_t_m"_s, u"0"_s } });
    m_window = openWindow();
    type(u"em_1"_s, u"4.05"_s);
    registerSettings([this] {
        saveThroughProgram(u"delete from xmsz where nj = '%1'"_s.arg(m_profile->yearCode));
    });
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"注意"_s);
    QCOMPARE(m_boxes->boxes().front().text, year().setupMessage);
    QCOMPARE(settingsOpened(), 1); // one message, no loop
    QVERIFY(!find(u"em_t"_s)->isEnabled());
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
}

void TestCalculatorScoring::settingsButtonWithoutChangeKeepsTheTotal_data()
{
    settingsButtonWithoutRowKeepsRows_data();
}

void TestCalculatorScoring::settingsButtonWithoutChangeKeepsTheTotal()
{
    QFETCH(float, run);
    insertYearRow();
    m_window = openWindow();
    type(u"em_1"_s, u"4.05"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
    // A score typed by hand counts only at the next run of the total; the
    // settings closed without a change do not run it.
    type(u"em_1_t"_s, u"5"_s);
    registerSettings({});
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
    QVERIFY(m_boxes->boxes().empty());
}

QTEST_MAIN(TestCalculatorScoring)
#include "tst_calculator_scoring.moc"
