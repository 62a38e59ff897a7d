#pragma once

#include <sys/types.h>

#include <vector>

namespace db {

// The sockets on which this process talks to database servers: TCP
// connections, and local connections to a PostgreSQL server's socket file
// (".s.PGSQL.<port>"). A driver keeps its socket to itself; the sockets that
// appear while it connects are its connection's (openedSince()).
//
// shutDown() ends the traffic on them (shutdown(2), the descriptors stay
// open and the driver's own): a driver that waits for its server then sees
// the connection ended, fails its call, and frees its handles as it always
// does. A socket is only shut down while it is still the one recorded (the
// same inode on the same descriptor).
class ServerSockets
{
public:
    // The server sockets open in this process now.
    static ServerSockets ofProcess();

    // Those of this set that `before` did not hold.
    ServerSockets openedSince(const ServerSockets &before) const;

    bool empty() const { return m_sockets.empty(); }
    std::size_t size() const { return m_sockets.size(); }

    void shutDown() const noexcept;

private:
    struct Socket
    {
        int descriptor;
        dev_t device;
        ino_t inode;
        bool operator==(const Socket &) const = default;
    };

    std::vector<Socket> m_sockets;
};

} // namespace db
