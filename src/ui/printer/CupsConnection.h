#pragma once

#include <cups/http.h>

#include <chrono>

namespace ui::printer {

// A connection to the print server that the environment names (CUPS_SERVER,
// client.conf), for the requests of one call of the printer system.
//
// Every wait on the server ends at a deadline set when the connection is
// opened: a server that takes the connection and never answers (one that
// hangs, or a remote one behind a dead link) keeps the caller until
// kTimeout has passed, after which each request on the connection fails as
// one the server did not answer. A request the library sends after that
// (listing the destinations takes two) still costs its own first wait of
// one second, so a call gives up after about kTimeout plus one second. The
// connection is closed when it goes.
class CupsConnection
{
public:
    // How long one call of the printer system may wait on the server.
    static constexpr std::chrono::milliseconds kTimeout { 2000 };

    CupsConnection();
    ~CupsConnection();
    CupsConnection(const CupsConnection &) = delete;
    CupsConnection &operator=(const CupsConnection &) = delete;

    // The connection; nullptr when the server could not be reached in time
    // (never CUPS_HTTP_DEFAULT, the library's own connection without a
    // deadline).
    http_t *http() const { return m_http; }

private:
    static int keepWaiting(http_t *, void *connection);

    std::chrono::steady_clock::time_point m_deadline;
    http_t *m_http = nullptr;
};

} // namespace ui::printer
