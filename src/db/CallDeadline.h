#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace db {

// A deadline on the calls into a driver, kept by a thread of its own: when
// one call has run for longer than the limit, `onExpiry` runs on that
// thread (the connection shuts its sockets down, so that the driver's wait
// for the server ends in an error and the call returns), and again every
// 50 ms for as long as that call still runs. The calls themselves stay on
// the caller's thread, with every handle where the driver expects it.
//
// Marking a call costs the caller an atomic store and an exchange: the
// thread is woken only for a call that begins while it sleeps with nothing
// to watch, and otherwise sleeps until the running call's deadline exactly,
// so that a call is cut off at its limit, not later.
class CallDeadline
{
public:
    CallDeadline(std::chrono::milliseconds limit, std::function<void()> onExpiry);
    ~CallDeadline();
    CallDeadline(const CallDeadline &) = delete;
    CallDeadline &operator=(const CallDeadline &) = delete;

    // Marks one call from begin() to end(). end() says whether the call was
    // cut off; it returns only once onExpiry has finished for it.
    void begin();
    bool end();

    // Whether the running call has been cut off (asked on the calling
    // thread while the call runs, for the failure it has just met).
    bool cutOff() const { return m_startedAt.load() == -1; }

    std::chrono::milliseconds limit() const { return m_limit; }

private:
    void watch();
    // Runs onExpiry with the lock released; end() waits meanwhile.
    void expire(std::unique_lock<std::mutex> &lock);

    const std::chrono::milliseconds m_limit;
    const std::function<void()> m_onExpiry;

    // The running call's start (steady clock, in nanoseconds), 0 while no
    // call runs, kCut once the watching thread has cut it off. The calling
    // thread stores a start and takes it back with an exchange; the watching
    // thread claims an expired call by compare-and-exchange, so that exactly
    // one of them decides whether the call was cut.
    std::atomic<std::int64_t> m_startedAt { 0 };
    // The watching thread sleeps without a time limit: a new call wakes it.
    std::atomic<bool> m_sleeping { false };

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_expired; // onExpiry has finished
    bool m_expiring = false;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace db
