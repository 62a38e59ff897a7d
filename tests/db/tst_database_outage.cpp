// The network between the program and its PostgreSQL server lost, an
// address that never answers, a server that does not answer a connect and
// a server process that stops answering (SIGSTOP: its kernel still holds
// the connection), in a network namespace of the test's own
// (netns-test.sh) with a cluster of its own in it: a read, a save and the
// start-up's connection each fail within the call limit, the way the window
// reports any failed read, save or connection, nothing is written, and the
// next action works once the server answers again, without a restart; work
// written on a lost connection is never committed in part. A host name whose
// name server never answers, and a server on a socket in the abstract
// namespace that stops answering, are bounded the same way. The tests use
// limits of a second (support::TestDatabase::shortWaitLimits); one runs on the
// program's own 10 s. (A cluster of its own also because a stopped server
// process holds up every DROP DATABASE of its cluster.) Each cut mends
// itself after 30 s, so that a wait without limit shows here as a wait that
// took too long.

#include "calculator/CalculatorWindows.h"
#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"
#include "db/Connection.h"
#include "db/Transaction.h"
#include "runtime/WindowRegistry.h"
#include "settings/SettingsWindows.h"
#include "shell/Application.h"
#include "support/EventLoopStall.h"
#include "support/FieldTyping.h"
#include "support/MessageBoxRecorder.h"
#include "support/StoppedProcess.h"
#include "support/TestDatabase.h"
#include "support/WindowSteps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::seconds kMendAfter { 30 };
// The short call limit, and a little more for the window's own work.
constexpr qint64 kCallLimitMs = 1500;

bool ip(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(u"ip"_s, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

// The loopback interface taken down: every connection to the cluster loses
// its network. It comes up again at mend(), at the latest after `atMost`.
class LoopbackCut
{
public:
    ~LoopbackCut() { mend(); }

    bool cut(std::chrono::seconds atMost)
    {
        mend();
        if (!ip({ u"link"_s, u"set"_s, u"lo"_s, u"down"_s }))
            return false;
        m_mended = false;
        m_guard = std::thread([this, atMost] {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, atMost, [this] { return m_mended; });
            lock.unlock();
            std::system("ip link set lo up");
        });
        return true;
    }

    void mend()
    {
        if (!m_guard.joinable())
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_mended = true;
        }
        m_wake.notify_all();
        m_guard.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_mended = true;
    std::thread m_guard;
};

void connectTo(db::Transaction &sqlca, const QString &dsn,
    const db::WaitLimits &limits = support::TestDatabase::shortWaitLimits())
{
    support::TestDatabase::setUpProgramTransaction(sqlca, dsn);
    sqlca.setWaitLimits(limits);
    sqlca.connect();
}

} // namespace

class TestDatabaseOutage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void readWhenTheNetworkIsLost();
    void saveWhenTheNetworkIsLost();
    void startUpWhenTheNetworkIsLost();
    void connectToAnAddressThatNeverAnswers();
    void startUpWithAServerThatDoesNotAnswer();
    void serverThatStopsAnsweringIsCutOff_data();
    void serverThatStopsAnsweringIsCutOff();
    void connectThroughANameServerThatDoesNotAnswer();
    void workOnALostConnectionIsNeverCommittedInPart();

private:
    // Stops the server process of `sqlca`'s session.
    bool stopServerOf(db::Transaction &sqlca, support::StoppedProcess &stopped);
    QWidget *open(const QString &className);
    // Start-up fails with the connection's box within the connect limit,
    // then succeeds once `mend` has run.
    void startUpFailsThenWorks(const std::function<void()> &mend);

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
    std::unique_ptr<support::MessageBoxRecorder> m_boxes;
    QPointer<QWidget> m_window;
    LoopbackCut m_cut;
};

