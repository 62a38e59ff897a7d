#include "ui/printer/CupsPrinterSystem.h"

#include "ui/printer/CupsConnection.h"
#include "ui/printer/CupsPrinterDescription.h"
#include "ui/printer/CupsStateMapping.h"
#include "ui/printer/PrinterConstants.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QSizeF>

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

struct FreeIpp
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, FreeIpp>;

const char *printerUri(const cups_dest_t &dest)
{
    return cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
}

// The printer attribute `name` of the destination's queue as the server
// tells it; empty when the server does not answer.
IppMessage printerAttribute(
    const CupsConnection &connection, const cups_dest_t &dest, const char *name)
{
    const char *uri = printerUri(dest);
    if (!connection.http() || !uri)
        return nullptr;
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, name);
    IppMessage response(cupsDoRequest(connection.http(), request, "/"));
    if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return nullptr;
    return response;
}

int tenths(qreal millimetres)
{
    return qRound(millimetres * 10);
}

// A paper of `width` by `length` hundredths of a millimetre: the paper code
// of that standard size, with the standard's own width and length (a
// printer description gives A4 in whole points, 209.9 x 297.0 mm), or
// paper::kUser for a size without one.
PrinterSystem::Paper paperOfSize(int width, int length)
{
    const QPageSize size(QSizeF(width / 100.0, length / 100.0), QPageSize::Millimeter, QString(),
        QPageSize::FuzzyMatch);
    const int code = size.windowsId();
    if (code == 0 || code == paper::kUser)
        return { paper::kUser, qRound(width / 10.0), qRound(length / 10.0) };
    const QSizeF standard = size.size(QPageSize::Millimeter);
    return { code, tenths(standard.width()), tenths(standard.height()) };
}

// A size of the user's own in the "media" option: "Custom.WIDTHxLENGTH"
// with a unit (mm, cm, in, or points without one).
std::optional<PrinterSystem::Paper> customMedia(const QString &media)
{
    static const QRegularExpression pattern(
        u"^Custom\\.([0-9]+(?:\\.[0-9]*)?)x([0-9]+(?:\\.[0-9]*)?)(mm|cm|in|pt)?$"_s);
    const QRegularExpressionMatch match = pattern.match(media);
    if (!match.hasMatch())
        return std::nullopt;
    const QString unit = match.captured(3);
    const qreal perUnit = unit == u"mm"_s ? 1.0
        : unit == u"cm"_s                 ? 10.0
        : unit == u"in"_s                 ? 25.4
                                          : 25.4 / 72.0;
    const int width = tenths(match.captured(1).toDouble() * perUnit);
    const int length = tenths(match.captured(2).toDouble() * perUnit);
    if (width <= 0 || length <= 0)
        return std::nullopt;
    return PrinterSystem::Paper { paper::kUser, width, length };
}

// The size a media name stands for: a size of the user's own, or one of
// the server's media names (the self-describing ones as in
// "iso_a4_210x297mm", the printer-description ones as in "A4", or the
// older ones as in "a4").
const pwg_media_t *mediaSize(const QByteArray &media)
{
    const pwg_media_t *size = pwgMediaForPWG(media.constData());
    if (!size)
        size = pwgMediaForPPD(media.constData());
    if (!size)
        size = pwgMediaForLegacy(media.constData());
    return size && size->width > 0 && size->length > 0 ? size : nullptr;
}

// The paper a media name stands for by itself: a size of the user's own or
// one of the server's media names.
std::optional<PrinterSystem::Paper> paperOfName(const QByteArray &media)
{
    if (const std::optional<PrinterSystem::Paper> custom = customMedia(QString::fromUtf8(media)))
        return custom;
    const pwg_media_t *size = mediaSize(media);
    if (!size)
        return std::nullopt;
    return paperOfSize(size->width, size->length);
}

std::optional<PrinterSystem::Paper> paperOf(const std::optional<CupsPrinterDescription::Size> &size)
{
    if (!size)
        return std::nullopt;
    return paperOfSize(size->width, size->length);
}

// The queue's own default paper, its media-default; empty when the server
// does not answer or tells none (a raw queue).
std::optional<PrinterSystem::Paper> mediaDefault(
    const CupsConnection &connection, const cups_dest_t &dest)
{
    const IppMessage response = printerAttribute(connection, dest, "media-default");
    if (!response)
        return std::nullopt;
    ipp_attribute_t *media = ippFindAttribute(response.get(), "media-default", IPP_TAG_ZERO);
    const char *value = media ? ippGetString(media, 0, nullptr) : nullptr;
    if (!value)
        return std::nullopt;
    return paperOfName(value);
}

// The paper of the user's "media" option: the size its name stands for by
// itself, else a size of the printer description by the description's own
// name (media=Ticket), which the client library takes as that size too.
std::optional<PrinterSystem::Paper> paperOfMediaOption(
    const CupsConnection &connection, const cups_dest_t &dest, const QByteArray &media)
{
    if (const std::optional<PrinterSystem::Paper> paper = paperOfName(media))
        return paper;
    return paperOf(CupsPrinterDescription(connection, printerUri(dest)).pageSize(media));
}

