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
// thread (the transaction shuts the connection's sockets down, so that the
// driver's wait for the server ends in an error and the call returns). The
// calls themselves stay on the caller's thread, with every handle where the
// driver expects it.
//
// Marking a call costs the caller two atomic stores and a clock read: the
// thread is not woken for each call. After a while without calls it
// sleeps until the next call wakes it.
class CallDeadline
{
public:
    CallDeadline(std::chrono::milliseconds limit, std::function<void()> onExpiry);
    ~CallDeadline();
    CallDeadline(const CallDeadline &) = delete;
    CallDeadline &operator=(const CallDeadline &) = delete;

    // Marks one call from its construction to its end.
    class Call
    {
    public:
        explicit Call(CallDeadline *deadline);
        ~Call();
        Call(const Call &) = delete;
        Call &operator=(const Call &) = delete;

    private:
        CallDeadline *m_deadline;
    };

    void begin();
    void end();
    // Whether the call begun last ran past the limit (onExpiry has run for
    // it). Read it on the calling thread, after the call has returned.
    bool expired() const;

    std::chrono::milliseconds limit() const { return m_limit; }

private:
    void watch();

    const std::chrono::milliseconds m_limit;
    const std::function<void()> m_onExpiry;

    // The running call: its number and its start (steady clock, in
    // nanoseconds; 0 while no call runs). Written by the calling thread only.
    std::atomic<std::uint64_t> m_call { 0 };
    std::atomic<std::int64_t> m_startedAt { 0 };
    // The number of the last call that ran past the limit.
    std::atomic<std::uint64_t> m_expiredCall { ~std::uint64_t(0) };
    // The watching thread sleeps without a time limit: a new call wakes it.
    std::atomic<bool> m_sleeping { false };

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace db
