#pragma once

#include "runtime/db/DataView.h"

#include <QString>
#include <QStringList>

namespace settings {

// Table xmsz: the chosen test items of each school year, one row per year
// code (nj). The data object selects its sixteen columns in this order,
// retrieves by the year code and writes back by the key nj.
rt::DataObject d_xmsz();

// The sixteen columns of xmsz in selection order.
const QStringList &xmszColumns();

} // namespace settings
