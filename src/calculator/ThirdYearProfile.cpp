#include "calculator/YearProfile.h"

#include "calculator/RatingField.h"
#include "controls/my_maskedit.h"
#include "runtime/ControlBuilder.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"
#include "scoring/GraduationScore.h"
#include "scoring/Real32.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::ControlKind;
using rt::ControlSpec;

constexpr long kDarkRed = 128; // R 128, G 0, B 0
constexpr long kFieldBack = 15780518; // R 166, G 202, B 240

rt::FontSpec arial(int pointSize, bool bold = false)
{
    rt::FontSpec font;
    font.face = u"Arial"_s;
    font.pointSize = pointSize;
    font.bold = bold;
    return font;
}

ControlSpec groupBox(const QString &name, const QString &caption, QRect rect)
{
    ControlSpec spec;
    spec.name = name;
    spec.kind = ControlKind::GroupBox;
    spec.text = caption;
    spec.rect = rect;
    spec.font = arial(9);
    spec.textColor = rt::colors::kBlue;
    spec.backColor = rt::colors::kButtonFace;
    return spec;
}

// A field of the graduation area under the one-decimal mask, empty until
// something is typed or computed into it.
ControlSpec maskedField(
    const QString &name, QRect rect, const rt::FontSpec &font, long textColor, int tabOrder)
{
    ControlSpec spec;
    spec.name = name;
    spec.kind = ControlKind::MaskedEdit;
    spec.rect = rect;
    spec.font = font;
    spec.textColor = textColor;
    spec.backColor = kFieldBack;
    spec.mask = u"###,###.0"_s;
    spec.tabOrder = tabOrder;
    return spec;
}

ControlSpec ratingField(const QString &name, QRect rect)
{
    ControlSpec spec;
    spec.name = name;
    spec.kind = ControlKind::LineEdit;
    spec.rect = rect;
    spec.font = arial(26, true);
    spec.textColor = rt::colors::kWindowText;
    spec.backColor = kFieldBack;
    return spec;
}

