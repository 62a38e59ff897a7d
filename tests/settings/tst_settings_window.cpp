#include "controls/pfc_picture_command_button.h"
#include "items/XmszTable.h"
#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsWindows.h"
#include "settings/SettingsYearProfile.h"
#include "settings/TestItemSettingsWindow.h"
#include "support/MessageBoxRecorder.h"
#include "support/TestDatabase.h"
#include "support/WindowSteps.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;
using settings::SettingsYearProfile;
using Icon = rt::MessageBoxService::Icon;

namespace {

// The radio button of each flag column "xm_<item>_<sex>" is
// "rb_<item>_<sex>".
QString columnOf(const QString &radio)
{
    return u"xm_"_s + radio.mid(3);
}

// The thirteen choice radio buttons, in the order of the flag columns.
const QStringList kRadios = [] {
    QStringList radios;
    for (const QString &column : items::flagColumns())
        radios << u"rb_"_s + column.mid(3);
    return radios;
}();

QSet<QString> namesOf(const QList<QWidget *> &widgets)
{
    QSet<QString> names;
    for (const QWidget *widget : widgets)
        names << widget->objectName();
    return names;
}

const SettingsYearProfile &profileNamed(const QString &name)
{
    for (const SettingsYearProfile *p : settings::settingsYearProfiles()) {
        if (p->className == name)
            return *p;
    }
    return settings::firstYearSettings();
}

} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createdState();
    void modalWindowOffersNoMinimizeOrMaximize_data();
    void modalWindowOffersNoMinimizeOrMaximize();
    void tabReachesEachGroupThenTheButtons();
    void newYearSavedAndReadBack_data();
    void newYearSavedAndReadBack();
    void newYearSavedAtOnceStoresZeros();
    void closingNewYearWritesNothing();
    void storedChoicesShown();
    void flagsOtherThanOneShowUnchecked_data();
    void flagsOtherThanOneShowUnchecked();
    void changedChoicesUpdateOnlyThatYear();
    void clicksMakeSavingAvailable();
    void exclusiveGroups();
    void refusedWriteReportedAndRetried();
    void refusedCommitReportedAndRetried();
    void savesAfterTransactionEndedByDatabase();
    void failedRetrievalReported_data();
    void failedRetrievalReported();
    void escAndWindowCloseDoNotClose();
    void registeredAndOpenedModally();

private:
    // Opens the settings window of `className` on the program's connection.
    settings::TestItemSettingsWindow *open(const QString &className);
    QRadioButton *radio(const QString &name) const;
    controls::pfc_picture_command_button *button(const QString &name) const;
    void click(QAbstractButton *button);
    void clickSave();
    // The stored row of `year` as column -> value (nullopt for NULL).
    std::map<QString, std::optional<QString>> storedRow(const QString &year);
    int rowCount();
    bool insertRow(const QString &year, const std::map<QString, std::optional<QString>> &values);

    support::TestDatabase m_db;
    std::unique_ptr<db::Transaction> m_sqlca;
    std::unique_ptr<settings::TestItemSettingsWindow> m_window;
    std::unique_ptr<support::MessageBoxRecorder> m_boxes;
};

void TestSettingsWindow::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    m_sqlca = std::make_unique<db::Transaction>();
    support::TestDatabase::setUpProgramTransaction(*m_sqlca);
    m_sqlca->connect();
    QCOMPARE(m_sqlca->SQLCode, 0L);
    m_boxes = std::make_unique<support::MessageBoxRecorder>();
}

void TestSettingsWindow::cleanup()
{
    m_window.reset();
    m_boxes.reset();
    if (m_sqlca)
        m_sqlca->disconnect();
    m_sqlca.reset();
}

settings::TestItemSettingsWindow *TestSettingsWindow::open(const QString &className)
{
    m_window
        = std::make_unique<settings::TestItemSettingsWindow>(profileNamed(className), *m_sqlca);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    return m_window.get();
}

QRadioButton *TestSettingsWindow::radio(const QString &name) const
{
    return m_window->findChild<QRadioButton *>(name);
}

