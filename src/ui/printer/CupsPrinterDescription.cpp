#include "ui/printer/CupsPrinterDescription.h"

#include "ui/printer/CupsConnection.h"

#include <QTemporaryFile>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <cstdlib>

// The client library marks its printer-description reader deprecated in
// favour of the server's attributes, which do not carry the description's
// own size names; it is the reader the library itself resolves a PageSize
// with.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace ui::printer {

namespace {

int hundredths(float points)
{
    return qRound(points * 2540.0 / 72.0);
}

CupsPrinterDescription::Size sizeOf(const ppd_size_t &size)
{
    return { QByteArray(size.name), hundredths(size.width), hundredths(size.length) };
}

} // namespace

CupsPrinterDescription::CupsPrinterDescription(
    const CupsConnection &connection, const char *printerUri)
{
    if (!connection.http() || !printerUri)
        return;
    char scheme[32], user[256], host[256], resource[1024];
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_NONE, printerUri, scheme, sizeof scheme, user, sizeof user,
            host, sizeof host, &port, resource, sizeof resource)
        < HTTP_URI_STATUS_OK)
        return;
    QTemporaryFile file;
    if (!file.open())
        return;
    // The server hands out a queue's description as its resource with
    // ".ppd" added, as /printers/NAME.ppd.
    const QByteArray path = QByteArray(resource) + ".ppd";
    if (cupsGetFd(connection.http(), path.constData(), file.handle()) != HTTP_STATUS_OK)
        return;
    m_ppd = ppdOpenFile(QFile::encodeName(file.fileName()).constData());
}

CupsPrinterDescription::~CupsPrinterDescription()
{
    if (m_ppd)
        ppdClose(m_ppd);
}

std::optional<CupsPrinterDescription::Size> CupsPrinterDescription::pageSize(
    const QByteArray &name) const
{
    if (!m_ppd || name.isEmpty())
        return std::nullopt;
    const ppd_size_t *size = ppdPageSize(m_ppd, name.constData());
    if (!size || size->width <= 0 || size->length <= 0)
        return std::nullopt;
    return sizeOf(*size);
}

std::vector<CupsPrinterDescription::Size> CupsPrinterDescription::sizes() const
{
    std::vector<Size> sizes;
    if (!m_ppd)
        return sizes;
    for (int i = 0; i < m_ppd->num_sizes; ++i) {
        const ppd_size_t &size = m_ppd->sizes[i];
        if (qstricmp(size.name, "Custom") != 0 && size.width > 0 && size.length > 0)
            sizes.push_back(sizeOf(size));
    }
    return sizes;
}

std::optional<CupsPrinterDescription::Size> CupsPrinterDescription::sizeNear(
    int width, int length) const
{
    constexpr int kMillimetre = 100;
    std::optional<Size> nearest;
    int nearestDistance = 0;
    for (const Size &size : sizes()) {
        const int distance = std::abs(size.width - width) + std::abs(size.length - length);
        if (std::abs(size.width - width) <= kMillimetre
            && std::abs(size.length - length) <= kMillimetre
            && (!nearest || distance < nearestDistance)) {
            nearest = size;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace ui::printer

#pragma GCC diagnostic pop
