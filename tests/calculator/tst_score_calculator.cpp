// The calculator window of each school year driven through its real
// controls against a small fixture of standard-table rows, on both ODBC
// drivers. Every scenario runs for each year's profile; its data rows carry
// the year and what that year's ladders, texts and layout make of it.
#include "calculator/CalculatorWindows.h"
#include "calculator/ScoreCalculatorWindow.h"
#include "calculator/YearProfile.h"
#include "calculator/w_jsq_by.h"
#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"
#include "items/XmszTable.h"
#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowRegistry.h"
#include "runtime/WindowStyle.h"
#include "runtime/Windows.h"
#include "settings/SettingsWindows.h"
#include "shell/startpage/StartPage.h"
#include "shell/w_main1.h"
#include "support/FieldTyping.h"
#include "support/MessageBoxRecorder.h"
#include "support/TestDatabase.h"
#include "support/YearTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <numeric>

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using support::MessageBoxRecorder;

namespace {

// The column "year" and one row per school year, for the scenarios whose
// steps and expectations are the same in every year.
void addYearRows()
{
    QTest::addColumn<int>("year");
    for (int year = 1; year <= 3; ++year)
        QTest::addRow("year %d", year) << year;
}

// Stands in for the year's settings window: a modal window that does
// `onOpen` (for example saves a row on the side) and closes.
class SettingsStandIn : public QDialog
{
    Q_OBJECT

public:
    SettingsStandIn(QWidget *parent, std::function<void()> onOpen)
        : QDialog(parent)
    {
        QTimer::singleShot(0, this, [this, onOpen] {
            if (onOpen)
                onOpen();
            accept();
        });
    }
};

QColor colour(long code)
{
    return rt::colors::fromCode(code);
}

} // namespace

class TestScoreCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithTheYearsRow_data() { addYearRows(); }
    void opensWithTheYearsRow();
    void controlsAndLayout_data() { addYearRows(); }
    void controlsAndLayout();
    void enterWalksTheEnabledFields_data();
    void enterWalksTheEnabledFields();
    void setUpLoopUntilSaved_data() { addYearRows(); }
    void setUpLoopUntilSaved();
    void setUpLoopWithTheRealSettingsWindow_data() { addYearRows(); }
    void setUpLoopWithTheRealSettingsWindow();
    void failedRetrievalClosesTheWindow_data() { addYearRows(); }
    void failedRetrievalClosesTheWindow();
    void closeButtonOnly_data() { addYearRows(); }
    void closeButtonOnly();
    void registeredByClassName_data() { addYearRows(); }
    void registeredByClassName();
    void openedByMenuAndStartPage_data();
    void openedByMenuAndStartPage();

    void itemScoring_data();
    void itemScoring();
    void disabledRowsFromFlags_data() { addYearRows(); }
    void disabledRowsFromFlags();
    void vitalCapacity_data();
    void vitalCapacity();
    void vitalCapacityMessageWithoutWeight_data();
    void vitalCapacityMessageWithoutWeight();
    void heightWeight_data();
    void heightWeight();
    void heightWeightMissingRowScoresZeroAndTellsOnce_data() { addYearRows(); }
    void heightWeightMissingRowScoresZeroAndTellsOnce();
    void heightWeightFailedQueryShowsDriverText_data() { addYearRows(); }
    void heightWeightFailedQueryShowsDriverText();
    void totalBoxesCapAndRating_data() { addYearRows(); }
    void totalBoxesCapAndRating();
    void sexSwitchRescoresEveryField_data();
    void sexSwitchRescoresEveryField();
    void sexSwitchWithVitalCapacityButNoWeight_data() { addYearRows(); }
    void sexSwitchWithVitalCapacityButNoWeight();
    void realisticBoy_data();
    void realisticBoy();
    void settingsButtonRecomputesTheTotal_data();
    void settingsButtonRecomputesTheTotal();
    void settingsButtonWithoutRowKeepsRows_data();
    void settingsButtonWithoutRowKeepsRows();
    void settingsButtonWithoutChangeKeepsTheTotal_data();
    void settingsButtonWithoutChangeKeepsTheTotal();

    void radioButtonsStayOutOfTheTabChain_data() { addYearRows(); }
    void radioButtonsStayOutOfTheTabChain();
    void enterOutsideAnEntryFieldPressesNoButton_data();
    void enterOutsideAnEntryFieldPressesNoButton();
    void unwrittenNumericFieldsShowNoText_data();
    void unwrittenNumericFieldsShowNoText();
    void firstClickAfterTheSettingsWindowCloses_data() { addYearRows(); }
    void firstClickAfterTheSettingsWindowCloses();

    // The third year's graduation area.
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

private:
    // The year's row of xmsz, every flag `value` unless overridden; another
    // year's row when `year` is given.
    void insertYearRow(const QString &value = u"1"_s,
        const std::map<QString, QString> &overrides = {}, bool throughProgram = false,
        const QString &yearCode = QString());
    // Writes as the settings window does: through the program's own
    // transaction, committed.
    void saveThroughProgram(const QString &sql);
    std::unique_ptr<ScoreCalculatorWindow> openWindow();
    template <typename T = controls::my_maskedit> T *find(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    // Clicks into a field, types the text and leaves the field with Tab.
    void type(const QString &field, const QString &text);
    // Types into the field that has the focus and presses Enter.
    void enter(const QString &field, const QString &text);
    void click(const QString &box) { QTest::mouseClick(find<QCheckBox>(box), Qt::LeftButton); }
    void registerSettings(std::function<void()> onOpen);
    int settingsOpened() const { return m_settingsOpened; }
    // What the year's window says, as the user reads it.
    const support::YearTexts &year() const { return support::yearTexts(m_year); }
    // The field that has the focus once the window is open: the first
    // entry field, in the third year the first-year total.
    QString firstFocus() const { return m_year == 3 ? u"em_c1"_s : u"em_s1"_s; }
    QString total() const { return find(u"em_xn_t"_s)->text(); }
    QString graduation() const { return find(u"em_by_cj"_s)->text(); }
    QLineEdit *graduationRating() const { return find<QLineEdit>(u"sle_by_dj"_s); }

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
    std::unique_ptr<MessageBoxRecorder> m_boxes;
    std::unique_ptr<ScoreCalculatorWindow> m_window;
    int m_settingsOpened = 0;
    int m_year = 1;
    const calculator::YearProfile *m_profile = nullptr;
    bool m_schemaIntact = false;
};

