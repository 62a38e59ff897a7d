#pragma once

#include <sys/types.h>

#include <vector>

namespace db {

// The sockets on which this process talks to database servers: TCP
// connections, and local connections to a PostgreSQL server's socket
// (".s.PGSQL.<port>", in a folder or in the abstract namespace, "@folder").
//
// A driver keeps its socket to itself, so the connection's sockets are
// found by looking: the server sockets that appear while the driver
// connects are its connection's (openedSince()). That holds only while
// nothing else in the process opens a server socket at that moment:
// Connection makes one connection at a time in the whole process, and the
// program's other threads (the call deadline's, the toolkit's) open none.
// A connect abandoned at the call limit goes on in the background and
// could still open a socket during a later connect; it has not reached its
// server by then, and its socket is shut down when it fails. A connection
// whose sockets cannot be found that way (a driver that talks to its
// server over something else) says so in the program's log: its calls are
// bounded by the driver's own limits only, its connect still by the call
// limit.
//
// shutDown() ends the traffic on them (shutdown(2), the descriptors stay
// open and the driver's own): a driver that waits for its server then sees
// the connection ended, fails its call, and frees its handles as it always
// does. A socket is only shut down while it is still the one recorded (the
// same inode on the same descriptor).
class ServerSockets
{
public:
    // The server sockets open in this process now; with `anyState`, also
    // those not (yet) connected (a connect under way), of any kind.
    static ServerSockets ofProcess(bool anyState = false);

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
