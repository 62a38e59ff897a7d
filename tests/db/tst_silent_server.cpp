// A PostgreSQL server whose answers stop at one chosen moment of a session
// (a relay between the program and the test cluster goes silent, see
// support::SilentProxy): the read's closing rollback, and the commit of a
// save, once before the server has it and once after it has committed.
// With limits of a second on every call, each such call is cut off within
// the limit, the window reports it as any failed read or save, and the
// next action connects anew and does exactly what the user asked, whatever
// the cut-off call had left in the database.

#include "calculator/CalculatorWindows.h"
#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"
#include "db/Transaction.h"
#include "runtime/WindowRegistry.h"
#include "settings/SettingsWindows.h"
#include "support/EventLoopStall.h"
#include "support/FieldTyping.h"
#include "support/MessageBoxRecorder.h"
#include "support/SilentProxy.h"
#include "support/TestDatabase.h"
#include "support/WindowSteps.h"

#include <QApplication>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The short call limit, and a little more for the window's own work.
constexpr qint64 kWaitAtMostMs = 1500;

} // namespace

class TestSilentServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readWhoseClosingRollbackIsCutOff();
    void saveWhoseCommitIsCutOff_data();
    void saveWhoseCommitIsCutOff();

private:
    // The program's transaction, through the relay, with the short limits.
    bool connectThrough(const support::SilentProxy &proxy);
    QWidget *open(const QString &className);

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
    std::unique_ptr<support::MessageBoxRecorder> m_boxes;
    QPointer<QWidget> m_window;
};

void TestSilentServer::init()
{
    if (support::TestDatabase::backend() != support::TestDatabase::Backend::Postgres)
        QSKIP("a database server that stops answering; SQLite has none");
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    QVERIFY2(m_db.setStandardRows(u"cz123_m"_s, { { 150, 35, 40, 50, 55 } }),
        qPrintable(m_db.lastError()));
    QVERIFY2(m_db.addFirstYearChoices(), qPrintable(m_db.lastError()));
    m_boxes = std::make_unique<support::MessageBoxRecorder>();
    settings::registerSettingsWindows(m_sqlca);
    calculator::registerCalculatorWindows(m_sqlca);
}

void TestSilentServer::cleanup()
{
    delete m_window.data();
    support::unregisterYearWindows();
    m_sqlca.disconnect();
    m_boxes.reset();
}

bool TestSilentServer::connectThrough(const support::SilentProxy &proxy)
{
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.DBParm = u"ConnectString='%1;Port=%2'"_s.arg(support::TestDatabase::connectString())
                         .arg(proxy.port());
    m_sqlca.setWaitLimits(support::TestDatabase::shortWaitLimits());
    m_sqlca.connect();
    if (m_sqlca.SQLCode != 0)
        qWarning("connect through the relay: %s", qPrintable(m_sqlca.SQLErrText));
    return m_sqlca.SQLCode == 0;
}

QWidget *TestSilentServer::open(const QString &className)
{
    return support::openInPlace(m_window, className);
}

void TestSilentServer::readWhoseClosingRollbackIsCutOff()
{
    // Silent from the rollback that ends the height-weight read on.
    support::SilentProxy proxy;
    QVERIFY(proxy.start(support::SilentProxy::Silence::Request, u"ROLLBACK"_s, u"cz123_m"_s));
    QVERIFY(connectThrough(proxy));
    QVERIFY(open(u"w_jsq_cz1"_s));
    support::typeInto(m_window, u"em_s1"_s, u"150"_s);
    if (QTest::currentTestFailed())
        return;
    auto *score = m_window->findChild<controls::my_maskedit *>(u"em_s_t"_s);

    support::EventLoopStall stall;
    support::typeInto(m_window, u"em_s2"_s, u"45"_s);
    if (QTest::currentTestFailed())
        return;
    support::checkOneBox(*m_boxes, u"错误"_s, u"数据库服务器在 1 秒内没有应答，连接已断开。"_s);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(stall.longestMs() < kWaitAtMostMs,
        qPrintable(u"the window did not answer for %1 ms"_s.arg(stall.longestMs())));
    QCOMPARE(score->value(), 0.0f);
    QCOMPARE(m_sqlca.state(), db::Transaction::State::Lost);

    // The next leave of the field connects anew and reads.
    m_boxes->clear();
    support::typeInto(m_window, u"em_s2"_s, u"46"_s);
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(score->value(), 15.0f);
    QVERIFY(m_boxes->boxes().empty());
    QCOMPARE(m_sqlca.state(), db::Transaction::State::Open);
}

void TestSilentServer::saveWhoseCommitIsCutOff_data()
{
    QTest::addColumn<int>("silence");
    QTest::addColumn<QString>("leftBehind"); // rows of the second year after the cut
    QTest::newRow("commit lost on the way")
        << int(support::SilentProxy::Silence::Request) << u"0"_s;
    QTest::newRow("commit done, its answer lost")
        << int(support::SilentProxy::Silence::Reply) << u"1"_s;
}

void TestSilentServer::saveWhoseCommitIsCutOff()
{
    QFETCH(int, silence);
    QFETCH(QString, leftBehind);
    support::SilentProxy proxy;
    QVERIFY(proxy.start(support::SilentProxy::Silence(silence), u"COMMIT"_s));
    QVERIFY(connectThrough(proxy));
    QVERIFY(open(u"w_xm_cz2"_s));
    support::SecondYearSave save(m_window, *m_boxes);
    save.choose();
    if (QTest::currentTestFailed())
        return;

    qint64 stalled = 0;
    save.fails(&stalled);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(
        stalled < kWaitAtMostMs, qPrintable(u"the window did not answer for %1 ms"_s.arg(stalled)));
    const auto count = u"select count(*) from xmsz where nj = '22'"_s;
    QTRY_COMPARE(m_db.query(count).value_or(std::vector<db::Transaction::Row> { {} }).front(),
        db::Transaction::Row { leftBehind });

    // The next save stores the user's choice, whatever the cut-off commit
    // left behind; so does the one after it.
    save.works();
    if (QTest::currentTestFailed())
        return;
    save.choose(u"rb_l_m"_s);
    save.works();
    if (QTest::currentTestFailed())
        return;
    const auto rows = m_db.query(u"select xm_z_m, xm_l_m from xmsz where nj = '22'"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(
        rows->front().at(0).value_or(u"null"_s) + u","_s + rows->front().at(1).value_or(u"null"_s),
        u"1,1"_s);
}

QTEST_MAIN(TestSilentServer)
#include "tst_silent_server.moc"