void TestScoreCalculator::init()
{
    QFETCH(int, year);
    m_year = year;
    m_profile = calculator::yearProfiles().at(static_cast<std::size_t>(year - 1));
    // A fresh database once, and again after a test has dropped a table;
    // otherwise emptying xmsz and refilling the standard tables is enough.
    if (!m_schemaIntact) {
        QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
        m_schemaIntact = true;
    } else {
        QVERIFY2(m_db.exec(u"delete from xmsz"_s), qPrintable(m_db.lastError()));
    }
    QVERIFY(m_db.setStandardRows(u"cz123_m"_s,
        { { 123, 20, 23, 28, 31 }, { 150, 35, 40, 50, 55 }, { 151, 36, 41, 51, 56 },
            { 186, 50, 56.4, 70, 80 } }));
    QVERIFY(m_db.setStandardRows(u"cz123_w"_s,
        { { 121, 19, 22, 27, 30 }, { 150, 30, 35, 42, 50 }, { 177, 50, 55, 65, 70 } }));
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0);
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_settingsOpened = 0;
}

void TestScoreCalculator::cleanup()
{
    m_window.reset();
    m_boxes.reset();
    for (const calculator::YearProfile *profile : calculator::yearProfiles()) {
        rt::WindowRegistry::instance().unregisterClass(profile->settingsWindow);
        rt::WindowRegistry::instance().unregisterClass(profile->className);
    }
    rt::WindowRegistry::instance().unregisterClass(calculator::w_jsq_by::className());
    m_sqlca.disconnect();
}

void TestScoreCalculator::saveThroughProgram(const QString &sql)
{
    QVERIFY2(m_sqlca.execute(sql), qPrintable(m_sqlca.SQLErrText));
    m_sqlca.commit();
    QCOMPARE(m_sqlca.SQLCode, 0);
}

void TestScoreCalculator::insertYearRow(const QString &value,
    const std::map<QString, QString> &overrides, bool throughProgram, const QString &yearCode)
{
    QStringList columns { u"nj"_s };
    std::vector<QVariant> values { yearCode.isEmpty() ? m_profile->yearCode : yearCode };
    for (const QString &name : items::flagColumns()) {
        columns << name;
        const auto it = overrides.find(name);
        values.emplace_back(it == overrides.end() ? value : it->second);
    }
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << u"?"_s;
    const QString sql
        = u"insert into xmsz (%1) values (%2)"_s.arg(columns.join(u", "_s), marks.join(u", "_s));
    if (throughProgram) {
        QVERIFY2(m_sqlca.execute(sql, values), qPrintable(m_sqlca.SQLErrText));
        m_sqlca.commit();
        QCOMPARE(m_sqlca.SQLCode, 0);
    } else {
        QVERIFY2(m_db.exec(sql, values), qPrintable(m_db.lastError()));
    }
}

std::unique_ptr<ScoreCalculatorWindow> TestScoreCalculator::openWindow()
{
    auto window = std::make_unique<ScoreCalculatorWindow>(*m_profile, m_sqlca);
    QSignalSpy opened(window.get(), &ScoreCalculatorWindow::opened);
    window->show();
    // The open handling may have shown the settings window in between:
    // wait for it to finish, then for the calculator to be active again.
    if (opened.isEmpty() && !opened.wait(5000))
        qWarning("calculator window did not finish opening");
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("calculator window not active");
    return window;
}

void TestScoreCalculator::type(const QString &field, const QString &text)
{
    support::typeInto(m_window.get(), field, text);
}

void TestScoreCalculator::enter(const QString &field, const QString &text)
{
    auto *edit = find(field);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    // Getting the focus selected the whole text: typing replaces it.
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TestScoreCalculator::registerSettings(std::function<void()> onOpen)
{
    const QString name = m_profile->settingsWindow;
    rt::WindowRegistry::instance().registerClass(name, [this, onOpen, name](QWidget *parent) {
        // A loop that never ends would hang the test: give up after a few
        // rounds (the calculator then closes, since it has no settings).
        if (++m_settingsOpened > 5)
            rt::WindowRegistry::instance().unregisterClass(name);
        return new SettingsStandIn(parent, onOpen);
    });
}

// ---------------------------------------------------------------------------

void TestScoreCalculator::opensWithTheYearsRow()
{
    insertYearRow();
    // The other years' rows say "0" everywhere; they are not read.
    for (const calculator::YearProfile *other : calculator::yearProfiles()) {
        if (other != m_profile)
            insertYearRow(u"0"_s, {}, false, other->yearCode);
    }
    m_window = openWindow();
    QVERIFY(m_window->isVisible());
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(m_window->objectName(), m_profile->className);
    QCOMPARE(m_window->windowTitle(), year().title);
    QVERIFY(find<QRadioButton>(u"rb_sex_man"_s)->isChecked());
    // Boys with every flag "1": all rows but the sit-ups and the 800 m run.
    for (const QString &name : { u"em_t"_s, u"em_1"_s, u"em_5"_s, u"em_l"_s, u"em_z"_s, u"em_w"_s })
        QVERIFY2(find(name)->isEnabled(), qPrintable(name));
    for (const QString &name : { u"em_8"_s, u"em_y"_s, u"em_8_t"_s, u"em_y_t"_s })
        QVERIFY2(!find(name)->isEnabled(), qPrintable(name));
    QVERIFY(!find<QLabel>(u"st_yy"_s)->isEnabled());
    // Nothing written yet shows an empty text, not the field's "none".
    for (const QString &name : { u"em_s1"_s, u"em_s2"_s, u"em_f"_s, u"em_w"_s, u"em_s_t"_s,
             u"em_f_t"_s, u"em_t_t"_s, u"em_w_t"_s, u"em_xn_t"_s })
        QCOMPARE(find(name)->text(), QString());
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), QString());
    if (m_year == 3) {
        for (const QString &name : { u"em_c1"_s, u"em_c2"_s, u"em_by_cj"_s })
            QCOMPARE(find(name)->text(), QString());
        QCOMPARE(graduationRating()->text(), QString());
    } else {
        QVERIFY(!m_window->findChild<QWidget *>(u"em_c1"_s));
        QVERIFY(!m_window->findChild<QWidget *>(u"em_by_cj"_s));
    }
    QTRY_VERIFY(find(firstFocus())->hasFocus());
}

