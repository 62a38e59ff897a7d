// The first-year calculator window driven through its real controls against
// a small fixture of standard-table rows, on both ODBC drivers.
#include "calculator/CalculatorWindows.h"
#include "calculator/ScoreCalculatorWindow.h"
#include "controls/MaskedEdit.h"
#include "controls/PictureCommandButton.h"
#include "runtime/LayoutUnits.h"
#include "runtime/MessageBoxService.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"
#include "settings/SettingsWindows.h"
#include "support/TestDatabase.h"

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

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using rt::MessageBoxRecorder;

namespace {

const char16_t *const kFlagColumns[] = {
    u"xm_t_m",
    u"xm_1_m",
    u"xm_5_m",
    u"xm_l_m",
    u"xm_z_m",
    u"xm_w_m",
    u"xm_t_w",
    u"xm_8_w",
    u"xm_5_w",
    u"xm_l_w",
    u"xm_z_w",
    u"xm_y_w",
    u"xm_w_w",
};

// Stands in for the year's settings window: a modal window that does
// `onOpen` (for example saves a row on the side) and closes.
class SettingsStandIn : public QDialog
{
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

} // namespace

class TestScoreCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithTheYearsRow();
    void controlsAndLayout();
    void enterWalksTheEnabledFields_data();
    void enterWalksTheEnabledFields();
    void setUpLoopUntilSaved();
    void setUpLoopWithTheRealSettingsWindow();
    void failedRetrievalClosesTheWindow();
    void closeButtonOnly();
    void registeredByClassName();

    void itemScoring_data();
    void itemScoring();
    void disabledRowsFromFlags();
    void vitalCapacity_data();
    void vitalCapacity();
    void vitalCapacityMessageWithoutWeight();
    void heightWeight_data();
    void heightWeight();
    void heightWeightMissingRowScoresZeroAndTellsOnce();
    void heightWeightFailedQueryShowsDriverText();
    void totalBoxesCapAndRating();
    void sexSwitchRescoresEveryField();
    void sexSwitchWithVitalCapacityButNoWeight();
    void realisticBoy();
    void settingsButtonRecomputesTheTotal();
    void settingsButtonWithoutRowKeepsRows();
    void settingsButtonWithoutChangeKeepsTheTotal();
    void radioButtonsStayOutOfTheTabChain();
    void enterOutsideAnEntryFieldPressesNoButton_data();
    void enterOutsideAnEntryFieldPressesNoButton();
    void unwrittenNumericFieldsShowNoText();

private:
    void insertYearRow(const QString &year, const QString &value = u"1"_s,
        const std::map<QString, QString> &overrides = {}, bool throughProgram = false);
    // Writes as the settings window does: through the program's own
    // transaction, committed.
    void saveThroughProgram(const QString &sql);
    std::unique_ptr<ScoreCalculatorWindow> openWindow();
    template <typename T = my_maskedit> T *find(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    // Clicks into a field, types the text and leaves the field with Tab.
    void type(const QString &field, const QString &text);
    void registerSettings(std::function<void()> onOpen);
    int settingsOpened() const { return m_settingsOpened; }

    TestDatabase m_db;
    rt::Transaction m_sqlca;
    std::unique_ptr<MessageBoxRecorder> m_boxes;
    std::unique_ptr<ScoreCalculatorWindow> m_window;
    int m_settingsOpened = 0;
};

void TestScoreCalculator::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    QVERIFY(m_db.setStandardRows(u"cz123_m"_s,
        { { 123, 20, 23, 28, 31 }, { 150, 35, 40, 50, 55 }, { 151, 36, 41, 51, 56 },
            { 186, 50, 56.4, 70, 80 } }));
    QVERIFY(m_db.setStandardRows(u"cz123_w"_s,
        { { 121, 19, 22, 27, 30 }, { 150, 30, 35, 42, 50 }, { 177, 50, 55, 65, 70 } }));
    TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0);
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_settingsOpened = 0;
}

void TestScoreCalculator::cleanup()
{
    m_window.reset();
    m_boxes.reset();
    rt::WindowRegistry::instance().unregisterClass(u"w_xm_cz1"_s);
    m_sqlca.disconnect();
}

