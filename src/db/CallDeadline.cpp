#include "db/CallDeadline.h"

#include <utility>

namespace db {

namespace {

using Clock = std::chrono::steady_clock;

std::int64_t nowTicks()
{
    // Never 0, which stands for "no call".
    const auto ticks
        = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
              .count();
    return ticks == 0 ? 1 : ticks;
}

Clock::time_point timeOf(std::int64_t ticks)
{
    return Clock::time_point(
        std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(ticks)));
}

// How long the watching thread keeps looking once a second after the last
// call before it sleeps until the next one wakes it.
constexpr std::chrono::seconds kLingering { 30 };
constexpr std::chrono::seconds kLookAgain { 1 };

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

CallDeadline::Call::Call(CallDeadline *deadline)
    : m_deadline(deadline)
{
    if (m_deadline)
        m_deadline->begin();
}

CallDeadline::Call::~Call()
{
    if (m_deadline)
        m_deadline->end();
}

void CallDeadline::begin()
{
    m_call.store(m_call.load(std::memory_order_relaxed) + 1);
    m_startedAt.store(nowTicks());
    if (m_sleeping.load()) {
        const std::lock_guard lock(m_mutex);
        m_wake.notify_one();
    }
}

void CallDeadline::end()
{
    m_startedAt.store(0);
}

bool CallDeadline::expired() const
{
    return m_expiredCall.load() == m_call.load();
}

void CallDeadline::watch()
{
    std::unique_lock lock(m_mutex);
    Clock::time_point lastSeen = Clock::now();
    while (!m_stop) {
        // The running call, read consistently: its number before and after
        // its start.
        std::uint64_t call = 0;
        std::int64_t startedAt = 0;
        for (;;) {
            call = m_call.load();
            startedAt = m_startedAt.load();
            if (m_call.load() == call)
                break;
        }
        const Clock::time_point now = Clock::now();
        if (startedAt != 0) {
            lastSeen = now;
            const Clock::time_point deadline = timeOf(startedAt) + m_limit;
            if (now < deadline) {
                m_wake.wait_until(lock, deadline);
            } else if (m_expiredCall.load() != call) {
                m_expiredCall.store(call);
                lock.unlock();
                m_onExpiry();
                lock.lock();
            } else {
                // Cut off already: wait for it to return.
                m_wake.wait_for(lock, kLookAgain);
            }
            continue;
        }
        if (now - lastSeen < kLingering) {
            m_wake.wait_for(lock, kLookAgain);
            continue;
        }
        // Idle: sleep until a call begins. A call that began after the look
        // above sees m_sleeping set and wakes the thread, or is seen here.
        m_sleeping.store(true);
        m_wake.wait(lock, [this] { return m_stop || m_startedAt.load() != 0; });
        m_sleeping.store(false);
        lastSeen = Clock::now();
    }
}

} // namespace db