void TestScoreCalculator::controlsAndLayout()
{
    insertYearRow();
    m_window = openWindow();
    // The declared size is the outer size: the client area leaves room for
    // the borders and the title bar, and every visible control still fits.
    const QSize outer = rt::units::toPixels(m_profile->outerSize);
    QCOMPARE(m_window->size(), rt::style::clientSizeForOuter(m_profile->outerSize));
    QVERIFY(m_window->width() < outer.width());
    QVERIFY(m_window->height() < outer.height());
    QVERIFY(m_window->width() > outer.width() - 20);
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            QVERIFY2(m_window->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    QVERIFY(!(m_window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(m_window->isModal());
    QCOMPARE(find<QPushButton>(u"cb_2"_s)->text(), u"项目设置"_s);
    QCOMPARE(find<QPushButton>(u"cb_1"_s)->text(), u"关闭"_s);
    QCOMPARE(find<QGroupBox>(u"gb_6"_s)->title(), year().totalCaption);
    QCOMPARE(find<QGroupBox>(u"gb_3"_s)->title(), u"加分"_s);
    QCOMPARE(find<QLabel>(u"st_yy"_s)->text(), u"（次/1分钟）"_s);
    QCOMPARE(
        find<QCheckBox>(u"cbx_59"_s)->text(), u"无故缺勤超1/10或病、事假超1/3。（最高为５９分）"_s);
    QCOMPARE(find(u"em_s_t"_s)->mask(), u"###,###.0"_s);
    QCOMPARE(find(u"em_s1"_s)->mask(), u"###,###.00"_s);
    // Every control stands where the year's table puts it.
    for (const rt::ControlDecl &decl : m_profile->controls) {
        QWidget *widget = m_window->findChild<QWidget *>(decl.name);
        QVERIFY2(widget, qPrintable(decl.name));
        QCOMPARE(widget->geometry(), rt::units::toPixels(decl.rect));
    }
    // A group box never covers the controls it frames.
    QCOMPARE(m_window->childAt(find(u"em_t"_s)->geometry().center()), find(u"em_t"_s));
    QCOMPARE(m_window->childAt(find<QRadioButton>(u"rb_sex_man"_s)->geometry().center()),
        find<QRadioButton>(u"rb_sex_man"_s));
    QCOMPARE(find<QRadioButton>(u"rb_sex_man"_s)->focusPolicy(), Qt::ClickFocus);
    if (m_year == 3) {
        QCOMPARE(find<QGroupBox>(u"gb_2"_s)->title(), u"初一初二"_s);
        QCOMPARE(find<QGroupBox>(u"gb_1"_s)->title(), u"毕业成绩"_s);
        QCOMPARE(m_window->childAt(find(u"em_c1"_s)->geometry().center()), find(u"em_c1"_s));
        QCOMPARE(m_window->childAt(find(u"em_by_cj"_s)->geometry().center()), find(u"em_by_cj"_s));
        QCOMPARE(find(u"em_c1"_s)->mask(), u"###,###.0"_s);
        QCOMPARE(find(u"em_by_cj"_s)->font().pointSize(), 26);
        QCOMPARE(find(u"em_c2"_s)->font().pointSize(), 12);
        QVERIFY(find(u"em_c2"_s)->font().bold());
        QCOMPARE(
            find(u"em_by_cj"_s)->palette().color(QPalette::Text), colour(rt::colors::kDarkRed));
        QCOMPARE(
            graduationRating()->palette().color(QPalette::Base), colour(rt::colors::kFieldBlue));
    }
}

void TestScoreCalculator::enterWalksTheEnabledFields_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QStringList>("order");
    const QStringList boys { u"em_s2"_s, u"em_t"_s, u"em_1"_s, u"em_f"_s, u"em_5"_s, u"em_l"_s,
        u"em_z"_s, u"em_w"_s };
    const QStringList girls { u"em_s2"_s, u"em_t"_s, u"em_8"_s, u"em_f"_s, u"em_5"_s, u"em_l"_s,
        u"em_z"_s, u"em_y"_s, u"em_w"_s };
    for (int year = 1; year <= 3; ++year) {
        // After the grip index: "项目设置", which shares its tab order value;
        // in the third year the first bonus box.
        const QString after = year == 3 ? u"cbx_1"_s : u"cb_2"_s;
        QTest::addRow("year %d boys", year) << year << false << (boys + QStringList { after });
        QTest::addRow("year %d girls", year) << year << true << (girls + QStringList { after });
    }
}

void TestScoreCalculator::enterWalksTheEnabledFields()
{
    QFETCH(bool, girls);
    QFETCH(QStringList, order);
    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    QTest::mouseClick(find(u"em_s1"_s), Qt::LeftButton);
    QTRY_VERIFY(find(u"em_s1"_s)->hasFocus());
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void TestScoreCalculator::setUpLoopUntilSaved()
{
    // The first visit closes without saving; the second saves the row.
    registerSettings([this] {
        if (m_settingsOpened == 2)
            insertYearRow(u"1"_s, { { u"xm_t_m"_s, u"0"_s } }, true);
    });
    // The other years' rows do not count.
    for (const calculator::YearProfile *other : calculator::yearProfiles()) {
        if (other != m_profile)
            insertYearRow(u"1"_s, {}, false, other->yearCode);
    }
    m_window = openWindow();
    QTRY_VERIFY(m_window->isVisible());
    QCOMPARE(settingsOpened(), 2);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(2));
    for (const auto &box : m_boxes->boxes()) {
        QCOMPARE(box.title, u"注意"_s);
        QCOMPARE(box.text, year().setupMessage);
    }
    QVERIFY(!find(u"em_t"_s)->isEnabled()); // the saved flags
    QVERIFY(find(u"em_1"_s)->isEnabled());
}

void TestScoreCalculator::setUpLoopWithTheRealSettingsWindow()
{
    settings::registerSettingsWindows(m_sqlca);
    // Drives each settings window that comes up: the first is closed
    // without saving, the second saves the grip index for boys and closes.
    int visits = 0;
    QString wrongWindow;
    QTimer driver;
    driver.setInterval(20);
    const QString settings = m_profile->settingsWindow;
    connect(&driver, &QTimer::timeout, this, [&visits, &wrongWindow, settings] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->property("driven").toBool()
            || !modal->objectName().startsWith(u"w_xm"))
            return;
        if (modal->objectName() != settings)
            wrongWindow = modal->objectName();
        modal->setProperty("driven", true);
        ++visits;
        auto button = [modal](const QString &name) {
            return modal->findChild<controls::pfc_picture_command_button *>(name)->innerButton();
        };
        if (visits == 2) {
            QTest::mouseClick(modal->findChild<QRadioButton *>(u"rb_w_m"_s), Qt::LeftButton);
            QTest::mouseClick(button(u"cb_1"_s), Qt::LeftButton); // save
            QCoreApplication::processEvents();
        }
        QTest::mouseClick(button(u"cb_2"_s), Qt::LeftButton); // close
    });
    driver.start();
    m_window = openWindow();
    QTRY_VERIFY2(m_window->focusWidget() == find(firstFocus()),
        qPrintable(u"visits %1, boxes %2"_s.arg(visits).arg(m_boxes->boxes().size())));
    driver.stop();
    QCOMPARE(wrongWindow, QString());
    QCOMPARE(visits, 2);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(2));
    QCOMPARE(m_boxes->boxes().back().text, year().setupMessage);
    QVERIFY(find(u"em_w"_s)->isEnabled());
    QVERIFY(!find(u"em_z"_s)->isEnabled());
    // The row was saved under this year's code.
    const auto rows = m_sqlca.select(u"select nj from xmsz"_s);
    QVERIFY(rows.has_value());
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(rows->front().front().value_or(QString()), m_profile->yearCode);
}

void TestScoreCalculator::failedRetrievalClosesTheWindow()
{
    registerSettings({});
    m_schemaIntact = false;
    QVERIFY(m_db.exec(u"drop table xmsz"_s));
    m_window = std::make_unique<ScoreCalculatorWindow>(*m_profile, m_sqlca);
    QSignalSpy finished(m_window.get(), &QDialog::finished);
    m_window->show();
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(settingsOpened(), 0);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"错误"_s);
    QCOMPARE(m_boxes->boxes().front().text, m_sqlca.SQLErrText);
    QVERIFY(!m_boxes->boxes().front().text.isEmpty());
}

