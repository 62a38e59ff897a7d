#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>

class QWidget;

namespace ui::printer {

// The print and page set-up dialogs of the printer service, shown modally
// on a printer for the chosen printer; the caller waits until the dialog is
// closed.
//
// Tests install a handler that answers every dialog at once, confirmed or
// cancelled, since a modal dialog would wait for a human.
class PrinterDialogService
{
public:
    enum class Kind { Print, PageSetup };

    struct Request
    {
        Kind kind = Kind::Print;
        QWidget *owner = nullptr;
        // The printer the dialog starts on, "" leaving it to the dialog, and
        // that printer's default paper (an invalid size leaving it to the
        // dialog) and orientation, so that a dialog confirmed as it was shown
        // ends with the printer's own defaults.
        QString printerName;
        QPageSize pageSize;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
    };

    struct Answer
    {
        bool confirmed = false;
        // The printer chosen; "" when the user chose to print into a file.
        QString printerName;
        // The paper, orientation and margins the dialog ended with.
        QPageLayout layout;
        // Those it started with on Request::printerName: the request's paper
        // and orientation, or where the request gives no paper (a printer
        // that tells none) the one the dialog chose itself.
        QPageLayout startLayout;
    };

    using Handler = std::function<Answer(const Request &)>;

    static Answer exec(const Request &request);

    // Replaces the real dialogs with `handler`; an empty handler restores them.
    static void setHandler(Handler handler);
};

} // namespace ui::printer
