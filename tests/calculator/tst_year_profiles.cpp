// The later years' layouts as the first year's controls in new places: each
// control where the year's overrides put it and looking as in the first
// year, every group box still holding what it held, no two controls
// overlapping, and the graduation area the third year adds. (What the
// windows say and how Tab walks them is tested through the windows
// themselves.)
#include "calculator/ScoreMask.h"
#include "calculator/YearProfile.h"
#include "runtime/ControlTable.h"
#include "runtime/SystemColors.h"

#include <QTest>

#include <set>
#include <utility>

using namespace Qt::StringLiterals;
using calculator::YearProfile;

namespace {

// Everything but the place and the tab order.
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

// Where `name` of the first year stands once `overrides` have moved it: the
// offsets of every shift that takes it (as a group box, inside one as the
// first year lays them out, or by its name) added up, or the place a move
// gives it.
QPoint placeAfter(const QString &name, const rt::LayoutOverrides &overrides)
{
    const rt::ControlTable &first = calculator::firstYearControls();
    QPoint place = rt::findControl(first, name)->rect.topLeft();
    for (const rt::LayoutOverrides::Shift &shift : overrides.shifts) {
        bool moved = shift.names.contains(name);
        for (const QString &group : shift.groups)
            moved = moved || group == name || rt::controlsInside(first, group).contains(name);
        if (moved)
            place += QPoint(shift.dx, shift.dy);
    }
    for (const rt::LayoutOverrides::Move &move : overrides.moves) {
        if (move.name == name)
            place = QPoint(move.x, move.y);
    }
    return place;
}

// The pairs of controls of `table` whose rectangles meet, group boxes left
// out (they frame what they hold).
std::set<std::pair<QString, QString>> overlaps(const rt::ControlTable &table)
{
    std::set<std::pair<QString, QString>> pairs;
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[i].kind == rt::ControlKind::GroupBox
                || table[j].kind == rt::ControlKind::GroupBox)
                continue;
            if (table[i].rect.intersects(table[j].rect))
                pairs.insert(std::minmax(table[i].name, table[j].name));
        }
    }
    return pairs;
}

} // namespace

class TestYearProfiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterYearsMoveTheFirstYearsControls_data();
    void laterYearsMoveTheFirstYearsControls();
    void secondYearLayout();
    void thirdYearGraduationArea();
};

void TestYearProfiles::laterYearsMoveTheFirstYearsControls_data()
{
    QTest::addColumn<const YearProfile *>("profile");
    QTest::addColumn<const rt::LayoutOverrides *>("overrides");
    QTest::newRow("second year") << &calculator::secondYearProfile()
                                 << &calculator::secondYearLayout();
    QTest::newRow("third year") << &calculator::thirdYearProfile()
                                << &calculator::thirdYearLayout();
}

void TestYearProfiles::laterYearsMoveTheFirstYearsControls()
{
    QFETCH(const YearProfile *, profile);
    QFETCH(const rt::LayoutOverrides *, overrides);
    const rt::ControlTable &first = calculator::firstYearControls();
    const rt::ControlTable &later = profile->controls;

    // The first year's controls in their order, with the year's own before
    // and after them.
    QCOMPARE(namesOf(later),
        namesOf(overrides->addedFirst) + namesOf(first) + namesOf(overrides->addedLast));

    // Each looks as in the first year and stands where the overrides put
    // it; the tab order is the first year's unless the year walks its own.
    for (const rt::ControlDecl &was : first) {
        const rt::ControlDecl *is = rt::findControl(later, was.name);
        QVERIFY2(sameLook(was, *is), qPrintable(was.name));
        QCOMPARE(is->rect.topLeft(), placeAfter(was.name, *overrides));
        if (!overrides->tabSequence)
            QCOMPARE(is->tabOrder, was.tabOrder);
    }

    // Every group box holds what it held, and the added controls lie in
    // none of the first year's. What it holds moves with it, but for the
    // controls that the overrides move on their own.
    QSet<QString> movedAlone;
    for (const rt::LayoutOverrides::Shift &shift : overrides->shifts)
        movedAlone.unite(QSet<QString>(shift.names.begin(), shift.names.end()));
    for (const rt::LayoutOverrides::Move &move : overrides->moves)
        movedAlone.insert(move.name);
    for (const rt::ControlDecl &group : first) {
        if (group.kind != rt::ControlKind::GroupBox)
            continue;
        const QStringList held = rt::controlsInside(first, group.name);
        const QStringList holds = rt::controlsInside(later, group.name);
        QCOMPARE(
            QSet<QString>(holds.begin(), holds.end()), QSet<QString>(held.begin(), held.end()));
        const QPoint groupWas = group.rect.topLeft();
        const QPoint groupIs = rt::findControl(later, group.name)->rect.topLeft();
        for (const QString &name : held) {
            if (!movedAlone.contains(name)) {
                QCOMPARE(rt::findControl(later, name)->rect.topLeft() - groupIs,
                    rt::findControl(first, name)->rect.topLeft() - groupWas);
            }
        }
    }

    // No two controls overlap, before or after moving.
    for (const rt::ControlTable *table : { &first, &later }) {
        for (const auto &pair : overlaps(*table))
            QFAIL(qPrintable(u"%1 overlaps %2"_s.arg(pair.first, pair.second)));
    }
}

