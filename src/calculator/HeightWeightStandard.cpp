#include "calculator/HeightWeightStandard.h"

#include "scoring/Real32.h"

using namespace Qt::StringLiterals;

namespace calculator {

HeightWeightStandard::HeightWeightStandard(db::Transaction &sqlca)
    : m_sqlca(sqlca)
{ }

QString HeightWeightStandard::querySql(scoring::Sex sex)
{
    return sex == scoring::Sex::Boy
        ? u"select z1 , z2 , z3 , z4 from cz123_m where s <= ? and s > ( ? - 1 ) "_s
        : u"select z1 , z2 , z3 , z4 from cz123_w where s <= ? and s > ( ? - 1 ) "_s;
}

HeightWeightStandard::Lookup HeightWeightStandard::lookup(scoring::Sex sex, float height) const
{
    Lookup result;
    // The height is bound twice as REAL, so that the database compares the
    // same 4-byte value the window computed.
    const QVariant h = QVariant::fromValue(height);
    const auto row = m_sqlca.selectSingleRow(querySql(sex), { h, h });
    if (!row) {
        if (m_sqlca.SQLCode == 100) {
            result.outcome = Outcome::NoRow;
        } else {
            result.outcome = Outcome::Failed;
            result.errorText = m_sqlca.SQLErrText;
        }
        return result;
    }
    if (row->size() != 4) {
        result.outcome = Outcome::Failed;
        result.errorText = m_sqlca.SQLErrText;
        return result;
    }
    float bounds[4] {};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<QString> &text = (*row)[i];
        const std::optional<float> value
            = text ? scoring::parseReal32(text->toStdString()) : std::nullopt;
        if (!value) {
            result.outcome = Outcome::NullBound;
            return result;
        }
        bounds[i] = *value;
    }
    result.outcome = Outcome::Found;
    result.bounds = { bounds[0], bounds[1], bounds[2], bounds[3] };
    return result;
}

} // namespace calculator
