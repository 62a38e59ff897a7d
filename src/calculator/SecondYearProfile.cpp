#include "calculator/YearProfile.h"

#include "calculator/BoxTitles.h"

using namespace Qt::StringLiterals;

namespace calculator {

const rt::LayoutOverrides &secondYearLayout()
{
    // The first year's window, 4 units shorter: the item, sex and total
    // groups 4 units higher and "项目设置" on the line of "关闭".
    static const rt::LayoutOverrides overrides {
        .shifts = { { .groups = { u"gb_4"_s, u"gb_sex"_s, u"gb_6"_s }, .dy = -4 } },
        .moves = { { .name = u"cb_2"_s, .x = 2231, .y = 1096 } },
    };
    return overrides;
}

const YearProfile &secondYearProfile()
{
    static const YearProfile profile {
        .className = u"w_jsq_cz2"_s,
        .yearCode = u"22"_s,
        .settingsWindow = u"w_xm_cz2"_s,
        .title = u"初中二年级成绩"_s,
        .totalCaption = u"初二学年成绩"_s,
        .setupMessage = u"请先设置好初中二年级测试项目！"_s,
        .vitalCapacityTitle = kErrorTitle,
        .vitalCapacityText = u"请先正确输入体重。"_s,
        .ladders = &scoring::secondYearLadders(),
        .outerSize = QSize(3008, 1384),
        .controls = secondYearLayout().applyTo(firstYearControls()),
        .firstFocus = u"em_s1"_s,
    };
    return profile;
}

} // namespace calculator
