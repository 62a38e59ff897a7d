#include "ui/printer/CupsPrinterSystem.h"

#include "ui/printer/CupsStateMapping.h"
#include "ui/printer/PrinterConstants.h"

#include <QPageSize>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <cups/cups.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace ui::printer {

namespace {

// A printer's name as the toolkit lists it: the queue, and after a slash
// the instance of the user's own, if any.
struct DestinationName
{
    QByteArray queue;
    QByteArray instance;

    explicit DestinationName(const QString &name)
    {
        const qsizetype slash = name.indexOf(u'/');
        queue = (slash < 0 ? name : name.left(slash)).toUtf8();
        if (slash >= 0)
            instance = name.mid(slash + 1).toUtf8();
    }
    const char *instanceOrNull() const
    {
        return instance.isEmpty() ? nullptr : instance.constData();
    }
};

struct FreeOneDestination
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using OneDestination = std::unique_ptr<cups_dest_t, FreeOneDestination>;

// One destination with its options as the user sees it: the server's
// attributes and the user's own lpoptions. Empty when the server does not
// know it or cannot be reached.
OneDestination namedDestination(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    const DestinationName parts(name);
    return OneDestination(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, parts.queue.constData(), parts.instanceOrNull()));
}

std::optional<QString> option(const cups_dest_t *dest, const char *key)
{
    const char *value = cupsGetOption(key, dest->num_options, dest->options);
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value);
}

// All destinations, changed in memory and written back as the user's
// defaults.
struct AllDestinations
{
    cups_dest_t *dests = nullptr;
    int count = 0;

    AllDestinations() { count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests); }
    ~AllDestinations() { cupsFreeDests(count, dests); }
    AllDestinations(const AllDestinations &) = delete;
    AllDestinations &operator=(const AllDestinations &) = delete;

    cups_dest_t *find(const QString &name) const
    {
        const DestinationName parts(name);
        return cupsGetDest(parts.queue.constData(), parts.instanceOrNull(), count, dests);
    }
    bool save() const { return cupsSetDests2(CUPS_HTTP_DEFAULT, count, dests) == 0; }
};

bool writeOption(const QString &name, const char *key, const QByteArray &value)
{
    AllDestinations all;
    cups_dest_t *dest = all.find(name);
    if (!dest)
        return false;
    dest->num_options = cupsAddOption(key, value.constData(), dest->num_options, &dest->options);
    return all.save();
}

int tenths(qreal millimetres)
{
    return qRound(millimetres * 10);
}

PrinterSystem::Paper paperOf(const QPageSize &size)
{
    const QSizeF millimetres = size.size(QPageSize::Millimeter);
    return { size.windowsId(), tenths(millimetres.width()), tenths(millimetres.height()) };
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
    return PrinterSystem::Paper { paper::user, width, length };
}

constexpr const char *kOrientationPortrait = "3";
constexpr const char *kOrientationLandscape = "4";
constexpr const char *kOrientationReverseLandscape = "5";

} // namespace

std::optional<QStringList> CupsPrinterSystem::printerNames() const
{
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.isEmpty())
        return names;
    // The toolkit lists none: tell a server without printers from one that
    // cannot be reached, and list the server's destinations should the
    // toolkit have no access to the server at all.
    AllDestinations all;
    if (all.count == 0) {
        const ipp_status_t error = cupsLastError();
        if (error > IPP_STATUS_OK_EVENTS_COMPLETE && error != IPP_STATUS_ERROR_NOT_FOUND)
            return std::nullopt;
        return QStringList();
    }
    QStringList fromServer;
    for (int i = 0; i < all.count; ++i) {
        QString name = QString::fromUtf8(all.dests[i].name);
        if (all.dests[i].instance)
            name += u'/' + QString::fromUtf8(all.dests[i].instance);
        fromServer.append(name);
    }
    return fromServer;
}

QString CupsPrinterSystem::defaultPrinterEntry() const
{
    return QPrinterInfo::defaultPrinterName();
}

