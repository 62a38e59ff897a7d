#pragma once

#include "db/Transaction.h"
#include "scoring/HeightWeight.h"

#include <QString>

namespace calculator {

// Reads the weight bounds of one height from the height-weight standard
// tables (cz123_m for boys, cz123_w for girls) by a single-row query with the
// height bound as a 4-byte real parameter.
class HeightWeightStandard
{
public:
    enum class Outcome {
        Found, // exactly one row with four bounds
        NoRow, // the table has no row for the height
        NullBound, // the row lacks a bound or holds one that is no number
        Failed, // the query failed or found more than one row
    };

    struct Lookup
    {
        Outcome outcome = Outcome::Failed;
        scoring::WeightBounds bounds;
        QString errorText; // the driver's text when the query failed
    };

    explicit HeightWeightStandard(db::Transaction &sqlca);

    // The row with height - 1 < s <= height of the sex's table.
    Lookup lookup(scoring::Sex sex, float height) const;

    static QString querySql(scoring::Sex sex);

private:
    db::Transaction &m_sqlca;
};

} // namespace calculator