void TestDatabaseOutage::initTestCase()
{
    if (qEnvironmentVariable("KELVARO_TEST_NETNS") != u"1"_s)
        QSKIP("runs only in a network namespace of its own (netns-test.sh)");
    // A link of its own whose far end takes every packet and answers none:
    // the address has a fixed neighbour entry, so nothing is asked for it.
    const QString address = qEnvironmentVariable("KELVARO_TEST_UNREACHABLE_ADDRESS");
    QVERIFY(ip(
        { u"link"_s, u"add"_s, u"kv0"_s, u"type"_s, u"veth"_s, u"peer"_s, u"name"_s, u"kv1"_s }));
    QVERIFY(
        ip({ u"addr"_s, u"add"_s, address.section(u'.', 0, 2) + u".1/24"_s, u"dev"_s, u"kv0"_s }));
    QVERIFY(ip({ u"link"_s, u"set"_s, u"kv0"_s, u"up"_s }));
    QVERIFY(ip({ u"link"_s, u"set"_s, u"kv1"_s, u"up"_s }));
    QVERIFY(ip({ u"neigh"_s, u"add"_s, address, u"lladdr"_s, u"02:00:00:00:00:02"_s, u"dev"_s,
        u"kv0"_s, u"nud"_s, u"permanent"_s }));
}

void TestDatabaseOutage::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    QVERIFY2(m_db.setStandardRows(u"cz123_m"_s, { { 150, 35, 40, 50, 55 } }),
        qPrintable(m_db.lastError()));
    QVERIFY2(m_db.addFirstYearChoices(), qPrintable(m_db.lastError()));
    m_boxes = std::make_unique<support::MessageBoxRecorder>();
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.setWaitLimits(support::TestDatabase::shortWaitLimits());
    m_sqlca.connect();
    QCOMPARE(m_sqlca.SQLCode, 0L);
    settings::registerSettingsWindows(m_sqlca);
    calculator::registerCalculatorWindows(m_sqlca);
}

void TestDatabaseOutage::cleanup()
{
    m_cut.mend();
    delete m_window.data();
    support::unregisterYearWindows();
    m_sqlca.disconnect();
    shell::Application::instance().close();
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
    m_boxes.reset();
}

QWidget *TestDatabaseOutage::open(const QString &className)
{
    return support::openInPlace(m_window, className);
}

void TestDatabaseOutage::readWhenTheNetworkIsLost()
{
    QVERIFY(open(u"w_jsq_cz1"_s));
    QTRY_VERIFY(m_window->findChild<controls::my_maskedit *>(u"em_s1"_s)->hasFocus());
    support::typeInto(m_window, u"em_s1"_s, u"150"_s);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(m_boxes->boxes().empty());

    QVERIFY(m_cut.cut(kMendAfter));
    support::EventLoopStall stall;
    support::typeInto(m_window, u"em_s2"_s, u"45"_s);
    if (QTest::currentTestFailed())
        return;
    support::checkOneBox(*m_boxes, u"错误"_s);
    if (QTest::currentTestFailed())
        return;
    const qint64 stalled = stall.longestMs();
    QVERIFY2(
        stalled < kCallLimitMs, qPrintable(u"the window did not answer for %1 ms"_s.arg(stalled)));
    auto *score = m_window->findChild<controls::my_maskedit *>(u"em_s_t"_s);
    QCOMPARE(score->value(), 0.0f);

    // The network back: the next leave of the field reads again.
    m_cut.mend();
    m_boxes->clear();
    support::typeInto(m_window, u"em_s2"_s, u"46"_s);
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(score->value(), 15.0f);
    QVERIFY(m_boxes->boxes().empty());
}

