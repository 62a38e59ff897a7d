#include "printer/support/PrinterDialogAnswerer.h"

using namespace ui::printer;

namespace support {

PrinterDialogAnswerer::PrinterDialogAnswerer(PrinterDialogService::Answer answer)
    : m_answer(std::move(answer))
{
    PrinterDialogService::setHandler([this](const PrinterDialogService::Request &request) {
        m_requests.push_back(request);
        PrinterDialogService::Answer answer = m_answer;
        if (answer.confirmed) {
            const QPageSize start
                = request.pageSize.isValid() ? request.pageSize : QPageSize(QPageSize::A4);
            answer.startLayout = QPageLayout(start, request.orientation, QMarginsF());
        }
        return answer;
    });
}

PrinterDialogAnswerer::~PrinterDialogAnswerer()
{
    PrinterDialogService::setHandler({});
}

PrinterDialogService::Answer PrinterDialogAnswerer::confirmed(const QString &printerName,
    const QPageSize &pageSize, QPageLayout::Orientation orientation, qreal marginMillimetres)
{
    PrinterDialogService::Answer answer;
    answer.confirmed = true;
    answer.printerName = printerName;
    const QMarginsF margins(
        marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres);
    answer.layout = QPageLayout(pageSize, orientation, margins, QPageLayout::Millimeter);
    return answer;
}

} // namespace support