controls::pfc_picture_command_button *TestSettingsWindow::button(const QString &name) const
{
    return m_window->findChild<controls::pfc_picture_command_button *>(name);
}

void TestSettingsWindow::click(QAbstractButton *target)
{
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
}

void TestSettingsWindow::clickSave()
{
    QPushButton *inner = button(u"cb_1"_s)->innerButton();
    QTest::mouseClick(inner, Qt::LeftButton, {}, inner->rect().center());
    // The control's click is posted; let it run.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

std::map<QString, std::optional<QString>> TestSettingsWindow::storedRow(const QString &year)
{
    std::map<QString, std::optional<QString>> result;
    const QStringList &names = items::xmszColumns();
    const auto rows
        = m_db.query(u"SELECT %1 FROM xmsz WHERE nj = ?"_s.arg(names.join(u", "_s)), { year });
    if (!rows || rows->size() != 1)
        return result;
    for (qsizetype i = 0; i < names.size(); ++i)
        result[names[i]] = rows->front()[std::size_t(i)];
    return result;
}

int TestSettingsWindow::rowCount()
{
    const auto rows = m_db.query(u"SELECT nj FROM xmsz"_s);
    return rows ? int(rows->size()) : -1;
}

bool TestSettingsWindow::insertRow(
    const QString &year, const std::map<QString, std::optional<QString>> &values)
{
    QStringList names { u"nj"_s };
    QStringList markers { u"?"_s };
    std::vector<QVariant> params { year };
    for (const auto &[column, value] : values) {
        names.append(column);
        markers.append(u"?"_s);
        params.push_back(value ? QVariant(*value) : QVariant());
    }
    return m_db.exec(
        u"INSERT INTO xmsz (%1) VALUES (%2)"_s.arg(names.join(u", "_s), markers.join(u", "_s)),
        params);
}

void TestSettingsWindow::createdState()
{
    // Before its open handling (it runs when the window is first shown).
    m_window = std::make_unique<settings::TestItemSettingsWindow>(
        settings::secondYearSettings(), *m_sqlca);
    QCOMPARE(m_window->objectName(), u"w_xm_cz2"_s);
    QCOMPARE(m_window->windowTitle(), u"初中二年级项目"_s);
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(m_window->isModal());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    for (const QString &name : settings::fixedItems()) {
        QVERIFY2(radio(name)->isChecked(), qPrintable(name));
        QVERIFY2(!radio(name)->isEnabled(), qPrintable(name));
    }
    for (const QString &name : kRadios) {
        QVERIFY2(!radio(name)->isChecked(), qPrintable(name));
        QVERIFY2(radio(name)->isEnabled(), qPrintable(name));
    }
    QVERIFY(!button(u"cb_1"_s)->isAvailable());
    QVERIFY(button(u"cb_2"_s)->isAvailable());
    QCOMPARE(button(u"cb_1"_s)->innerButton()->text(), u"   保存（&S)"_s);
    QCOMPARE(button(u"cb_2"_s)->innerButton()->text(), u"   关闭(&X)"_s);
    QVERIFY(m_window->findChild<QWidget *>(u"dw_1"_s)->isHidden());
    QCOMPARE(m_window->findChild<QGroupBox *>(u"gb_4"_s)->title(), u"男"_s);
    QCOMPARE(m_window->findChild<QGroupBox *>(u"gb_5"_s)->title(), u"女"_s);
    QCOMPARE(radio(u"rb_1_m"_s)->text(), u"1000米跑（男）（20分）"_s);
    // The radio buttons are the choices and the fixed items, the group
    // boxes those of the table.
    QList<QWidget *> radios;
    for (QRadioButton *button : m_window->findChildren<QRadioButton *>())
        radios << button;
    QCOMPARE(namesOf(radios),
        QSet<QString>(kRadios.begin(), kRadios.end())
            + QSet<QString>(settings::fixedItems().begin(), settings::fixedItems().end()));
    QList<QWidget *> groups;
    for (QGroupBox *group : m_window->findChildren<QGroupBox *>())
        groups << group;
    QSet<QString> declaredGroups;
    for (const rt::ControlDecl &decl : settings::settingsControls(settings::secondYearSettings())) {
        if (decl.kind == rt::ControlKind::GroupBox)
            declaredGroups << decl.name;
    }
    QCOMPARE(namesOf(groups), declaredGroups);
    // Nothing was read or written yet.
    QCOMPARE(rowCount(), 0);

    // A click on a fixed item changes nothing.
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const bool saveBefore = button(u"cb_1"_s)->isAvailable();
    click(radio(u"rb_8"_s));
    QVERIFY(radio(u"rb_8"_s)->isChecked());
    QCOMPARE(button(u"cb_1"_s)->isAvailable(), saveBefore);
}

void TestSettingsWindow::modalWindowOffersNoMinimizeOrMaximize_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("w_xm_cz1") << u"w_xm_cz1"_s;
    QTest::newRow("w_xm_cz2") << u"w_xm_cz2"_s;
    QTest::newRow("w_xm_cz3") << u"w_xm_cz3"_s;
}

