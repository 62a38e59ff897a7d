#include "controls/PictureButtonRules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using controls::PictureButtonRules;

class TestPictureButtonRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restingPlace_data();
    void restingPlace();
    void bitmapQualifies_data();
    void bitmapQualifies();
    void caption();
};

void TestPictureButtonRules::restingPlace_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("expected");
    // (w - w/3.75)/8 and (h - h/1.75)/2
    QTest::newRow("361x100") << 361 << 100 << QPoint(33, 21);
    QTest::newRow("360x100") << 360 << 100 << QPoint(33, 21);
    QTest::newRow("329x100") << 329 << 100 << QPoint(30, 21);
    QTest::newRow("zero") << 0 << 0 << QPoint(0, 0);
    // 120 x 14: both expressions come out whole: 11 and 3.
    QTest::newRow("exact") << 120 << 14 << QPoint(11, 3);
    // 11*60/120 = 5.5 and 3*7/14 = 1.5: halves round up.
    QTest::newRow("halves") << 60 << 7 << QPoint(6, 2);
}

void TestPictureButtonRules::restingPlace()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QPoint, expected);
    QCOMPARE(PictureButtonRules::restingPlace(width, height), expected);
}

void TestPictureButtonRules::bitmapQualifies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("qualifies");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks") << u"   "_s << false;
    QTest::newRow("stock") << u"Save!"_s << true;
    QTest::newRow("stock with blank after") << u"Save! "_s << false;
    QTest::newRow("stock with blank before") << u" Save!"_s << true;
    QTest::newRow("bang alone") << u"!"_s << true;
    QTest::newRow("gif") << u"face.gif"_s << true;
    QTest::newRow("gif no dot") << u"facegif"_s << true;
    QTest::newRow("bmp") << u"face.bmp"_s << true;
    QTest::newRow("jpg") << u"face.jpg"_s << true;
    QTest::newRow("upper case JPG") << u"FACE.JPG"_s << true;
    QTest::newRow("ico") << u"face.ico"_s << false;
    QTest::newRow("jpeg") << u"face.jpeg"_s << false;
    QTest::newRow("png") << u"face.png"_s << false;
}

void TestPictureButtonRules::bitmapQualifies()
{
    QFETCH(QString, name);
    QFETCH(bool, qualifies);
    QCOMPARE(PictureButtonRules::bitmapQualifies(name), qualifies);
}

void TestPictureButtonRules::caption()
{
    QCOMPARE(PictureButtonRules::captionFor(u"关闭(&X)"_s, true), u"   关闭(&X)"_s);
    QCOMPARE(PictureButtonRules::captionFor(u"关闭(&X)"_s, false), u"关闭(&X)"_s);
}

QTEST_GUILESS_MAIN(TestPictureButtonRules)
#include "tst_picture_button_rules.moc"