// The paper of the user's "PageSize" option, a size of the printer
// description: on a queue with one, the size the client library finds in it
// for the name, and none for a name it has no size of, as the server's
// filters find none; on a queue without one, the size its name stands for
// by itself.
std::optional<PrinterSystem::Paper> paperOfPageSize(
    const CupsConnection &connection, const cups_dest_t &dest, const QByteArray &pageSize)
{
    const CupsPrinterDescription description(connection, printerUri(dest));
    if (description.isValid())
        return paperOf(description.pageSize(pageSize));
    return paperOfName(pageSize);
}

// The media the queue offers (its media-supported), each with its paper, in
// the server's order; whether it takes sizes of the caller's own. None when
// the server does not answer.
struct OfferedMedia
{
    struct Medium
    {
        // The name to write into the "media" option; for a size of the
        // printer's own, the server's name for it.
        QByteArray written;
        PrinterSystem::Paper paper;
        // A size of the printer description without a standard name, which
        // the server names custom_NAME_WIDTHxLENGTH; its width and length in
        // hundredths of a millimetre.
        bool printersOwn = false;
        int width = 0;
        int length = 0;
    };
    std::vector<Medium> media;
    bool customSizes = false;

    OfferedMedia(const CupsConnection &connection, const cups_dest_t &dest)
    {
        const IppMessage response = printerAttribute(connection, dest, "media-supported");
        if (!response)
            return;
        ipp_attribute_t *supported
            = ippFindAttribute(response.get(), "media-supported", IPP_TAG_ZERO);
        bool customMin = false, customMax = false;
        for (int i = 0; i < ippGetCount(supported); ++i) {
            const QByteArray name(ippGetString(supported, i, nullptr));
            const bool minimum = name.startsWith("custom_min_");
            const bool maximum = name.startsWith("custom_max_");
            customMin = customMin || minimum;
            customMax = customMax || maximum;
            const pwg_media_t *size = mediaSize(name);
            if (!size || minimum || maximum)
                continue;
            const bool own = name.startsWith("custom_");
            // Written as "lpoptions -o media=A4" writes it where the size
            // has a printer-description name.
            const QByteArray written = !own && size->ppd ? QByteArray(size->ppd) : name;
            media.push_back({ written, paperOfSize(size->width, size->length), own, size->width,
                size->length });
        }
        customSizes = customMin && customMax;
    }
};

// How far a size of the caller's own is from the `offered` paper, in tenths
// of a millimetre; -1 unless it is that paper: the same width and length,
// give or take the toolkit's rounding of a printer's sizes to whole points
// (a fifth of a millimetre).
int userSizeDistance(const PrinterSystem::Paper &offered, const PrinterSystem::Paper &paper)
{
    const int width = std::abs(offered.width - paper.width);
    const int length = std::abs(offered.length - paper.length);
    return width <= 2 && length <= 2 ? width + length : -1;
}

// The value of the "media" option that makes `paper` the default: a paper
// with a code of its own is chosen by that code; a size of the caller's own
// by the printer's paper of that width and length, else as a custom size,
// if the printer takes those. A size of the printer's own is written by the
// printer description's own name for it (as `lpoptions -o media=Ticket`
// writes it), or by the server's name where the description cannot be read.
// Empty when the printer does not take the paper.
QByteArray mediaFor(const CupsConnection &connection, const cups_dest_t &dest,
    const OfferedMedia &offered, const PrinterSystem::Paper &paper)
{
    const bool userSize = paper.code == paper::kUser;
    if (userSize && (paper.width <= 0 || paper.length <= 0))
        return {};
    const OfferedMedia::Medium *chosen = nullptr;
    int chosenDistance = 0;
    for (const OfferedMedia::Medium &medium : offered.media) {
        const int distance = userSize         ? userSizeDistance(medium.paper, paper)
            : medium.paper.code == paper.code ? 0
                                              : -1;
        if (distance >= 0 && (!chosen || distance < chosenDistance)) {
            chosen = &medium;
            chosenDistance = distance;
        }
    }
    if (chosen && !chosen->printersOwn)
        return chosen->written;
    if (chosen) {
        const std::optional<CupsPrinterDescription::Size> own
            = CupsPrinterDescription(connection, printerUri(dest))
                  .sizeNear(chosen->width, chosen->length);
        return own ? own->name : chosen->written;
    }
    if (userSize && offered.customSizes)
        return u"Custom.%1x%2mm"_s.arg(paper.width / 10.0).arg(paper.length / 10.0).toUtf8();
    return {};
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
    const OfferedMedia offered(connection, *dest);
    const auto add = [&codes](int code) {
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    };
    bool userSizes = offered.customSizes;
    for (const OfferedMedia::Medium &medium : offered.media) {
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
        if (const std::optional<Paper> paper = paperOfPageSize(connection, *dest, pageSize))
            return paper;
        return mediaDefault(connection, *dest);
    }
    if (const char *media = cupsGetOption("media", dest->num_options, dest->options))
        return paperOfMediaOption(connection, *dest, media);
    return mediaDefault(connection, *dest);
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
        media = mediaFor(connection, *dest, OfferedMedia(connection, *dest), *change.paper);
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
