#pragma once

namespace ui::printer {

class PrinterSystem;

// The printers of the print server that the environment names (CUPS_SERVER,
// client.conf; the local server by default): the printer system that the
// program's printer services work on, as in
//
//     n_printer printers(ui::printer::printServer());
//
// It lives as long as the program and keeps nothing between calls.
PrinterSystem &printServer();

} // namespace ui::printer