void TestDatabaseOutage::saveWhenTheNetworkIsLost()
{
    QVERIFY(open(u"w_xm_cz2"_s));
    support::SecondYearSave save(m_window, *m_boxes);
    save.choose();
    if (QTest::currentTestFailed())
        return;

    QVERIFY(m_cut.cut(kMendAfter));
    qint64 stalled = 0;
    save.fails(&stalled);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(
        stalled < kCallLimitMs, qPrintable(u"the window did not answer for %1 ms"_s.arg(stalled)));
    m_cut.mend();
    const auto none = m_db.query(u"select count(*) from xmsz where nj = '22'"_s);
    QVERIFY2(none, qPrintable(m_db.lastError()));
    QCOMPARE(none->front().front(), std::optional<QString>(u"0"_s));

    save.works();
    if (QTest::currentTestFailed())
        return;
    const auto rows = m_db.query(u"select xm_z_m from xmsz where nj = '22'"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(rows->front().front(), std::optional<QString>(u"1"_s));
}

void TestDatabaseOutage::startUpFailsThenWorks(const std::function<void()> &mend)
{
    shell::Application &book = shell::Application::instance();
    support::EventLoopStall stall;
    QVERIFY(!book.open(support::TestDatabase::shortWaitLimits()));
    const qint64 stalled = stall.longestMs();
    support::checkOneBox(*m_boxes, u"数据库连接失败"_s);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(
        stalled < kCallLimitMs, qPrintable(u"start-up did not answer for %1 ms"_s.arg(stalled)));
    QVERIFY(!book.sqlca.isConnected());

    mend();
    m_boxes->clear();
    QVERIFY(book.open(support::TestDatabase::shortWaitLimits()));
    QCOMPARE(book.sqlca.SQLCode, 0L);
    QVERIFY(m_boxes->boxes().empty());
}

void TestDatabaseOutage::startUpWhenTheNetworkIsLost()
{
    QVERIFY(m_cut.cut(kMendAfter));
    startUpFailsThenWorks([this] { m_cut.mend(); });
}

void TestDatabaseOutage::connectToAnAddressThatNeverAnswers()
{
    // The program's connection, to a data source on the silent address.
    // The client library's connect_timeout (2 s here) ends it, with its
    // own text, before the call limit would.
    db::Transaction sqlca;
    support::TestDatabase::setUpProgramTransaction(sqlca, u"vomar_unreachable"_s);
    db::WaitLimits limits = support::TestDatabase::shortWaitLimits();
    limits.callLimit = std::chrono::milliseconds(3000);
    sqlca.setWaitLimits(limits);
    support::EventLoopStall stall;
    sqlca.connect();
    const qint64 stalled = stall.longestMs();
    QCOMPARE(sqlca.SQLCode, -1L);
    QVERIFY2(sqlca.SQLErrText.contains(qEnvironmentVariable("KELVARO_TEST_UNREACHABLE_ADDRESS")),
        qPrintable(sqlca.SQLErrText));
    QVERIFY2(stalled < 2500, qPrintable(u"the connect did not answer for %1 ms"_s.arg(stalled)));
    QVERIFY(!sqlca.isConnected());

    // The same connection object reaches a server that answers.
    support::TestDatabase::setUpProgramTransaction(sqlca);
    sqlca.connect();
    QCOMPARE(sqlca.SQLCode, 0L);
    QVERIFY(sqlca.select(u"select count(*) from xmsz"_s));
}

void TestDatabaseOutage::startUpWithAServerThatDoesNotAnswer()
{
    // The postmaster stopped: the kernel still takes the connection, the
    // server never answers its start.
    QFile pidFile(qEnvironmentVariable("KELVARO_TEST_PG_CLUSTER_DIR") + u"/data/postmaster.pid"_s);
    QVERIFY2(pidFile.open(QIODevice::ReadOnly), qPrintable(pidFile.fileName()));
    const pid_t postmaster = pid_t(pidFile.readLine().trimmed().toLong());
    QVERIFY(postmaster > 0);
    support::StoppedProcess stopped;
    QVERIFY(stopped.stop(postmaster, kMendAfter));
    startUpFailsThenWorks([&stopped] { stopped.resume(); });
}

bool TestDatabaseOutage::stopServerOf(db::Transaction &sqlca, support::StoppedProcess &stopped)
{
    const auto pid = support::TestDatabase::singleValue(sqlca, u"select pg_backend_pid()"_s);
    if (!pid) {
        qWarning("pg_backend_pid: %s", qPrintable(sqlca.SQLErrText));
        return false;
    }
    if (!stopped.stop(pid_t(pid->toLong()), kMendAfter)) {
        if (errno == EPERM)
            qInfo("the server's process belongs to postgres: stopping it needs root");
        return false;
    }
    return true;
}

void TestDatabaseOutage::serverThatStopsAnsweringIsCutOff_data()
{
    QTest::addColumn<QString>("dsn");
    QTest::addColumn<bool>("programLimits");
    QTest::addColumn<QString>("text");
    QTest::newRow("over TCP, the program's own limits, end to end")
        << u"vomar"_s << true << u"数据库服务器在 10 秒内没有应答，连接已断开。"_s;
    QTest::newRow("on a socket in the abstract namespace")
        << u"vomar_abstract"_s << false << u"数据库服务器在 1 秒内没有应答，连接已断开。"_s;
}

void TestDatabaseOutage::serverThatStopsAnsweringIsCutOff()
{
    QFETCH(QString, dsn);
    QFETCH(bool, programLimits);
    QFETCH(QString, text);
    const db::WaitLimits limits
        = programLimits ? db::WaitLimits {} : support::TestDatabase::shortWaitLimits();
    db::Transaction sqlca;
    connectTo(sqlca, dsn, limits);
    QVERIFY2(sqlca.SQLCode == 0, qPrintable(sqlca.SQLErrText));
    const auto before = support::TestDatabase::singleValue(sqlca, u"select pg_backend_pid()"_s);
    support::StoppedProcess stopped;
    if (!stopServerOf(sqlca, stopped))
        QSKIP("the server's process cannot be stopped from here (needs root)");

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!sqlca.select(u"select count(*) from xmsz"_s));
    const qint64 waited = clock.elapsed();
    const qint64 limitMs = limits.callLimit.count();
    QVERIFY2(waited >= limitMs - 100 && waited < limitMs + 500, qPrintable(u"%1 ms"_s.arg(waited)));
    QCOMPARE(sqlca.SQLCode, -1L);
    QVERIFY2(sqlca.SQLErrText.startsWith(text), qPrintable(sqlca.SQLErrText));
    QVERIFY(sqlca.isConnected());

    // Once the server answers again, the next call connects anew.
    stopped.resume();
    const auto after = support::TestDatabase::singleValue(sqlca, u"select pg_backend_pid()"_s);
    QVERIFY2(after, qPrintable(sqlca.SQLErrText));
    QVERIFY(after != before);
    QCOMPARE(support::TestDatabase::singleValue(sqlca, u"select count(*) from xmsz"_s),
        std::optional<QString>(u"1"_s));
}

