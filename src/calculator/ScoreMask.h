#pragma once

#include <QString>

namespace calculator {

// The display mask of the calculators' score, total and graduation fields:
// whole points with one decimal, the thousands grouped.
inline QString scoreMask()
{
    return QStringLiteral("###,###.0");
}

} // namespace calculator
