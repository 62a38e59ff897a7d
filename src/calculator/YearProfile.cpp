#include "calculator/YearProfile.h"

#include "runtime/LayoutUnits.h"

using namespace Qt::StringLiterals;

namespace calculator {

const ControlPlacement *YearProfile::placement(const QString &name) const
{
    for (const ControlPlacement &control : layout) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

QSize YearProfile::clientSizePixels() const
{
    // A fixed-size dialog's frame, as the settings windows allow for it:
    // 4 pixels of border on each side and a 23-pixel title bar.
    constexpr int borderPixels = 4;
    constexpr int titlePixels = 23;
    const QSize outer = rt::units::toPixels(windowSize);
    return { outer.width() - 2 * borderPixels, outer.height() - 2 * borderPixels - titlePixels };
}

namespace {

// The first year's layout. Item row k has its entry field at
// y = 92 + 100 (k - 1), the label 12 units lower, the unit label 8 lower
// and the score field 8 higher.
std::vector<ControlPlacement> firstYearLayout()
{
    return {
        // Item rows: label, entry field, unit label, score field.
        { u"st_s1"_s, 82, 104, 343, 56, 0 },
        { u"em_s1"_s, 475, 92, 251, 80, 2 },
        { u"st_13"_s, 741, 96, 247, 60, 0 },
        { u"st_s2"_s, 87, 204, 343, 56, 0 },
        { u"em_s2"_s, 475, 192, 251, 80, 3 },
        { u"st_14"_s, 741, 200, 343, 56, 0 },
        { u"em_s_t"_s, 1093, 184, 210, 80, 13 },
        { u"st_t"_s, 82, 304, 343, 56, 0 },
        { u"em_t"_s, 475, 292, 251, 80, 4 },
        { u"em_t_t"_s, 1093, 284, 210, 80, 14 },
        { u"st_1"_s, 82, 404, 393, 56, 0 },
        { u"em_1"_s, 475, 392, 251, 80, 5 },
        { u"st_11"_s, 741, 400, 343, 56, 0 },
        { u"em_1_t"_s, 1093, 384, 210, 80, 15 },
        { u"st_8"_s, 82, 504, 366, 56, 0 },
        { u"em_8"_s, 475, 492, 251, 80, 6 },
        { u"st_88"_s, 741, 500, 343, 56, 0 },
        { u"em_8_t"_s, 1093, 484, 210, 80, 16 },
        { u"st_f"_s, 82, 604, 343, 56, 0 },
        { u"em_f"_s, 475, 592, 251, 80, 7 },
        { u"em_f_t"_s, 1093, 584, 210, 80, 16 },
        { u"st_5"_s, 82, 704, 343, 56, 0 },
        { u"em_5"_s, 475, 692, 251, 80, 8 },
        { u"st_55"_s, 741, 700, 343, 56, 0 },
        { u"em_5_t"_s, 1093, 684, 210, 80, 17 },
        { u"st_l"_s, 82, 804, 343, 56, 0 },
        { u"em_l"_s, 475, 792, 251, 80, 9 },
        { u"st_ll"_s, 741, 800, 343, 56, 0 },
        { u"em_l_t"_s, 1093, 784, 210, 80, 19 },
        { u"st_z"_s, 82, 904, 343, 56, 0 },
        { u"em_z"_s, 475, 892, 251, 80, 10 },
        { u"st_zz"_s, 741, 900, 343, 56, 0 },
        { u"em_z_t"_s, 1093, 884, 210, 80, 20 },
        { u"st_y"_s, 82, 1004, 393, 56, 0 },
        { u"em_y"_s, 475, 992, 251, 80, 11 },
        { u"st_yy"_s, 741, 1000, 343, 56, 0 },
        { u"em_y_t"_s, 1093, 984, 210, 80, 21 },
        { u"st_w"_s, 82, 1104, 343, 56, 0 },
        { u"em_w"_s, 475, 1092, 251, 80, 12 },
        { u"em_w_t"_s, 1093, 1084, 210, 80, 22 },
        { u"st_111"_s, 1070, 104, 283, 76, 0 },
        // Right-hand half.
        { u"gb_4"_s, 37, 28, 1431, 1176, 40 },
        { u"gb_sex"_s, 1499, 28, 297, 264, 30 },
        { u"rb_sex_man"_s, 1531, 100, 174, 72, 0 },
        { u"rb_sex_woman"_s, 1531, 184, 174, 72, 0 },
        { u"gb_6"_s, 1792, 28, 1138, 264, 40 },
        { u"gb_3"_s, 1499, 504, 1435, 392, 22 },
        { u"cbx_1"_s, 1545, 564, 1202, 76, 13 },
        { u"cbx_2"_s, 1545, 644, 928, 76, 14 },
        { u"cbx_3"_s, 1545, 720, 928, 76, 15 },
        { u"cbx_4"_s, 1545, 796, 1143, 76, 16 },
        { u"gb_5"_s, 1495, 912, 1445, 164, 27 },
        { u"cbx_59"_s, 1541, 980, 1353, 76, 17 },
        // cb_2 shares the value 12 with em_w and follows it.
        { u"cb_2"_s, 2149, 1100, 297, 100, 12 },
        { u"em_xn_t"_s, 1819, 92, 439, 172, 27 },
        { u"sle_dj"_s, 2263, 92, 635, 172, 27 },
        { u"cb_1"_s, 2592, 1096, 343, 100, 27 },
        { u"dw_4"_s, 1120, 1256, 686, 400, 200 },
    };
}

} // namespace

const YearProfile &firstYearProfile()
{
    static const YearProfile profile {
        .className = u"w_jsq_cz1"_s,
        .yearCode = u"21"_s,
        .settingsWindow = u"w_xm_cz1"_s,
        .title = u"初中一年级成绩"_s,
        .totalCaption = u"初一学年成绩"_s,
        .setupMessage = u"请先设置好初中一年级测试项目！"_s,
        .vitalCapacityTitle = u"提示"_s,
        .vitalCapacityText = u"如要得到肺活量成绩，请先正确输入体重！"_s,
        .ladders = &scoring::firstYearLadders(),
        .windowSize = QSize(3008, 1388),
        .layout = firstYearLayout(),
    };
    return profile;
}

} // namespace calculator