void TestScoreCalculator::saveThroughProgram(const QString &sql)
{
    QVERIFY2(m_sqlca.execute(sql), qPrintable(m_sqlca.SQLErrText));
    m_sqlca.commit();
    QCOMPARE(m_sqlca.SQLCode, 0);
}

void TestScoreCalculator::insertYearRow(const QString &year, const QString &value,
    const std::map<QString, QString> &overrides, bool throughProgram)
{
    QStringList columns { u"nj"_s };
    std::vector<QVariant> values { year };
    for (const char16_t *column : kFlagColumns) {
        const QString name = QString::fromUtf16(column);
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
    auto window = std::make_unique<ScoreCalculatorWindow>(calculator::firstYearProfile(), m_sqlca);
    QSignalSpy opened(window.get(), &ScoreCalculatorWindow::opened);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("calculator window not active");
    if (opened.isEmpty() && !opened.wait(5000))
        qWarning("calculator window did not finish opening");
    return window;
}

void TestScoreCalculator::type(const QString &field, const QString &text)
{
    auto *edit = find(field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTRY_VERIFY(edit->hasFocus());
    // Replace whatever the field holds, also when it had the focus already.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void TestScoreCalculator::registerSettings(std::function<void()> onOpen)
{
    rt::WindowRegistry::instance().registerClass(u"w_xm_cz1"_s, [this, onOpen](QWidget *parent) {
        // A loop that never ends would hang the test: give up after a few
        // rounds (the calculator then closes, since it has no settings).
        if (++m_settingsOpened > 5)
            rt::WindowRegistry::instance().unregisterClass(u"w_xm_cz1"_s);
        return new SettingsStandIn(parent, onOpen);
    });
}

// ---------------------------------------------------------------------------

void TestScoreCalculator::opensWithTheYearsRow()
{
    insertYearRow(u"21"_s);
    insertYearRow(u"22"_s, u"0"_s);
    m_window = openWindow();
    QVERIFY(m_window->isVisible());
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(m_window->objectName(), u"w_jsq_cz1"_s);
    QCOMPARE(m_window->windowTitle(), u"初中一年级成绩"_s);
    QVERIFY(find<QRadioButton>(u"rb_sex_man"_s)->isChecked());
    // Boys with every flag "1": all rows but the sit-ups and the 800 m run.
    for (const QString &name : { u"em_t"_s, u"em_1"_s, u"em_5"_s, u"em_l"_s, u"em_z"_s, u"em_w"_s })
        QVERIFY2(find(name)->isEnabled(), qPrintable(name));
    for (const QString &name : { u"em_8"_s, u"em_y"_s, u"em_8_t"_s, u"em_y_t"_s })
        QVERIFY2(!find(name)->isEnabled(), qPrintable(name));
    QVERIFY(!find<QLabel>(u"st_yy"_s)->isEnabled());
    for (const QString &name : { u"em_s1"_s, u"em_s2"_s, u"em_f"_s, u"em_w"_s })
        QCOMPARE(find(name)->text(), QString());
    QCOMPARE(find(u"em_xn_t"_s)->text(), QString());
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), QString());
    QTRY_VERIFY(find(u"em_s1"_s)->hasFocus());
}

void TestScoreCalculator::controlsAndLayout()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    // 3008 x 1388 is the outer size: the client area leaves room for the
    // borders and the title bar, and every visible control still fits in it.
    const QSize outer = rt::units::toPixels(QSize(3008, 1388));
    QVERIFY(m_window->width() < outer.width());
    QVERIFY(m_window->height() < outer.height());
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            QVERIFY2(m_window->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    QVERIFY(!(m_window->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(find<QPushButton>(u"cb_2"_s)->text(), u"项目设置"_s);
    QCOMPARE(find<QPushButton>(u"cb_1"_s)->text(), u"关闭"_s);
    QCOMPARE(find<QGroupBox>(u"gb_6"_s)->title(), u"初一学年成绩"_s);
    QCOMPARE(find<QGroupBox>(u"gb_3"_s)->title(), u"加分"_s);
    QCOMPARE(find<QLabel>(u"st_yy"_s)->text(), u"（次/1分钟）"_s);
    QCOMPARE(
        find<QCheckBox>(u"cbx_59"_s)->text(), u"无故缺勤超1/10或病、事假超1/3。（最高为５９分）"_s);
    QCOMPARE(find(u"em_w"_s)->geometry(), rt::units::rect(475, 1092, 251, 80));
    QCOMPARE(find(u"em_w_t"_s)->geometry(), rt::units::rect(1093, 1084, 210, 80));
    QCOMPARE(find<QLabel>(u"st_13"_s)->geometry(), rt::units::rect(741, 96, 247, 60));
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->geometry(), rt::units::rect(2263, 92, 635, 172));
    QCOMPARE(find(u"em_s_t"_s)->mask(), u"###,###.0"_s);
    QCOMPARE(find(u"em_s1"_s)->mask(), u"###,###.00"_s);
    // A group box never covers the controls it frames.
    QWidget *atField = m_window->childAt(find(u"em_t"_s)->geometry().center());
    QCOMPARE(atField, find(u"em_t"_s));
    QCOMPARE(find<QRadioButton>(u"rb_sex_man"_s)->focusPolicy(), Qt::ClickFocus);
}

void TestScoreCalculator::enterWalksTheEnabledFields_data()
{
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("boys") << false
                          << QStringList { u"em_s2"_s, u"em_t"_s, u"em_1"_s, u"em_f"_s, u"em_5"_s,
                                 u"em_l"_s, u"em_z"_s, u"em_w"_s, u"cb_2"_s };
    QTest::newRow("girls") << true
                           << QStringList { u"em_s2"_s, u"em_t"_s, u"em_8"_s, u"em_f"_s, u"em_5"_s,
                                  u"em_l"_s, u"em_z"_s, u"em_y"_s, u"em_w"_s, u"cb_2"_s };
}

void TestScoreCalculator::enterWalksTheEnabledFields()
{
    QFETCH(bool, girls);
    QFETCH(QStringList, order);
    insertYearRow(u"21"_s);
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
            insertYearRow(u"21"_s, u"1"_s, { { u"xm_t_m"_s, u"0"_s } }, true);
    });
    insertYearRow(u"22"_s); // another year's row does not count
    m_window = openWindow();
    QTRY_VERIFY(m_window->isVisible());
    QCOMPARE(settingsOpened(), 2);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(2));
    for (const auto &box : m_boxes->boxes()) {
        QCOMPARE(box.title, u"注意"_s);
        QCOMPARE(box.text, u"请先设置好初中一年级测试项目！"_s);
    }
    QVERIFY(!find(u"em_t"_s)->isEnabled()); // the saved flags
    QVERIFY(find(u"em_1"_s)->isEnabled());
}

