#include "calculator/YearProfile.h"

#include "calculator/BoxTitles.h"
#include "calculator/ScoreMask.h"
#include "items/ItemRow.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::colors::kBlue;
using rt::colors::kDarkRed;
using rt::colors::kFieldBlue;
using rt::colors::kMagenta;
using rt::colors::kNavy;
using rt::colors::kPurple;
using rt::colors::kRed;
using rt::colors::kWindowText;

// Where the form departs from the item rows' rule: wider names, the
// height's unit label, the weight's name a little to the right, and the
// tab order values of the score fields.
struct RowException
{
    QString name;
    std::optional<QRect> rect = std::nullopt;
    int width = 0;
    int tabOrder = 0;
};

const std::vector<RowException> &rowExceptions()
{
    static const std::vector<RowException> exceptions = {
        { .name = u"st_13"_s, .rect = QRect(741, 96, 247, 60) },
        { .name = u"st_s2"_s, .rect = QRect(87, 204, 343, 56) },
        { .name = u"st_1"_s, .width = 393 },
        { .name = u"st_8"_s, .width = 366 },
        { .name = u"st_y"_s, .width = 393 },
        { .name = u"em_s_t"_s, .tabOrder = 13 },
        { .name = u"em_t_t"_s, .tabOrder = 14 },
        { .name = u"em_1_t"_s, .tabOrder = 15 },
        { .name = u"em_8_t"_s, .tabOrder = 16 },
        { .name = u"em_f_t"_s, .tabOrder = 16 },
        { .name = u"em_5_t"_s, .tabOrder = 17 },
        { .name = u"em_l_t"_s, .tabOrder = 19 },
        { .name = u"em_z_t"_s, .tabOrder = 20 },
        { .name = u"em_y_t"_s, .tabOrder = 21 },
        { .name = u"em_w_t"_s, .tabOrder = 22 },
    };
    return exceptions;
}

// The item rows, top to bottom. Row k (from 0) has its entry field at
// y = 92 + 100 k, its name 12 units lower, its unit 8 lower and its score
// field 8 higher; the entry fields take the tab order values 2, 3, ... in
// row order. Each row's controls are made in the order name, entry field,
// unit, score field.
rt::ControlTable itemRowControls()
{
    const rt::ControlLook name { .font = rt::font(8), .textColor = kNavy };
    const rt::ControlLook unit { .font = rt::font(8), .textColor = kDarkRed };
    rt::ControlTable table;
    int k = 0;
    for (const items::ItemRow &row : items::itemRows()) {
        const int y = 92 + 100 * k;
        table.push_back(rt::label(row.labelName, row.label, QRect(82, y + 12, 343, 56), name));
        table.push_back(
            rt::maskedEdit(row.entryName, QRect(475, y, 251, 80), {}, { .tabOrder = 2 + k }));
        if (!row.unitName.isEmpty())
            table.push_back(rt::label(row.unitName, row.unit, QRect(741, y + 8, 343, 56), unit));
        if (!row.scoreName.isEmpty())
            table.push_back(
                rt::maskedEdit(row.scoreName, QRect(1093, y - 8, 210, 80), scoreMask()));
        ++k;
    }
    for (const RowException &exception : rowExceptions()) {
        rt::ControlDecl *decl = rt::findControl(table, exception.name);
        Q_ASSERT(decl);
        if (exception.rect)
            decl->rect = *exception.rect;
        if (exception.width)
            decl->rect.setWidth(exception.width);
        if (exception.tabOrder)
            decl->tabOrder = exception.tabOrder;
    }
    return table;
}

