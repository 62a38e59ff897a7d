#pragma once

#include "ui/printer/PrinterDialogService.h"

#include <QMarginsF>
#include <QPageSize>

#include <vector>

namespace support {

// Answers every print and page set-up dialog with one prepared answer
// instead of showing it, and keeps the requests, for the length of its life.
// A confirmed dialog started, as the real ones do, on the request's paper
// and orientation, or on A4 of its own choosing where the request gives no
// paper.
class PrinterDialogAnswerer
{
public:
    explicit PrinterDialogAnswerer(ui::printer::PrinterDialogService::Answer answer);
    ~PrinterDialogAnswerer();
    PrinterDialogAnswerer(const PrinterDialogAnswerer &) = delete;
    PrinterDialogAnswerer &operator=(const PrinterDialogAnswerer &) = delete;

    // A dialog confirmed on `printerName` with `pageSize`, `orientation`
    // and the same margin of `marginMillimetres` on each side.
    static ui::printer::PrinterDialogService::Answer confirmed(const QString &printerName,
        const QPageSize &pageSize, QPageLayout::Orientation orientation, qreal marginMillimetres);
    static ui::printer::PrinterDialogService::Answer cancelled() { return {}; }

    const std::vector<ui::printer::PrinterDialogService::Request> &requests() const
    {
        return m_requests;
    }

private:
    ui::printer::PrinterDialogService::Answer m_answer;
    std::vector<ui::printer::PrinterDialogService::Request> m_requests;
};

} // namespace support