void TestScoreCalculator::closeButtonOnly()
{
    insertYearRow();
    m_window = openWindow();
    QTest::keyClick(find(u"em_s1"_s), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QSignalSpy finished(m_window.get(), &QDialog::finished);
    QTest::mouseClick(find<QPushButton>(u"cb_1"_s), Qt::LeftButton);
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!m_window->isVisible());
}

void TestScoreCalculator::registeredByClassName()
{
    insertYearRow();
    calculator::registerCalculatorWindows(m_sqlca);
    auto &registry = rt::WindowRegistry::instance();
    QVERIFY(registry.contains(m_profile->className));
    QVERIFY(registry.contains(calculator::w_jsq_by::className()));
    std::unique_ptr<QWidget> window(registry.create(m_profile->className, nullptr));
    auto *calculatorWindow = qobject_cast<ScoreCalculatorWindow *>(window.get());
    QVERIFY(calculatorWindow);
    QCOMPARE(&calculatorWindow->profile(), m_profile);
    QCOMPARE(window->objectName(), m_profile->className);
    QCOMPARE(window->windowTitle(), year().title);
}

void TestScoreCalculator::openedByMenuAndStartPage_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("byMenu");
    const QString items[] = { u"m_1"_s, u"m_2"_s, u"m_3"_s };
    const QString pictures[] = { u"p_8"_s, u"p_11"_s, u"p_13"_s };
    for (int year = 1; year <= 3; ++year) {
        for (bool byMenu : { true, false }) {
            QTest::addRow("year %d by the %s", year, byMenu ? "menu" : "start page")
                << year << items[year - 1] << pictures[year - 1] << byMenu;
        }
    }
}

void TestScoreCalculator::openedByMenuAndStartPage()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, picture);
    QFETCH(bool, byMenu);
    insertYearRow();
    calculator::registerCalculatorWindows(m_sqlca);
    QApplication::setQuitOnLastWindowClosed(false);
    auto frame = std::make_unique<shell::w_main1>();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));

    // Seen from inside the window's own run: the year's calculator, modal,
    // with the frame as its parent; "关闭" ends the run.
    QString opened;
    bool modalOverFrame = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, frame.get(), [&] {
        auto *window = qobject_cast<ScoreCalculatorWindow *>(QApplication::activeModalWidget());
        if (!window || window->focusWidget() == nullptr)
            return;
        poll.stop();
        opened = window->objectName();
        modalOverFrame = window->isModal() && window->parentWidget() == frame.get();
        QTest::mouseClick(window->findChild<QPushButton *>(u"cb_1"_s), Qt::LeftButton);
    });
    poll.start();
    if (byMenu) {
        auto *item = frame->findChild<QAction *>(menuItem);
        QVERIFY(item);
        item->trigger();
    } else {
        shell::StartPage *page = frame->startPage();
        const QPoint centre = page->objectRect(picture).center();
        QTest::mouseMove(page, centre);
        QTest::mouseClick(page, Qt::LeftButton, {}, centre);
    }
    QTRY_COMPARE(opened, m_profile->className);
    QVERIFY(modalOverFrame);
    // No "window does not exist" box, nor any other.
    QVERIFY(m_boxes->boxes().empty());
}

// ---------------------------------------------------------------------------

void TestScoreCalculator::itemScoring_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scoreField");
    QTest::addColumn<float>("score");

    const bool boy = false;
    const bool girl = true;
    QTest::newRow("1: 800 m at its threshold")
        << 1 << girl << u"em_8"_s << u"5.26"_s << u"em_8_t"_s << 10.0f;
    QTest::newRow("1: 800 m just below")
        << 1 << girl << u"em_8"_s << u"5.25"_s << u"em_8_t"_s << 12.0f;
    QTest::newRow("1: boys 50 m 9.2") << 1 << boy << u"em_5"_s << u"9.2"_s << u"em_5_t"_s << 18.0f;
    QTest::newRow("1: boys 50 m 9.19")
        << 1 << boy << u"em_5"_s << u"9.19"_s << u"em_5_t"_s << 20.0f;
    QTest::newRow("1: 1000 m 4.5") << 1 << boy << u"em_1"_s << u"4.5"_s << u"em_1_t"_s << 15.0f;
    QTest::newRow("1: 1000 m 4.05") << 1 << boy << u"em_1"_s << u"4.05"_s << u"em_1_t"_s << 20.0f;
    QTest::newRow("1: girls step test 63")
        << 1 << girl << u"em_t"_s << u"63"_s << u"em_t_t"_s << 20.0f;
    QTest::newRow("1: girls step 62.99")
        << 1 << girl << u"em_t"_s << u"62.99"_s << u"em_t_t"_s << 17.0f;
    QTest::newRow("1: boys grip 30") << 1 << boy << u"em_w"_s << u"30"_s << u"em_w_t"_s << 12.0f;
    QTest::newRow("1: boys grip 29.99")
        << 1 << boy << u"em_w"_s << u"29.99"_s << u"em_w_t"_s << 10.0f;
    QTest::newRow("1: girls sit-ups 42")
        << 1 << girl << u"em_y"_s << u"42"_s << u"em_y_t"_s << 20.0f;
    QTest::newRow("1: empty field") << 1 << boy << u"em_l"_s << QString() << u"em_l_t"_s << 0.0f;
    // A reach of 0 cm or below is a result on the ladder; only empty is 0.
    QTest::newRow("1: boys reach 1.5") << 1 << boy << u"em_z"_s << u"1.5"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("1: boys reach 0") << 1 << boy << u"em_z"_s << u"0"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("1: boys reach -5") << 1 << boy << u"em_z"_s << u"-5"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("1: boys reach -6") << 1 << boy << u"em_z"_s << u"-6"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("1: girls reach -0.5")
        << 1 << girl << u"em_z"_s << u"-0.5"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("1: reach empty") << 1 << boy << u"em_z"_s << QString() << u"em_z_t"_s << 0.0f;

    QTest::newRow("2: girls 800 m 3.41")
        << 2 << girl << u"em_8"_s << u"3.41"_s << u"em_8_t"_s << 17.0f;
    QTest::newRow("2: girls 800 m 3.40")
        << 2 << girl << u"em_8"_s << u"3.40"_s << u"em_8_t"_s << 20.0f;
    QTest::newRow("2: boys 1000 m 3.58")
        << 2 << boy << u"em_1"_s << u"3.58"_s << u"em_1_t"_s << 17.0f;
    QTest::newRow("2: boys 1000 m 5.45")
        << 2 << boy << u"em_1"_s << u"5.45"_s << u"em_1_t"_s << 10.0f;
    QTest::newRow("2: girls 50 m 8.5")
        << 2 << girl << u"em_5"_s << u"8.5"_s << u"em_5_t"_s << 26.0f;
    QTest::newRow("2: boys jump 211") << 2 << boy << u"em_l"_s << u"211"_s << u"em_l_t"_s << 23.0f;
    QTest::newRow("2: girls grip 46") << 2 << girl << u"em_w"_s << u"46"_s << u"em_w_t"_s << 16.0f;
    QTest::newRow("2: boys step 40") << 2 << boy << u"em_t"_s << u"40"_s << u"em_t_t"_s << 12.0f;
    QTest::newRow("2: girls sit-ups 14")
        << 2 << girl << u"em_y"_s << u"14"_s << u"em_y_t"_s << 12.0f;
    QTest::newRow("2: boys reach 2.0") << 2 << boy << u"em_z"_s << u"2.0"_s << u"em_z_t"_s << 13.0f;
    QTest::newRow("2: boys reach 0") << 2 << boy << u"em_z"_s << u"0"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("2: boys reach -5.3")
        << 2 << boy << u"em_z"_s << u"-5.3"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("2: empty field") << 2 << girl << u"em_8"_s << QString() << u"em_8_t"_s << 0.0f;

    QTest::newRow("3: boys 50 m 7.1") << 3 << boy << u"em_5"_s << u"7.1"_s << u"em_5_t"_s << 26.0f;
    QTest::newRow("3: boys 50 m 7.09")
        << 3 << boy << u"em_5"_s << u"7.09"_s << u"em_5_t"_s << 30.0f;
    QTest::newRow("3: girls grip 48") << 3 << girl << u"em_w"_s << u"48"_s << u"em_w_t"_s << 16.0f;
    QTest::newRow("3: girls grip 47") << 3 << girl << u"em_w"_s << u"47"_s << u"em_w_t"_s << 15.0f;
    QTest::newRow("3: 800 m 3.5 is 3 min 50 s")
        << 3 << girl << u"em_8"_s << u"3.5"_s << u"em_8_t"_s << 16.0f;
    QTest::newRow("3: 1000 m 4.0") << 3 << boy << u"em_1"_s << u"4.0"_s << u"em_1_t"_s << 16.0f;
    QTest::newRow("3: girls jump 137")
        << 3 << girl << u"em_l"_s << u"137"_s << u"em_l_t"_s << 18.0f;
    QTest::newRow("3: boys step 61") << 3 << boy << u"em_t"_s << u"61"_s << u"em_t_t"_s << 20.0f;
    QTest::newRow("3: girls sit-ups 43")
        << 3 << girl << u"em_y"_s << u"43"_s << u"em_y_t"_s << 20.0f;
    QTest::newRow("3: boys reach 0.01")
        << 3 << boy << u"em_z"_s << u"0.01"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("3: boys reach -2") << 3 << boy << u"em_z"_s << u"-2"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("3: boys reach -3.01")
        << 3 << boy << u"em_z"_s << u"-3.01"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("3: reach empty") << 3 << boy << u"em_z"_s << QString() << u"em_z_t"_s << 0.0f;
}

