#include "ui/printer/CupsPaperMapping.h"

#include "ui/printer/CupsConnection.h"
#include "ui/printer/CupsPrinterDescription.h"
#include "ui/printer/PrinterConstants.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QSizeF>

#include <memory>

using namespace Qt::StringLiterals;

namespace ui::printer {

namespace {

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

} // namespace

CupsPaperMapping::OfferedMedia::OfferedMedia(
    const CupsConnection &connection, const cups_dest_t &dest)
{
    const IppMessage response = printerAttribute(connection, dest, "media-supported");
    if (!response)
        return;
    ipp_attribute_t *supported = ippFindAttribute(response.get(), "media-supported", IPP_TAG_ZERO);
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
        media.push_back(
            { written, paperOfSize(size->width, size->length), own, size->width, size->length });
    }
    customSizes = customMin && customMax;
}

std::optional<PrinterSystem::Paper> CupsPaperMapping::mediaDefault(
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

std::optional<PrinterSystem::Paper> CupsPaperMapping::paperOfMediaOption(
    const CupsConnection &connection, const cups_dest_t &dest, const QByteArray &media)
{
    if (const std::optional<PrinterSystem::Paper> paper = paperOfName(media))
        return paper;
    return paperOf(CupsPrinterDescription(connection, printerUri(dest)).pageSize(media));
}

std::optional<PrinterSystem::Paper> CupsPaperMapping::paperOfPageSize(
    const CupsConnection &connection, const cups_dest_t &dest, const QByteArray &pageSize)
{
    const CupsPrinterDescription description(connection, printerUri(dest));
    if (description.isValid())
        return paperOf(description.pageSize(pageSize));
    return paperOfName(pageSize);
}

QByteArray CupsPaperMapping::mediaFor(const CupsConnection &connection, const cups_dest_t &dest,
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

} // namespace ui::printer
