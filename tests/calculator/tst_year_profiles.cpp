// The later years' layouts as the first year's controls in new places: the
// places written out here, control by control, and the graduation area the
// third year adds. (What the windows say and how Tab walks them is tested
// through the windows themselves.)
#include "calculator/YearProfile.h"
#include "runtime/ControlTable.h"

#include <QTest>

#include <map>

using namespace Qt::StringLiterals;
using calculator::YearProfile;

namespace {

struct Place
{
    int x;
    int y;
};

// Everything but the place and the tab order is the first year's.
bool sameLook(const rt::ControlDecl &a, const rt::ControlDecl &b)
{
    return a.kind == b.kind && a.text == b.text && a.rect.size() == b.rect.size()
        && a.font.face == b.font.face && a.font.pointSize == b.font.pointSize
        && a.font.bold == b.font.bold && a.textColor == b.textColor && a.backColor == b.backColor
        && a.mask == b.mask && a.enabled == b.enabled && a.visible == b.visible
        && a.checked == b.checked;
}

QStringList namesOf(const rt::ControlTable &table)
{
    QStringList names;
    for (const rt::ControlDecl &decl : table)
        names << decl.name;
    return names;
}

} // namespace

class TestYearProfiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondYearLayout();
    void thirdYearLayout();
    void thirdYearGraduationArea();
};

void TestYearProfiles::secondYearLayout()
{
    const rt::ControlTable &first = calculator::firstYearControls();
    const rt::ControlTable &second = calculator::secondYearProfile().controls;
    // The same controls, created in the same order, looking the same.
    QCOMPARE(namesOf(second), namesOf(first));

    // The 48 controls 4 units higher, at these y values.
    const std::map<QString, int> raised {
        { u"st_s1"_s, 100 },
        { u"em_s1"_s, 88 },
        { u"st_13"_s, 92 },
        { u"st_s2"_s, 200 },
        { u"em_s2"_s, 188 },
        { u"st_14"_s, 196 },
        { u"em_s_t"_s, 180 },
        { u"st_t"_s, 300 },
        { u"em_t"_s, 288 },
        { u"em_t_t"_s, 280 },
        { u"st_1"_s, 400 },
        { u"em_1"_s, 388 },
        { u"st_11"_s, 396 },
        { u"em_1_t"_s, 380 },
        { u"st_8"_s, 500 },
        { u"em_8"_s, 488 },
        { u"st_88"_s, 496 },
        { u"em_8_t"_s, 480 },
        { u"st_f"_s, 600 },
        { u"em_f"_s, 588 },
        { u"em_f_t"_s, 580 },
        { u"st_5"_s, 700 },
        { u"em_5"_s, 688 },
        { u"st_55"_s, 696 },
        { u"em_5_t"_s, 680 },
        { u"st_l"_s, 800 },
        { u"em_l"_s, 788 },
        { u"st_ll"_s, 796 },
        { u"em_l_t"_s, 780 },
        { u"st_z"_s, 900 },
        { u"em_z"_s, 888 },
        { u"st_zz"_s, 896 },
        { u"em_z_t"_s, 880 },
        { u"st_y"_s, 1000 },
        { u"em_y"_s, 988 },
        { u"st_yy"_s, 996 },
        { u"em_y_t"_s, 980 },
        { u"st_w"_s, 1100 },
        { u"em_w"_s, 1088 },
        { u"em_w_t"_s, 1080 },
        { u"gb_4"_s, 24 },
        { u"st_111"_s, 100 },
        { u"gb_sex"_s, 24 },
        { u"rb_sex_man"_s, 96 },
        { u"rb_sex_woman"_s, 180 },
        { u"gb_6"_s, 24 },
        { u"em_xn_t"_s, 88 },
        { u"sle_dj"_s, 88 },
    };
    QCOMPARE(raised.size(), std::size_t(48));
    for (std::size_t i = 0; i < second.size(); ++i) {
        const rt::ControlDecl &was = first[i];
        const rt::ControlDecl &is = second[i];
        QVERIFY2(sameLook(was, is), qPrintable(is.name));
        QCOMPARE(is.tabOrder, was.tabOrder);
        QPoint expected = was.rect.topLeft();
        if (const auto it = raised.find(is.name); it != raised.end())
            expected.setY(it->second);
        if (is.name == u"cb_2"_s)
            expected = QPoint(2231, 1096); // on the line of "关闭"
        QCOMPARE(is.rect.topLeft(), expected);
    }
    QCOMPARE(rt::findControl(second, u"cb_1"_s)->rect.topLeft(), QPoint(2592, 1096));
    QCOMPARE(rt::findControl(second, u"cbx_59"_s)->rect.topLeft(), QPoint(1541, 980));
}