void TestScoreCalculator::itemScoring()
{
    QFETCH(bool, girls);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, scoreField);
    QFETCH(float, score);

    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(field, text);
    QCOMPARE(find(scoreField)->value(), score);
    // The total follows at once.
    QCOMPARE(find(u"em_xn_t"_s)->value(), score);
}

void TestScoreCalculator::disabledRowsFromFlags()
{
    // One item per choice group for boys: step test, 50 m, sit-and-reach.
    insertYearRow(u"1"_s,
        { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s },
            { u"xm_8_w"_s, u"0"_s } });
    m_window = openWindow();
    for (const QString &name : { u"em_t"_s, u"em_5"_s, u"em_z"_s })
        QVERIFY2(find(name)->isEnabled(), qPrintable(name));
    for (const QString &name : { u"em_1"_s, u"em_8"_s, u"em_l"_s, u"em_y"_s, u"em_w"_s })
        QVERIFY2(!find(name)->isEnabled(), qPrintable(name));
    // Height, weight and vital capacity are always there.
    for (const QString &name : { u"em_s1"_s, u"em_s2"_s, u"em_f"_s })
        QVERIFY(find(name)->isEnabled());
    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    QVERIFY(!find(u"em_8"_s)->isEnabled());
    QVERIFY(!find(u"em_1"_s)->isEnabled());
    QVERIFY(find(u"em_y"_s)->isEnabled());
    QVERIFY(find(u"em_l"_s)->isEnabled());
}

void TestScoreCalculator::vitalCapacity_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<float>("score");
    QTest::newRow("1: 3450/50 boy") << 1 << false << u"3450"_s << u"50"_s << 15.0f;
    QTest::newRow("1: 3449/50 boy") << 1 << false << u"3449"_s << u"50"_s << 13.0f;
    QTest::newRow("1: 3449/50 girl") << 1 << true << u"3449"_s << u"50"_s << 15.0f;
    QTest::newRow("1: 1500/50 boy") << 1 << false << u"1500"_s << u"50"_s << 9.0f;
    QTest::newRow("1: 1000/50 girl") << 1 << true << u"1000"_s << u"50"_s << 8.0f;
    QTest::newRow("1: 2076.9/30.1 boy, 4-byte") << 1 << false << u"2076.9"_s << u"30.1"_s << 13.0f;
    QTest::newRow("1: no weight, no capacity") << 1 << false << QString() << QString() << 0.0f;
    QTest::newRow("2: 3500/50 boy") << 2 << false << u"3500"_s << u"50"_s << 15.0f;
    QTest::newRow("2: 3490/50 boy") << 2 << false << u"3490"_s << u"50"_s << 13.0f;
    QTest::newRow("2: 1200/50 girl") << 2 << true << u"1200"_s << u"50"_s << 9.0f;
    QTest::newRow("2: 1190/50 girl") << 2 << true << u"1190"_s << u"50"_s << 8.0f;
    QTest::newRow("2: no weight, no capacity") << 2 << true << QString() << QString() << 0.0f;
    QTest::newRow("3: 3000/50 boy") << 3 << false << u"3000"_s << u"50"_s << 12.0f;
    QTest::newRow("3: 3000/50 girl") << 3 << true << u"3000"_s << u"50"_s << 15.0f;
    QTest::newRow("3: 2900/50 girl") << 3 << true << u"2900"_s << u"50"_s << 13.0f;
    QTest::newRow("3: 1650/50 boy") << 3 << false << u"1650"_s << u"50"_s << 9.0f;
    QTest::newRow("3: 1100/50 boy") << 3 << false << u"1100"_s << u"50"_s << 8.0f;
    QTest::newRow("3: 1100/50 girl") << 3 << true << u"1100"_s << u"50"_s << 9.0f;
}