void TestScoreCalculator::setUpLoopWithTheRealSettingsWindow()
{
    registerSettingsWindows(m_sqlca);
    // Drives each settings window that comes up: the first is closed
    // without saving, the second saves the grip index for boys and closes.
    int visits = 0;
    QTimer driver;
    driver.setInterval(20);
    connect(&driver, &QTimer::timeout, this, [&visits] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != u"w_xm_cz1"_s || modal->property("driven").toBool())
            return;
        modal->setProperty("driven", true);
        ++visits;
        auto button = [modal](const QString &name) {
            return modal->findChild<pfc_picture_command_button *>(name)->command_button();
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
    QTRY_VERIFY2(m_window->focusWidget() == find(u"em_s1"_s),
        qPrintable(u"visits %1, boxes %2"_s.arg(visits).arg(m_boxes->boxes().size())));
    driver.stop();
    QCOMPARE(visits, 2);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(2));
    QCOMPARE(m_boxes->boxes().back().text, u"请先设置好初中一年级测试项目！"_s);
    QVERIFY(find(u"em_w"_s)->isEnabled());
    QVERIFY(!find(u"em_z"_s)->isEnabled());
    rt::WindowRegistry::instance().unregisterClass(u"w_xm_cz2"_s);
    rt::WindowRegistry::instance().unregisterClass(u"w_xm_cz3"_s);
}

