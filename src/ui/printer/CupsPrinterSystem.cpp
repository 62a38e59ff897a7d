#include "ui/printer/CupsPrinterSystem.h"

#include "ui/printer/CupsConnection.h"
#include "ui/printer/CupsPaperMapping.h"
#include "ui/printer/CupsStateMapping.h"
#include "ui/printer/PrinterConstants.h"

#include <cups/cups.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace ui::printer {

namespace {

// All destinations as the user sees them, read on `connection`: the
// server's queues with their attributes, and the user's instances and
// options (lpoptions); changed in memory and written back as the user's
// defaults.
struct AllDestinations
{
    cups_dest_t *dests = nullptr;
    int count = 0;
    // Whether the server told them; a server without queues tells none.
    bool read = false;

    explicit AllDestinations(const CupsConnection &connection)
    {
        if (!connection.http())
            return;
        count = cupsGetDests2(connection.http(), &dests);
        const ipp_status_t error = cupsLastError();
        read = count > 0 || error <= IPP_STATUS_OK_EVENTS_COMPLETE
            || error == IPP_STATUS_ERROR_NOT_FOUND;
    }
    ~AllDestinations() { cupsFreeDests(count, dests); }
    AllDestinations(const AllDestinations &) = delete;
    AllDestinations &operator=(const AllDestinations &) = delete;

    // The destination listed under `name` ("QUEUE" or "QUEUE/INSTANCE"),
    // found as the server's own look-up finds it; none for any other name,
    // such as an instance nobody made.
    cups_dest_t *find(const QString &name) const;
    bool save(const CupsConnection &connection) const
    {
        return connection.http() && cupsSetDests2(connection.http(), count, dests) == 0;
    }
};

// A destination's name as the service lists it: the queue, and after a
// slash the instance of the user's own, if any.
QString nameOf(const cups_dest_t &dest)
{
    QString name = QString::fromUtf8(dest.name);
    if (dest.instance)
        name += u'/' + QString::fromUtf8(dest.instance);
    return name;
}

// The print server compares the names of queues and instances without
// regard to case (lpstat -p KELVARO_A finds kelvaro_a), and so does the
// client library's look-up of a destination, which this is. A queue's name
// holds no slash, so the first one, if any, begins the instance.
cups_dest_t *AllDestinations::find(const QString &name) const
{
    const qsizetype slash = name.indexOf(u'/');
    const QByteArray queue = (slash < 0 ? name : name.left(slash)).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1).toUtf8();
    // No queue would ask for the default destination; an empty instance
    // names none.
    if (queue.isEmpty() || (slash >= 0 && instance.isEmpty()))
        return nullptr;
    return cupsGetDest(queue.constData(), slash < 0 ? nullptr : instance.constData(), count, dests);
}

std::optional<QString> option(const cups_dest_t *dest, const char *key)
{
    const char *value = cupsGetOption(key, dest->num_options, dest->options);
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value);
}

// The orientation as the destination's options record it, in either of the
// print server's ways. A "landscape" option (as `lpoptions -o landscape`
// writes it) that is not false, no or off is landscape: the server's own
// filters read it first. Otherwise "orientation-requested" tells: 4
// (landscape) and 5 (reverse landscape) are landscape; 3 (portrait), 6
// (reverse portrait) and no value at all are upright.
int orientationOf(const cups_dest_t &dest)
{
    if (const char *landscape = cupsGetOption("landscape", dest.num_options, dest.options)) {
        const QByteArray value = QByteArray(landscape).toLower();
        if (value != "false" && value != "no" && value != "off")
            return orientation::kLandscape;
    }
    const QByteArray requested(
        cupsGetOption("orientation-requested", dest.num_options, dest.options));
    return requested == "4" || requested == "5" ? orientation::kLandscape : orientation::kPortrait;
}

// Makes the destination's options say `value` (ui::printer::orientation):
// "orientation-requested", and a "landscape" option where there is one,
// which would otherwise outweigh it.
void setOrientationOf(cups_dest_t &dest, int value)
{
    const bool landscape = value == orientation::kLandscape;
    dest.num_options = cupsAddOption(
        "orientation-requested", landscape ? "4" : "3", dest.num_options, &dest.options);
    if (cupsGetOption("landscape", dest.num_options, dest.options)) {
        dest.num_options = cupsAddOption(
            "landscape", landscape ? "true" : "false", dest.num_options, &dest.options);
    }
}

} // namespace

std::optional<QStringList> CupsPrinterSystem::printerNames() const
{
    const CupsConnection connection;
    const AllDestinations all(connection);
    if (!all.read)
        return std::nullopt;
    QStringList names;
    for (int i = 0; i < all.count; ++i)
        names.append(nameOf(all.dests[i]));
    return names;
}