void TestScoreCalculator::vitalCapacity()
{
    QFETCH(bool, girls);
    QFETCH(QString, capacity);
    QFETCH(QString, weight);
    QFETCH(float, score);
    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(u"em_s2"_s, weight);
    type(u"em_f"_s, capacity);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::vitalCapacityMessageWithoutWeight_data()
{
    QTest::addColumn<int>("year");
    // 3450 / 50 = 69 for a boy.
    QTest::addColumn<float>("score");
    QTest::newRow("year 1") << 1 << 15.0f;
    QTest::newRow("year 2") << 2 << 13.0f;
    QTest::newRow("year 3") << 3 << 13.0f;
}

void TestScoreCalculator::vitalCapacityMessageWithoutWeight()
{
    QFETCH(float, score);
    insertYearRow();
    m_window = openWindow();
    type(u"em_s2"_s, u"50"_s);
    type(u"em_f"_s, u"3450"_s);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    const QString totalBefore = total();
    m_boxes->clear();

    // Clearing the weight: leaving the weight field re-scores the vital
    // capacity, which cannot be scored without a weight.
    auto *weight = find(u"em_s2"_s);
    QTest::mouseClick(weight, Qt::LeftButton);
    QTest::keyClick(weight, Qt::Key_Delete);
    QCOMPARE(weight->text(), QString());
    QTest::keyClick(weight, Qt::Key_Return);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, year().vitalCapacityTitle);
    QCOMPARE(m_boxes->boxes().front().text, year().vitalCapacityText);
    QCOMPARE(find(u"em_f_t"_s)->value(), score); // unchanged

    // Leaving the vital-capacity field without a weight: the message again,
    // the score and the total unchanged.
    m_boxes->clear();
    type(u"em_f"_s, u"2500"_s);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, year().vitalCapacityTitle);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    QCOMPARE(total(), totalBefore);
}

void TestScoreCalculator::heightWeight_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<float>("score");
    QTest::newRow("1: no weight") << 1 << false << u"150"_s << QString() << 0.0f;
    QTest::newRow("1: middle band") << 1 << false << u"150"_s << u"45"_s << 15.0f;
    QTest::newRow("1: at z4") << 1 << false << u"150"_s << u"55"_s << 7.0f;
    QTest::newRow("1: at z3") << 1 << false << u"150"_s << u"50"_s << 9.0f;
    QTest::newRow("1: at z2") << 1 << false << u"150"_s << u"40"_s << 15.0f;
    QTest::newRow("1: at z1") << 1 << false << u"150"_s << u"35"_s << 9.0f;
    QTest::newRow("1: below z1") << 1 << false << u"150"_s << u"34.99"_s << 7.0f;
    QTest::newRow("1: 150.9 uses the 150 row") << 1 << false << u"150.9"_s << u"40.5"_s << 15.0f;
    // 122.5 cm / 30 kg is scored as 123.5 cm / 30.5 kg on the 123 row.
    QTest::newRow("1: boy below the range") << 1 << false << u"122.5"_s << u"30"_s << 9.0f;
    // 190 cm / 60 kg becomes 186 cm / 56.399994 kg, below the bound 56.4.
    QTest::newRow("1: boy above the range") << 1 << false << u"190"_s << u"60"_s << 9.0f;
    QTest::newRow("1: girl 150") << 1 << true << u"150"_s << u"45"_s << 9.0f;
    // 178 cm / 66 kg becomes 177 cm / 65.1 kg: upper 9-point band.
    QTest::newRow("1: girl at the top") << 1 << true << u"178"_s << u"66"_s << 9.0f;
    QTest::newRow("1: girl 120") << 1 << true << u"120"_s << u"26.6"_s << 9.0f;
    // The same standard and shift in every year.
    for (int year = 2; year <= 3; ++year) {
        QTest::addRow("%d: middle band", year) << year << false << u"150"_s << u"45"_s << 15.0f;
        QTest::addRow("%d: boy above the range", year)
            << year << false << u"190"_s << u"60"_s << 9.0f;
        QTest::addRow("%d: girl at the top", year) << year << true << u"178"_s << u"66"_s << 9.0f;
        QTest::addRow("%d: no weight", year) << year << true << u"150"_s << QString() << 0.0f;
    }
}

void TestScoreCalculator::heightWeight()
{
    QFETCH(bool, girls);
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(float, score);
    insertYearRow();
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(u"em_s1"_s, height);
    type(u"em_s2"_s, weight);
    QCOMPARE(find(u"em_s_t"_s)->value(), score);
    QCOMPARE(find(u"em_xn_t"_s)->value(), score);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::heightWeightMissingRowScoresZeroAndTellsOnce()
{
    insertYearRow();
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);

    // The boys' fixture has no 160 row: 0, not the 150 row's score.
    type(u"em_s1"_s, u"160"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"提示"_s);
    QVERIFY(m_boxes->boxes().front().text.contains(u"160"_s));
    // Leaving the weight field again does not repeat the message.
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    // A height with a row scores again.
    type(u"em_s1"_s, u"151"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);
}

void TestScoreCalculator::heightWeightFailedQueryShowsDriverText()
{
    insertYearRow();
    m_schemaIntact = false;
    QVERIFY(m_db.exec(u"drop table cz123_m"_s));
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QVERIFY(!m_boxes->boxes().empty());
    QCOMPARE(m_boxes->boxes().front().title, u"错误"_s);
    QVERIFY(!m_boxes->boxes().front().text.isEmpty());
    QVERIFY(!m_boxes->boxes().front().text.contains(support::TestDatabase::password()));
    // The failed read leaves the connection usable for the next one.
    m_boxes->clear();
    registerSettings({});
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QVERIFY2(m_boxes->boxes().empty(), qPrintable(m_boxes->boxes().front().text));
}

