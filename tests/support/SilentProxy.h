#pragma once

// SilentProxy: the test's PostgreSQL cluster behind a relay that goes
// silent when the program sends one chosen query (kelvaro_silent_proxy,
// silent_proxy.cpp): `Request` passes nothing on from that query, `Reply`
// passes the query on and nothing back. Connect through port(); the relay
// ends with this object.

#include <QProcess>
#include <QString>

namespace support {

class SilentProxy
{
public:
    enum class Silence { Request, Reply };

    SilentProxy() = default;
    ~SilentProxy();
    SilentProxy(const SilentProxy &) = delete;
    SilentProxy &operator=(const SilentProxy &) = delete;

    // Starts the relay to the cluster's port; false if it did not start.
    // With `after`, the relay waits for the query only once the program has
    // sent that text (the read of one table, say).
    bool start(Silence silence, const QString &query, const QString &after = {});
    int port() const { return m_port; }

private:
    QProcess m_process;
    int m_port = 0;
};

} // namespace support
