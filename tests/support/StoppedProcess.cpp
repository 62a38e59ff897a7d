#include "support/StoppedProcess.h"

#include <csignal>

namespace support {

bool StoppedProcess::stop(pid_t pid, std::chrono::seconds atMost)
{
    resume();
    if (::kill(pid, SIGSTOP) != 0)
        return false;
    m_pid = pid;
    m_done = false;
    m_guard = std::thread([this, atMost] {
        std::unique_lock lock(m_mutex);
        m_resumed.wait_for(lock, atMost, [this] { return m_done; });
        ::kill(m_pid, SIGCONT);
    });
    return true;
}

void StoppedProcess::resume()
{
    if (!m_guard.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_resumed.notify_all();
    m_guard.join();
    m_pid = 0;
}

} // namespace support