void TestScoreCalculator::totalBoxesCapAndRating()
{
    insertYearRow(
        u"1"_s, { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    auto *rating = find<QLineEdit>(u"sle_dj"_s);
    // Scores typed straight into the score fields count at the next run.
    type(u"em_s_t"_s, u"15"_s);
    type(u"em_f_t"_s, u"13"_s);
    type(u"em_t_t"_s, u"17"_s);
    type(u"em_5_t"_s, u"26"_s);
    type(u"em_z_t"_s, u"16"_s);
    // Only the first field's leave may have run the total so far.
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    click(u"cbx_1"_s);
    click(u"cbx_2"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 97.0f);
    QCOMPARE(rating->text(), u"优秀"_s);
    QCOMPARE(rating->palette().color(QPalette::Text), colour(rt::colors::kBlue));
    click(u"cbx_2"_s);
    click(u"cbx_1"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);
    click(u"cbx_59"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 59.0f);
    QCOMPARE(rating->text(), u"不及格"_s);
    QCOMPARE(rating->palette().color(QPalette::Text), colour(rt::colors::kRed));
    click(u"cbx_59"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);
    // No cap at 100.
    for (const QString &box : { u"cbx_1"_s, u"cbx_2"_s, u"cbx_3"_s, u"cbx_4"_s })
        click(box);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 107.0f);
    for (const QString &box : { u"cbx_1"_s, u"cbx_2"_s, u"cbx_3"_s, u"cbx_4"_s })
        click(box);

    // A disabled row's score does not count; fractions add their whole part.
    type(u"em_s_t"_s, u"12.5"_s);
    type(u"em_f_t"_s, u"12.5"_s);
    type(u"em_t_t"_s, u""_s);
    type(u"em_5_t"_s, u""_s);
    type(u"em_z_t"_s, u"9.9"_s);
    click(u"cbx_3"_s);
    click(u"cbx_3"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 33.0f); // 12, 24, 33
    // Rating of 0: no word, the colour stays.
    type(u"em_s_t"_s, u""_s);
    type(u"em_f_t"_s, u""_s);
    type(u"em_z_t"_s, u""_s);
    click(u"cbx_4"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 5.0f);
    click(u"cbx_4"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QCOMPARE(rating->text(), QString());
    QCOMPARE(rating->palette().color(QPalette::Text), colour(rt::colors::kRed));
}

void TestScoreCalculator::sexSwitchRescoresEveryField_data()
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

void TestScoreCalculator::sexSwitchRescoresEveryField()
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

void TestScoreCalculator::sexSwitchWithVitalCapacityButNoWeight()
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

void TestScoreCalculator::realisticBoy_data()
{
    QTest::addColumn<int>("year");
    // Vital capacity, step test, 50 m run and sit-and-reach scores.
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<float>("total");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QColor>("ratingColour");
    QTest::addColumn<float>("totalWithBonus");
    QTest::addColumn<QString>("ratingWithBonus");
    QTest::newRow("year 1") << 1 << QList<int> { 13, 16, 23, 15 } << 82.0f << u"良好"_s
                            << colour(rt::colors::kMagenta) << 87.0f << u"优秀"_s;
    QTest::newRow("year 2") << 2 << QList<int> { 12, 16, 20, 15 } << 78.0f << u"良好"_s
                            << colour(rt::colors::kMagenta) << 83.0f << u"良好"_s;
    QTest::newRow("year 3") << 3 << QList<int> { 12, 16, 18, 15 } << 76.0f << u"良好"_s
                            << colour(rt::colors::kMagenta) << 81.0f << u"良好"_s;
}

void TestScoreCalculator::realisticBoy()
{
    QFETCH(QList<int>, scores);
    QFETCH(float, total);
    QFETCH(QString, rating);
    QFETCH(QColor, ratingColour);
    QFETCH(float, totalWithBonus);
    QFETCH(QString, ratingWithBonus);
    // One item per choice group: step test, 50 m run, sit-and-reach.
    insertYearRow(
        u"1"_s, { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    if (m_year == 3) {
        // The leaver's first- and second-year totals come first.
        enter(u"em_c1"_s, u"80.5"_s);
        enter(u"em_c2"_s, u"70"_s);
        QCOMPARE(graduation(), u"37.0"_s);
    } else {
        QTest::mouseClick(find(u"em_s1"_s), Qt::LeftButton);
    }
    // Typed in the order of the form, each field left with Enter.
    for (const auto &[field, text] :
        { std::pair { u"em_s1"_s, u"150.5"_s }, { u"em_s2"_s, u"44"_s }, { u"em_t"_s, u"55"_s },
            { u"em_f"_s, u"2850"_s }, { u"em_5"_s, u"8.6"_s }, { u"em_z"_s, u"6.5"_s } })
        enter(field, text);
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);
    QCOMPARE(find(u"em_f_t"_s)->value(), float(scores[0])); // 2850 / 44 = 64.77
    QCOMPARE(find(u"em_t_t"_s)->value(), float(scores[1]));
    QCOMPARE(find(u"em_5_t"_s)->value(), float(scores[2]));
    QCOMPARE(find(u"em_z_t"_s)->value(), float(scores[3]));
    QCOMPARE(find(u"em_xn_t"_s)->value(), total);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), rating);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->palette().color(QPalette::Text), ratingColour);
    QCOMPARE(find(u"em_s1"_s)->text(), u"150.50"_s);
    QCOMPARE(find(u"em_f"_s)->text(), u"2,850.00"_s);
    if (m_year == 3) {
        // 20.125 + 17.5 + 38 = 75.625.
        QCOMPARE(graduation(), u"75.0"_s);
        QCOMPARE(graduationRating()->text(), u"及格"_s);
        QCOMPARE(graduationRating()->palette().color(QPalette::Text), colour(rt::colors::kGreen));
    }
    click(u"cbx_1"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), totalWithBonus);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), ratingWithBonus);
    if (m_year == 3) {
        QCOMPARE(graduation(), u"78.0"_s);
        QCOMPARE(graduationRating()->text(), u"良好"_s);
    }
    // For a look at the window: KELVARO_SCREENSHOT=/tmp/file.png (the year
    // goes before the extension).
    if (QString path = qEnvironmentVariable("KELVARO_SCREENSHOT"); !path.isEmpty()) {
        path.insert(path.lastIndexOf(u'.'), u"-year%1"_s.arg(m_year));
        m_window->grab().save(path);
    }
}

void TestScoreCalculator::settingsButtonRecomputesTheTotal_data()
{
    QTest::addColumn<int>("year");
    // A boy's step test of 64 and 1000 m run of 4.05.
    QTest::addColumn<float>("stepTest");
    QTest::addColumn<float>("run");
    QTest::newRow("year 1") << 1 << 20.0f << 20.0f;
    QTest::newRow("year 2") << 2 << 20.0f << 17.0f;
    QTest::newRow("year 3") << 3 << 20.0f << 16.0f;
}

void TestScoreCalculator::settingsButtonRecomputesTheTotal()
{
    QFETCH(float, stepTest);
    QFETCH(float, run);
    insertYearRow();
    m_window = openWindow();
    type(u"em_t"_s, u"64"_s);
    type(u"em_1"_s, u"4.05"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), stepTest + run);
    // The settings now choose the 1000 m run only: the step test row goes.
    registerSettings([this] {
        saveThroughProgram(
            u"update xmsz set xm_t_m = '0' where nj = '%1'"_s.arg(m_profile->yearCode));
    });
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QTRY_VERIFY(!find(u"em_t"_s)->isEnabled());
    QCOMPARE(find(u"em_t"_s)->text(), u"64.00"_s); // keeps what it showed
    QCOMPARE(find(u"em_t_t"_s)->value(), stepTest);
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::settingsButtonWithoutRowKeepsRows_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<float>("run"); // a boy's 1000 m run of 4.05
    QTest::newRow("year 1") << 1 << 20.0f;
    QTest::newRow("year 2") << 2 << 17.0f;
    QTest::newRow("year 3") << 3 << 16.0f;
}

