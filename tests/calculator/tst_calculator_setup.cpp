// The calculator window of each school year as it opens: the year's row of
// xmsz or the set-up loop through the settings window until one is saved,
// its controls and layout, how it is opened, and its keys (Enter, Tab).
// Every scenario runs for each year's profile, on both ODBC drivers; the
// fixture (ScoreCalculatorFixture) holds the standard-table rows and the
// steps the user takes.
#include "ScoreCalculatorFixture.h"

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using support::MessageBoxRecorder;

class TestCalculatorSetUp : public QObject, protected ScoreCalculatorFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { initFixture(); }
    void cleanup() { cleanupFixture(); }

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
    void radioButtonsStayOutOfTheTabChain_data() { addYearRows(); }
    void radioButtonsStayOutOfTheTabChain();
    void enterOutsideAnEntryFieldPressesNoButton_data();
    void enterOutsideAnEntryFieldPressesNoButton();
    void unwrittenNumericFieldsShowNoText_data();
    void unwrittenNumericFieldsShowNoText();
    void firstClickAfterTheSettingsWindowCloses_data() { addYearRows(); }
    void firstClickAfterTheSettingsWindowCloses();
};

void TestCalculatorSetUp::opensWithTheYearsRow()
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

void TestCalculatorSetUp::controlsAndLayout()
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

void TestCalculatorSetUp::enterWalksTheEnabledFields_data()
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

void TestCalculatorSetUp::enterWalksTheEnabledFields()
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

void TestCalculatorSetUp::setUpLoopUntilSaved()
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

void TestCalculatorSetUp::setUpLoopWithTheRealSettingsWindow()
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

void TestCalculatorSetUp::failedRetrievalClosesTheWindow()
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

void TestCalculatorSetUp::closeButtonOnly()
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

void TestCalculatorSetUp::registeredByClassName()
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

void TestCalculatorSetUp::openedByMenuAndStartPage_data()
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

void TestCalculatorSetUp::openedByMenuAndStartPage()
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

void TestCalculatorSetUp::radioButtonsStayOutOfTheTabChain()
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

void TestCalculatorSetUp::enterOutsideAnEntryFieldPressesNoButton_data()
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

void TestCalculatorSetUp::enterOutsideAnEntryFieldPressesNoButton()
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

void TestCalculatorSetUp::unwrittenNumericFieldsShowNoText_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("run50"); // a boy's 50 m run of 9.2
    QTest::newRow("year 1") << 1 << u"18.0"_s;
    QTest::newRow("year 2") << 2 << u"18.0"_s;
    QTest::newRow("year 3") << 3 << u"15.0"_s;
}

void TestCalculatorSetUp::unwrittenNumericFieldsShowNoText()
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

void TestCalculatorSetUp::firstClickAfterTheSettingsWindowCloses()
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

QTEST_MAIN(TestCalculatorSetUp)
#include "tst_calculator_setup.moc"
