#include "items/XmszTable.h"

#include "items/ItemRow.h"

using namespace Qt::StringLiterals;

namespace items {

const QStringList &xmszColumns()
{
    static const QStringList columns = {
        u"nj"_s,
        u"xm_z_m"_s,
        u"xm_5_m"_s,
        u"xm_l_m"_s,
        u"xm_t_m"_s,
        u"xm_58_m"_s,
        u"xm_w_m"_s,
        u"xm_1_m"_s,
        u"xm_8_w"_s,
        u"xm_z_w"_s,
        u"xm_5_w"_s,
        u"xm_l_w"_s,
        u"xm_t_w"_s,
        u"xm_58_w"_s,
        u"xm_w_w"_s,
        u"xm_y_w"_s,
    };
    return columns;
}

const QStringList &flagColumns()
{
    static const QStringList columns = [] {
        QStringList boys;
        QStringList girls;
        for (const ItemRow &row : itemRows()) {
            if (!row.boysFlag.isEmpty())
                boys << row.boysFlag;
            if (!row.girlsFlag.isEmpty())
                girls << row.girlsFlag;
        }
        return boys + girls;
    }();
    return columns;
}

db::DataObject d_xmsz()
{
    return db::DataObject { u"xmsz"_s, xmszColumns(), { u"nj"_s }, { u"nj"_s } };
}

} // namespace items