void TestYearProfiles::thirdYearLayout()
{
    const rt::ControlTable &first = calculator::firstYearControls();
    const rt::ControlTable &third = calculator::thirdYearProfile().controls;
    QCOMPARE(namesOf(third),
        QStringList({ u"em_c2"_s, u"em_c1"_s, u"em_by_cj"_s, u"sle_by_dj"_s }) + namesOf(first)
            + QStringList({ u"gb_1"_s, u"gb_2"_s }));

    const std::map<QString, Place> places {
        { u"st_s1"_s, { 87, 92 } },
        { u"em_s1"_s, { 480, 80 } },
        { u"st_13"_s, { 745, 84 } },
        { u"st_s2"_s, { 91, 192 } },
        { u"em_s2"_s, { 480, 180 } },
        { u"st_14"_s, { 745, 188 } },
        { u"em_s_t"_s, { 1097, 172 } },
        { u"st_t"_s, { 87, 292 } },
        { u"em_t"_s, { 480, 280 } },
        { u"em_t_t"_s, { 1097, 272 } },
        { u"st_1"_s, { 87, 392 } },
        { u"em_1"_s, { 480, 380 } },
        { u"st_11"_s, { 745, 388 } },
        { u"em_1_t"_s, { 1097, 372 } },
        { u"st_8"_s, { 87, 492 } },
        { u"em_8"_s, { 480, 480 } },
        { u"st_88"_s, { 745, 488 } },
        { u"em_8_t"_s, { 1097, 472 } },
        { u"st_f"_s, { 87, 592 } },
        { u"em_f"_s, { 480, 580 } },
        { u"em_f_t"_s, { 1097, 572 } },
        { u"st_5"_s, { 87, 692 } },
        { u"em_5"_s, { 480, 680 } },
        { u"st_55"_s, { 745, 688 } },
        { u"em_5_t"_s, { 1097, 672 } },
        { u"st_l"_s, { 87, 792 } },
        { u"em_l"_s, { 480, 780 } },
        { u"st_ll"_s, { 745, 788 } },
        { u"em_l_t"_s, { 1097, 772 } },
        { u"st_z"_s, { 87, 892 } },
        { u"em_z"_s, { 480, 880 } },
        { u"st_zz"_s, { 745, 888 } },
        { u"em_z_t"_s, { 1097, 872 } },
        { u"st_y"_s, { 87, 992 } },
        { u"em_y"_s, { 480, 980 } },
        { u"st_yy"_s, { 745, 988 } },
        { u"em_y_t"_s, { 1097, 972 } },
        { u"st_w"_s, { 87, 1092 } },
        { u"em_w"_s, { 480, 1080 } },
        { u"em_w_t"_s, { 1097, 1072 } },
        { u"gb_4"_s, { 41, 16 } },
        { u"st_111"_s, { 1074, 92 } },
        { u"gb_sex"_s, { 1504, 16 } },
        { u"rb_sex_man"_s, { 1536, 88 } },
        { u"rb_sex_woman"_s, { 1536, 172 } },
        { u"gb_6"_s, { 1797, 16 } },
        { u"em_xn_t"_s, { 1824, 76 } },
        { u"sle_dj"_s, { 2267, 76 } },
        { u"gb_3"_s, { 1504, 612 } },
        { u"cbx_1"_s, { 1550, 672 } },
        { u"cbx_2"_s, { 1550, 752 } },
        { u"cbx_3"_s, { 1550, 828 } },
        { u"cbx_4"_s, { 1550, 904 } },
        { u"gb_5"_s, { 1499, 1028 } },
        { u"cbx_59"_s, { 1545, 1096 } },
        { u"cb_2"_s, { 2231, 1228 } },
        { u"cb_1"_s, { 2597, 1228 } },
    };
    // Every first-year control stands at a new place and looks the same.
    QCOMPARE(places.size(), first.size());
    for (const rt::ControlDecl &was : first) {
        const rt::ControlDecl *is = rt::findControl(third, was.name);
        QVERIFY(is);
        QVERIFY2(sameLook(was, *is), qPrintable(was.name));
        const auto it = places.find(was.name);
        QVERIFY2(it != places.end(), qPrintable(was.name));
        QCOMPARE(is->rect.topLeft(), QPoint(it->second.x, it->second.y));
    }
}