void TestSettingsWindow::modalWindowOffersNoMinimizeOrMaximize()
{
    QFETCH(QString, className);
    QVERIFY(open(className));
    // The flags that the window system was handed for the shown window.
    QVERIFY(m_window->windowHandle());
    const Qt::WindowFlags flags = m_window->windowHandle()->flags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    for (const Qt::WindowType hint : { Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
             Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint })
        QVERIFY2(!flags.testFlag(hint), qPrintable(QString::number(int(hint), 16)));
    QCOMPARE(m_window->windowModality(), Qt::ApplicationModal);
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
}

void TestSettingsWindow::tabReachesEachGroupThenTheButtons()
{
    QVERIFY(open(u"w_xm_cz2"_s));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    click(radio(u"rb_1_m"_s));
    click(radio(u"rb_y_w"_s));
    QVERIFY(button(u"cb_1"_s)->isAvailable());

    // Tab stops once in each choice group (on its checked button, where it
    // has one), in the rank of the group boxes, then at the two buttons.
    const auto controls = settings::settingsControls(settings::secondYearSettings());
    std::map<QString, QString> groupOf;
    for (const settings::ChoiceGroup &group : settings::choiceGroups(controls)) {
        for (const QString &name : group.radioButtons)
            groupOf[name] = group.groupBox;
    }
    QStringList expected;
    for (const QString &name : settings::keyboardOrder(controls)) {
        const QString stop = groupOf.count(name) ? groupOf[name] : name;
        if (!expected.contains(stop))
            expected << stop;
    }
    // A stop for each choice group and for each of the two buttons.
    QSet<QString> stops { u"cb_1"_s, u"cb_2"_s };
    for (const settings::ChoiceGroup &group : settings::choiceGroups(controls))
        stops << group.groupBox;
    QCOMPARE(QSet<QString>(expected.begin(), expected.end()), stops);
    auto stopOf = [&](QWidget *focus) {
        if (focus->objectName() == u"command_button"_s)
            return focus->parentWidget()->objectName();
        return groupOf.count(focus->objectName()) ? groupOf[focus->objectName()]
                                                  : focus->objectName();
    };
    radio(u"rb_t_m"_s)->setFocus();
    QStringList forward { stopOf(QApplication::focusWidget()) };
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << stopOf(QApplication::focusWidget());
    }
    QCOMPARE(forward, expected + QStringList { expected.front() });
    QCOMPARE(QApplication::focusWidget(), radio(u"rb_t_m"_s));
    QStringList backward { stopOf(QApplication::focusWidget()) };
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        backward << stopOf(QApplication::focusWidget());
    }
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(backward, expected + QStringList { expected.front() });
    // In the girls' last group the stop is the checked button.
    radio(u"rb_t_w"_s)->setFocus();
    QTest::keyClick(radio(u"rb_t_w"_s), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), radio(u"rb_y_w"_s));
}

void TestSettingsWindow::newYearSavedAndReadBack_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("title");
    QTest::newRow("w_xm_cz1") << u"w_xm_cz1"_s << u"21"_s << u"初中一年级项目"_s;
    QTest::newRow("w_xm_cz2") << u"w_xm_cz2"_s << u"22"_s << u"初中二年级项目"_s;
    QTest::newRow("w_xm_cz3") << u"w_xm_cz3"_s << u"23"_s << u"初中三年级项目"_s;
}

