// The third year's graduation area of the calculator window: its tab
// sequence, the graduation score and rating of the three totals, the bonus
// boxes and the cap.
// Every scenario runs for each year's profile, on both ODBC drivers; the
// fixture (ScoreCalculatorFixture) holds the standard-table rows and the
// steps the user takes.
#include "ScoreCalculatorFixture.h"

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using support::MessageBoxRecorder;

class TestCalculatorGraduation : public QObject, protected ScoreCalculatorFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { initFixture(); }
    void cleanup() { cleanupFixture(); }

    void tabSequenceOfTheThirdYear_data();
    void tabSequenceOfTheThirdYear();
    void graduationFieldsRecomputeWhenChangedAndLeft_data();
    void graduationFieldsRecomputeWhenChangedAndLeft();
    void graduationFollowsBonusBoxesAndCap_data();
    void graduationFollowsBonusBoxesAndCap();
    void graduationOfTheTypedTotals_data();
    void graduationOfTheTypedTotals();
    void sexSwitchLeavesTheGraduationFields_data();
    void sexSwitchLeavesTheGraduationFields();
    void graduationAreaStaysEnabled_data();
    void graduationAreaStaysEnabled();
};

// The third year's graduation area

namespace {

// Counts how often a widget gets the focus.
class FocusCounter : public QObject
{
    Q_OBJECT

public:
    explicit FocusCounter(QWidget *watched)
        : QObject(watched)
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

void addThirdYearRow()
{
    QTest::addColumn<int>("year");
    QTest::newRow("year 3") << 3;
}

} // namespace

void TestCalculatorGraduation::tabSequenceOfTheThirdYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QStringList>("order");
    const QStringList tail { u"em_w"_s, u"cbx_1"_s, u"cbx_2"_s, u"cbx_3"_s, u"cbx_4"_s, u"cbx_59"_s,
        u"cb_2"_s, u"cb_1"_s, u"em_c1"_s };
    QTest::newRow("year 3 boys") << 3 << false
                                 << (QStringList { u"em_c2"_s, u"em_s1"_s, u"em_s2"_s, u"em_t"_s,
                                         u"em_1"_s, u"em_f"_s, u"em_5"_s, u"em_l"_s, u"em_z"_s }
                                        + tail);
    QTest::newRow("year 3 girls") << 3 << true
                                  << (QStringList { u"em_c2"_s, u"em_s1"_s, u"em_s2"_s, u"em_t"_s,
                                          u"em_8"_s, u"em_f"_s, u"em_5"_s, u"em_l"_s, u"em_z"_s,
                                          u"em_y"_s }
                                         + tail);
}

void TestCalculatorGraduation::tabSequenceOfTheThirdYear()
{
    QFETCH(bool, girls);
    QFETCH(QStringList, order);
    insertYearRow();
    m_window = openWindow();
    if (girls) {
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
        QTest::mouseClick(find(u"em_c1"_s), Qt::LeftButton);
    }
    QTRY_VERIFY(find(u"em_c1"_s)->hasFocus());
    // No score field, total, rating or graduation field is ever reached.
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void TestCalculatorGraduation::graduationFieldsRecomputeWhenChangedAndLeft_data()
{
    addThirdYearRow();
}

void TestCalculatorGraduation::graduationFieldsRecomputeWhenChangedAndLeft()
{
    insertYearRow();
    m_window = openWindow();
    // Before anything is scored: a changed first-year total, left with
    // Enter, writes the year's total and rating and the graduation area.
    enter(u"em_c1"_s, u"80"_s);
    QVERIFY(find(u"em_c2"_s)->hasFocus());
    QCOMPARE(total(), u"0.0"_s);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), QString());
    QCOMPARE(graduation(), u"20.0"_s);
    QCOMPARE(graduationRating()->text(), u"不及格"_s);
    QCOMPARE(graduationRating()->palette().color(QPalette::Text), colour(rt::colors::kRed));
    enter(u"em_c2"_s, u"70"_s);
    QVERIFY(find(u"em_s1"_s)->hasFocus());
    QCOMPARE(graduation(), u"37.0"_s);

    // What the user types into the result stays until the next computation.
    type(u"em_by_cj"_s, u"99"_s);
    QCOMPARE(graduation(), u"99.0"_s);
    // Leaving a graduation field without a change computes nothing.
    QTest::mouseClick(find(u"em_c1"_s), Qt::LeftButton);
    QTRY_VERIFY(find(u"em_c1"_s)->hasFocus());
    QTest::keyClick(find(u"em_c1"_s), Qt::Key_Tab);
    QVERIFY(find(u"em_c2"_s)->hasFocus());
    QTest::mouseClick(find<QCheckBox>(u"cbx_1"_s), Qt::LeftButton);
    QCOMPARE(graduation(), u"40.0"_s); // the box ran the total: 37.5 + 2.5
    click(u"cbx_1"_s);
    QCOMPARE(graduation(), u"37.0"_s);
    // The same value typed again is no change.
    type(u"em_by_cj"_s, u"99"_s);
    type(u"em_c2"_s, u"70.0"_s);
    QCOMPARE(graduation(), u"99.0"_s);
    // A new value is.
    type(u"em_c2"_s, u"90"_s);
    QCOMPARE(graduation(), u"42.0"_s);
    // Emptied, it counts 0.
    type(u"em_c1"_s, QString());
    QCOMPARE(find(u"em_c1"_s)->text(), QString());
    QCOMPARE(graduation(), u"22.0"_s);
    QVERIFY(m_boxes->boxes().empty());
}

