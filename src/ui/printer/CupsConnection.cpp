#include "ui/printer/CupsConnection.h"

#include <cups/cups.h>

#include <sys/socket.h>

namespace ui::printer {

namespace {
// How long one wait lasts before the deadline is looked at again.
constexpr double kWaitSliceSeconds = 0.1;
} // namespace

CupsConnection::CupsConnection()
    : m_deadline(std::chrono::steady_clock::now() + kTimeout)
{
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
        static_cast<int>(kTimeout.count()), nullptr);
    if (m_http)
        httpSetTimeout(m_http, kWaitSliceSeconds, &CupsConnection::keepWaiting, this);
}

CupsConnection::~CupsConnection()
{
    if (m_http)
        httpClose(m_http);
}

// Called by the library each time a wait of kWaitSliceSeconds ended without
// an answer: go on waiting until the deadline.
int CupsConnection::keepWaiting(http_t *, void *connection)
{
    return std::chrono::steady_clock::now() < static_cast<CupsConnection *>(connection)->m_deadline
        ? 1
        : 0;
}

} // namespace ui::printer