void TestSettingsWindow::newYearSavedAndReadBack()
{
    QFETCH(QString, className);
    QFETCH(QString, year);
    QFETCH(QString, title);
    QVERIFY(open(className));
    QCOMPARE(m_window->windowTitle(), title);
    QVERIFY(m_boxes->boxes().empty());
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    for (const QString &name : kRadios)
        QVERIFY(!radio(name)->isChecked());

    const QStringList chosen
        = { u"rb_1_m"_s, u"rb_l_m"_s, u"rb_z_m"_s, u"rb_t_w"_s, u"rb_5_w"_s, u"rb_y_w"_s };
    for (const QString &name : chosen)
        click(radio(name));
    clickSave();
    QVERIFY(m_boxes->boxes().empty());
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QVERIFY(m_window->isVisible());

    // Read back through a connection of its own: the row was committed.
    const auto row = storedRow(year);
    QVERIFY2(!row.empty(), "no row of the year");
    QCOMPARE(row.at(u"nj"_s), std::optional<QString>(year));
    for (const QString &name : kRadios) {
        const QString expected = chosen.contains(name) ? u"1"_s : u"0"_s;
        QCOMPARE(row.at(columnOf(name)), std::optional<QString>(expected));
    }
    QCOMPARE(row.at(u"xm_58_m"_s), std::optional<QString>());
    QCOMPARE(row.at(u"xm_58_w"_s), std::optional<QString>());

    // Reopening shows the saved choices, saving not available.
    QVERIFY(open(className));
    for (const QString &name : kRadios)
        QCOMPARE(radio(name)->isChecked(), chosen.contains(name));
    QVERIFY(!button(u"cb_1"_s)->isAvailable());
}

void TestSettingsWindow::newYearSavedAtOnceStoresZeros()
{
    QVERIFY(open(u"w_xm_cz1"_s));
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    const auto row = storedRow(u"21"_s);
    QVERIFY2(!row.empty(), "no row of the year");
    for (const QString &name : kRadios)
        QCOMPARE(row.at(columnOf(name)), std::optional<QString>(u"0"_s));
    // A second save after a change writes the same row again.
    click(radio(u"rb_t_m"_s));
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(rowCount(), 1);
    QCOMPARE(storedRow(u"21"_s).at(u"xm_t_m"_s), std::optional<QString>(u"1"_s));
}

void TestSettingsWindow::closingNewYearWritesNothing()
{
    QVERIFY(open(u"w_xm_cz3"_s));
    click(radio(u"rb_t_m"_s));
    QPushButton *close = button(u"cb_2"_s)->innerButton();
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(rowCount(), 0);
}

void TestSettingsWindow::storedChoicesShown()
{
    std::map<QString, std::optional<QString>> values;
    const QStringList ones
        = { u"rb_t_m"_s, u"rb_5_m"_s, u"rb_z_m"_s, u"rb_t_w"_s, u"rb_5_w"_s, u"rb_z_w"_s };
    for (const QString &name : kRadios)
        values[columnOf(name)] = ones.contains(name) ? u"1"_s : u"0"_s;
    // Two "1" in one group (only possible from outside): they are applied
    // in the window's order, so the later one, rb_w_w, stays checked.
    values[u"xm_w_w"_s] = u"1"_s;
    QVERIFY2(insertRow(u"22"_s, values), qPrintable(m_db.lastError()));
    QVERIFY(open(u"w_xm_cz2"_s));
    for (const QString &name : kRadios)
        QCOMPARE(radio(name)->isChecked(),
            (ones.contains(name) && name != u"rb_z_w"_s) || name == u"rb_w_w"_s);
    QVERIFY(!button(u"cb_1"_s)->isAvailable());
    QVERIFY(m_boxes->boxes().empty());
}

void TestSettingsWindow::flagsOtherThanOneShowUnchecked_data()
{
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::newRow("leading blank") << std::optional<QString>(u" 1"_s);
    QTest::newRow("trailing blank") << std::optional<QString>(u"1 "_s);
    QTest::newRow("empty") << std::optional<QString>(QString(u""_s));
    QTest::newRow("null") << std::optional<QString>();
    QTest::newRow("Y") << std::optional<QString>(u"Y"_s);
}