void TestCalculatorGraduation::graduationFollowsBonusBoxesAndCap_data()
{
    addThirdYearRow();
}

void TestCalculatorGraduation::graduationFollowsBonusBoxesAndCap()
{
    insertYearRow(
        u"1"_s, { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    enter(u"em_c1"_s, u"85.5"_s);
    enter(u"em_c2"_s, u"90"_s);
    // 21.375 + 22.5 with no total yet.
    QCOMPARE(graduation(), u"43.0"_s);
    type(u"em_s_t"_s, u"15"_s);
    type(u"em_f_t"_s, u"13"_s);
    type(u"em_t_t"_s, u"17"_s);
    type(u"em_5_t"_s, u"26"_s);
    type(u"em_z_t"_s, u"16"_s);
    click(u"cbx_1"_s);
    QCOMPARE(total(), u"92.0"_s);
    QCOMPARE(graduation(), u"89.0"_s); // 43.875 + 46
    QCOMPARE(graduationRating()->text(), u"优秀"_s);
    QCOMPARE(graduationRating()->palette().color(QPalette::Text), colour(rt::colors::kBlue));
    // Above 100 the year's total enters as 100; the window shows it whole.
    click(u"cbx_2"_s);
    click(u"cbx_3"_s);
    click(u"cbx_4"_s);
    QCOMPARE(total(), u"107.0"_s);
    QCOMPARE(graduation(), u"93.0"_s);
    // The absence cap: 59, rated "不及格", enters as 59; the graduation
    // rating follows the graduation score alone.
    click(u"cbx_59"_s);
    QCOMPARE(total(), u"59.0"_s);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), u"不及格"_s);
    QCOMPARE(graduation(), u"73.0"_s); // 43.875 + 29.5
    QCOMPARE(graduationRating()->text(), u"及格"_s);
    QCOMPARE(graduationRating()->palette().color(QPalette::Text), colour(rt::colors::kGreen));
    click(u"cbx_59"_s);
    QCOMPARE(total(), u"107.0"_s);
    QCOMPARE(graduation(), u"93.0"_s);
    click(u"cbx_4"_s);
    QCOMPARE(graduation(), u"93.0"_s); // 102 still enters as 100
    click(u"cbx_3"_s);
    QCOMPARE(total(), u"97.0"_s);
    QCOMPARE(graduation(), u"92.0"_s); // 43.875 + 48.5
}

