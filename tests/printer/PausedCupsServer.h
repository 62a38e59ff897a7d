#pragma once

#include "CupsTestServer.h"

#include <QFile>
#include <QProcess>

#include <signal.h>
#include <sys/types.h>

namespace support {

// Stops the throwaway print server (SIGSTOP) for as long as it lives: the
// server still accepts connections but answers none, as one that hangs or
// a remote one that cannot be reached. The destructor lets it run on again
// (SIGCONT) whichever way the test leaves; a watchdog process does so after
// a minute should the test process itself be killed first.
class PausedCupsServer
{
public:
    PausedCupsServer()
    {
        QFile pidFile(CupsTestServer::folder() + QStringLiteral("/run/cupsd.pid"));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        bool isNumber = false;
        const pid_t server = pidFile.readAll().trimmed().toInt(&isNumber);
        if (!isNumber || server <= 1)
            return;
        // The watchdog holds none of the test's output channels, which
        // CTest reads until the last holder has closed them; ended early,
        // it ends its sleep with it.
        QProcess watchdog;
        watchdog.setProgram(QStringLiteral("sh"));
        watchdog.setArguments({ QStringLiteral("-c"),
            QStringLiteral("sleep 60 & s=$!; trap 'kill $s; exit' TERM; wait $s; kill -CONT %1")
                .arg(server) });
        watchdog.setStandardInputFile(QProcess::nullDevice());
        watchdog.setStandardOutputFile(QProcess::nullDevice());
        watchdog.setStandardErrorFile(QProcess::nullDevice());
        if (!watchdog.startDetached(&m_watchdog))
            return;
        if (::kill(server, SIGSTOP) == 0)
            m_server = server;
    }

    ~PausedCupsServer()
    {
        if (m_server > 0)
            ::kill(m_server, SIGCONT);
        if (m_watchdog > 0)
            ::kill(static_cast<pid_t>(m_watchdog), SIGTERM);
    }

    PausedCupsServer(const PausedCupsServer &) = delete;
    PausedCupsServer &operator=(const PausedCupsServer &) = delete;

    bool isPaused() const { return m_server > 0; }

private:
    pid_t m_server = 0;
    qint64 m_watchdog = 0;
};

} // namespace support
