#pragma once

#include "db/Transaction.h"

namespace settings {

// Registers w_xm_cz1, w_xm_cz2 and w_xm_cz3 in the window class registry;
// the windows work on `sqlca`, which must outlive the registrations.
void registerSettingsWindows(db::Transaction &sqlca);

} // namespace settings
