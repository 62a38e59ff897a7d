// Windows that only read, opened on the program's connection and left open:
// the settings window after reading its year's row and the calculator after
// reading its year's flags and the height-weight standard hold no lock, so
// a second copy of the program saves meanwhile; a save in the settings
// window still commits. On both ODBC drivers.

#include "calculator/CalculatorWindows.h"
#include "calculator/ScoreCalculatorWindow.h"
#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"
#include "db/Transaction.h"
#include "runtime/WindowRegistry.h"
#include "settings/SettingsWindows.h"
#include "support/FieldTyping.h"
#include "support/MessageBoxRecorder.h"
#include "support/TestDatabase.h"
#include "support/WindowSteps.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestWindowReads : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void settingsWindowHoldsNoLockWhileOpen();
    void settingsWindowSaveStillCommits();
    void calculatorHoldsNoLockAfterTheHeightWeightQuery();

private:
    // Opens the registered window class on m_sqlca, not modally, so that the
    // test can go on while it stays open.
    QWidget *open(const QString &className);
    // A save of year `nj` from a second program connection; empty on
    // success, else the driver's text. Checks that it did not wait.
    QString saveFromSecondConnection(const QString &nj);
    // On PostgreSQL: other sessions of the test's database idle inside an
    // open transaction, and other sessions' locks on table xmsz.
    long sessionsIdleInTransaction();
    long locksOnXmsz();

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
    std::unique_ptr<support::MessageBoxRecorder> m_boxes;
    std::unique_ptr<QWidget> m_window;
};

void TestWindowReads::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    QVERIFY(m_db.setStandardRows(u"cz123_m"_s,
        { { 123, 20, 23, 28, 31 }, { 150, 35, 40, 50, 55 }, { 186, 50, 56.4, 70, 80 } }));
    QVERIFY2(m_db.addFirstYearChoices(), qPrintable(m_db.lastError()));
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0);
    m_boxes = std::make_unique<support::MessageBoxRecorder>();
    settings::registerSettingsWindows(m_sqlca);
    calculator::registerCalculatorWindows(m_sqlca);
}

void TestWindowReads::cleanup()
{
    m_window.reset();
    m_boxes.reset();
    auto &registry = rt::WindowRegistry::instance();
    for (const QString &name : { u"w_xm_cz1"_s, u"w_xm_cz2"_s, u"w_xm_cz3"_s, u"w_jsq_cz1"_s })
        registry.unregisterClass(name);
    m_sqlca.disconnect();
}

QWidget *TestWindowReads::open(const QString &className)
{
    m_window.reset(rt::WindowRegistry::instance().create(className, nullptr));
    if (!m_window)
        return nullptr;
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("%s not exposed", qPrintable(className));
    return m_window.get();
}

QString TestWindowReads::saveFromSecondConnection(const QString &nj)
{
    QElapsedTimer clock;
    clock.start();
    db::Transaction other;
    support::TestDatabase::setUpProgramTransaction(other);
    other.connect();
    if (other.SQLCode != 0)
        return u"connect: "_s + other.SQLErrText;
    QString failure;
    if (!other.execute(u"insert into xmsz (nj, xm_z_m) values (?, '1')"_s, { nj })) {
        failure = u"insert: "_s + other.SQLErrText;
        other.rollback();
    } else {
        other.commit();
        if (other.SQLCode != 0)
            failure = u"commit: "_s + other.SQLErrText;
    }
    other.disconnect();
    // A lock held by the open window makes SQLite wait for its busy timeout.
    if (failure.isEmpty() && clock.elapsed() > 2000)
        failure = u"the save waited %1 ms"_s.arg(clock.elapsed());
    return failure;
}

long TestWindowReads::sessionsIdleInTransaction()
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        return 0;
    const auto rows
        = m_db.query(u"select count(*) from pg_stat_activity where datname = current_database()"
                     " and pid <> pg_backend_pid() and state like 'idle in transaction%'"_s);
    return rows && rows->size() == 1 && rows->front().front() ? rows->front().front()->toLong()
                                                              : -1;
}