void TestSettingsWindow::flagsOtherThanOneShowUnchecked()
{
    QFETCH(std::optional<QString>, stored);
    std::map<QString, std::optional<QString>> values;
    for (const QString &name : kRadios)
        values[columnOf(name)] = u"0"_s;
    values[u"xm_y_w"_s] = u"1"_s;
    // xm_t_w is the wide column, where the blanks fit; the one-character
    // columns take the values that fit them.
    values[u"xm_t_w"_s] = stored;
    if (!stored || stored->size() <= 1)
        values[u"xm_z_m"_s] = stored;
    QVERIFY2(insertRow(u"21"_s, values), qPrintable(m_db.lastError()));
    // The stored text comes back unchanged: the window, not the database,
    // decides that it is not "1".
    QCOMPARE(storedRow(u"21"_s).at(u"xm_t_w"_s), stored);
    QVERIFY(open(u"w_xm_cz1"_s));
    QVERIFY(!radio(u"rb_t_w"_s)->isChecked());
    QVERIFY(!radio(u"rb_z_m"_s)->isChecked());
    QVERIFY(radio(u"rb_y_w"_s)->isChecked());
    QVERIFY(!button(u"cb_1"_s)->isAvailable());
}

void TestSettingsWindow::changedChoicesUpdateOnlyThatYear()
{
    std::map<QString, std::optional<QString>> values;
    for (const QString &name : kRadios)
        values[columnOf(name)] = u"0"_s;
    values[u"xm_t_m"_s] = u"1"_s;
    values[u"xm_58_m"_s] = u"Q"_s;
    values[u"xm_58_w"_s] = u"R"_s;
    QVERIFY2(insertRow(u"21"_s, values), qPrintable(m_db.lastError()));
    QVERIFY2(insertRow(u"22"_s, values), qPrintable(m_db.lastError()));

    QVERIFY(open(u"w_xm_cz1"_s));
    QVERIFY(radio(u"rb_t_m"_s)->isChecked());
    click(radio(u"rb_1_m"_s));
    QVERIFY(radio(u"rb_1_m"_s)->isChecked());
    QVERIFY(!radio(u"rb_t_m"_s)->isChecked());
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());

    auto first = storedRow(u"21"_s);
    QCOMPARE(first.at(u"xm_t_m"_s), std::optional<QString>(u"0"_s));
    QCOMPARE(first.at(u"xm_1_m"_s), std::optional<QString>(u"1"_s));
    QCOMPARE(first.at(u"xm_5_w"_s), std::optional<QString>(u"0"_s));
    QCOMPARE(first.at(u"xm_58_m"_s), std::optional<QString>(u"Q"_s));
    QCOMPARE(first.at(u"xm_58_w"_s), std::optional<QString>(u"R"_s));
    const auto second = storedRow(u"22"_s);
    QCOMPARE(second.at(u"xm_t_m"_s), std::optional<QString>(u"1"_s));
    QCOMPARE(second.at(u"xm_1_m"_s), std::optional<QString>(u"0"_s));

    // Save, change again, save: still one row for the year.
    click(radio(u"rb_l_w"_s));
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QCOMPARE(rowCount(), 2);
    first = storedRow(u"21"_s);
    QCOMPARE(first.at(u"xm_l_w"_s), std::optional<QString>(u"1"_s));
    QCOMPARE(first.at(u"xm_1_m"_s), std::optional<QString>(u"1"_s));
}

void TestSettingsWindow::clicksMakeSavingAvailable()
{
    std::map<QString, std::optional<QString>> values;
    for (const QString &name : kRadios)
        values[columnOf(name)] = u"0"_s;
    values[u"xm_5_m"_s] = u"1"_s;
    QVERIFY2(insertRow(u"23"_s, values), qPrintable(m_db.lastError()));
    QVERIFY(open(u"w_xm_cz3"_s));
    QVERIFY(!button(u"cb_1"_s)->isAvailable());
    // A click on the button that is already checked counts as well.
    click(radio(u"rb_5_m"_s));
    QVERIFY(radio(u"rb_5_m"_s)->isChecked());
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    QVERIFY(button(u"cb_1"_s)->innerButton()->isEnabled());
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    // After a save, a click in the other sex's frame makes it available again.
    click(radio(u"rb_8_w"_s));
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    QVERIFY(m_boxes->boxes().empty());
}

