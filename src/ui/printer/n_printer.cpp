#include "ui/printer/n_printer.h"

#include "ui/printer/PrinterConstants.h"

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

#include <algorithm>

namespace ui::printer {

namespace {

bool offers(const std::vector<int> &codes, int code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool validOrientation(int value)
{
    return value == orientation::kPortrait || value == orientation::kLandscape;
}

// A paper the printer takes as its default: one of its own codes, and a
// user size only with a width and length.
bool acceptablePaper(const std::vector<int> &codes, const PrinterSystem::Paper &paper)
{
    if (!offers(codes, paper.code))
        return false;
    return paper.code != paper::kUser || (paper.width > 0 && paper.length > 0);
}

bool samePaper(const PrinterSystem::Paper &a, const PrinterSystem::Paper &b)
{
    if (a.code != b.code)
        return false;
    return a.code != paper::kUser || (a.width == b.width && a.length == b.length);
}

// The page size of a paper: the standard size of its code, or its own width
// and length.
QPageSize pageSizeOf(const PrinterSystem::Paper &paper)
{
    const QPageSize standard(QPageSize::id(paper.code));
    if (paper.code != paper::kUser && standard.isValid())
        return standard;
    return QPageSize(
        QSizeF(paper.width / 10.0, paper.length / 10.0), QPageSize::Millimeter, QString());
}

int hundredths(qreal millimetres)
{
    return qRound(millimetres * 100);
}

} // namespace

n_printer::n_printer(PrinterSystem &system)
    : m_system(&system)
{ }

int n_printer::of_getprinterlist(QStringList &printerList) const
{
    const std::optional<QStringList> names = m_system->printerNames();
    if (!names)
        return -1;
    printerList = *names;
    return static_cast<int>(printerList.size());
}

QString n_printer::of_getpbprinter() const
{
    return m_system->defaultPrinterName().value_or(QString());
}

int n_printer::of_direct(const QString &printerName, const QString &data) const
{
    Q_UNUSED(data);
    return m_system->printer(printerName) ? 1 : -1;
}

int n_printer::query(const QString &printerName, int command, QVariant &parameter, int &paperCode,
    int &paperWidth, int &paperLength) const
{
    const std::optional<PrinterSystem::Details> details = m_system->printer(printerName);
    if (!details)
        return -1;

    switch (command) {
    case command::kDriverName:
        if (!details->driver)
            return -1;
        parameter = *details->driver;
        return 1;
    case command::kPortName:
        if (!details->port)
            return -1;
        parameter = *details->port;
        return 1;
    case command::kStatus:
        if (!details->status)
            return -1;
        parameter = QVariant::fromValue(*details->status);
        return 1;
    case command::kAttributes:
        if (!details->attributes)
            return -1;
        parameter = QVariant::fromValue(*details->attributes);
        return 1;
    case command::kPaper:
    case command::kPaperToo: {
        const std::optional<PrinterSystem::Paper> paper = m_system->defaultPaper(printerName);
        if (!paper)
            return -1;
        paperCode = paper->code;
        paperWidth = paper->width;
        paperLength = paper->length;
        return 1;
    }
    case command::kOrientation: {
        const std::optional<int> value = m_system->defaultOrientation(printerName);
        if (!value)
            return -1;
        parameter = *value;
        return 1;
    }
    default:
        return -1;
    }
}

int n_printer::of_printer(const QString &printerName, int command, QVariant &parameter,
    int &paperCode, int &paperWidth, int &paperLength)
{
    switch (command) {
    case command::kDriverName:
    case command::kPortName:
    case command::kStatus:
    case command::kAttributes:
    case command::kPaper:
    case command::kPaperToo:
    case command::kOrientation:
        return query(printerName, command, parameter, paperCode, paperWidth, paperLength);
    default:
        break;
    }

    if (!m_system->printer(printerName))
        return -1;
    switch (command) {
    case command::kSetPaper:
    case command::kSetPaperToo: {
        const PrinterSystem::Paper paper { paperCode, paperWidth, paperLength };
        if (!acceptablePaper(m_system->paperCodes(printerName), paper))
            return -1;
        PrinterSystem::Change change;
        change.paper = paper;
        return m_system->apply(printerName, change) ? 1 : 0;
    }
    case command::kSetOrientation: {
        bool isNumber = false;
        const int value = parameter.toInt(&isNumber);
        if (!isNumber || !validOrientation(value))
            return -1;
        PrinterSystem::Change change;
        change.orientation = value;
        return m_system->apply(printerName, change) ? 1 : 0;
    }
    case command::kMakeDefault: {
        PrinterSystem::Change change;
        change.makeDefault = true;
        return m_system->apply(printerName, change) ? 1 : -1;
    }
    default:
        return -1;
    }
}

QString n_printer::of_getdrivername(const QString &printerName) const
{
    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    if (query(printerName, command::kDriverName, value, paperCode, paperWidth, paperLength) != 1)
        return {};
    return value.toString();
}

QString n_printer::of_getportname(const QString &printerName) const
{
    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    if (query(printerName, command::kPortName, value, paperCode, paperWidth, paperLength) != 1)
        return {};
    return value.toString();
}

qint64 n_printer::of_getattribute(const QString &printerName) const
{
    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    if (query(printerName, command::kAttributes, value, paperCode, paperWidth, paperLength) != 1)
        return -1;
    return value.value<quint32>();
}

qint64 n_printer::of_getstatus(const QString &printerName) const
{
    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    if (query(printerName, command::kStatus, value, paperCode, paperWidth, paperLength) != 1)
        return -1;
    return value.value<quint32>();
}

int n_printer::of_getpapersize(
    const QString &printerName, int &paperCode, int &paperWidth, int &paperLength) const
{
    QVariant unused;
    return query(printerName, command::kPaper, unused, paperCode, paperWidth, paperLength);
}

int n_printer::of_setdefault(const QString &printerName)
{
    QVariant unused;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    return of_printer(
        printerName, command::kMakeDefault, unused, paperCode, paperWidth, paperLength);
}

int n_printer::of_setpapersize(
    const QString &printerName, int paperCode, int paperWidth, int paperLength)
{
    QVariant unused;
    return of_printer(printerName, command::kSetPaper, unused, paperCode, paperWidth, paperLength);
}

// Empty when the printers cannot be read: the dialog would wait on the same
// printer system and show nothing the user could choose from.
std::optional<PrinterDialogService::Request> n_printer::dialogRequest(
    PrinterDialogService::Kind kind, QWidget *owner) const
{
    const std::optional<QString> defaultName = m_system->defaultPrinterName();
    if (!defaultName)
        return std::nullopt;
    PrinterDialogService::Request request;
    request.kind = kind;
    request.owner = owner;
    request.printerName = *defaultName;
    if (!defaultName->isEmpty()) {
        if (const std::optional<PrinterSystem::Paper> paper = m_system->defaultPaper(*defaultName))
            request.pageSize = pageSizeOf(*paper);
        if (m_system->defaultOrientation(*defaultName) == orientation::kLandscape)
            request.orientation = QPageLayout::Landscape;
    }
    return request;
}

int n_printer::of_printsetup(QWidget *owner)
{
    const std::optional<PrinterDialogService::Request> request
        = dialogRequest(PrinterDialogService::Kind::Print, owner);
    if (!request)
        return -1;
    const PrinterDialogService::Answer answer = PrinterDialogService::exec(*request);
    if (!answer.confirmed)
        return -1;
    return applyDialogSettings(request->printerName, answer);
}

int n_printer::of_pagesetup(QWidget *owner, int &left, int &right, int &top, int &bottom)
{
    const std::optional<PrinterDialogService::Request> request
        = dialogRequest(PrinterDialogService::Kind::PageSetup, owner);
    if (!request)
        return -1;
    const PrinterDialogService::Answer answer = PrinterDialogService::exec(*request);
    if (!answer.confirmed)
        return -1;
    const int result = applyDialogSettings(request->printerName, answer);
    const QMarginsF margins = answer.layout.margins(QPageLayout::Millimeter);
    left = hundredths(margins.left());
    right = hundredths(margins.right());
    top = hundredths(margins.top());
    bottom = hundredths(margins.bottom());
    return result;
}

// The chosen printer takes what the user changed in the dialog: the paper
// and orientation where they differ from the printer's defaults, and the
// printer becomes the default printer unless it is already. On the printer
// the dialog was shown on, a default the printer cannot tell (a queue
// without a printer description tells no paper) is the one the dialog
// started with, which it chose itself: left as it was, it is no change
// either. A value left as it was is not written, so that the user's defaults
// do not pin it against later changes on the print server. Everything is
// checked first and the change is applied as one: a choice that cannot be
// applied as a whole is not applied at all.
int n_printer::applyDialogSettings(
    const QString &shownPrinter, const PrinterDialogService::Answer &answer)
{
    const QString &printerName = answer.printerName;
    if (printerName.isEmpty() || !m_system->printer(printerName))
        return kSettingsNotApplied;
    const std::optional<QString> defaultName = m_system->defaultPrinterName();
    if (!defaultName)
        return kSettingsNotApplied;
    DocumentSettings defaults;
    defaults.paper = m_system->defaultPaper(printerName);
    defaults.orientation = m_system->defaultOrientation(printerName);
    if (printerName == shownPrinter) {
        const DocumentSettings shown = DocumentSettings::fromPageLayout(answer.startLayout);
        if (!defaults.paper)
            defaults.paper = shown.paper;
        if (!defaults.orientation && answer.startLayout.isValid())
            defaults.orientation = shown.orientation;
    }
    if (!defaults.orientation)
        return kSettingsNotApplied;

    const DocumentSettings chosen = DocumentSettings::fromPageLayout(answer.layout);
    DocumentSettings changed;
    if (chosen.paper && !(defaults.paper && samePaper(*chosen.paper, *defaults.paper)))
        changed.paper = chosen.paper;
    if (chosen.orientation && *chosen.orientation != *defaults.orientation)
        changed.orientation = chosen.orientation;
    if (!takes(printerName, changed))
        return kSettingsNotApplied;

    PrinterSystem::Change change;
    change.paper = changed.paper;
    change.orientation = changed.orientation;
    change.makeDefault = *defaultName != printerName;
    if (!change.paper && !change.orientation && !change.makeDefault)
        return 1;
    return m_system->apply(printerName, change) ? 1 : kSettingsNotApplied;
}

int n_printer::of_modifyprinter(const QString &printerName, DocumentSettings settings)
{
    if (!m_system->printer(printerName))
        return -1;
    // Every setting is checked before any is written, and they are written
    // as one change, so that a setting the printer does not take leaves all
    // its defaults as they were.
    if (!takes(printerName, settings))
        return 0;
    if (!settings.paper && !settings.orientation)
        return 1;
    PrinterSystem::Change change;
    change.paper = settings.paper;
    change.orientation = settings.orientation;
    return m_system->apply(printerName, change) ? 1 : 0;
}

bool n_printer::takes(const QString &printerName, const DocumentSettings &settings) const
{
    if (settings.paper && !acceptablePaper(m_system->paperCodes(printerName), *settings.paper))
        return false;
    return !settings.orientation || validOrientation(*settings.orientation);
}

QString n_printer::of_getstringfromblob(const QByteArray &source, int offset)
{
    if (offset < 1 || offset > source.size())
        return {};
    const qsizetype start = offset - 1;
    qsizetype end = source.indexOf('\0', start);
    if (end < 0)
        end = source.size();
    return QString::fromLocal8Bit(source.mid(start, end - start));
}

} // namespace ui::printer
