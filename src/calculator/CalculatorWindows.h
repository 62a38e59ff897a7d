#pragma once

#include "db/Transaction.h"

namespace calculator {

// Registers the score calculator windows ("w_jsq_cz1", "w_jsq_cz2",
// "w_jsq_cz3") and the graduation
// window ("w_jsq_by") in the window class registry, so that the start page
// and the menu open them by class name. The calculators work on `sqlca`,
// which must outlive them.
void registerCalculatorWindows(db::Transaction &sqlca);

} // namespace calculator