void TestSettingsWindow::exclusiveGroups()
{
    QVERIFY(open(u"w_xm_cz1"_s));
    click(radio(u"rb_t_m"_s));
    click(radio(u"rb_l_m"_s));
    click(radio(u"rb_z_w"_s));
    click(radio(u"rb_w_w"_s));
    QVERIFY(radio(u"rb_t_m"_s)->isChecked());
    // rb_1_m reaches into gb_2's rectangle but belongs to gb_1 only.
    click(radio(u"rb_1_m"_s));
    QVERIFY(radio(u"rb_1_m"_s)->isChecked());
    QVERIFY(!radio(u"rb_t_m"_s)->isChecked());
    QVERIFY(radio(u"rb_l_m"_s)->isChecked());
    QVERIFY(!radio(u"rb_5_m"_s)->isChecked());
    // rb_y_w clears both other buttons of its group.
    radio(u"rb_z_w"_s)->setChecked(true);
    click(radio(u"rb_y_w"_s));
    QVERIFY(radio(u"rb_y_w"_s)->isChecked());
    QVERIFY(!radio(u"rb_z_w"_s)->isChecked());
    QVERIFY(!radio(u"rb_w_w"_s)->isChecked());
    // Nothing else moved; the fixed items stay checked.
    QVERIFY(!radio(u"rb_t_w"_s)->isChecked());
    QVERIFY(!radio(u"rb_8_w"_s)->isChecked());
    for (const QString &name : settings::fixedItems())
        QVERIFY(radio(name)->isChecked());
    // A group once clicked cannot be emptied by clicking again.
    click(radio(u"rb_y_w"_s));
    QVERIFY(radio(u"rb_y_w"_s)->isChecked());
}

void TestSettingsWindow::refusedWriteReportedAndRetried()
{
    QVERIFY2(m_db.makeReadOnly(u"xmsz"_s), qPrintable(m_db.lastError()));
    QVERIFY(open(u"w_xm_cz2"_s));
    click(radio(u"rb_t_m"_s));
    clickSave();
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(1));
    const auto &box = m_boxes->boxes().front();
    QCOMPARE(box.title, u"注意"_s);
    QCOMPARE(box.text, u"保存失败！"_s);
    QCOMPARE(box.icon, Icon::Exclamation);
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    QVERIFY(radio(u"rb_t_m"_s)->isChecked());
    QCOMPARE(rowCount(), 0);

    // The user may try again once the database accepts the write.
    QVERIFY2(m_db.makeWritable(u"xmsz"_s), qPrintable(m_db.lastError()));
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(rowCount(), 1);
    QCOMPARE(storedRow(u"22"_s).at(u"xm_t_m"_s), std::optional<QString>(u"1"_s));
}

void TestSettingsWindow::refusedCommitReportedAndRetried()
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        QSKIP("a deferred constraint trigger refuses the commit; PostgreSQL only");
    // Every statement is accepted, the commit is refused.
    QVERIFY2(
        m_db.exec(u"CREATE TABLE commit_gate (open_ INTEGER)"_s), qPrintable(m_db.lastError()));
    QVERIFY2(m_db.exec(u"CREATE FUNCTION refuse_commit() RETURNS trigger LANGUAGE plpgsql AS $$ "
                       "BEGIN IF NOT EXISTS (SELECT 1 FROM commit_gate) THEN "
                       "RAISE EXCEPTION 'commit refused'; END IF; RETURN NULL; END $$"_s),
        qPrintable(m_db.lastError()));
    QVERIFY2(
        m_db.exec(u"CREATE CONSTRAINT TRIGGER xmsz_gate AFTER INSERT OR UPDATE ON xmsz "
                  "DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION refuse_commit()"_s),
        qPrintable(m_db.lastError()));

    QVERIFY(open(u"w_xm_cz1"_s));
    click(radio(u"rb_w_m"_s));
    clickSave();
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().text, u"保存失败！"_s);
    QCOMPARE(m_boxes->boxes().front().icon, Icon::Exclamation);
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    QCOMPARE(rowCount(), 0);

    // Retried once the database lets the commit through: the new row is
    // inserted (not updated as if it had been stored).
    QVERIFY2(m_db.exec(u"INSERT INTO commit_gate VALUES (1)"_s), qPrintable(m_db.lastError()));
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(storedRow(u"21"_s).at(u"xm_w_m"_s), std::optional<QString>(u"1"_s));
}