void TestScoreCalculator::failedRetrievalClosesTheWindow()
{
    registerSettings({});
    QVERIFY(m_db.exec(u"drop table xmsz"_s));
    m_window = std::make_unique<ScoreCalculatorWindow>(calculator::firstYearProfile(), m_sqlca);
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
    insertYearRow(u"21"_s);
    m_window = openWindow();
    QTest::keyClick(find(u"em_s1"_s), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QSignalSpy finished(m_window.get(), &QDialog::finished);
    QTest::mouseClick(find<QPushButton>(u"cb_1"_s), Qt::LeftButton);
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!m_window->isVisible());
}

void TestScoreCalculator::registeredByClassName()
{
    insertYearRow(u"21"_s);
    registerCalculatorWindows(m_sqlca);
    QVERIFY(rt::WindowRegistry::instance().contains(u"w_jsq_cz1"_s));
    std::unique_ptr<QWidget> window(rt::WindowRegistry::instance().create(u"w_jsq_cz1"_s, nullptr));
    QVERIFY(qobject_cast<ScoreCalculatorWindow *>(window.get()));
    QCOMPARE(window->objectName(), u"w_jsq_cz1"_s);
    rt::WindowRegistry::instance().unregisterClass(u"w_jsq_cz1"_s);
}

// ---------------------------------------------------------------------------

void TestScoreCalculator::itemScoring_data()
{
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scoreField");
    QTest::addColumn<float>("score");

    QTest::newRow("800 m at its threshold")
        << true << u"em_8"_s << u"5.26"_s << u"em_8_t"_s << 10.0f;
    QTest::newRow("800 m just below") << true << u"em_8"_s << u"5.25"_s << u"em_8_t"_s << 12.0f;
    QTest::newRow("boys 50 m 9.2") << false << u"em_5"_s << u"9.2"_s << u"em_5_t"_s << 18.0f;
    QTest::newRow("boys 50 m 9.19") << false << u"em_5"_s << u"9.19"_s << u"em_5_t"_s << 20.0f;
    QTest::newRow("1000 m 4.5") << false << u"em_1"_s << u"4.5"_s << u"em_1_t"_s << 15.0f;
    QTest::newRow("1000 m 4.05") << false << u"em_1"_s << u"4.05"_s << u"em_1_t"_s << 20.0f;
    QTest::newRow("girls step test 63") << true << u"em_t"_s << u"63"_s << u"em_t_t"_s << 20.0f;
    QTest::newRow("girls step 62.99") << true << u"em_t"_s << u"62.99"_s << u"em_t_t"_s << 17.0f;
    QTest::newRow("boys grip 30") << false << u"em_w"_s << u"30"_s << u"em_w_t"_s << 12.0f;
    QTest::newRow("boys grip 29.99") << false << u"em_w"_s << u"29.99"_s << u"em_w_t"_s << 10.0f;
    QTest::newRow("girls sit-ups 42") << true << u"em_y"_s << u"42"_s << u"em_y_t"_s << 20.0f;
    QTest::newRow("empty field") << false << u"em_l"_s << QString() << u"em_l_t"_s << 0.0f;
    // A reach of 0 cm or below is a result on the ladder; only empty is 0.
    QTest::newRow("boys reach 1.5") << false << u"em_z"_s << u"1.5"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("boys reach 0") << false << u"em_z"_s << u"0"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("boys reach -5") << false << u"em_z"_s << u"-5"_s << u"em_z_t"_s << 12.0f;
    QTest::newRow("boys reach -6") << false << u"em_z"_s << u"-6"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("girls reach -0.5") << true << u"em_z"_s << u"-0.5"_s << u"em_z_t"_s << 10.0f;
    QTest::newRow("reach empty") << false << u"em_z"_s << QString() << u"em_z_t"_s << 0.0f;
}