void TestDatabaseOutage::connectThroughANameServerThatDoesNotAnswer()
{
    if (qEnvironmentVariable("KELVARO_TEST_SILENT_DNS") != u"1"_s)
        QSKIP("needs the silent name server that netns-test.sh sets up");
    // The name lookup alone takes the resolver's 2 x 5 s; the connect, and
    // the reconnect of a lost connection, end at the call limit.
    db::Transaction sqlca;
    support::EventLoopStall stall;
    connectTo(sqlca, u"vomar_named"_s);
    QVERIFY2(stall.longestMs() < kCallLimitMs,
        qPrintable(u"the connect did not answer for %1 ms"_s.arg(stall.longestMs())));
    QCOMPARE(sqlca.SQLCode, -1L);
    QCOMPARE(sqlca.SQLErrText, u"数据库服务器在 1 秒内没有应答，连接已断开。"_s);
    QVERIFY(!sqlca.isConnected());
    // The abandoned connect ends on its own thread once the resolver gives up.
    QVERIFY(db::Connection::waitForAbandonedConnects(std::chrono::seconds(15)));
}

void TestDatabaseOutage::workOnALostConnectionIsNeverCommittedInPart()
{
    db::Transaction sqlca;
    connectTo(sqlca, u"vomar"_s);
    QCOMPARE(sqlca.SQLCode, 0L);
    QVERIFY(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('31', '1')"_s));
    support::StoppedProcess stopped;
    if (!stopServerOf(sqlca, stopped))
        QSKIP("the server's process cannot be stopped from here (needs root)");
    QVERIFY(!sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('32', '1')"_s));
    stopped.resume();

    // The first row went with the connection: nothing more is written, nor
    // committed, until the rollback says so.
    QVERIFY(!sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('33', '1')"_s));
    QVERIFY2(sqlca.SQLErrText.contains(u"未提交的修改已丢失"_s), qPrintable(sqlca.SQLErrText));
    QVERIFY(!sqlca.select(u"select count(*) from xmsz"_s));
    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, -1L);
    sqlca.rollback();
    QCOMPARE(sqlca.SQLCode, 0L);

    QVERIFY2(sqlca.execute(u"insert into xmsz (nj, xm_z_m) values ('33', '1')"_s),
        qPrintable(sqlca.SQLErrText));
    sqlca.commit();
    QCOMPARE(sqlca.SQLCode, 0L);
    const auto rows = m_db.query(u"select nj from xmsz where nj > '30' order by nj"_s);
    QVERIFY2(rows, qPrintable(m_db.lastError()));
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(rows->front().front(), std::optional<QString>(u"33"_s));
}

QTEST_MAIN(TestDatabaseOutage)
#include "tst_database_outage.moc"
