#pragma once

#include "runtime/ControlTable.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace calculator {

// How one school year's window differs from the base layout it is made
// from: controls moved (by an offset or to a place), added before or after
// the base's controls, removed, and given another tab order value. Applied
// in that order: remove, shift, move, tab orders, then the additions.
struct LayoutOverrides
{
    struct Shift
    {
        QStringList names;
        int dx = 0;
        int dy = 0;
    };
    struct Move
    {
        QString name;
        int x = 0;
        int y = 0;
    };
    struct TabOrder
    {
        QString name;
        int tabOrder = 0;
    };

    std::vector<Shift> shifts;
    std::vector<Move> moves;
    std::vector<TabOrder> tabOrders;
    QStringList removed;
    // New controls: created before every control of the base, or after them,
    // each list in its own order.
    rt::ControlTable addedFirst;
    rt::ControlTable addedLast;

    // The base with these changes. Throws rt::ControlLookupError naming a
    // control that is changed or removed but not in the base.
    rt::ControlTable applyTo(const rt::ControlTable &base) const;
};

} // namespace calculator