void TestYearProfiles::thirdYearGraduationArea()
{
    const YearProfile &third = calculator::thirdYearProfile();
    QVERIFY(third.graduation);
    QCOMPARE(third.graduation->inputs, QStringList({ u"em_c1"_s, u"em_c2"_s }));
    QVERIFY(third.graduation->afterTotal);

    struct Expected
    {
        QString name;
        rt::ControlKind kind;
        QString text;
        QRect rect;
        int pointSize;
        bool bold;
        long textColor;
        QString mask;
    };
    const long blue = 16711680;
    const long windowText = 33554432;
    const Expected area[] = {
        { u"gb_2"_s, rt::ControlKind::GroupBox, u"初一初二"_s, QRect(1504, 308, 297, 268), 9, false,
            blue, QString() },
        { u"em_c1"_s, rt::ControlKind::MaskedEdit, QString(), QRect(1541, 364, 224, 96), 12, true,
            windowText, u"###,###.0"_s },
        { u"em_c2"_s, rt::ControlKind::MaskedEdit, QString(), QRect(1541, 464, 219, 96), 12, true,
            windowText, u"###,###.0"_s },
        { u"gb_1"_s, rt::ControlKind::GroupBox, u"毕业成绩"_s, QRect(1792, 308, 1147, 268), 9,
            false, blue, QString() },
        { u"em_by_cj"_s, rt::ControlKind::MaskedEdit, QString(), QRect(1824, 376, 439, 172), 26,
            true, 128, u"###,###.0"_s },
        { u"sle_by_dj"_s, rt::ControlKind::LineEdit, QString(), QRect(2272, 376, 635, 172), 26,
            true, windowText, QString() },
    };
    for (const Expected &expected : area) {
        const rt::ControlDecl *decl = rt::findControl(third.controls, expected.name);
        QVERIFY2(decl, qPrintable(expected.name));
        QCOMPARE(decl->kind, expected.kind);
        QCOMPARE(decl->text, expected.text);
        QCOMPARE(decl->rect, expected.rect);
        QCOMPARE(decl->font.face, u"Arial"_s);
        QCOMPARE(decl->font.pointSize, expected.pointSize);
        QCOMPARE(decl->font.bold, expected.bold);
        QCOMPARE(decl->textColor, expected.textColor);
        QCOMPARE(decl->mask, expected.mask);
        QVERIFY(decl->enabled);
        QVERIFY(decl->visible);
    }
    // The result fields are declared like the total and its rating, below
    // them (the rating 5 units further right).
    const rt::ControlDecl *total = rt::findControl(third.controls, u"em_xn_t"_s);
    const rt::ControlDecl *score = rt::findControl(third.controls, u"em_by_cj"_s);
    QCOMPARE(score->rect.size(), total->rect.size());
    QCOMPARE(score->rect.x(), total->rect.x());
    QVERIFY(score->rect.top() > total->rect.bottom());
}

QTEST_GUILESS_MAIN(TestYearProfiles)
#include "tst_year_profiles.moc"
