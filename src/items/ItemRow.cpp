#include "items/ItemRow.h"

using namespace Qt::StringLiterals;

namespace items {

namespace {

using Kind = ItemRow::Kind;
using scoring::TestItem;

std::vector<ItemRow> makeRows()
{
    // An optional test item: its controls and flag columns are named after
    // the item code.
    auto testItem = [](TestItem item, const QString &label, const QString &unit,
                        const QString &unitName, bool boys, bool girls) {
        const QString code = QString::fromLatin1(scoring::itemCode(item));
        return ItemRow {
            .kind = Kind::TestItem,
            .item = item,
            .label = label,
            .unit = unit,
            .labelName = u"st_"_s + code,
            .unitName = unitName,
            .entryName = u"em_"_s + code,
            .scoreName = u"em_"_s + code + u"_t"_s,
            .boysFlag = boys ? u"xm_"_s + code + u"_m"_s : QString(),
            .girlsFlag = girls ? u"xm_"_s + code + u"_w"_s : QString(),
        };
    };
    constexpr bool yes = true;
    constexpr bool no = false;
    return {
        { .kind = Kind::Height,
            .label = u"身高"_s,
            .unit = u"厘米"_s,
            .labelName = u"st_s1"_s,
            .unitName = u"st_13"_s,
            .entryName = u"em_s1"_s },
        { .kind = Kind::Weight,
            .label = u"体重"_s,
            .unit = u"公斤"_s,
            .labelName = u"st_s2"_s,
            .unitName = u"st_14"_s,
            .entryName = u"em_s2"_s,
            .scoreName = u"em_s_t"_s },
        testItem(TestItem::StepTest, u"台阶试验"_s, {}, {}, yes, yes),
        testItem(TestItem::Run1000, u"1000米跑（男）"_s, u"分.秒"_s, u"st_11"_s, yes, no),
        testItem(TestItem::Run800, u"800米跑（女）"_s, u"分.秒"_s, u"st_88"_s, no, yes),
        { .kind = Kind::VitalCapacity,
            .item = TestItem::VitalCapacity,
            .label = u"肺活量"_s,
            .labelName = u"st_f"_s,
            .entryName = u"em_f"_s,
            .scoreName = u"em_f_t"_s },
        testItem(TestItem::Run50, u"50米跑"_s, u"秒"_s, u"st_55"_s, yes, yes),
        testItem(TestItem::LongJump, u"立定跳远"_s, u"厘米"_s, u"st_ll"_s, yes, yes),
        testItem(TestItem::SitAndReach, u"坐位体前屈"_s, u"厘米"_s, u"st_zz"_s, yes, yes),
        testItem(TestItem::SitUps, u"仰卧起坐（女）"_s, u"（次/1分钟）"_s, u"st_yy"_s, no, yes),
        testItem(TestItem::GripIndex, u"握力体重指数"_s, {}, {}, yes, yes),
    };
}

} // namespace

const std::vector<ItemRow> &itemRows()
{
    static const std::vector<ItemRow> rows = makeRows();
    return rows;
}

} // namespace items