void TestSettingsWindow::savesAfterTransactionEndedByDatabase()
{
    // A write that the database refuses by ending the whole transaction
    // itself (as SQLite does on an I/O error or a file that has become
    // read-only): the window's rollback then finds no transaction open.
    // On PostgreSQL the refused write leaves the transaction aborted.
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Sqlite) {
        for (const QString &event : { u"INSERT"_s, u"UPDATE"_s }) {
            QVERIFY2(m_db.exec(u"CREATE TRIGGER gone_%1 BEFORE %1 ON xmsz BEGIN "
                               "SELECT RAISE(ROLLBACK, 'database is read-only'); END"_s.arg(event)),
                qPrintable(m_db.lastError()));
        }
    } else {
        QVERIFY2(m_db.makeReadOnly(u"xmsz"_s), qPrintable(m_db.lastError()));
    }
    QVERIFY(open(u"w_xm_cz1"_s));
    click(radio(u"rb_t_m"_s));
    clickSave();
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().text, u"保存失败！"_s);
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    QCOMPARE(rowCount(), 0);

    // Writable again: this save and every later one stores the row, shows
    // no failure and greys the save button.
    if (support::TestDatabase::backend() == support::TestDatabase::Backend::Sqlite) {
        for (const QString &event : { u"INSERT"_s, u"UPDATE"_s })
            QVERIFY2(m_db.exec(u"DROP TRIGGER gone_%1"_s.arg(event)), qPrintable(m_db.lastError()));
    } else {
        QVERIFY2(m_db.makeWritable(u"xmsz"_s), qPrintable(m_db.lastError()));
    }
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(rowCount(), 1);
    QCOMPARE(storedRow(u"21"_s).at(u"xm_t_m"_s), std::optional<QString>(u"1"_s));

    click(radio(u"rb_1_m"_s));
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    clickSave();
    QTRY_VERIFY(!button(u"cb_1"_s)->isAvailable());
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(rowCount(), 1);
    QCOMPARE(storedRow(u"21"_s).at(u"xm_t_m"_s), std::optional<QString>(u"0"_s));
    QCOMPARE(storedRow(u"21"_s).at(u"xm_1_m"_s), std::optional<QString>(u"1"_s));

    // What was committed stays committed: a new connection reads it back.
    m_sqlca->disconnect();
    m_sqlca->connect();
    QVERIFY(open(u"w_xm_cz1"_s));
    QVERIFY(radio(u"rb_1_m"_s)->isChecked());
    QVERIFY(!radio(u"rb_t_m"_s)->isChecked());
}

void TestSettingsWindow::failedRetrievalReported_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("table missing") << u"missing"_s;
    QTest::newRow("table away while the year has a row") << u"away"_s;
    QTest::newRow("connection ended by the server") << u"ended"_s;
}

