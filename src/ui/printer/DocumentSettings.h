#pragma once

#include "ui/printer/PrinterSystem.h"

#include <optional>

class QPageLayout;

namespace ui::printer {

// The document settings that the printer service hands to a printer as its
// new defaults: a paper and an orientation, each only when it is given.
struct DocumentSettings
{
    std::optional<PrinterSystem::Paper> paper;
    // ui::printer::orientation
    std::optional<int> orientation;

    // The paper (its paper code and upright size in tenths of a millimetre)
    // and the orientation of a dialog's page layout; a layout without a
    // valid page size gives no paper.
    static DocumentSettings fromPageLayout(const QPageLayout &layout);
};

} // namespace ui::printer
