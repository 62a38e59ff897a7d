#include "ui/printer/DocumentSettings.h"

#include "ui/printer/PrinterConstants.h"

#include <QPageLayout>
#include <QSizeF>

namespace ui::printer {

DocumentSettings DocumentSettings::fromPageLayout(const QPageLayout &layout)
{
    DocumentSettings settings;
    const QPageSize pageSize = layout.pageSize();
    if (pageSize.isValid() && pageSize.windowsId() != 0) {
        const QSizeF millimetres = pageSize.size(QPageSize::Millimeter);
        settings.paper = PrinterSystem::Paper { pageSize.windowsId(),
            qRound(millimetres.width() * 10), qRound(millimetres.height() * 10) };
    }
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    settings.orientation = landscape ? orientation::kLandscape : orientation::kPortrait;
    return settings;
}

} // namespace ui::printer
