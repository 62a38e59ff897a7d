#pragma once

#include "scoring/YearLadders.h"

#include <QString>

#include <vector>

namespace items {

// One row of the calculators' item rows: a measurement or a test item with
// its name and unit, the names of its controls and, for the optional test
// items, the flag columns of table xmsz that choose it for boys and girls.
struct ItemRow
{
    enum class Kind {
        Height, // scored together with the weight into the weight row's field
        Weight,
        VitalCapacity, // scored per kilogram of the weight
        TestItem, // an optional test item, scored by its ladder
    };

    Kind kind = Kind::TestItem;
    // The laddered item: the test item, or the vital capacity.
    scoring::TestItem item = scoring::TestItem::StepTest;
    QString label {}; // the item's name
    QString unit {}; // empty: the row shows no unit
    QString labelName {};
    QString unitName {}; // empty when the row shows no unit
    QString entryName {};
    QString scoreName {}; // empty: the row has no score field of its own
    // The item's flag column for each sex; empty: that sex never takes the
    // item. Only the optional test items have flags.
    QString boysFlag {};
    QString girlsFlag {};
};

// The rows top to bottom: height, weight, step test, 1000 m run, 800 m run,
// vital capacity, 50 m run, standing long jump, sit-and-reach, sit-ups and
// grip index. The optional test items among them stand in the order in
// which the school-year total adds them up.
const std::vector<ItemRow> &itemRows();

} // namespace items