// The third year's window: the first year's controls in new places, a tab
// sequence that starts in the graduation area and leaves out every score,
// total and rating field, and the graduation area between the sex and
// total groups above and the bonus boxes below.
rt::ControlTable buildThirdYearControls()
{
    LayoutOverrides overrides;
    // The item group and everything in it, 12 units higher and 4 or 5 to
    // the right.
    overrides.shifts = {
        { .names = { u"gb_4"_s, u"st_111"_s, u"st_s2"_s }, .dx = 4, .dy = -12 },
        { .names = { u"st_s1"_s, u"st_t"_s, u"st_1"_s, u"st_8"_s, u"st_f"_s, u"st_5"_s, u"st_l"_s,
              u"st_z"_s, u"st_y"_s, u"st_w"_s },
            .dx = 5,
            .dy = -12 },
        { .names = { u"em_s1"_s, u"em_s2"_s, u"em_t"_s, u"em_1"_s, u"em_8"_s, u"em_f"_s, u"em_5"_s,
              u"em_l"_s, u"em_z"_s, u"em_y"_s, u"em_w"_s },
            .dx = 5,
            .dy = -12 },
        { .names = { u"st_13"_s, u"st_14"_s, u"st_11"_s, u"st_88"_s, u"st_55"_s, u"st_ll"_s,
              u"st_zz"_s, u"st_yy"_s },
            .dx = 4,
            .dy = -12 },
        { .names = { u"em_s_t"_s, u"em_t_t"_s, u"em_1_t"_s, u"em_8_t"_s, u"em_f_t"_s, u"em_5_t"_s,
              u"em_l_t"_s, u"em_z_t"_s, u"em_y_t"_s, u"em_w_t"_s },
            .dx = 4,
            .dy = -12 },
    };
    // The right-hand half: higher above the graduation area, lower below it.
    overrides.moves = {
        { .name = u"gb_sex"_s, .x = 1504, .y = 16 },
        { .name = u"rb_sex_man"_s, .x = 1536, .y = 88 },
        { .name = u"rb_sex_woman"_s, .x = 1536, .y = 172 },
        { .name = u"gb_6"_s, .x = 1797, .y = 16 },
        { .name = u"em_xn_t"_s, .x = 1824, .y = 76 },
        { .name = u"sle_dj"_s, .x = 2267, .y = 76 },
        { .name = u"gb_3"_s, .x = 1504, .y = 612 },
        { .name = u"cbx_1"_s, .x = 1550, .y = 672 },
        { .name = u"cbx_2"_s, .x = 1550, .y = 752 },
        { .name = u"cbx_3"_s, .x = 1550, .y = 828 },
        { .name = u"cbx_4"_s, .x = 1550, .y = 904 },
        { .name = u"gb_5"_s, .x = 1499, .y = 1028 },
        { .name = u"cbx_59"_s, .x = 1545, .y = 1096 },
        { .name = u"cb_2"_s, .x = 2231, .y = 1228 },
        { .name = u"cb_1"_s, .x = 2597, .y = 1228 },
    };
    // Tab walks the graduation fields, the entry fields, the boxes and the
    // buttons; everything else is reached by a click only.
    const std::pair<const char16_t *, int> tabbed[] = {
        { u"em_s1", 30 },
        { u"em_s2", 40 },
        { u"em_t", 50 },
        { u"em_1", 60 },
        { u"em_8", 70 },
        { u"em_f", 80 },
        { u"em_5", 90 },
        { u"em_l", 100 },
        { u"em_z", 110 },
        { u"em_y", 120 },
        { u"em_w", 130 },
        { u"cbx_1", 140 },
        { u"cbx_2", 150 },
        { u"cbx_3", 160 },
        { u"cbx_4", 170 },
        { u"cbx_59", 180 },
        { u"cb_2", 190 },
        { u"cb_1", 200 },
    };
    for (const auto &[name, order] : tabbed)
        overrides.tabOrders.push_back({ .name = QString::fromUtf16(name), .tabOrder = order });
    for (const char16_t *name : { u"em_s_t", u"em_t_t", u"em_1_t", u"em_8_t", u"em_f_t", u"em_5_t",
             u"em_l_t", u"em_z_t", u"em_y_t", u"em_w_t", u"em_xn_t", u"sle_dj", u"gb_4", u"gb_sex",
             u"gb_6", u"gb_3", u"gb_5" })
        overrides.tabOrders.push_back({ .name = QString::fromUtf16(name), .tabOrder = 0 });

    // The graduation area.
    overrides.addedFirst = {
        maskedField(
            u"em_c2"_s, QRect(1541, 464, 219, 96), arial(12, true), rt::colors::kWindowText, 20),
        maskedField(
            u"em_c1"_s, QRect(1541, 364, 224, 96), arial(12, true), rt::colors::kWindowText, 10),
        maskedField(u"em_by_cj"_s, QRect(1824, 376, 439, 172), arial(26, true), kDarkRed, 0),
        ratingField(u"sle_by_dj"_s, QRect(2272, 376, 635, 172)),
    };
    overrides.addedLast = {
        groupBox(u"gb_1"_s, u"毕业成绩"_s, QRect(1792, 308, 1147, 268)),
        groupBox(u"gb_2"_s, u"初一初二"_s, QRect(1504, 308, 297, 268)),
    };
    return overrides.applyTo(firstYearControls());
}

// After every total: the graduation score of the typed first- and
// second-year totals and the third year's own total, with its rating.
void showGraduation(const rt::ControlBuilder &controls, const scoring::TotalResult &total)
{
    auto read = [&](const QString &name) {
        return scoring::readReal32(controls.get<my_maskedit>(name)->text().toStdString());
    };
    const scoring::GraduationResult result
        = scoring::thirdYearWindowGraduation(read(u"em_c1"_s), read(u"em_c2"_s), total.total);
    controls.get<my_maskedit>(u"em_by_cj"_s)->setText(QString::number(result.score));
    showRating(controls.get<QLineEdit>(u"sle_by_dj"_s), result.rating);
}

} // namespace

const YearProfile &thirdYearProfile()
{
    static const YearProfile profile = [] {
        YearProfile third;
        third.className = u"w_jsq_cz3"_s;
        third.yearCode = u"23"_s;
        third.settingsWindow = u"w_xm_cz3"_s;
        third.title = u"初中三年级成绩"_s;
        third.totalCaption = u"初三学年成绩"_s;
        third.setupMessage = u"请先设置好初中三年级测试项目！"_s;
        third.vitalCapacityTitle = u"提示"_s;
        third.vitalCapacityText = u"如要得到肺活量成绩，请先正确输入体重！"_s;
        third.ladders = &scoring::thirdYearLadders();
        third.windowSize = QSize(3003, 1492);
        third.controls = buildThirdYearControls();
        third.firstFocus = u"em_c1"_s;
        third.graduation = GraduationArea { .inputs = { u"em_c1"_s, u"em_c2"_s },
            .afterTotal = &showGraduation };
        return third;
    }();
    return profile;
}

} // namespace calculator