void TestYearProfiles::secondYearLayout()
{
    // "项目设置" on the line of "关闭", the bonus boxes where they were.
    const rt::ControlTable &first = calculator::firstYearControls();
    const rt::ControlTable &second = calculator::secondYearProfile().controls;
    QCOMPARE(
        rt::findControl(second, u"cb_2"_s)->rect.y(), rt::findControl(second, u"cb_1"_s)->rect.y());
    QCOMPARE(rt::findControl(second, u"cb_1"_s)->rect, rt::findControl(first, u"cb_1"_s)->rect);
    QCOMPARE(rt::findControl(second, u"gb_3"_s)->rect, rt::findControl(first, u"gb_3"_s)->rect);
}

void TestYearProfiles::thirdYearGraduationArea()
{
    const YearProfile &third = calculator::thirdYearProfile();
    QVERIFY(third.graduation);
    QCOMPARE(third.graduation->inputs, QStringList({ u"em_c1"_s, u"em_c2"_s }));
    QVERIFY(third.graduation->afterTotal);
    auto decl = [&third](const QString &name) {
        const rt::ControlDecl *found = rt::findControl(third.controls, name);
        Q_ASSERT_X(found, "thirdYearGraduationArea", qPrintable(name));
        return *found;
    };

    // Two group boxes side by side under the sex and total groups and above
    // the bonus boxes: the typed first- and second-year totals, one above
    // the other, and the graduation score with its rating.
    const rt::ControlDecl years = decl(u"gb_2"_s);
    const rt::ControlDecl graduation = decl(u"gb_1"_s);
    QCOMPARE(years.text, u"初一初二"_s);
    QCOMPARE(graduation.text, u"毕业成绩"_s);
    QCOMPARE(years.rect.top(), graduation.rect.top());
    QCOMPARE(years.rect.height(), graduation.rect.height());
    QVERIFY(years.rect.left() < graduation.rect.left());
    for (const rt::ControlDecl &group : { years, graduation }) {
        QCOMPARE(group.kind, rt::ControlKind::GroupBox);
        QCOMPARE(group.font.face, u"Arial"_s);
        QCOMPARE(group.textColor, rt::colors::kBlue);
        QVERIFY(group.rect.top() > decl(u"gb_sex"_s).rect.bottom());
        QVERIFY(group.rect.top() > decl(u"gb_6"_s).rect.bottom());
        QVERIFY(group.rect.bottom() < decl(u"gb_3"_s).rect.top());
    }
    QCOMPARE(
        rt::controlsInside(third.controls, u"gb_2"_s), QStringList({ u"em_c2"_s, u"em_c1"_s }));
    QCOMPARE(rt::controlsInside(third.controls, u"gb_1"_s),
        QStringList({ u"em_by_cj"_s, u"sle_by_dj"_s }));
    QVERIFY(decl(u"em_c1"_s).rect.bottom() < decl(u"em_c2"_s).rect.top());

    // The typed totals: 12 pt bold Arial on field blue under the score
    // mask, taken by Tab first.
    for (const QString &name : { u"em_c1"_s, u"em_c2"_s }) {
        const rt::ControlDecl field = decl(name);
        QCOMPARE(field.kind, rt::ControlKind::MaskedEdit);
        QCOMPARE(field.mask, calculator::scoreMask());
        QCOMPARE(field.font.face, u"Arial"_s);
        QCOMPARE(field.font.pointSize, 12);
        QVERIFY(field.font.bold);
        QCOMPARE(field.textColor, rt::colors::kWindowText);
        QCOMPARE(field.backColor, rt::colors::kFieldBlue);
        QVERIFY(field.tabOrder > 0);
        QVERIFY(field.enabled && field.visible);
    }
    QVERIFY(decl(u"em_c1"_s).tabOrder < decl(u"em_c2"_s).tabOrder);
    for (const rt::ControlDecl &control : third.controls) {
        if (control.tabOrder > 0 && control.name != u"em_c1"_s && control.name != u"em_c2"_s)
            QVERIFY2(control.tabOrder > decl(u"em_c2"_s).tabOrder, qPrintable(control.name));
    }

    // The graduation score and its rating are declared like the total and
    // its rating, below them (the rating 5 units further right), on field
    // blue, out of the tab sequence.
    const rt::ControlDecl total = decl(u"em_xn_t"_s);
    const rt::ControlDecl score = decl(u"em_by_cj"_s);
    QCOMPARE(score.kind, total.kind);
    QCOMPARE(score.mask, total.mask);
    QCOMPARE(score.mask, calculator::scoreMask());
    QCOMPARE(score.font.pointSize, total.font.pointSize);
    QCOMPARE(score.font.bold, total.font.bold);
    QCOMPARE(score.textColor, rt::colors::kDarkRed);
    QCOMPARE(score.textColor, total.textColor);
    QCOMPARE(score.backColor, rt::colors::kFieldBlue);
    QCOMPARE(score.rect.size(), total.rect.size());
    QCOMPARE(score.rect.x(), total.rect.x());
    QVERIFY(score.rect.top() > total.rect.bottom());
    const rt::ControlDecl totalRating = decl(u"sle_dj"_s);
    const rt::ControlDecl rating = decl(u"sle_by_dj"_s);
    QVERIFY(sameLook(rating, totalRating));
    QCOMPARE(rating.rect.x(), totalRating.rect.x() + 5);
    QVERIFY(rating.rect.top() > totalRating.rect.bottom());
    QCOMPARE(score.tabOrder, 0);
    QCOMPARE(rating.tabOrder, 0);
}

QTEST_GUILESS_MAIN(TestYearProfiles)
#include "tst_year_profiles.moc"
