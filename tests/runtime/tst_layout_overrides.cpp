// How one window's table is made from a base table: the overrides applied to
// a small base of a group box with a nested group and loose controls.
#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/LayoutOverrides.h"

#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(rt::LayoutOverrides)

namespace {

using Places = std::map<QString, QPoint>;
using TabOrders = std::map<QString, int>;

// gb_outer holds st_1, em_1 and gb_inner, which holds em_2; em_3 reaches out
// of gb_outer; cb_1 stands alone.
rt::ControlTable base()
{
    return {
        rt::groupBox(u"gb_outer"_s, u"外"_s, QRect(0, 0, 1000, 600), { .tabOrder = 5 }),
        rt::label(u"st_1"_s, u"身高"_s, QRect(20, 40, 200, 60)),
        rt::maskedEdit(u"em_1"_s, QRect(240, 40, 200, 80), {}, { .tabOrder = 1 }),
        rt::groupBox(u"gb_inner"_s, {}, QRect(20, 200, 500, 300)),
        rt::maskedEdit(u"em_2"_s, QRect(40, 240, 200, 80), {}, { .tabOrder = 2 }),
        rt::maskedEdit(u"em_3"_s, QRect(900, 40, 200, 80), {}, { .tabOrder = 3 }),
        rt::pushButton(u"cb_1"_s, u"关闭"_s, QRect(1200, 700, 300, 100), { .tabOrder = 4 }),
    };
}

QStringList namesOf(const rt::ControlTable &table)
{
    QStringList names;
    for (const rt::ControlDecl &decl : table)
        names << decl.name;
    return names;
}

} // namespace

class TestLayoutOverrides : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void whatLiesInsideAGroupBox();
    void applied_data();
    void applied();
    void addedControlsStandBeforeAndAfterTheBase();
    void unknownNamesAreRefused_data();
    void unknownNamesAreRefused();
};

void TestLayoutOverrides::whatLiesInsideAGroupBox()
{
    const rt::ControlTable table = base();
    QCOMPARE(rt::controlsInside(table, u"gb_outer"_s),
        QStringList({ u"st_1"_s, u"em_1"_s, u"gb_inner"_s, u"em_2"_s }));
    QCOMPARE(rt::controlsInside(table, u"gb_inner"_s), QStringList { u"em_2"_s });
    QCOMPARE(rt::enclosingGroupBox(QRect(40, 240, 200, 80), table), u"gb_inner"_s);
    QCOMPARE(rt::enclosingGroupBox(QRect(900, 40, 200, 80), table), QString());
}

void TestLayoutOverrides::applied_data()
{
    QTest::addColumn<rt::LayoutOverrides>("overrides");
    QTest::addColumn<Places>("places"); // the controls that moved
    QTest::addColumn<TabOrders>("tabOrders"); // the values that changed

    QTest::newRow("nothing") << rt::LayoutOverrides {} << Places {} << TabOrders {};
    QTest::newRow("a group box takes what lies inside it, nested groups too")
        << rt::LayoutOverrides { .shifts = { { .groups = { u"gb_outer"_s }, .dx = 5, .dy = -4 } } }
        << Places { { u"gb_outer"_s, { 5, -4 } }, { u"st_1"_s, { 25, 36 } },
               { u"em_1"_s, { 245, 36 } }, { u"gb_inner"_s, { 25, 196 } },
               { u"em_2"_s, { 45, 236 } } }
        << TabOrders {};
    QTest::newRow("an inner group box leaves its outer one")
        << rt::LayoutOverrides { .shifts = { { .groups = { u"gb_inner"_s }, .dy = 8 } } }
        << Places { { u"gb_inner"_s, { 20, 208 } }, { u"em_2"_s, { 40, 248 } } } << TabOrders {};
    QTest::newRow("named controls alone, and offsets that add up")
        << rt::LayoutOverrides { .shifts = { { .groups = { u"gb_outer"_s }, .dx = 4 },
                                     { .names = { u"em_1"_s, u"em_3"_s }, .dx = 1, .dy = 2 } } }
        << Places { { u"gb_outer"_s, { 4, 0 } }, { u"st_1"_s, { 24, 40 } },
               { u"em_1"_s, { 245, 42 } }, { u"gb_inner"_s, { 24, 200 } },
               { u"em_2"_s, { 44, 240 } }, { u"em_3"_s, { 901, 42 } } }
        << TabOrders {};
    QTest::newRow("what lies inside is settled before anything moves")
        << rt::LayoutOverrides { .shifts = { { .names = { u"em_3"_s }, .dx = -500 },
                                     { .groups = { u"gb_outer"_s }, .dy = 10 } } }
        << Places { { u"gb_outer"_s, { 0, 10 } }, { u"st_1"_s, { 20, 50 } },
               { u"em_1"_s, { 240, 50 } }, { u"gb_inner"_s, { 20, 210 } },
               { u"em_2"_s, { 40, 250 } }, { u"em_3"_s, { 400, 40 } } }
        << TabOrders {};
    QTest::newRow("a move after a shift puts the control at its place")
        << rt::LayoutOverrides { .shifts = { { .groups = { u"gb_inner"_s }, .dx = 3 } },
               .moves = { { .name = u"em_2"_s, .x = 100, .y = 300 } } }
        << Places { { u"gb_inner"_s, { 23, 200 } }, { u"em_2"_s, { 100, 300 } } } << TabOrders {};
    QTest::newRow("a tab sequence numbers its controls and takes the others out")
        << rt::LayoutOverrides { .tabSequence
               = rt::LayoutOverrides::TabSequence { .names = { u"cb_1"_s, u"em_2"_s },
                   .first = 30,
                   .step = 5 } }
        << Places {}
        << TabOrders { { u"gb_outer"_s, 0 }, { u"em_1"_s, 0 }, { u"em_3"_s, 0 }, { u"cb_1"_s, 30 },
               { u"em_2"_s, 35 } };
}