std::optional<PrinterSystem::Details> CupsPrinterSystem::printer(const QString &name) const
{
    const OneDestination dest = namedDestination(name);
    if (!dest)
        return std::nullopt;

    Details details;
    if (const std::optional<QString> makeAndModel = option(dest.get(), "printer-make-and-model")) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        details.driver
            = info.isNull() || info.makeAndModel().isEmpty() ? *makeAndModel : info.makeAndModel();
    }
    details.port = option(dest.get(), "device-uri");
    if (const std::optional<QString> state = option(dest.get(), "printer-state")) {
        const QByteArray reasons
            = option(dest.get(), "printer-state-reasons").value_or(QString()).toUtf8();
        details.status = CupsStateMapping::statusWord(state->toInt(), reasons.toStdString());
    }
    if (const std::optional<QString> type = option(dest.get(), "printer-type")) {
        const bool shared = option(dest.get(), "printer-is-shared") == u"true"_s;
        details.attributes = CupsStateMapping::attributeWord(
            defaultPrinterEntry() == name, shared, type->toUInt());
    }
    return details;
}

std::vector<int> CupsPrinterSystem::paperCodes(const QString &name) const
{
    std::vector<int> codes;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return codes;
    const auto add = [&codes](int code) {
        if (code != 0 && std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    };
    for (const QPageSize &size : info.supportedPageSizes())
        add(size.windowsId());
    if (info.supportsCustomPageSizes())
        add(paper::user);
    return codes;
}

std::optional<PrinterSystem::Paper> CupsPrinterSystem::defaultPaper(const QString &name) const
{
    const OneDestination dest = namedDestination(name);
    if (!dest)
        return std::nullopt;
    if (const std::optional<QString> media = option(dest.get(), "media")) {
        if (const std::optional<Paper> custom = customMedia(*media))
            return custom;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    const QPageSize size = info.isNull() ? QPageSize() : info.defaultPageSize();
    if (!size.isValid() || size.windowsId() == 0)
        return std::nullopt;
    return paperOf(size);
}

std::optional<int> CupsPrinterSystem::defaultOrientation(const QString &name) const
{
    const OneDestination dest = namedDestination(name);
    if (!dest || dest->num_options == 0)
        return std::nullopt;
    // Without the option the server prints upright.
    const QByteArray requested
        = option(dest.get(), "orientation-requested").value_or(QString()).toUtf8();
    if (requested == kOrientationLandscape || requested == kOrientationReverseLandscape)
        return orientation::landscape;
    return orientation::portrait;
}

bool CupsPrinterSystem::setDefaultPrinter(const QString &name)
{
    AllDestinations all;
    cups_dest_t *chosen = all.find(name);
    if (!chosen)
        return false;
    for (int i = 0; i < all.count; ++i)
        all.dests[i].is_default = 0;
    chosen->is_default = 1;
    return all.save();
}

bool CupsPrinterSystem::setDefaultPaper(const QString &name, const Paper &paper)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    QByteArray media;
    const QList<QPageSize> sizes = info.supportedPageSizes();
    if (paper.code != paper::user) {
        const auto it = std::find_if(sizes.begin(), sizes.end(),
            [&paper](const QPageSize &size) { return size.windowsId() == paper.code; });
        if (it != sizes.end())
            media = it->key().toUtf8();
    } else if (paper.width > 0 && paper.length > 0) {
        // A size of the printer's own that has no paper code of its own is
        // chosen by its name; any other size as a custom size, if the
        // printer takes those.
        const auto it = std::find_if(sizes.begin(), sizes.end(), [&paper](const QPageSize &size) {
            const Paper own = paperOf(size);
            return own.width == paper.width && own.length == paper.length;
        });
        if (it != sizes.end())
            media = it->key().toUtf8();
        else if (info.supportsCustomPageSizes())
            media = u"Custom.%1x%2mm"_s.arg(paper.width / 10.0).arg(paper.length / 10.0).toUtf8();
    }
    if (media.isEmpty())
        return false;
    return writeOption(name, "media", media);
}

bool CupsPrinterSystem::setDefaultOrientation(const QString &name, int value)
{
    if (value != orientation::portrait && value != orientation::landscape)
        return false;
    return writeOption(name, "orientation-requested",
        value == orientation::landscape ? kOrientationLandscape : kOrientationPortrait);
}

} // namespace ui::printer
