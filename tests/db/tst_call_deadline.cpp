// The deadline on driver calls by itself, with a short limit: a call that
// runs past the limit is cut off at the limit (not later, however long the
// deadline's thread has been idle before), and again while it still runs;
// a call that returns in time is never cut off; end() says which it was.

#include "db/CallDeadline.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr auto kLimit = 200ms;
// What the cut may take beyond the limit on a busy machine.
constexpr qint64 kSlackMs = 40;

// A driver call that waits until it is cut off (or gives up after `atMost`).
class HangingCall
{
public:
    void cut()
    {
        const std::lock_guard lock(m_mutex);
        if (m_cuts++ == 0)
            m_firstCutMs = m_clock.elapsed();
        m_changed.notify_all();
    }

    // Begins the call on `deadline` and waits; gives the ms until the first
    // cut (-1 if none came).
    qint64 run(db::CallDeadline &deadline, std::chrono::milliseconds atMost)
    {
        std::unique_lock lock(m_mutex);
        m_cuts = 0;
        m_firstCutMs = -1;
        m_clock.start();
        deadline.begin();
        m_changed.wait_for(lock, atMost, [this] { return m_cuts > 0; });
        return m_firstCutMs;
    }

    int cuts()
    {
        const std::lock_guard lock(m_mutex);
        return m_cuts;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    QElapsedTimer m_clock;
    int m_cuts = 0;
    qint64 m_firstCutMs = -1;
};

} // namespace

class TestCallDeadline : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutOffAtTheLimitAfterAnIdleGap_data();
    void cutOffAtTheLimitAfterAnIdleGap();
    void callInTimeIsNeverCut();
    void callThatStillRunsIsCutAgain();
};

void TestCallDeadline::cutOffAtTheLimitAfterAnIdleGap_data()
{
    QTest::addColumn<int>("gapMs");
    QTest::newRow("right after the previous call") << 0;
    QTest::newRow("after 300 ms without a call") << 300;
    QTest::newRow("after 1.3 s without a call") << 1300;
    QTest::newRow("after 2.5 s without a call") << 2500;
}

void TestCallDeadline::cutOffAtTheLimitAfterAnIdleGap()
{
    QFETCH(int, gapMs);
    HangingCall call;
    db::CallDeadline deadline(kLimit, [&call] { call.cut(); });
    // A call that returns in time, then the gap.
    deadline.begin();
    QVERIFY(!deadline.end());
    std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));

    const qint64 cutAfter = call.run(deadline, 2s);
    QVERIFY(deadline.end());
    QVERIFY2(cutAfter >= kLimit.count() && cutAfter < kLimit.count() + kSlackMs,
        qPrintable(QStringLiteral("cut off after %1 ms").arg(cutAfter)));
}

void TestCallDeadline::callInTimeIsNeverCut()
{
    std::atomic<int> cuts { 0 };
    db::CallDeadline deadline(kLimit, [&cuts] { ++cuts; });
    // Many calls, each well within the limit, together far longer than it.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3 * kLimit.count()) {
        deadline.begin();
        std::this_thread::sleep_for(kLimit / 4);
        QVERIFY(!deadline.end());
    }
    std::this_thread::sleep_for(2 * kLimit);
    QCOMPARE(cuts.load(), 0);
}

void TestCallDeadline::callThatStillRunsIsCutAgain()
{
    // A driver that connects to the next address after the first cut opens
    // a socket that the first cut did not see: the cut comes again.
    HangingCall call;
    db::CallDeadline deadline(kLimit, [&call] { call.cut(); });
    QVERIFY(call.run(deadline, 2s) >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(call.cuts() >= 3, 1000);
    QVERIFY(deadline.end());
    const int cuts = call.cuts();
    std::this_thread::sleep_for(300ms);
    QCOMPARE(call.cuts(), cuts); // none once the call has returned
}

QTEST_APPLESS_MAIN(TestCallDeadline)
#include "tst_call_deadline.moc"