void TestSettingsWindow::failedRetrievalReported()
{
    QFETCH(QString, cause);
    if (cause == u"away"_s) {
        // The year's row exists, in a table without a key (as a school's own
        // table may be), which is away while the window reads.
        QVERIFY2(m_db.exec(u"DROP TABLE xmsz"_s), qPrintable(m_db.lastError()));
        QStringList columns { u"nj VARCHAR(2) NOT NULL"_s };
        for (const QString &name : kRadios + QStringList { u"rb_58_m"_s, u"rb_58_w"_s })
            columns << columnOf(name) + u" VARCHAR(1)"_s;
        QVERIFY2(m_db.exec(u"CREATE TABLE xmsz_away (%1)"_s.arg(columns.join(u", "_s))),
            qPrintable(m_db.lastError()));
        QVERIFY2(m_db.exec(u"INSERT INTO xmsz_away (nj, xm_t_m) VALUES ('21', '1')"_s),
            qPrintable(m_db.lastError()));
    } else if (cause == u"missing"_s) {
        QVERIFY2(m_db.exec(u"DROP TABLE xmsz"_s), qPrintable(m_db.lastError()));
    } else {
        if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
            QSKIP("the server ends the program's connection; PostgreSQL only");
        QVERIFY2(m_db.exec(u"SELECT pg_terminate_backend(pid, 10000) FROM pg_stat_activity "
                           "WHERE datname = current_database() AND pid <> pg_backend_pid()"_s),
            qPrintable(m_db.lastError()));
    }

    QVERIFY(open(u"w_xm_cz1"_s));
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    const auto &box = m_boxes->boxes().front();
    QCOMPARE(box.title, u"错误"_s);
    QVERIFY(!box.text.isEmpty());
    QCOMPARE(box.text, m_sqlca->SQLErrText);
    QCOMPARE(box.icon, Icon::StopSign);
    QVERIFY(!button(u"cb_1"_s)->isAvailable());
    for (const QString &name : kRadios)
        QVERIFY2(!radio(name)->isChecked(), qPrintable(name));

    // No new year was started: with the table back, a save adds no second
    // row for the year. A click still makes saving available; without a
    // row, saving fails and says so.
    if (cause == u"away"_s) {
        QVERIFY2(
            m_db.exec(u"ALTER TABLE xmsz_away RENAME TO xmsz"_s), qPrintable(m_db.lastError()));
    }
    click(radio(u"rb_1_m"_s));
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    clickSave();
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(2));
    QCOMPARE(m_boxes->boxes().back().text, u"保存失败！"_s);
    QVERIFY(button(u"cb_1"_s)->isAvailable());
    if (cause == u"away"_s) {
        QCOMPARE(rowCount(), 1);
        QCOMPARE(storedRow(u"21"_s).at(u"xm_t_m"_s), std::optional<QString>(u"1"_s));
        QCOMPARE(storedRow(u"21"_s).at(u"xm_1_m"_s), std::optional<QString>());
    }
}

void TestSettingsWindow::escAndWindowCloseDoNotClose()
{
    QVERIFY(open(u"w_xm_cz1"_s));
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QTest::keyClick(radio(u"rb_t_m"_s), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->close());
    QCoreApplication::processEvents();
    QVERIFY(m_window->isVisible());
    QVERIFY(m_boxes->boxes().empty());
    // Only the close button closes it, also with unsaved choices.
    click(radio(u"rb_t_m"_s));
    QPushButton *close = button(u"cb_2"_s)->innerButton();
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(rowCount(), 0);
}

void TestSettingsWindow::registeredAndOpenedModally()
{
    settings::registerSettingsWindows(*m_sqlca);
    auto &registry = rt::WindowRegistry::instance();
    for (const QString &name : { u"w_xm_cz1"_s, u"w_xm_cz2"_s, u"w_xm_cz3"_s })
        QVERIFY(registry.contains(name));

    // Opened by name, modally: the call returns once cb_2 has closed it.
    QString seenTitle;
    bool seenAvailable = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        seenTitle = modal->windowTitle();
        auto *save = modal->findChild<controls::pfc_picture_command_button *>(u"cb_1"_s);
        seenAvailable = save && save->isAvailable();
        auto *close = modal->findChild<controls::pfc_picture_command_button *>(u"cb_2"_s);
        QVERIFY(close);
        support::clickPictureButton(close);
    });
    QVERIFY(rt::windows::openModalByName(u"w_xm_cz2"_s, nullptr));
    QCOMPARE(seenTitle, u"初中二年级项目"_s);
    QVERIFY(seenAvailable);
    QCOMPARE(rowCount(), 0);
    for (const QString &name : { u"w_xm_cz1"_s, u"w_xm_cz2"_s, u"w_xm_cz3"_s })
        registry.unregisterClass(name);
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settings_window.moc"
