#include "items/XmszTable.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsYearProfile.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace settings;

class TestSettingsLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataObject();
    void controlList();
    void membershipByEnclosure_data();
    void membershipByEnclosure();
    void choiceGroups();
    void keyboardOrder();
    void choiceItemsCoverTheFlags();
};

void TestSettingsLayout::dataObject()
{
    const db::DataObject object = items::d_xmsz();
    QCOMPARE(object.table, u"xmsz"_s);
    const QStringList expected = { u"nj"_s, u"xm_z_m"_s, u"xm_5_m"_s, u"xm_l_m"_s, u"xm_t_m"_s,
        u"xm_58_m"_s, u"xm_w_m"_s, u"xm_1_m"_s, u"xm_8_w"_s, u"xm_z_w"_s, u"xm_5_w"_s, u"xm_l_w"_s,
        u"xm_t_w"_s, u"xm_58_w"_s, u"xm_w_w"_s, u"xm_y_w"_s };
    QCOMPARE(object.columns, expected);
    QCOMPARE(object.keyColumns, QStringList { u"nj"_s });
    QCOMPARE(object.argumentColumns, QStringList { u"nj"_s });
}

void TestSettingsLayout::controlList()
{
    const auto first = settingsControls(firstYearSettings());
    const auto third = settingsControls(thirdYearSettings());
    QCOMPARE(first.front().name, u"cb_2"_s);
    QCOMPARE(first.back().name, u"gb_5"_s);
    // Each control once; the radio buttons are the choices and the fixed
    // items.
    QSet<QString> names;
    QSet<QString> radios;
    for (const rt::ControlDecl &decl : first) {
        QVERIFY2(!names.contains(decl.name), qPrintable(decl.name));
        names << decl.name;
        if (decl.kind == rt::ControlKind::RadioButton)
            radios << decl.name;
    }
    QSet<QString> expectedRadios(fixedItems().begin(), fixedItems().end());
    for (const ChoiceItem &item : choiceItems())
        expectedRadios << item.radioButton;
    QCOMPARE(radios, expectedRadios);
    // Only the two buttons differ between the years.
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (first[i].name == u"cb_1"_s || first[i].name == u"cb_2"_s)
            continue;
        QCOMPARE(first[i].rect, third[i].rect);
        QCOMPARE(first[i].text, third[i].text);
    }
    QCOMPARE(third[0].rect, thirdYearSettings().closeButtonRect);
    QCOMPARE(third[1].rect, thirdYearSettings().saveButtonRect);
    QCOMPARE(third[0].tabOrder, thirdYearSettings().closeTabOrder);
    QCOMPARE(third[1].text, u"保存（&S)"_s);
    QVERIFY(!third[1].enabled);
}

void TestSettingsLayout::membershipByEnclosure_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("groupBox");
    // These four reach into the next group box's rectangle.
    QTest::newRow("rb_1_m") << u"rb_1_m"_s << u"gb_1"_s;
    QTest::newRow("rb_l_m") << u"rb_l_m"_s << u"gb_2"_s;
    QTest::newRow("rb_8_w") << u"rb_8_w"_s << u"gb_6"_s;
    QTest::newRow("rb_l_w") << u"rb_l_w"_s << u"gb_7"_s;
    QTest::newRow("rb_y_w") << u"rb_y_w"_s << u"gb_8"_s;
    // The fixed items lie in their frame only.
    QTest::newRow("rb_9") << u"rb_9"_s << u"gb_4"_s;
    QTest::newRow("rb_2") << u"rb_2"_s << u"gb_5"_s;
}

void TestSettingsLayout::membershipByEnclosure()
{
    QFETCH(QString, radio);
    QFETCH(QString, groupBox);
    const auto controls = settingsControls(firstYearSettings());
    const auto it = std::find_if(controls.begin(), controls.end(),
        [&](const rt::ControlDecl &c) { return c.name == radio; });
    QVERIFY(it != controls.end());
    QCOMPARE(rt::enclosingGroupBox(it->rect, controls), groupBox);
}

void TestSettingsLayout::choiceGroups()
{
    const auto groups = settings::choiceGroups(settingsControls(secondYearSettings()));
    std::map<QString, QStringList> byBox;
    for (const ChoiceGroup &g : groups)
        QVERIFY2(byBox.emplace(g.groupBox, g.radioButtons).second, qPrintable(g.groupBox));
    const std::map<QString, QStringList> expected {
        { u"gb_1"_s, { u"rb_t_m"_s, u"rb_1_m"_s } },
        { u"gb_2"_s, { u"rb_5_m"_s, u"rb_l_m"_s } },
        { u"gb_3"_s, { u"rb_z_m"_s, u"rb_w_m"_s } },
        { u"gb_6"_s, { u"rb_t_w"_s, u"rb_8_w"_s } },
        { u"gb_7"_s, { u"rb_5_w"_s, u"rb_l_w"_s } },
        { u"gb_8"_s, { u"rb_z_w"_s, u"rb_y_w"_s, u"rb_w_w"_s } },
    };
    QVERIFY(byBox == expected);
}

void TestSettingsLayout::keyboardOrder()
{
    const QStringList expected = {
        u"rb_t_m"_s,
        u"rb_1_m"_s,
        u"rb_5_m"_s,
        u"rb_l_m"_s,
        u"rb_z_m"_s,
        u"rb_w_m"_s,
        u"rb_t_w"_s,
        u"rb_8_w"_s,
        u"rb_z_w"_s,
        u"rb_y_w"_s,
        u"rb_w_w"_s,
        u"rb_5_w"_s,
        u"rb_l_w"_s,
        u"cb_1"_s,
        u"cb_2"_s,
    };
    QCOMPARE(settings::keyboardOrder(settingsControls(firstYearSettings())), expected);
    QCOMPARE(settings::keyboardOrder(settingsControls(thirdYearSettings())), expected);
}

void TestSettingsLayout::choiceItemsCoverTheFlags()
{
    QStringList columns;
    for (const ChoiceItem &item : choiceItems())
        columns.append(item.column);
    QCOMPARE(columns, items::flagColumns());
    for (const QString &column : items::xmszColumns()) {
        const bool isFlag = column != u"nj"_s && !column.startsWith(u"xm_58"_s);
        QCOMPARE(columns.contains(column), isFlag);
    }
}

QTEST_GUILESS_MAIN(TestSettingsLayout)
#include "tst_settings_layout.moc"
