#pragma once

#include "ui/printer/PrinterSystem.h"

#include <QByteArray>

#include <cups/cups.h>

#include <optional>
#include <vector>

namespace ui::printer {

class CupsConnection;

// The papers of the printer service and the media of the print server, both
// ways: a queue's default paper as the server and the user's options tell
// it, the media a queue offers, and the "media" option that makes a paper
// the default.
class CupsPaperMapping
{
public:
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

        OfferedMedia(const CupsConnection &connection, const cups_dest_t &dest);
    };

    // The queue's own default paper, its media-default; empty when the server
    // does not answer or tells none (a raw queue).
    static std::optional<PrinterSystem::Paper> mediaDefault(
        const CupsConnection &connection, const cups_dest_t &dest);

    // The paper of the user's "media" option: the size its name stands for by
    // itself, else a size of the printer description by the description's own
    // name (media=Ticket), which the client library takes as that size too.
    static std::optional<PrinterSystem::Paper> paperOfMediaOption(
        const CupsConnection &connection, const cups_dest_t &dest, const QByteArray &media);

    // The paper of the user's "PageSize" option, a size of the printer
    // description: on a queue with one, the size the client library finds in it
    // for the name, and none for a name it has no size of, as the server's
    // filters find none; on a queue without one, the size its name stands for
    // by itself.
    static std::optional<PrinterSystem::Paper> paperOfPageSize(
        const CupsConnection &connection, const cups_dest_t &dest, const QByteArray &pageSize);

    // The value of the "media" option that makes `paper` the default: a paper
    // with a code of its own is chosen by that code; a size of the caller's own
    // by the printer's paper of that width and length, else as a custom size,
    // if the printer takes those. A size of the printer's own is written by the
    // printer description's own name for it (as `lpoptions -o media=Ticket`
    // writes it), or by the server's name where the description cannot be read.
    // Empty when the printer does not take the paper.
    static QByteArray mediaFor(const CupsConnection &connection, const cups_dest_t &dest,
        const OfferedMedia &offered, const PrinterSystem::Paper &paper);
};

} // namespace ui::printer