void TestCalculatorGraduation::graduationOfTheTypedTotals_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("firstYear");
    QTest::addColumn<QString>("secondYear");
    // Height-weight, vital capacity, step test, 50 m and sit-and-reach.
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("graduation");
    QTest::addColumn<QString>("rating");

    const QStringList sixtyFour { u"15"_s, u"13"_s, u"16"_s, u"20"_s, QString() };
    const QStringList sixty { u"15"_s, u"13"_s, u"16"_s, u"16"_s, QString() };
    const QStringList ninety { u"15"_s, u"15"_s, u"20"_s, u"20"_s, u"20"_s };
    QTest::newRow("63.8 / 68.2 / 64")
        << 3 << u"63.8"_s << u"68.2"_s << sixtyFour << u"64.0"_s << u"65.0"_s << u"及格"_s;
    QTest::newRow("60.3 / 67.7 / 60")
        << 3 << u"60.3"_s << u"67.7"_s << sixty << u"60.0"_s << u"62.0"_s << u"及格"_s;
    QTest::newRow("80 / 70 / 90") << 3 << u"80"_s << u"70"_s << ninety << u"90.0"_s << u"82.0"_s
                                  << u"良好"_s;
    QTest::newRow("empty / empty / 90")
        << 3 << QString() << QString() << ninety << u"90.0"_s << u"45.0"_s << u"不及格"_s;
    QTest::newRow("86 / 86 / 86") << 3 << u"86"_s << u"86"_s
                                  << QStringList { u"15"_s, u"15"_s, u"20"_s, u"20"_s, u"16"_s }
                                  << u"86.0"_s << u"86.0"_s << u"优秀"_s;
    QTest::newRow("empty / empty / 1")
        << 3 << QString() << QString()
        << QStringList { u"1"_s, QString(), QString(), QString(), QString() } << u"1.0"_s
        << u"0.0"_s << QString();
}

void TestCalculatorGraduation::graduationOfTheTypedTotals()
{
    QFETCH(QString, firstYear);
    QFETCH(QString, secondYear);
    QFETCH(QStringList, scores);
    QFETCH(QString, total);
    QFETCH(QString, graduation);
    QFETCH(QString, rating);
    insertYearRow(
        u"1"_s, { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    const QStringList fields { u"em_s_t"_s, u"em_f_t"_s, u"em_t_t"_s, u"em_5_t"_s, u"em_z_t"_s };
    type(u"em_c1"_s, firstYear);
    type(u"em_c2"_s, secondYear);
    // Typed straight into the score fields; leaving the height field on
    // the way has written its own score first.
    for (qsizetype i = 0; i < fields.size(); ++i)
        type(fields[i], scores[i]);
    // A box clicked twice runs the total once more with the same state.
    click(u"cbx_2"_s);
    click(u"cbx_2"_s);
    QCOMPARE(this->total(), total);
    QCOMPARE(this->graduation(), graduation);
    QCOMPARE(graduationRating()->text(), rating);
}

void TestCalculatorGraduation::sexSwitchLeavesTheGraduationFields_data()
{
    addThirdYearRow();
}

void TestCalculatorGraduation::sexSwitchLeavesTheGraduationFields()
{
    insertYearRow();
    m_window = openWindow();
    enter(u"em_c1"_s, u"80"_s);
    enter(u"em_c2"_s, u"70"_s);
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"50"_s);
    type(u"em_t"_s, u"63"_s);
    QCOMPARE(total(), u"29.0"_s); // 9 + 20
    QCOMPARE(graduation(), u"52.0"_s); // 37.5 + 14.5
    auto *first = new FocusCounter(find(u"em_c1"_s));
    auto *second = new FocusCounter(find(u"em_c2"_s));

    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    QCOMPARE(first->count, 0);
    QCOMPARE(second->count, 0);
    QCOMPARE(find(u"em_c1"_s)->text(), u"80.0"_s);
    QCOMPARE(find(u"em_c2"_s)->text(), u"70.0"_s);
    QCOMPARE(total(), u"27.0"_s); // 7 + 20
    QCOMPARE(graduation(), u"51.0"_s); // 37.5 + 13.5
    QCOMPARE(graduationRating()->text(), u"不及格"_s);
}

void TestCalculatorGraduation::graduationAreaStaysEnabled_data()
{
    addThirdYearRow();
}

void TestCalculatorGraduation::graduationAreaStaysEnabled()
{
    insertYearRow(u"0"_s);
    m_window = openWindow();
    const QStringList area { u"gb_1"_s, u"gb_2"_s, u"em_c1"_s, u"em_c2"_s, u"em_by_cj"_s,
        u"sle_by_dj"_s };
    for (bool girls : { false, true }) {
        if (girls)
            QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
        for (const QString &name : { u"em_t"_s, u"em_1"_s, u"em_8"_s, u"em_5"_s, u"em_l"_s,
                 u"em_z"_s, u"em_y"_s, u"em_w"_s })
            QVERIFY2(!find(name)->isEnabled(), qPrintable(name));
        for (const QString &name : area)
            QVERIFY2(find<QWidget>(name)->isEnabled(), qPrintable(name));
    }
}

QTEST_MAIN(TestCalculatorGraduation)
#include "tst_calculator_graduation.moc"
