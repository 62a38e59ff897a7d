#include "ui/printer/PrintServer.h"

#include "ui/printer/CupsPrinterSystem.h"

namespace ui::printer {

PrinterSystem &printServer()
{
    static CupsPrinterSystem system;
    return system;
}

} // namespace ui::printer
