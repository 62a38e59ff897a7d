// The calculator window of each school year when the sex is switched: every
// field scored again on the other sex's ladders.
// Every scenario runs for each year's profile, on both ODBC drivers; the
// fixture (ScoreCalculatorFixture) holds the standard-table rows and the
// steps the user takes.
#include "ScoreCalculatorFixture.h"

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using support::MessageBoxRecorder;

class TestCalculatorSexSwitch : public QObject, protected ScoreCalculatorFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { initFixture(); }
    void cleanup() { cleanupFixture(); }

    void sexSwitchRescoresEveryField_data();
    void sexSwitchRescoresEveryField();
    void sexSwitchWithVitalCapacityButNoWeight_data() { addYearRows(); }
    void sexSwitchWithVitalCapacityButNoWeight();
};

void TestCalculatorSexSwitch::sexSwitchRescoresEveryField_data()
{
    QTest::addColumn<int>("year");
    // Height-weight, vital capacity, step test, 1000 m, 50 m, sit-and-reach
    // and grip index for the boy; the girl has the same but the 1000 m.
    QTest::addColumn<QList<int>>("boys");
    QTest::addColumn<QList<int>>("girls");
    QTest::newRow("year 1") << 1 << QList<int> { 9, 13, 17, 20, 18, 12, 12 }
                            << QList<int> { 7, 15, 20, 23, 10, 15 };
    QTest::newRow("year 2") << 2 << QList<int> { 9, 13, 17, 17, 18, 12, 12 }
                            << QList<int> { 7, 15, 20, 23, 10, 15 };
    QTest::newRow("year 3") << 3 << QList<int> { 9, 13, 20, 16, 15, 12, 12 }
                            << QList<int> { 7, 15, 20, 23, 10, 15 };
}

void TestCalculatorSexSwitch::sexSwitchRescoresEveryField()
{
    QFETCH(QList<int>, boys);
    QFETCH(QList<int>, girls);
    insertYearRow();
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"50"_s);
    type(u"em_f"_s, u"3449"_s);
    type(u"em_t"_s, u"63"_s);
    type(u"em_1"_s, u"4.05"_s);
    type(u"em_5"_s, u"9.2"_s);
    type(u"em_z"_s, u"-3"_s);
    type(u"em_w"_s, u"40"_s);
    const QStringList boysFields { u"em_s_t"_s, u"em_f_t"_s, u"em_t_t"_s, u"em_1_t"_s, u"em_5_t"_s,
        u"em_z_t"_s, u"em_w_t"_s };
    const QStringList girlsFields { u"em_s_t"_s, u"em_f_t"_s, u"em_t_t"_s, u"em_5_t"_s, u"em_z_t"_s,
        u"em_w_t"_s };
    auto sum = [](const QList<int> &scores) {
        return static_cast<float>(std::accumulate(scores.begin(), scores.end(), 0));
    };
    auto checkGraduation = [this] {
        // With no first- and second-year totals: half the year's total.
        if (m_year == 3)
            QCOMPARE(graduation(),
                QString::number(static_cast<int>(find(u"em_xn_t"_s)->value()) / 2) + u".0"_s);
    };
    for (qsizetype i = 0; i < boysFields.size(); ++i)
        QCOMPARE(find(boysFields[i])->value(), float(boys[i]));
    QCOMPARE(find(u"em_xn_t"_s)->value(), sum(boys));
    checkGraduation();

    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    QVERIFY(!find<QRadioButton>(u"rb_sex_man"_s)->isChecked());
    // The checked button does not become a tab stop.
    QCOMPARE(find<QRadioButton>(u"rb_sex_woman"_s)->focusPolicy(), Qt::ClickFocus);
    for (qsizetype i = 0; i < girlsFields.size(); ++i)
        QCOMPARE(find(girlsFields[i])->value(), float(girls[i])); // the grip index too
    QVERIFY(!find(u"em_1_t"_s)->isEnabled()); // the 1000 m no longer counts
    QVERIFY(find(u"em_8"_s)->isEnabled());
    QCOMPARE(find(u"em_8_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), sum(girls));
    checkGraduation();
    QVERIFY(m_boxes->boxes().empty());

    QTest::mouseClick(find<QRadioButton>(u"rb_sex_man"_s), Qt::LeftButton);
    for (qsizetype i = 0; i < boysFields.size(); ++i)
        QCOMPARE(find(boysFields[i])->value(), float(boys[i]));
    QCOMPARE(find(u"em_xn_t"_s)->value(), sum(boys));
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), u"优秀"_s);
    checkGraduation();
}

void TestCalculatorSexSwitch::sexSwitchWithVitalCapacityButNoWeight()
{
    insertYearRow();
    m_window = openWindow();
    type(u"em_f"_s, u"2500"_s);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    m_boxes->clear();
    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    // Told once during the switch, through the weight field.
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, year().vitalCapacityTitle);
    QCOMPARE(m_boxes->boxes().front().text, year().vitalCapacityText);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(total(), u"0.0"_s);
}

QTEST_MAIN(TestCalculatorSexSwitch)
#include "tst_calculator_sex_switch.moc"