void TestScoreCalculator::itemScoring()
{
    QFETCH(bool, girls);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, scoreField);
    QFETCH(float, score);

    insertYearRow(u"21"_s);
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
    insertYearRow(u"21"_s, u"1"_s,
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
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<float>("score");
    QTest::newRow("3450/50 boy") << false << u"3450"_s << u"50"_s << 15.0f;
    QTest::newRow("3449/50 boy") << false << u"3449"_s << u"50"_s << 13.0f;
    QTest::newRow("3449/50 girl") << true << u"3449"_s << u"50"_s << 15.0f;
    QTest::newRow("1500/50 boy") << false << u"1500"_s << u"50"_s << 9.0f;
    QTest::newRow("1000/50 girl") << true << u"1000"_s << u"50"_s << 8.0f;
    QTest::newRow("2076.9/30.1 boy, 4-byte") << false << u"2076.9"_s << u"30.1"_s << 13.0f;
    QTest::newRow("no weight, no capacity") << false << QString() << QString() << 0.0f;
}

void TestScoreCalculator::vitalCapacity()
{
    QFETCH(bool, girls);
    QFETCH(QString, capacity);
    QFETCH(QString, weight);
    QFETCH(float, score);
    insertYearRow(u"21"_s);
    m_window = openWindow();
    if (girls)
        QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    type(u"em_s2"_s, weight);
    type(u"em_f"_s, capacity);
    QCOMPARE(find(u"em_f_t"_s)->value(), score);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::vitalCapacityMessageWithoutWeight()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    type(u"em_s2"_s, u"50"_s);
    type(u"em_f"_s, u"3450"_s);
    QCOMPARE(find(u"em_f_t"_s)->value(), 15.0f);
    const QString totalBefore = find(u"em_xn_t"_s)->text();
    m_boxes->clear();

    // Clearing the weight: leaving the weight field re-scores the vital
    // capacity, which cannot be scored without a weight.
    auto *weight = find(u"em_s2"_s);
    QTest::mouseClick(weight, Qt::LeftButton);
    QTest::keyClick(weight, Qt::Key_Delete);
    QCOMPARE(weight->text(), QString());
    QTest::keyClick(weight, Qt::Key_Return);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"提示"_s);
    QCOMPARE(m_boxes->boxes().front().text, u"如要得到肺活量成绩，请先正确输入体重！"_s);
    QCOMPARE(find(u"em_f_t"_s)->value(), 15.0f); // unchanged

    // Leaving the vital-capacity field without a weight: the message again,
    // the score and the total unchanged.
    m_boxes->clear();
    type(u"em_f"_s, u"2500"_s);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(find(u"em_f_t"_s)->value(), 15.0f);
    QCOMPARE(find(u"em_xn_t"_s)->text(), totalBefore);
}

void TestScoreCalculator::heightWeight_data()
{
    QTest::addColumn<bool>("girls");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<float>("score");
    QTest::newRow("no weight") << false << u"150"_s << QString() << 0.0f;
    QTest::newRow("middle band") << false << u"150"_s << u"45"_s << 15.0f;
    QTest::newRow("at z4") << false << u"150"_s << u"55"_s << 7.0f;
    QTest::newRow("at z3") << false << u"150"_s << u"50"_s << 9.0f;
    QTest::newRow("at z2") << false << u"150"_s << u"40"_s << 15.0f;
    QTest::newRow("at z1") << false << u"150"_s << u"35"_s << 9.0f;
    QTest::newRow("below z1") << false << u"150"_s << u"34.99"_s << 7.0f;
    QTest::newRow("150.9 uses the 150 row") << false << u"150.9"_s << u"40.5"_s << 15.0f;
    // 122.5 cm / 30 kg is scored as 123.5 cm / 30.5 kg on the 123 row.
    QTest::newRow("boy below the range") << false << u"122.5"_s << u"30"_s << 9.0f;
    // 190 cm / 60 kg becomes 186 cm / 56.399994 kg, below the bound 56.4.
    QTest::newRow("boy above the range") << false << u"190"_s << u"60"_s << 9.0f;
    QTest::newRow("girl 150") << true << u"150"_s << u"45"_s << 9.0f;
    // 178 cm / 66 kg becomes 177 cm / 65.1 kg: upper 9-point band.
    QTest::newRow("girl at the top") << true << u"178"_s << u"66"_s << 9.0f;
    QTest::newRow("girl 120") << true << u"120"_s << u"26.6"_s << 9.0f;
}

