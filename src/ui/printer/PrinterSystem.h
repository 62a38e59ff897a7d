#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace ui::printer {

// The printer system as the printer service sees it: the printers, the
// default one, what each printer tells about itself, and the few defaults
// the service may change. Every value is read fresh on each call; nothing
// is held between calls.
//
// A value that the system cannot tell (a printer that reports no driver, no
// port or no default paper, or a system that does not answer) comes back
// empty, so that the service can answer with its failure value instead of a
// made-up one or one that means "there is none".
class PrinterSystem
{
public:
    // A paper size: its paper code (ui::printer::paper) and its width and
    // length in tenths of a millimetre, upright.
    struct Paper
    {
        int code = 0;
        int width = 0;
        int length = 0;
        bool operator==(const Paper &) const = default;
    };

    // What a printer tells about itself.
    struct Details
    {
        std::optional<QString> driver;
        std::optional<QString> port;
        // The status word (bits of ui::printer::status), 0 when it is idle.
        std::optional<quint32> status;
        // The attribute word (bits of ui::printer::attribute).
        std::optional<quint32> attributes;
    };

    // A change of one printer's defaults: only what is given changes.
    struct Change
    {
        std::optional<Paper> paper;
        // ui::printer::orientation
        std::optional<int> orientation;
        // The printer becomes the default printer.
        bool makeDefault = false;
    };

    PrinterSystem() = default;
    PrinterSystem(const PrinterSystem &) = delete;
    PrinterSystem &operator=(const PrinterSystem &) = delete;
    virtual ~PrinterSystem() = default;

    // The printers' names in the system's order; empty when the list cannot
    // be read (an empty list is a system without printers).
    virtual std::optional<QStringList> printerNames() const = 0;

    // The default printer's name, whole (a name may hold commas); "" when
    // there is no default printer, empty when the system cannot tell.
    virtual std::optional<QString> defaultPrinterName() const = 0;

    // What the named printer tells; empty when the system does not know the
    // printer or cannot reach it.
    virtual std::optional<Details> printer(const QString &name) const = 0;

    // The paper codes the printer offers, in its order; paper::kUser among
    // them when it takes sizes of the caller's own.
    virtual std::vector<int> paperCodes(const QString &name) const = 0;

    // The printer's default paper and orientation (ui::printer::orientation).
    virtual std::optional<Paper> defaultPaper(const QString &name) const = 0;
    virtual std::optional<int> defaultOrientation(const QString &name) const = 0;

    // Makes the whole change or none of it: true when the system took all
    // of it. A paper code the printer does not offer, a user size on a
    // printer that takes none or without a width and length, an orientation
    // other than portrait or landscape, or an unknown printer is refused and
    // nothing changes. For a paper other than paper::kUser only the code
    // counts; the printer knows its size.
    virtual bool apply(const QString &name, const Change &change) = 0;
};

} // namespace ui::printer
