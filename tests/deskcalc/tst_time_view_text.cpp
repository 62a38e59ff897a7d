#include "deskcalc/TimeViewText.h"

#include <QTest>

using deskcalc::ClockReading;
using deskcalc::timeViewText;
using namespace Qt::StringLiterals;

class TestTimeViewText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
};

void TestTimeViewText::texts_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no leading zeros in the date")
        << 2026 << 3 << 9 << 14 << 5 << 9 << u"2026年3月9日  14:05:09"_s;
    QTest::newRow("midnight") << 2025 << 12 << 31 << 0 << 0 << 0 << u"2025年12月31日  00:00:00"_s;
    QTest::newRow("first of a month")
        << 2026 << 10 << 1 << 23 << 59 << 59 << u"2026年10月1日  23:59:59"_s;
}

void TestTimeViewText::texts()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(QString, expected);
    const ClockReading reading { year, month, day, hour, minute, second };
    QCOMPARE(QString::fromStdString(timeViewText(reading)), expected);
}

QTEST_GUILESS_MAIN(TestTimeViewText)
#include "tst_time_view_text.moc"