void TestScoreCalculator::heightWeight()
{
    QFETCH(bool, girls);
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(float, score);
    insertYearRow(u"21"_s);
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
    insertYearRow(u"21"_s);
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
    insertYearRow(u"21"_s);
    QVERIFY(m_db.exec(u"drop table cz123_m"_s));
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"45"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QVERIFY(!m_boxes->boxes().empty());
    QCOMPARE(m_boxes->boxes().front().title, u"错误"_s);
    QVERIFY(!m_boxes->boxes().front().text.isEmpty());
    QVERIFY(!m_boxes->boxes().front().text.contains(TestDatabase::password()));
    // The failed read leaves the connection usable for the next one.
    m_boxes->clear();
    registerSettings({});
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QVERIFY2(m_boxes->boxes().empty(), qPrintable(m_boxes->boxes().front().text));
}

void TestScoreCalculator::totalBoxesCapAndRating()
{
    insertYearRow(u"21"_s, u"1"_s,
        { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    auto *rating = find<QLineEdit>(u"sle_dj"_s);
    // Scores typed straight into the score fields count at the next run.
    type(u"em_s_t"_s, u"15"_s);
    type(u"em_f_t"_s, u"13"_s);
    type(u"em_t_t"_s, u"17"_s);
    type(u"em_5_t"_s, u"26"_s);
    type(u"em_z_t"_s, u"16"_s);
    // Only the height field's leave has run the total so far (all empty).
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QTest::mouseClick(find<QCheckBox>(u"cbx_1"_s), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(u"cbx_2"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 97.0f);
    QCOMPARE(rating->text(), u"优秀"_s);
    QCOMPARE(rating->palette().color(QPalette::Text), blue);
    QTest::mouseClick(find<QCheckBox>(u"cbx_2"_s), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(u"cbx_1"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);
    QTest::mouseClick(find<QCheckBox>(u"cbx_59"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 59.0f);
    QCOMPARE(rating->text(), u"不及格"_s);
    QCOMPARE(rating->palette().color(QPalette::Text), red);
    QTest::mouseClick(find<QCheckBox>(u"cbx_59"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);

    // A disabled row's score does not count; fractions add their whole part.
    type(u"em_s_t"_s, u"12.5"_s);
    type(u"em_f_t"_s, u"12.5"_s);
    type(u"em_t_t"_s, u""_s);
    type(u"em_5_t"_s, u""_s);
    type(u"em_z_t"_s, u"9.9"_s);
    QTest::mouseClick(find<QCheckBox>(u"cbx_3"_s), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(u"cbx_3"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 33.0f); // 12, 24, 33
    // Rating of 0: no word, the colour stays.
    type(u"em_s_t"_s, u""_s);
    type(u"em_f_t"_s, u""_s);
    type(u"em_z_t"_s, u""_s);
    QTest::mouseClick(find<QCheckBox>(u"cbx_4"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 5.0f);
    QTest::mouseClick(find<QCheckBox>(u"cbx_4"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 0.0f);
    QCOMPARE(rating->text(), QString());
    QCOMPARE(rating->palette().color(QPalette::Text), red);
}

void TestScoreCalculator::sexSwitchRescoresEveryField()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    type(u"em_s1"_s, u"150"_s);
    type(u"em_s2"_s, u"50"_s);
    type(u"em_f"_s, u"3449"_s);
    type(u"em_t"_s, u"63"_s);
    type(u"em_1"_s, u"4.05"_s);
    type(u"em_5"_s, u"9.2"_s);
    type(u"em_z"_s, u"-3"_s);
    type(u"em_w"_s, u"40"_s);
    const float boysTotal = 9.0f + 13 + 17 + 20 + 18 + 12 + 12;
    QCOMPARE(find(u"em_s_t"_s)->value(), 9.0f);
    QCOMPARE(find(u"em_f_t"_s)->value(), 13.0f);
    QCOMPARE(find(u"em_t_t"_s)->value(), 17.0f);
    QCOMPARE(find(u"em_1_t"_s)->value(), 20.0f);
    QCOMPARE(find(u"em_5_t"_s)->value(), 18.0f);
    QCOMPARE(find(u"em_z_t"_s)->value(), 12.0f);
    QCOMPARE(find(u"em_w_t"_s)->value(), 12.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), boysTotal);

    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    QVERIFY(!find<QRadioButton>(u"rb_sex_man"_s)->isChecked());
    QCOMPARE(find(u"em_s_t"_s)->value(), 7.0f); // from cz123_w
    QCOMPARE(find(u"em_f_t"_s)->value(), 15.0f); // girls' ladder
    QCOMPARE(find(u"em_t_t"_s)->value(), 20.0f);
    QCOMPARE(find(u"em_5_t"_s)->value(), 23.0f);
    QCOMPARE(find(u"em_z_t"_s)->value(), 10.0f);
    QCOMPARE(find(u"em_w_t"_s)->value(), 15.0f); // the grip index too
    QVERIFY(!find(u"em_1_t"_s)->isEnabled()); // its 20 no longer counts
    QVERIFY(find(u"em_8"_s)->isEnabled());
    QCOMPARE(find(u"em_8_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 7.0f + 15 + 20 + 23 + 10 + 15);
    QVERIFY(m_boxes->boxes().empty());

    QTest::mouseClick(find<QRadioButton>(u"rb_sex_man"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_s_t"_s)->value(), 9.0f);
    QCOMPARE(find(u"em_f_t"_s)->value(), 13.0f);
    QCOMPARE(find(u"em_w_t"_s)->value(), 12.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), boysTotal);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), u"优秀"_s);
}

void TestScoreCalculator::sexSwitchWithVitalCapacityButNoWeight()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    type(u"em_f"_s, u"2500"_s);
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    m_boxes->clear();
    QTest::mouseClick(find<QRadioButton>(u"rb_sex_woman"_s), Qt::LeftButton);
    // Told once during the switch, through the weight field.
    QCOMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().title, u"提示"_s);
    QCOMPARE(find(u"em_s_t"_s)->value(), 0.0f);
    QCOMPARE(find(u"em_xn_t"_s)->text(), u"0.0"_s);
}

void TestScoreCalculator::realisticBoy()
{
    // One item per choice group: step test, 50 m run, sit-and-reach.
    insertYearRow(u"21"_s, u"1"_s,
        { { u"xm_1_m"_s, u"0"_s }, { u"xm_l_m"_s, u"0"_s }, { u"xm_w_m"_s, u"0"_s } });
    m_window = openWindow();
    // Typed in the order of the form, each field left with Enter.
    QTest::mouseClick(find(u"em_s1"_s), Qt::LeftButton);
    for (const auto &[field, text] :
        { std::pair { u"em_s1"_s, u"150.5"_s }, { u"em_s2"_s, u"44"_s }, { u"em_t"_s, u"55"_s },
            { u"em_f"_s, u"2850"_s }, { u"em_5"_s, u"8.6"_s }, { u"em_z"_s, u"6.5"_s } }) {
        QTRY_COMPARE(QApplication::focusWidget(), find(field));
        QTest::keyClicks(find(field), text);
        QTest::keyClick(find(field), Qt::Key_Return);
    }
    QCOMPARE(find(u"em_s_t"_s)->value(), 15.0f);
    QCOMPARE(find(u"em_f_t"_s)->value(), 13.0f); // 2850 / 44 = 64.77
    QCOMPARE(find(u"em_t_t"_s)->value(), 16.0f);
    QCOMPARE(find(u"em_5_t"_s)->value(), 23.0f);
    QCOMPARE(find(u"em_z_t"_s)->value(), 15.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 82.0f);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), u"良好"_s);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->palette().color(QPalette::Text), QColor(255, 0, 255));
    QCOMPARE(find(u"em_s1"_s)->text(), u"150.50"_s);
    QCOMPARE(find(u"em_f"_s)->text(), u"2,850.00"_s);
    QTest::mouseClick(find<QCheckBox>(u"cbx_1"_s), Qt::LeftButton);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 87.0f);
    QCOMPARE(find<QLineEdit>(u"sle_dj"_s)->text(), u"优秀"_s);
    // For a look at the window: KELVARO_SCREENSHOT=/tmp/file.png
    if (const QString path = qEnvironmentVariable("KELVARO_SCREENSHOT"); !path.isEmpty())
        m_window->grab().save(path);
}

void TestScoreCalculator::settingsButtonRecomputesTheTotal()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    type(u"em_t"_s, u"64"_s);
    type(u"em_1"_s, u"4.05"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 40.0f);
    // The settings now choose the 1000 m run only: the step test row goes.
    registerSettings(
        [this] { saveThroughProgram(u"update xmsz set xm_t_m = '0' where nj = '21'"_s); });
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QTRY_VERIFY(!find(u"em_t"_s)->isEnabled());
    QCOMPARE(find(u"em_t"_s)->text(), u"64.00"_s); // keeps what it showed
    QCOMPARE(find(u"em_t_t"_s)->value(), 20.0f);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 20.0f);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::settingsButtonWithoutRowKeepsRows()
{
    insertYearRow(u"21"_s, u"1"_s, { { u"xm_t_m"_s, u"0"_s } });
    m_window = openWindow();
    type(u"em_1"_s, u"4.05"_s);
    registerSettings([this] { saveThroughProgram(u"delete from xmsz"_s); });
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(m_boxes->boxes().size(), std::size_t(1));
    QCOMPARE(m_boxes->boxes().front().text, u"请先设置好初中一年级测试项目！"_s);
    QVERIFY(!find(u"em_t"_s)->isEnabled());
    QCOMPARE(find(u"em_xn_t"_s)->value(), 20.0f);
}

void TestScoreCalculator::settingsButtonWithoutChangeKeepsTheTotal()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    type(u"em_1"_s, u"4.05"_s);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 20.0f);
    // A score typed by hand counts only at the next run of the total; the
    // settings closed without a change do not run it.
    type(u"em_1_t"_s, u"5"_s);
    registerSettings({});
    QTest::mouseClick(find<QPushButton>(u"cb_2"_s), Qt::LeftButton);
    QTRY_COMPARE(settingsOpened(), 1);
    QCOMPARE(find(u"em_xn_t"_s)->value(), 20.0f);
    QVERIFY(m_boxes->boxes().empty());
}