// The first year's controls: the item rows, then the right-hand half. The
// entry and score fields without a font take the masked entry field's own;
// gb_6 takes its caption from the profile. Controls with equal tab order
// values take the focus in the order of this table.
rt::ControlTable buildFirstYearControls()
{
    const rt::FontDecl arial8 = rt::font(8);
    const rt::FontDecl arial9 = rt::font(9);
    const rt::ControlLook result { .font = rt::font(26, true), .textColor = kWindowText };

    rt::ControlTable table = itemRowControls();
    rt::ControlDecl rating = rt::lineEdit(u"sle_dj"_s, QRect(2263, 92, 635, 172), result);
    rating.backColor = kFieldBlue;
    rating.tabOrder = 27;
    rt::ControlDecl total = rt::maskedEdit(u"em_xn_t"_s, QRect(1819, 92, 439, 172), scoreMask(),
        { .font = rt::font(26, true), .textColor = kDarkRed, .tabOrder = 27 });
    table.insert(table.end(),
        {
            rt::label(u"st_111"_s, u"成绩（分）"_s, QRect(1070, 104, 283, 76),
                { .font = arial9, .textColor = kWindowText }),
            rt::groupBox(u"gb_4"_s, u"项目成绩"_s, QRect(37, 28, 1431, 1176),
                { .font = arial8, .textColor = kBlue, .tabOrder = 40 }),
            rt::groupBox(u"gb_sex"_s, u"性别"_s, QRect(1499, 28, 297, 264),
                { .font = arial8, .textColor = kBlue, .tabOrder = 30 }),
            rt::radioButton(u"rb_sex_man"_s, u"男"_s, QRect(1531, 100, 174, 72),
                { .font = rt::font(14, true), .textColor = kNavy }),
            rt::radioButton(u"rb_sex_woman"_s, u"女"_s, QRect(1531, 184, 174, 72),
                { .font = rt::font(14, true), .textColor = kPurple }),
            rt::groupBox(u"gb_6"_s, {}, QRect(1792, 28, 1138, 264),
                { .font = arial8, .textColor = kBlue, .tabOrder = 40 }),
            rt::groupBox(u"gb_3"_s, u"加分"_s, QRect(1499, 504, 1435, 392),
                { .font = rt::font(9, true), .textColor = kMagenta, .tabOrder = 22 }),
            rt::checkBox(u"cbx_1"_s, u"1、出勤率达到98%，并认真锻炼。（加５分）"_s,
                QRect(1545, 564, 1202, 76),
                { .font = arial9, .textColor = kWindowText, .tabOrder = 13 }),
            rt::checkBox(u"cbx_2"_s, u"2、获等级运动员称号。（加５分）"_s,
                QRect(1545, 644, 928, 76),
                { .font = arial9, .textColor = kWindowText, .tabOrder = 14 }),
            rt::checkBox(u"cbx_3"_s, u"3、比赛获名次。（加５分）"_s, QRect(1545, 720, 928, 76),
                { .font = arial9, .textColor = kWindowText, .tabOrder = 15 }),
            rt::checkBox(u"cbx_4"_s, u"4、学生体育干部工作认真负责。（加５分）"_s,
                QRect(1545, 796, 1143, 76),
                { .font = arial9, .textColor = kWindowText, .tabOrder = 16 }),
            rt::groupBox(u"gb_5"_s, u"降分"_s, QRect(1495, 912, 1445, 164),
                { .font = rt::font(9, true), .textColor = kRed, .tabOrder = 27 }),
            rt::checkBox(u"cbx_59"_s, u"无故缺勤超1/10或病、事假超1/3。（最高为５９分）"_s,
                QRect(1541, 980, 1353, 76),
                { .font = arial9, .textColor = kWindowText, .tabOrder = 17 }),
            // cb_2 shares the value 12 with em_w and follows it.
            rt::pushButton(u"cb_2"_s, u"项目设置"_s, QRect(2149, 1100, 297, 100),
                { .font = arial9, .tabOrder = 12 }),
            total,
            rating,
            rt::pushButton(u"cb_1"_s, u"关闭"_s, QRect(2592, 1096, 343, 100),
                { .font = arial8, .tabOrder = 27 }),
        });
    return table;
}

} // namespace

const rt::ControlTable &firstYearControls()
{
    static const rt::ControlTable controls = buildFirstYearControls();
    return controls;
}

rt::WindowDecl calculatorWindow(const YearProfile &profile)
{
    return {
        .name = profile.className,
        .title = profile.title,
        .icon = u"AppIcon!"_s,
        // A title bar without a control menu: no close, minimize or maximize
        // box; the window closes through its own button.
        .flags = rt::style::modalDialogFlags(),
        .modal = true,
        .size = profile.outerSize,
        .backColor = rt::colors::kButtonFace,
        .placement = rt::WindowDecl::Placement::CentredOnFirstShow,
    };
}

const YearProfile &firstYearProfile()
{
    static const YearProfile profile {
        .className = u"w_jsq_cz1"_s,
        .yearCode = u"21"_s,
        .settingsWindow = u"w_xm_cz1"_s,
        .title = u"初中一年级成绩"_s,
        .totalCaption = u"初一学年成绩"_s,
        .setupMessage = u"请先设置好初中一年级测试项目！"_s,
        .vitalCapacityTitle = kNoticeTitle,
        .vitalCapacityText = u"如要得到肺活量成绩，请先正确输入体重！"_s,
        .ladders = &scoring::firstYearLadders(),
        .outerSize = QSize(3008, 1388),
        .controls = firstYearControls(),
        .firstFocus = u"em_s1"_s,
    };
    return profile;
}

std::array<const YearProfile *, 3> yearProfiles()
{
    return { &firstYearProfile(), &secondYearProfile(), &thirdYearProfile() };
}

} // namespace calculator
