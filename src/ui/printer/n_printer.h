#pragma once

#include "ui/printer/DocumentSettings.h"
#include "ui/printer/PrinterDialogService.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class QPageLayout;
class QWidget;

namespace ui::printer {

class PrinterSystem;

// The printer service: the printers and the default printer, what a printer
// tells about itself (driver, port, status and attribute words, default
// paper and orientation), changing a printer's default paper and
// orientation, making a printer the default one, and the print and page
// set-up dialogs.
//
// It keeps no state between calls: every function asks the printer system
// afresh, so any number of instances behave alike. A printer system that
// cannot be reached gives each function its failure value (-1, or "" for
// the names), never an answer that means "there is none" (such as an empty
// printer list). Paper sizes are paper codes (ui::printer::paper) with width
// and length in tenths of a millimetre; orientation is 1 portrait, 2
// landscape; the status and attribute words carry the bits of
// ui::printer::status and ui::printer::attribute. No function shows a
// message; callers get the result only.
class n_printer
{
public:
    // Returned by of_printsetup and of_pagesetup when the dialog was
    // confirmed but its settings could not be applied to the printer chosen
    // in it (or no printer was chosen, as when printing into a file).
    static constexpr int kSettingsNotApplied = -2;

    // On `system`, which must outlive the service; the program's own
    // printers are ui::printer::printServer().
    explicit n_printer(ui::printer::PrinterSystem &system);

    // Sets `printerList` to exactly the n names of the printers, in the
    // system's order, and returns n (0 and an empty list without printers);
    // -1, with `printerList` unchanged, when the list cannot be read.
    int of_getprinterlist(QStringList &printerList) const;

    // The default printer's name, whole; "" when there is no default
    // printer or the system cannot tell.
    QString of_getpbprinter() const;

    // Opens the printer and releases it again: 1 when it could be opened,
    // -1 when it cannot (an unknown printer). `data` is not used.
    int of_direct(const QString &printerName, const QString &data) const;

    // Reads or changes one thing of the printer, chosen by `command`
    // (ui::printer::command):
    //   1, 2  `parameter` = the driver name, the port name (QString)
    //   3, 4  `parameter` = the status word, the attribute word (quint32)
    //   5, 6  `paperCode`, `paperWidth`, `paperLength` = the default paper
    //   7     `parameter` = the default orientation (int)
    //   101, 102  make `paperCode` the default paper; for paper::kUser with
    //         `paperWidth` and `paperLength`, which must both be above 0
    //   103   make `parameter` (1 or 2) the default orientation
    //   105   make the printer the default printer
    // Returns 1 on success; -1 when the printer is not in the printer list
    // or cannot be reached, cannot tell what was asked, does not offer the paper code, or the
    // command or value is not one of the above; 0 when the system refused a change. Nothing is
    // written unless the result is 1, and out-arguments are set only then.
    int of_printer(const QString &printerName, int command, QVariant &parameter, int &paperCode,
        int &paperWidth, int &paperLength);

    // The driver and port names; "" when the printer cannot tell them.
    QString of_getdrivername(const QString &printerName) const;
    QString of_getportname(const QString &printerName) const;
    // The whole 32-bit attribute and status words; -1 when unknown.
    qint64 of_getattribute(const QString &printerName) const;
    qint64 of_getstatus(const QString &printerName) const;
    // of_printer with command 5, 105 and 101.
    int of_getpapersize(
        const QString &printerName, int &paperCode, int &paperWidth, int &paperLength) const;
    int of_setdefault(const QString &printerName);
    int of_setpapersize(const QString &printerName, int paperCode, int paperWidth, int paperLength);

    // Shows the print dialog on the default printer with its paper and
    // orientation, modal to `owner`. When it is confirmed, what the user
    // changed is applied: the paper and orientation chosen become the chosen
    // printer's defaults where they differ from them (or, where the printer
    // the dialog was shown on tells none, as a raw queue tells no paper, from
    // what the dialog started with), and that printer becomes the default
    // printer unless it is already; all of it or none of it, as everything is
    // checked before anything changes. A dialog confirmed as it was shown
    // writes nothing. Returns 1 when it was done, -1 when the dialog was
    // cancelled or the printers cannot be read (no dialog is shown then), kSettingsNotApplied when
    // it was confirmed but the printer does not take the choice or the system refused it; nothing
    // changes unless the result is 1.
    int of_printsetup(QWidget *owner);

    // The page set-up dialog, as of_printsetup. When it is confirmed,
    // `left`, `right`, `top` and `bottom` are set to the margins chosen, in
    // hundredths of a millimetre (also when the result is
    // kSettingsNotApplied); after a cancel they keep their values.
    int of_pagesetup(QWidget *owner, int &left, int &right, int &top, int &bottom);

    // Makes `settings`'s paper and orientation the printer's defaults, both
    // or neither: 1 when the system took them; -1 for an unknown printer; 0
    // when a setting is not one the printer takes or the system refused the
    // change (nothing is written then).
    int of_modifyprinter(const QString &printerName, ui::printer::DocumentSettings settings);

    // The text of `source` from the 1-based byte position `offset` up to
    // its first zero byte or its end; "" for an offset outside `source`.
    static QString of_getstringfromblob(const QByteArray &source, int offset);

private:
    std::optional<ui::printer::PrinterDialogService::Request> dialogRequest(
        ui::printer::PrinterDialogService::Kind kind, QWidget *owner) const;
    // of_printer's reading commands (1 to 7), which change nothing.
    int query(const QString &printerName, int command, QVariant &parameter, int &paperCode,
        int &paperWidth, int &paperLength) const;
    // What a confirmed dialog that was shown on `shownPrinter` changed.
    int applyDialogSettings(
        const QString &shownPrinter, const ui::printer::PrinterDialogService::Answer &answer);
    // Whether the printer takes the settings: a paper it offers, portrait
    // or landscape.
    bool takes(const QString &printerName, const ui::printer::DocumentSettings &settings) const;

    ui::printer::PrinterSystem *m_system;
};

} // namespace ui::printer
