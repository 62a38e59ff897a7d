#include "ScoreCalculatorFixture.h"

using namespace Qt::StringLiterals;
using calculator::ScoreCalculatorWindow;
using support::MessageBoxRecorder;

namespace {

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

} // namespace

void ScoreCalculatorFixture::addYearRows()
{
    QTest::addColumn<int>("year");
    for (int year = 1; year <= 3; ++year)
        QTest::addRow("year %d", year) << year;
}

QColor ScoreCalculatorFixture::colour(long code)
{
    return rt::colors::fromCode(code);
}

void ScoreCalculatorFixture::initFixture()
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

void ScoreCalculatorFixture::cleanupFixture()
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

void ScoreCalculatorFixture::saveThroughProgram(const QString &sql)
{
    QVERIFY2(m_sqlca.execute(sql), qPrintable(m_sqlca.SQLErrText));
    m_sqlca.commit();
    QCOMPARE(m_sqlca.SQLCode, 0);
}

void ScoreCalculatorFixture::insertYearRow(const QString &value,
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

std::unique_ptr<ScoreCalculatorWindow> ScoreCalculatorFixture::openWindow()
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

void ScoreCalculatorFixture::type(const QString &field, const QString &text)
{
    support::typeInto(m_window.get(), field, text);
}

void ScoreCalculatorFixture::enter(const QString &field, const QString &text)
{
    auto *edit = find(field);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    // Getting the focus selected the whole text: typing replaces it.
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void ScoreCalculatorFixture::registerSettings(std::function<void()> onOpen)
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

#include "ScoreCalculatorFixture.moc"
