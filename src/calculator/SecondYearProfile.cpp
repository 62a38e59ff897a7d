#include "calculator/YearProfile.h"

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

// The second year's window is the first year's, 4 units lower, with the
// item group, the sex group and the total's group (and everything in them)
// 4 units higher and "项目设置" on the line of "关闭".
rt::ControlTable buildSecondYearControls()
{
    LayoutOverrides overrides;
    overrides.shifts.push_back({ .names = {
                                     // The item rows and their header.
                                     u"gb_4"_s,
                                     u"st_111"_s,
                                     u"st_s1"_s,
                                     u"em_s1"_s,
                                     u"st_13"_s,
                                     u"st_s2"_s,
                                     u"em_s2"_s,
                                     u"st_14"_s,
                                     u"em_s_t"_s,
                                     u"st_t"_s,
                                     u"em_t"_s,
                                     u"em_t_t"_s,
                                     u"st_1"_s,
                                     u"em_1"_s,
                                     u"st_11"_s,
                                     u"em_1_t"_s,
                                     u"st_8"_s,
                                     u"em_8"_s,
                                     u"st_88"_s,
                                     u"em_8_t"_s,
                                     u"st_f"_s,
                                     u"em_f"_s,
                                     u"em_f_t"_s,
                                     u"st_5"_s,
                                     u"em_5"_s,
                                     u"st_55"_s,
                                     u"em_5_t"_s,
                                     u"st_l"_s,
                                     u"em_l"_s,
                                     u"st_ll"_s,
                                     u"em_l_t"_s,
                                     u"st_z"_s,
                                     u"em_z"_s,
                                     u"st_zz"_s,
                                     u"em_z_t"_s,
                                     u"st_y"_s,
                                     u"em_y"_s,
                                     u"st_yy"_s,
                                     u"em_y_t"_s,
                                     u"st_w"_s,
                                     u"em_w"_s,
                                     u"em_w_t"_s,
                                     // The sex and the total.
                                     u"gb_sex"_s,
                                     u"rb_sex_man"_s,
                                     u"rb_sex_woman"_s,
                                     u"gb_6"_s,
                                     u"em_xn_t"_s,
                                     u"sle_dj"_s,
                                 },
        .dx = 0,
        .dy = -4 });
    overrides.moves.push_back({ .name = u"cb_2"_s, .x = 2231, .y = 1096 });
    return overrides.applyTo(firstYearControls());
}

} // namespace

const YearProfile &secondYearProfile()
{
    static const YearProfile profile {
        .className = u"w_jsq_cz2"_s,
        .yearCode = u"22"_s,
        .settingsWindow = u"w_xm_cz2"_s,
        .title = u"初中二年级成绩"_s,
        .totalCaption = u"初二学年成绩"_s,
        .setupMessage = u"请先设置好初中二年级测试项目！"_s,
        .vitalCapacityTitle = u"错误"_s,
        .vitalCapacityText = u"请先正确输入体重。"_s,
        .ladders = &scoring::secondYearLadders(),
        .windowSize = QSize(3008, 1384),
        .controls = buildSecondYearControls(),
        .graduation = std::nullopt,
    };
    return profile;
}

} // namespace calculator
