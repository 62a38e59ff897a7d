#include "ui/printer/PrinterDialogService.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace ui::printer {

namespace {
PrinterDialogService::Handler &handlerSlot()
{
    static PrinterDialogService::Handler handler;
    return handler;
}
} // namespace

PrinterDialogService::Answer PrinterDialogService::exec(const Request &request)
{
    if (const Handler &handler = handlerSlot())
        return handler(request);

    QPrinter printer(QPrinter::HighResolution);
    if (!request.printerName.isEmpty())
        printer.setPrinterName(request.printerName);
    if (request.pageSize.isValid())
        printer.setPageSize(request.pageSize);
    printer.setPageOrientation(request.orientation);
    const QPageLayout startLayout = printer.pageLayout();

    int result = QDialog::Rejected;
    if (request.kind == Kind::Print) {
        QPrintDialog dialog(&printer, request.owner);
        dialog.setObjectName(u"printdialog"_s);
        // Neither a selection nor a page range: the dialog chooses the
        // printer and its settings, not what to print.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile
            | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
        result = dialog.exec();
    } else {
        QPageSetupDialog dialog(&printer, request.owner);
        dialog.setObjectName(u"pagesetupdialog"_s);
        result = dialog.exec();
    }
    if (result != QDialog::Accepted)
        return {};

    Answer answer;
    answer.confirmed = true;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        answer.printerName = printer.printerName();
    answer.layout = printer.pageLayout();
    answer.startLayout = startLayout;
    return answer;
}

void PrinterDialogService::setHandler(Handler handler)
{
    handlerSlot() = std::move(handler);
}

} // namespace ui::printer
