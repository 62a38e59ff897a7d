// The single-row query of the height-weight standard tables, on the real
// drivers: a height finds the row with height - 1 < s <= height, and a
// missing row, two rows, a null bound or a failed query are told apart.
#include "calculator/HeightWeightStandard.h"
#include "support/TestDatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;
using calculator::HeightWeightStandard;
using scoring::Sex;

class TestHeightWeightStandard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void findsTheRowOfTheHeight_data();
    void findsTheRowOfTheHeight();
    void missingRow();
    void twoRowsAreAFailure();
    void nullBound();
    void failedQueryKeepsDriverText();

private:
    support::TestDatabase m_db;
    db::Transaction m_sqlca;
};

void TestHeightWeightStandard::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    QVERIFY(m_db.setStandardRows(
        u"cz123_m"_s, { { 150, 35.5, 40, 50, 55.5 }, { 151, 36, 41, 51, 56 } }));
    QVERIFY(m_db.setStandardRows(u"cz123_w"_s, { { 150, 33, 38, 48, 53 } }));
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0);
}

void TestHeightWeightStandard::cleanup()
{
    m_sqlca.disconnect();
}

void TestHeightWeightStandard::findsTheRowOfTheHeight_data()
{
    QTest::addColumn<bool>("boy");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("z1");
    QTest::addColumn<float>("z4");

    QTest::newRow("boy 150 exactly") << true << 150.0f << 35.5f << 55.5f;
    QTest::newRow("boy 150.9") << true << 150.9f << 35.5f << 55.5f;
    QTest::newRow("boy 151") << true << 151.0f << 36.0f << 56.0f;
    QTest::newRow("girl 150.5") << false << 150.5f << 33.0f << 53.0f;
}

void TestHeightWeightStandard::findsTheRowOfTheHeight()
{
    QFETCH(bool, boy);
    QFETCH(float, height);
    QFETCH(float, z1);
    QFETCH(float, z4);

    HeightWeightStandard standard(m_sqlca);
    const auto lookup = standard.lookup(boy ? Sex::Boy : Sex::Girl, height);
    QCOMPARE(lookup.outcome, HeightWeightStandard::Outcome::Found);
    QCOMPARE(lookup.bounds.z1, z1);
    QCOMPARE(lookup.bounds.z4, z4);
}

void TestHeightWeightStandard::missingRow()
{
    HeightWeightStandard standard(m_sqlca);
    QCOMPARE(standard.lookup(Sex::Girl, 151.0f).outcome, HeightWeightStandard::Outcome::NoRow);
    QCOMPARE(standard.lookup(Sex::Boy, 149.9f).outcome, HeightWeightStandard::Outcome::NoRow);
}

void TestHeightWeightStandard::twoRowsAreAFailure()
{
    QVERIFY(
        m_db.setStandardRows(u"cz123_m"_s, { { 150, 35, 40, 50, 55 }, { 150.5, 36, 41, 51, 56 } }));
    HeightWeightStandard standard(m_sqlca);
    const auto lookup = standard.lookup(Sex::Boy, 150.7f);
    QCOMPARE(lookup.outcome, HeightWeightStandard::Outcome::Failed);
}

void TestHeightWeightStandard::nullBound()
{
    // An installation's table that allows a missing bound.
    m_sqlca.disconnect();
    QVERIFY(m_db.exec(u"drop table cz123_w"_s));
    QVERIFY(m_db.exec(u"create table cz123_w (s numeric, z1 numeric, z2 numeric, z3 numeric, "
                      "z4 numeric)"_s));
    QVERIFY(m_db.exec(u"insert into cz123_w (s, z1, z2, z3, z4) values (160, 40, 45, null, 60)"_s));
    m_sqlca.connect();
    HeightWeightStandard standard(m_sqlca);
    QCOMPARE(standard.lookup(Sex::Girl, 160.0f).outcome, HeightWeightStandard::Outcome::NullBound);
}

void TestHeightWeightStandard::failedQueryKeepsDriverText()
{
    m_sqlca.disconnect();
    QVERIFY(m_db.exec(u"drop table cz123_m"_s));
    m_sqlca.connect();
    HeightWeightStandard standard(m_sqlca);
    const auto lookup = standard.lookup(Sex::Boy, 150.0f);
    QCOMPARE(lookup.outcome, HeightWeightStandard::Outcome::Failed);
    QVERIFY(!lookup.errorText.isEmpty());
    QVERIFY(!lookup.errorText.contains(support::TestDatabase::password()));
}

QTEST_GUILESS_MAIN(TestHeightWeightStandard)
#include "tst_height_weight_standard.moc"