void TestLayoutOverrides::applied()
{
    QFETCH(rt::LayoutOverrides, overrides);
    QFETCH(Places, places);
    QFETCH(TabOrders, tabOrders);
    const rt::ControlTable before = base();
    const rt::ControlTable after = overrides.applyTo(before);
    QCOMPARE(namesOf(after), namesOf(before));
    for (std::size_t i = 0; i < after.size(); ++i) {
        const rt::ControlDecl &was = before[i];
        const rt::ControlDecl &is = after[i];
        const auto place = places.find(is.name);
        QCOMPARE(is.rect.topLeft(), place == places.end() ? was.rect.topLeft() : place->second);
        QCOMPARE(is.rect.size(), was.rect.size());
        const auto order = tabOrders.find(is.name);
        QCOMPARE(is.tabOrder, order == tabOrders.end() ? was.tabOrder : order->second);
        QCOMPARE(is.text, was.text);
    }
}

void TestLayoutOverrides::addedControlsStandBeforeAndAfterTheBase()
{
    const rt::LayoutOverrides overrides {
        .tabSequence = rt::LayoutOverrides::TabSequence { .names = { u"em_1"_s } },
        .addedFirst = { rt::maskedEdit(u"em_a"_s, QRect(0, 700, 100, 80), {}, { .tabOrder = 7 }),
            rt::maskedEdit(u"em_b"_s, QRect(0, 800, 100, 80), {}) },
        .addedLast = { rt::groupBox(u"gb_last"_s, {}, QRect(0, 650, 300, 300)) },
    };
    const rt::ControlTable after = overrides.applyTo(base());
    const QStringList expected
        = QStringList { u"em_a"_s, u"em_b"_s } + namesOf(base()) + QStringList { u"gb_last"_s };
    QCOMPARE(namesOf(after), expected);
    // The added controls keep their own tab order values.
    QCOMPARE(rt::findControl(after, u"em_a"_s)->tabOrder, 7);
    QCOMPARE(rt::findControl(after, u"em_1"_s)->tabOrder, 10);
}

void TestLayoutOverrides::unknownNamesAreRefused_data()
{
    QTest::addColumn<rt::LayoutOverrides>("overrides");
    QTest::newRow("group") << rt::LayoutOverrides { .shifts = { { .groups = { u"gb_x"_s } } } };
    QTest::newRow("shifted control")
        << rt::LayoutOverrides { .shifts = { { .names = { u"em_x"_s }, .dx = 1 } } };
    QTest::newRow("moved control") << rt::LayoutOverrides { .moves = { { .name = u"em_x"_s } } };
    QTest::newRow("tab stop") << rt::LayoutOverrides { .tabSequence
        = rt::LayoutOverrides::TabSequence { .names = { u"em_x"_s } } };
}

void TestLayoutOverrides::unknownNamesAreRefused()
{
    QFETCH(rt::LayoutOverrides, overrides);
    try {
        overrides.applyTo(base());
        QFAIL("an override of a control the base does not have was applied");
    } catch (const rt::ControlLookupError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(u"em_x"_s)
                || QString::fromUtf8(error.what()).contains(u"gb_x"_s),
            error.what());
    }
}

QTEST_GUILESS_MAIN(TestLayoutOverrides)
#include "tst_layout_overrides.moc"
