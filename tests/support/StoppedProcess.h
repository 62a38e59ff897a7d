#pragma once

// StoppedProcess: a process stopped with SIGSTOP, as a server that stops
// answering while its kernel keeps the connections (the machine is busy
// swapping, a debugger holds it). It gets SIGCONT when the test lets it go,
// when this object goes, and at the latest after `atMost` from a thread of
// its own, so that a test of a call that would wait for it without end
// fails on the time the call took instead of hanging.

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace support {

class StoppedProcess
{
public:
    StoppedProcess() = default;
    ~StoppedProcess() { resume(); }
    StoppedProcess(const StoppedProcess &) = delete;
    StoppedProcess &operator=(const StoppedProcess &) = delete;

    // False with errno set when the process cannot be stopped (EPERM: it is
    // another user's and this is not root).
    bool stop(pid_t pid, std::chrono::seconds atMost);
    void resume();

private:
    pid_t m_pid = 0;
    std::mutex m_mutex;
    std::condition_variable m_resumed;
    bool m_done = false;
    std::thread m_guard;
};

} // namespace support