std::optional<QString> CupsPrinterSystem::defaultPrinterName() const
{
    const CupsConnection connection;
    const AllDestinations all(connection);
    if (!all.read)
        return std::nullopt;
    for (int i = 0; i < all.count; ++i) {
        if (all.dests[i].is_default)
            return nameOf(all.dests[i]);
    }
    return QString();
}

std::optional<PrinterSystem::Details> CupsPrinterSystem::printer(const QString &name) const
{
    const CupsConnection connection;
    const AllDestinations all(connection);
    const cups_dest_t *dest = all.find(name);
    if (!dest)
        return std::nullopt;

    Details details;
    details.driver = option(dest, "printer-make-and-model");
    details.port = option(dest, "device-uri");
    if (const std::optional<QString> state = option(dest, "printer-state")) {
        const QByteArray reasons
            = option(dest, "printer-state-reasons").value_or(QString()).toUtf8();
        details.status = CupsStateMapping::statusWord(state->toInt(), reasons.toStdString());
    }
    if (const std::optional<QString> type = option(dest, "printer-type")) {
        const bool shared = option(dest, "printer-is-shared") == u"true"_s;
        details.attributes
            = CupsStateMapping::attributeWord(dest->is_default != 0, shared, type->toUInt());
    }
    return details;
}

std::vector<int> CupsPrinterSystem::paperCodes(const QString &name) const
{
    std::vector<int> codes;
    const CupsConnection connection;
    const AllDestinations all(connection);
    const cups_dest_t *dest = all.find(name);
    if (!dest)
        return codes;
    const CupsPaperMapping::OfferedMedia offered(connection, *dest);
    const auto add = [&codes](int code) {
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    };
    bool userSizes = offered.customSizes;
    for (const CupsPaperMapping::OfferedMedia::Medium &medium : offered.media) {
        if (medium.paper.code != paper::kUser)
            add(medium.paper.code);
        else
            userSizes = true;
    }
    if (userSizes)
        add(paper::kUser);
    return codes;
}

// The user's paper as the print server works it out: a "PageSize" option
// outweighs "media" (the client library marks a printer description's size
// from media only where no PageSize is given, and the server derives a
// PageSize from media only for a job without one), and a PageSize that names
// no size of the printer's leaves the queue's own default, whatever media
// says. Without either, the queue's media-default.
std::optional<PrinterSystem::Paper> CupsPrinterSystem::defaultPaper(const QString &name) const
{
    const CupsConnection connection;
    const AllDestinations all(connection);
    const cups_dest_t *dest = all.find(name);
    if (!dest)
        return std::nullopt;
    const QByteArray pageSize(cupsGetOption("PageSize", dest->num_options, dest->options));
    if (!pageSize.isEmpty()) {
        if (const std::optional<Paper> paper
            = CupsPaperMapping::paperOfPageSize(connection, *dest, pageSize))
            return paper;
        return CupsPaperMapping::mediaDefault(connection, *dest);
    }
    if (const char *media = cupsGetOption("media", dest->num_options, dest->options))
        return CupsPaperMapping::paperOfMediaOption(connection, *dest, media);
    return CupsPaperMapping::mediaDefault(connection, *dest);
}

std::optional<int> CupsPrinterSystem::defaultOrientation(const QString &name) const
{
    const CupsConnection connection;
    const AllDestinations all(connection);
    const cups_dest_t *dest = all.find(name);
    if (!dest)
        return std::nullopt;
    return orientationOf(*dest);
}

// Everything is checked before anything changes; the options are then
// changed in memory and written back at once, so that a change the server
// refuses leaves the user's defaults as they were.
bool CupsPrinterSystem::apply(const QString &name, const Change &change)
{
    if (change.orientation && *change.orientation != orientation::kPortrait
        && *change.orientation != orientation::kLandscape)
        return false;
    const CupsConnection connection;
    AllDestinations all(connection);
    cups_dest_t *dest = all.find(name);
    if (!dest)
        return false;
    QByteArray media;
    if (change.paper) {
        media = CupsPaperMapping::mediaFor(
            connection, *dest, CupsPaperMapping::OfferedMedia(connection, *dest), *change.paper);
        if (media.isEmpty())
            return false;
    }

    if (!media.isEmpty()) {
        dest->num_options
            = cupsAddOption("media", media.constData(), dest->num_options, &dest->options);
        // A PageSize of the user's would outweigh the new media.
        dest->num_options = cupsRemoveOption("PageSize", dest->num_options, &dest->options);
    }
    if (change.orientation)
        setOrientationOf(*dest, *change.orientation);
    if (change.makeDefault) {
        for (int i = 0; i < all.count; ++i)
            all.dests[i].is_default = 0;
        dest->is_default = 1;
    }
    if (!change.paper && !change.orientation && !change.makeDefault)
        return true;
    return all.save(connection);
}

} // namespace ui::printer
