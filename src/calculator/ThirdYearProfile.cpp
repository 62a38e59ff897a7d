#include "calculator/YearProfile.h"

#include "calculator/RatingField.h"
#include "calculator/ScoreMask.h"
#include "controls/my_maskedit.h"
#include "items/ItemRow.h"
#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "scoring/GraduationScore.h"
#include "scoring/Real32.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::colors::kBlue;
using rt::colors::kButtonFace;
using rt::colors::kDarkRed;
using rt::colors::kFieldBlue;
using rt::colors::kWindowText;

// The third year's window: the first year's controls in new places, a tab
// sequence that starts in the graduation area and leaves out every score,
// total and rating field, and the graduation area between the sex and
// total groups above and the bonus boxes below.
rt::LayoutOverrides makeThirdYearLayout()
{
    rt::LayoutOverrides overrides;
    // The item names and entry fields but the weight's stand 1 unit further
    // right than the rest of their group.
    QStringList namesAndEntries;
    QStringList entries;
    for (const items::ItemRow &row : items::itemRows()) {
        if (row.kind != items::ItemRow::Kind::Weight)
            namesAndEntries << row.labelName;
        namesAndEntries << row.entryName;
        entries << row.entryName;
    }
    overrides.shifts = {
        { .groups = { u"gb_4"_s }, .dx = 4, .dy = -12 },
        { .names = namesAndEntries, .dx = 1 },
        // The right-hand half: higher above the graduation area, lower below
        // it.
        { .groups = { u"gb_sex"_s, u"gb_6"_s }, .dx = 5, .dy = -12 },
        { .groups = { u"gb_3"_s }, .dx = 5, .dy = 108 },
        { .groups = { u"gb_5"_s }, .dx = 4, .dy = 116 },
    };
    // The total and its rating line up with the graduation score's fields.
    overrides.moves = {
        { .name = u"em_xn_t"_s, .x = 1824, .y = 76 },
        { .name = u"sle_dj"_s, .x = 2267, .y = 76 },
        { .name = u"cb_2"_s, .x = 2231, .y = 1228 },
        { .name = u"cb_1"_s, .x = 2597, .y = 1228 },
    };
    // Tab walks the graduation fields (10, 20), the entry fields, the boxes
    // and the buttons; everything else is reached by a click only.
    overrides.tabSequence = rt::LayoutOverrides::TabSequence {
        .names = entries
            + QStringList { u"cbx_1"_s, u"cbx_2"_s, u"cbx_3"_s, u"cbx_4"_s, u"cbx_59"_s, u"cb_2"_s,
                u"cb_1"_s },
        .first = 30,
    };

    // The graduation area.
    const rt::ControlLook typedTotal {
        .font = rt::font(12, true), .textColor = kWindowText, .backColor = kFieldBlue
    };
    const rt::ControlLook groupLook {
        .font = rt::font(9), .textColor = kBlue, .backColor = kButtonFace
    };
    rt::ControlLook firstYear = typedTotal;
    firstYear.tabOrder = 10;
    rt::ControlLook secondYear = typedTotal;
    secondYear.tabOrder = 20;
    rt::ControlDecl rating = rt::lineEdit(u"sle_by_dj"_s, QRect(2272, 376, 635, 172),
        { .font = rt::font(26, true), .textColor = kWindowText, .backColor = kFieldBlue });
    overrides.addedFirst = {
        rt::maskedEdit(u"em_c2"_s, QRect(1541, 464, 219, 96), scoreMask(), secondYear),
        rt::maskedEdit(u"em_c1"_s, QRect(1541, 364, 224, 96), scoreMask(), firstYear),
        rt::maskedEdit(u"em_by_cj"_s, QRect(1824, 376, 439, 172), scoreMask(),
            { .font = rt::font(26, true), .textColor = kDarkRed, .backColor = kFieldBlue }),
        rating,
    };
    overrides.addedLast = {
        rt::groupBox(u"gb_1"_s, u"毕业成绩"_s, QRect(1792, 308, 1147, 268), groupLook),
        rt::groupBox(u"gb_2"_s, u"初一初二"_s, QRect(1504, 308, 297, 268), groupLook),
    };
    return overrides;
}

// After every total: the graduation score of the typed first- and
// second-year totals and the third year's own total, with its rating.
void showGraduation(const rt::ControlBuilder &controls, const scoring::TotalResult &total)
{
    auto read = [&](const QString &name) {
        return scoring::readReal32(controls.get<controls::my_maskedit>(name)->text().toStdString());
    };
    const scoring::GraduationResult result
        = scoring::thirdYearWindowGraduation(read(u"em_c1"_s), read(u"em_c2"_s), total.total);
    controls.get<controls::my_maskedit>(u"em_by_cj"_s)->setText(QString::number(result.score));
    showRating(controls.get<QLineEdit>(u"sle_by_dj"_s), result.rating);
}

} // namespace

const rt::LayoutOverrides &thirdYearLayout()
{
    static const rt::LayoutOverrides overrides = makeThirdYearLayout();
    return overrides;
}

const YearProfile &thirdYearProfile()
{
    static const YearProfile profile {
        .className = u"w_jsq_cz3"_s,
        .yearCode = u"23"_s,
        .settingsWindow = u"w_xm_cz3"_s,
        .title = u"初中三年级成绩"_s,
        .totalCaption = u"初三学年成绩"_s,
        .setupMessage = u"请先设置好初中三年级测试项目！"_s,
        // The first year's message.
        .vitalCapacityTitle = firstYearProfile().vitalCapacityTitle,
        .vitalCapacityText = firstYearProfile().vitalCapacityText,
        .ladders = &scoring::thirdYearLadders(),
        .outerSize = QSize(3003, 1492),
        .controls = thirdYearLayout().applyTo(firstYearControls()),
        .firstFocus = u"em_c1"_s,
        .graduation
        = GraduationArea { .inputs = { u"em_c1"_s, u"em_c2"_s }, .afterTotal = &showGraduation },
    };
    return profile;
}

} // namespace calculator