void TestScoreCalculator::settingsButtonWithoutRowKeepsRows()
{
    QFETCH(float, run);
    insertYearRow(u"1"_s, { { u"xm_t_m"_s, u"0"_s } });
    m_window = openWindow();
    type(u"em_1"_s, u"4.05"_s);
    registerSettings([this] {
        saveThroughProgram(u"delete from xmsz where nj = '%1'"_s.arg(m_profile->yearCode));
    });
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"注意"_s);
    QCOMPARE(m_boxes->boxes().front().text, year().setupMessage);
    QCOMPARE(settingsOpened(), 1); // one message, no loop
    QVERIFY(!find(u"em_t"_s)->isEnabled());
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
}

void TestScoreCalculator::settingsButtonWithoutChangeKeepsTheTotal_data()
{
    settingsButtonWithoutRowKeepsRows_data();
}

void TestScoreCalculator::settingsButtonWithoutChangeKeepsTheTotal()
{
    QFETCH(float, run);
    insertYearRow();
    m_window = openWindow();
    type(u"em_1"_s, u"4.05"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
    // A score typed by hand counts only at the next run of the total; the
    // settings closed without a change do not run it.
    type(u"em_1_t"_s, u"5"_s);
    registerSettings({});
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QCOMPARE(find(u"em_xn_t"_s)->value(), run);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::radioButtonsStayOutOfTheTabChain()
{
    insertYearRow();
    m_window = openWindow();
    auto *woman = find<QRadioButton>(u"rb_sex_woman"_s);
    auto *man = find<QRadioButton>(u"rb_sex_man"_s);
    // Clicked (and so checked) once, then back: Tab must still pass both by.
    QTest::mouseClick(woman, Qt::LeftButton);
    QTest::mouseClick(man, Qt::LeftButton);
    QTest::mouseClick(woman, Qt::LeftButton);
    QVERIFY(woman->isChecked());
    QTest::mouseClick(find(u"em_s1"_s), Qt::LeftButton);
    QTRY_VERIFY(find(u"em_s1"_s)->hasFocus());
    // Twice round the whole chain, past "关闭".
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(focus != woman && focus != man, qPrintable(focus->objectName()));
    }
}

void TestScoreCalculator::enterOutsideAnEntryFieldPressesNoButton_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("control");
    for (int year = 1; year <= 3; ++year) {
        QTest::addRow("%d: rating field", year) << year << u"sle_dj"_s;
        QTest::addRow("%d: bonus box", year) << year << u"cbx_2"_s;
        QTest::addRow("%d: absence cap", year) << year << u"cbx_59"_s;
    }
    QTest::addRow("3: graduation rating") << 3 << u"sle_by_dj"_s;
}

void TestScoreCalculator::enterOutsideAnEntryFieldPressesNoButton()
{
    QFETCH(QString, control);
    insertYearRow();
    registerSettings({});
    m_window = openWindow();
    QWidget *widget = find<QWidget>(control);
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter);
    QTest::qWait(50);
    QCOMPARE(settingsOpened(), 0);
    QVERIFY(m_window->isVisible());
    QVERIFY(!find<QPushButton>(u"cb_2"_s)->autoDefault());
    QVERIFY(!find<QPushButton>(u"cb_1"_s)->autoDefault());
}

void TestScoreCalculator::unwrittenNumericFieldsShowNoText_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("run50"); // a boy's 50 m run of 9.2
    QTest::newRow("year 1") << 1 << u"18.0"_s;
    QTest::newRow("year 2") << 2 << u"18.0"_s;
    QTest::newRow("year 3") << 3 << u"15.0"_s;
}

void TestScoreCalculator::unwrittenNumericFieldsShowNoText()
{
    QFETCH(QString, run50);
    insertYearRow();
    m_window = openWindow();
    QStringList numeric { u"em_s_t"_s, u"em_t_t"_s, u"em_1_t"_s, u"em_8_t"_s, u"em_f_t"_s,
        u"em_5_t"_s, u"em_l_t"_s, u"em_z_t"_s, u"em_y_t"_s, u"em_w_t"_s, u"em_xn_t"_s };
    if (m_year == 3)
        numeric << u"em_c1"_s << u"em_c2"_s << u"em_by_cj"_s;
    for (const QString &name : numeric)
        QCOMPARE(find(name)->text(), QString());
    // An unwritten score still counts as 0: one scored item makes the total.
    type(u"em_5"_s, u"9.2"_s);
    QCOMPARE(find(u"em_5_t"_s)->text(), run50);
    QCOMPARE(find(u"em_xn_t"_s)->text(), run50);
    QCOMPARE(find(u"em_t_t"_s)->text(), QString());
    if (m_year == 3)
        QCOMPARE(graduation(), u"7.0"_s);
}

// ---------------------------------------------------------------------------
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

void TestScoreCalculator::tabSequenceOfTheThirdYear_data()
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

void TestScoreCalculator::tabSequenceOfTheThirdYear()
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

void TestScoreCalculator::graduationFieldsRecomputeWhenChangedAndLeft_data()
{
    addThirdYearRow();
}

void TestScoreCalculator::graduationFieldsRecomputeWhenChangedAndLeft()
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

void TestScoreCalculator::graduationFollowsBonusBoxesAndCap_data()
{
    addThirdYearRow();
}

void TestScoreCalculator::graduationFollowsBonusBoxesAndCap()
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

void TestScoreCalculator::graduationOfTheTypedTotals_data()
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

void TestScoreCalculator::graduationOfTheTypedTotals()
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

void TestScoreCalculator::sexSwitchLeavesTheGraduationFields_data()
{
    addThirdYearRow();
}

void TestScoreCalculator::sexSwitchLeavesTheGraduationFields()
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

void TestScoreCalculator::graduationAreaStaysEnabled_data()
{
    addThirdYearRow();
}

void TestScoreCalculator::graduationAreaStaysEnabled()
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

void TestScoreCalculator::firstClickAfterTheSettingsWindowCloses()
{
    insertYearRow();
    settings::registerSettingsWindows(m_sqlca);
    m_window = openWindow();
    // "项目设置" opens the real settings window; it is closed with the mouse.
    bool closedSettings = false;
    QTimer driver;
    driver.setInterval(20);
    const QString settingsWindow = m_profile->settingsWindow;
    connect(&driver, &QTimer::timeout, this, [&closedSettings, settingsWindow] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != settingsWindow || closedSettings)
            return;
        closedSettings = true;
        QPushButton *close
            = modal->findChild<controls::pfc_picture_command_button *>(u"cb_2"_s)->innerButton();
        QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    });
    driver.start();
    QPushButton *settings = find<QPushButton>(u"cb_2"_s);
    QTest::mouseClick(settings, Qt::LeftButton, {}, settings->rect().center());
    QTRY_VERIFY(closedSettings);
    QTRY_VERIFY(
        !QApplication::activeModalWidget() || QApplication::activeModalWidget() == m_window.get());
    driver.stop();

    // One click on "关闭" closes the calculator.
    QSignalSpy finished(m_window.get(), &QDialog::finished);
    QPushButton *close = find<QPushButton>(u"cb_1"_s);
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QTRY_COMPARE(finished.count(), 1);
}

QTEST_MAIN(TestScoreCalculator)
#include "tst_score_calculator.moc"
