#include "db/CallDeadline.h"

#include <utility>

namespace db {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t kIdle = 0;
constexpr std::int64_t kCut = -1;
// How often onExpiry runs again while a call that was cut off still runs:
// a driver that connects anew (the next address of a host) opens a socket
// that the first cut could not see.
constexpr std::chrono::milliseconds kCutAgain { 50 };

std::int64_t nowTicks()
{
    // Always above 0, which stands for "no call" (and -1 for "cut off").
    const auto ticks
        = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
              .count();
    return ticks <= 0 ? 1 : ticks;
}

Clock::time_point timeOf(std::int64_t ticks)
{
    return Clock::time_point(
        std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(ticks)));
}

} // namespace

CallDeadline::CallDeadline(std::chrono::milliseconds limit, std::function<void()> onExpiry)
    : m_limit(limit)
    , m_onExpiry(std::move(onExpiry))
    , m_thread([this] { watch(); })
{ }

CallDeadline::~CallDeadline()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CallDeadline::begin()
{
    m_startedAt.store(nowTicks());
    // Either the watching thread sees the start before it sleeps, or this
    // sees it sleeping and wakes it (both sequentially consistent).
    if (m_sleeping.load()) {
        const std::lock_guard lock(m_mutex);
        m_wake.notify_one();
    }
}

bool CallDeadline::end()
{
    if (m_startedAt.exchange(kIdle) != kCut)
        return false;
    // Cut off: the sockets may still be being shut down; the caller must
    // not close or reuse them before that is over.
    std::unique_lock lock(m_mutex);
    m_expired.wait(lock, [this] { return !m_expiring; });
    return true;
}

void CallDeadline::expire(std::unique_lock<std::mutex> &lock)
{
    m_expiring = true;
    lock.unlock();
    m_onExpiry();
    lock.lock();
    m_expiring = false;
    m_expired.notify_all();
}

void CallDeadline::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        std::int64_t startedAt = m_startedAt.load();
        if (startedAt == kCut) {
            // Cut off and still running: cut again a little later.
            expire(lock);
            m_wake.wait_for(lock, kCutAgain);
            continue;
        }
        if (startedAt != kIdle) {
            const Clock::time_point deadline = timeOf(startedAt) + m_limit;
            if (Clock::now() < deadline) {
                // Another call may begin and end meanwhile: its start is
                // later, so its deadline is too, and it is read on waking.
                m_wake.wait_until(lock, deadline);
            } else if (m_startedAt.compare_exchange_strong(startedAt, kCut)) {
                expire(lock);
                m_wake.wait_for(lock, kCutAgain);
            }
            continue;
        }
        // Nothing to watch: sleep until a call begins.
        m_sleeping.store(true);
        m_wake.wait(lock, [this] { return m_stop || m_startedAt.load() != kIdle; });
        m_sleeping.store(false);
    }
}

} // namespace db
