#pragma once

#include "ui/printer/PrinterSystem.h"

namespace ui::printer {

// The printer system on the print server (CUPS) that the environment
// names (CUPS_SERVER, client.conf; the local server by default). The
// program reaches it through ui::printer::printServer().
//
// Every call asks the server afresh on a connection of its own
// (CupsConnection) and gives up on it after about CupsConnection::kTimeout
// plus a second: a server that does not answer in time is one that cannot
// tell, and the call gives its empty value or false. Reads go through the
// server's destinations as the user sees them (the queues with their
// attributes, the user's instances and lpoptions), found by their names as
// the server finds them, without regard to case: the names, the default
// printer, make and model, device URI, state and reasons, sharing, printer
// type, the "PageSize" and "media" options (PageSize outweighing media, as
// on the server) and the orientation ("landscape", "orientation-requested");
// through the queue's own attributes for the media it offers and its
// default media; and through its printer description (CupsPrinterDescription)
// for the sizes that only the description names, where there are any.
//
// Writes change the defaults of the user who runs the program, as
// `lpoptions -d` and `lpoptions -p NAME -o ...` do: the user's lpoptions
// file, not the server's own settings. The default printer is the user's
// default destination, the default paper the destination's "media" option
// (and no "PageSize" option, which would outweigh it), the orientation its
// "orientation-requested" option (and its "landscape" option where the user
// has one, so that the two agree).
class CupsPrinterSystem final : public PrinterSystem
{
public:
    std::optional<QStringList> printerNames() const override;
    std::optional<QString> defaultPrinterName() const override;
    std::optional<Details> printer(const QString &name) const override;
    std::vector<int> paperCodes(const QString &name) const override;
    std::optional<Paper> defaultPaper(const QString &name) const override;
    std::optional<int> defaultOrientation(const QString &name) const override;

    bool apply(const QString &name, const Change &change) override;
};

} // namespace ui::printer