void TestScoreCalculator::radioButtonsStayOutOfTheTabChain()
{
    insertYearRow(u"21"_s);
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
    QTest::addColumn<QString>("control");
    QTest::newRow("rating field") << u"sle_dj"_s;
    QTest::newRow("bonus box") << u"cbx_2"_s;
    QTest::newRow("absence cap") << u"cbx_59"_s;
}

void TestScoreCalculator::enterOutsideAnEntryFieldPressesNoButton()
{
    QFETCH(QString, control);
    insertYearRow(u"21"_s);
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

void TestScoreCalculator::unwrittenNumericFieldsShowNoText()
{
    insertYearRow(u"21"_s);
    m_window = openWindow();
    for (const QString &name : { u"em_s_t"_s, u"em_t_t"_s, u"em_1_t"_s, u"em_8_t"_s, u"em_f_t"_s,
             u"em_5_t"_s, u"em_l_t"_s, u"em_z_t"_s, u"em_y_t"_s, u"em_w_t"_s, u"em_xn_t"_s })
        QCOMPARE(find(name)->text(), QString());
    // An unwritten score still counts as 0: one scored item makes the total.
    type(u"em_5"_s, u"9.2"_s);
    QCOMPARE(find(u"em_5_t"_s)->text(), u"18.0"_s);
    QCOMPARE(find(u"em_xn_t"_s)->text(), u"18.0"_s);
    QCOMPARE(find(u"em_t_t"_s)->text(), QString());
}

QTEST_MAIN(TestScoreCalculator)
#include "tst_score_calculator.moc"
