#pragma once

#include "db/DataView.h"

#include <QStringList>

namespace items {

// Table xmsz: the chosen test items of each school year, one row per year
// code (nj), a flag column per optional test item and sex ("1" chosen,
// "0" not). The data object selects its sixteen columns in this order,
// retrieves by the year code and writes back by the key nj.
db::DataObject d_xmsz();

// The sixteen columns of xmsz in selection order.
const QStringList &xmszColumns();

// The thirteen flag columns that the windows read and write: the boys'
// flags of the item rows top to bottom, then the girls'.
const QStringList &flagColumns();

} // namespace items
