#pragma once

#include "runtime/ControlTable.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace rt {

// How one window's controls differ from the base table they are made from:
// controls shifted by an offset (a group box with everything that lies
// inside it), moved to a place, a new tab sequence, and controls added
// before or after the base's. Applied in that order; the offsets of shifts
// that name the same control add up.
struct LayoutOverrides
{
    struct Shift
    {
        // Group boxes that move together with every control inside them,
        // as the base lays them out.
        QStringList groups {};
        // Further controls, each alone.
        QStringList names {};
        int dx = 0;
        int dy = 0;
    };
    struct Move
    {
        QString name {};
        int x = 0;
        int y = 0;
    };
    // The base's controls that Tab walks, in this order, with the tab order
    // values first, first + step, ...; every other control of the base
    // leaves the tab sequence.
    struct TabSequence
    {
        QStringList names {};
        int first = 10;
        int step = 10;
    };

    std::vector<Shift> shifts {};
    std::vector<Move> moves {};
    std::optional<TabSequence> tabSequence {};
    // New controls: created before every control of the base, or after them,
    // each list in its own order. They keep their own tab order values.
    ControlTable addedFirst {};
    ControlTable addedLast {};

    // The base with these changes. Throws ControlLookupError naming a
    // control or group box that the base does not have.
    ControlTable applyTo(const ControlTable &base) const;
};

} // namespace rt