long TestWindowReads::locksOnXmsz()
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        return 0;
    const auto rows
        = m_db.query(u"select count(*) from pg_locks l join pg_class c on c.oid = l.relation"
                     " where c.relname = 'xmsz' and l.pid <> pg_backend_pid()"_s);
    return rows && rows->size() == 1 && rows->front().front() ? rows->front().front()->toLong()
                                                              : -1;
}

void TestWindowReads::settingsWindowHoldsNoLockWhileOpen()
{
    QWidget *window = open(u"w_xm_cz1"_s);
    QVERIFY(window);
    // It has read its year's row: the stored choices are shown.
    auto *stepTest = window->findChild<QRadioButton *>(u"rb_t_m"_s);
    QVERIFY(stepTest);
    QTRY_VERIFY(stepTest->isChecked());
    QVERIFY(m_boxes->boxes().empty());

    QCOMPARE(sessionsIdleInTransaction(), 0L);
    QCOMPARE(locksOnXmsz(), 0L);
    QCOMPARE(saveFromSecondConnection(u"22"_s), QString());
    QVERIFY(window->isVisible());
}

void TestWindowReads::settingsWindowSaveStillCommits()
{
    // The second year has no row yet: the window starts a new one.
    QWidget *window = open(u"w_xm_cz2"_s);
    QVERIFY(window);
    QCOMPARE(saveFromSecondConnection(u"23"_s), QString());

    auto *sitAndReach = window->findChild<QRadioButton *>(u"rb_z_m"_s);
    QVERIFY(sitAndReach);
    QTest::mouseClick(sitAndReach, Qt::LeftButton, {}, QPoint(8, sitAndReach->height() / 2));
    QVERIFY(sitAndReach->isChecked());
    auto *save = window->findChild<controls::pfc_picture_command_button *>(u"cb_1"_s);
    QVERIFY(save);
    QVERIFY(save->isAvailable());
    support::clickPictureButton(save);
    // The button's click is posted: saved once the save turns unavailable.
    QTRY_VERIFY(!save->isAvailable());
    QVERIFY(m_boxes->boxes().empty());

    // Committed: a second connection sees it, and nothing is left open.
    const auto rows = m_db.query(u"select xm_z_m from xmsz where nj = '22'"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(rows->front().front(), std::optional<QString>(u"1"_s));
    QCOMPARE(sessionsIdleInTransaction(), 0L);
    QCOMPARE(saveFromSecondConnection(u"31"_s), QString());
}

void TestWindowReads::calculatorHoldsNoLockAfterTheHeightWeightQuery()
{
    QWidget *window = rt::WindowRegistry::instance().create(u"w_jsq_cz1"_s, nullptr);
    QVERIFY(window);
    m_window.reset(window);
    auto *scoreWindow = qobject_cast<calculator::ScoreCalculatorWindow *>(window);
    QVERIFY(scoreWindow);
    QSignalSpy opened(scoreWindow, &calculator::ScoreCalculatorWindow::opened);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!opened.isEmpty() || opened.wait(5000));
    QVERIFY(m_boxes->boxes().empty());

    // After reading the year's flags.
    QCOMPARE(sessionsIdleInTransaction(), 0L);
    QCOMPARE(locksOnXmsz(), 0L);
    QCOMPARE(saveFromSecondConnection(u"22"_s), QString());

    // After the height-weight query.
    support::typeInto(window, u"em_s1"_s, u"150"_s);
    support::typeInto(window, u"em_s2"_s, u"45"_s);
    auto *score = window->findChild<controls::my_maskedit *>(u"em_s_t"_s);
    QVERIFY(score);
    QCOMPARE(score->value(), 15.0f);
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(sessionsIdleInTransaction(), 0L);
    QCOMPARE(saveFromSecondConnection(u"23"_s), QString());
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestWindowReads)
#include "tst_window_reads.moc"
