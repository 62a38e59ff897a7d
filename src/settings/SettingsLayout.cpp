#include "settings/SettingsLayout.h"

#include "items/XmszTable.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

using rt::ControlDecl;
using rt::ControlKind;
using rt::colors::kBlue;
using rt::colors::kMagenta;
using rt::colors::kNavy;
using rt::colors::kWindowText;

} // namespace

rt::WindowDecl settingsWindow(const SettingsYearProfile &profile)
{
    return {
        .name = profile.className,
        .title = profile.title,
        .icon = u"AppIcon!"_s,
        .flags = rt::style::modalDialogFlags(),
        .modal = true,
        .size = profile.outerSize,
        .placement = rt::WindowDecl::Placement::CentredOnFirstShow,
    };
}

rt::ControlTable settingsControls(const SettingsYearProfile &profile)
{
    const rt::ControlLook item { .font = rt::font(9), .textColor = kBlue };
    const rt::ControlLook runs { .font = rt::font(9), .textColor = kMagenta };
    const rt::ControlLook frame { .font = rt::font(9), .textColor = kWindowText };
    const rt::ControlLook girlsFrame { .font = rt::font(9, true), .textColor = kNavy };
    auto withTabOrder = [](const rt::ControlLook &look, int tabOrder) {
        rt::ControlLook withOrder = look;
        withOrder.tabOrder = tabOrder;
        return withOrder;
    };

    // The captions of the items that both sexes take.
    const QString heightWeight = u"身高标准体重（15分）"_s;
    const QString vitalCapacity = u"肺活量体重指数（15分）"_s;
    const QString stepTest = u"台阶试验（20分）"_s;
    const QString run50 = u"50米跑（30分）"_s;
    const QString longJump = u"立定跳远（30分）"_s;
    const QString sitAndReach = u"坐位体前屈（20分）"_s;
    const QString gripIndex = u"握力体重指数（20分）"_s;

    // The data view's rows live in the window's db::DataView; its control
    // shows nothing and stays hidden.
    ControlDecl dataView { .name = u"dw_1"_s,
        .kind = ControlKind::DataView,
        .rect = QRect(608, 436, 686, 400),
        .tabOrder = 20,
        .visible = false };

    // The control list, in its declared order.
    rt::ControlTable table = {
        rt::pictureButton(u"cb_2"_s, u"关闭(&X)"_s, u"Close!"_s, profile.closeButtonRect,
            { .tabOrder = profile.closeTabOrder }),
        rt::pictureButton(u"cb_1"_s, u"保存（&S)"_s, u"Save!"_s, profile.saveButtonRect,
            { .tabOrder = 60, .enabled = false }),
        rt::radioButton(u"rb_w_w"_s, gripIndex, QRect(1019, 968, 626, 92), item),
        rt::radioButton(u"rb_z_w"_s, sitAndReach, QRect(1019, 780, 571, 92), item),
        rt::radioButton(u"rb_l_w"_s, longJump, QRect(1019, 652, 517, 84), item),
        rt::radioButton(u"rb_5_w"_s, run50, QRect(1019, 560, 471, 92), item),
        rt::groupBox(u"gb_6"_s, {}, QRect(983, 272, 791, 264), withTabOrder(girlsFrame, 40)),
        rt::radioButton(u"rb_2"_s, vitalCapacity, QRect(1019, 212, 681, 76), item),
        rt::radioButton(u"rb_1"_s, heightWeight, QRect(1019, 140, 626, 76), item),
        dataView,
        rt::radioButton(u"rb_9"_s, vitalCapacity, QRect(128, 212, 681, 76), item),
        rt::radioButton(u"rb_8"_s, heightWeight, QRect(128, 140, 626, 76), item),
        rt::radioButton(u"rb_w_m"_s, gripIndex, QRect(128, 972, 626, 92), item),
        rt::radioButton(u"rb_y_w"_s, u"仰卧起坐（女）（20分）"_s, QRect(1019, 876, 681, 92), runs),
        rt::radioButton(u"rb_z_m"_s, sitAndReach, QRect(128, 796, 571, 92), item),
        rt::radioButton(u"rb_l_m"_s, longJump, QRect(128, 648, 517, 84), item),
        rt::radioButton(u"rb_5_m"_s, run50, QRect(128, 556, 471, 92), item),
        rt::radioButton(u"rb_1_m"_s, u"1000米跑（男）（20分）"_s, QRect(128, 424, 699, 92), runs),
        rt::radioButton(u"rb_t_m"_s, stepTest, QRect(128, 336, 517, 92), item),
        rt::groupBox(u"gb_1"_s, {}, QRect(96, 268, 782, 264), withTabOrder(frame, 10)),
        rt::groupBox(u"gb_2"_s, {}, QRect(96, 496, 782, 268), withTabOrder(frame, 20)),
        rt::groupBox(u"gb_3"_s, {}, QRect(96, 728, 782, 360), withTabOrder(frame, 30)),
        rt::groupBox(u"gb_4"_s, u"男"_s, QRect(41, 44, 901, 1088),
            { .font = rt::font(12, true), .textColor = kBlue, .tabOrder = 10 }),
        rt::radioButton(u"rb_t_w"_s, stepTest, QRect(1019, 336, 517, 92), item),
        rt::radioButton(u"rb_8_w"_s, u"800米跑（女）（20分）"_s, QRect(1019, 424, 677, 92), runs),
        rt::groupBox(u"gb_7"_s, {}, QRect(983, 500, 791, 264), withTabOrder(girlsFrame, 60)),
        rt::groupBox(u"gb_8"_s, {}, QRect(983, 728, 791, 364), withTabOrder(girlsFrame, 40)),
        rt::groupBox(u"gb_5"_s, u"女"_s, QRect(937, 44, 891, 1088),
            { .font = rt::font(12, true), .textColor = kBlue, .tabOrder = 20 }),
    };

    // The fixed items are chosen and cannot be changed. Each choice belongs
    // to the smallest group box around it, whose choices exclude each
    // other; no radio button excludes any other by merely sharing the
    // window.
    for (ControlDecl &decl : table) {
        if (decl.kind != ControlKind::RadioButton)
            continue;
        decl.autoExclusive = false;
        if (fixedItems().contains(decl.name)) {
            decl.checked = true;
            decl.enabled = false;
        } else if (const QString box = rt::enclosingGroupBox(decl.rect, table); !box.isEmpty()) {
            decl.buttonGroup = box + u"_choices"_s;
        }
    }
    return table;
}

const std::vector<ChoiceItem> &choiceItems()
{
    // Each flag column "xm_<item>_<sex>" has its radio button "rb_<item>_<sex>".
    static const std::vector<ChoiceItem> items = [] {
        std::vector<ChoiceItem> choices;
        for (const QString &column : items::flagColumns())
            choices.push_back({ u"rb_"_s + column.mid(3), column });
        return choices;
    }();
    return items;
}

const QStringList &fixedItems()
{
    static const QStringList names = { u"rb_8"_s, u"rb_9"_s, u"rb_1"_s, u"rb_2"_s };
    return names;
}

std::vector<ChoiceGroup> choiceGroups(const rt::ControlTable &controls)
{
    std::map<QString, std::vector<const ControlDecl *>> members;
    for (const ControlDecl &c : controls) {
        if (c.kind != ControlKind::RadioButton || fixedItems().contains(c.name))
            continue;
        const QString box = rt::enclosingGroupBox(c.rect, controls);
        if (!box.isEmpty())
            members[box].push_back(&c);
    }
    std::vector<ChoiceGroup> groups;
    for (auto &[box, radios] : members) {
        std::sort(radios.begin(), radios.end(),
            [](const ControlDecl *a, const ControlDecl *b) { return a->rect.y() < b->rect.y(); });
        ChoiceGroup group { box, {} };
        for (const ControlDecl *r : radios)
            group.radioButtons.append(r->name);
        groups.push_back(group);
    }
    return groups;
}

QStringList keyboardOrder(const rt::ControlTable &controls)
{
    struct Stop
    {
        int tabOrder;
        QRect rect;
        QStringList names;
    };
    std::vector<Stop> stops;
    for (const ChoiceGroup &group : choiceGroups(controls)) {
        const ControlDecl *box = rt::findControl(controls, group.groupBox);
        stops.push_back({ box->tabOrder, box->rect, group.radioButtons });
    }
    for (const ControlDecl &c : controls) {
        if (c.kind == ControlKind::PictureButton)
            stops.push_back({ c.tabOrder, c.rect, { c.name } });
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) {
        if (a.tabOrder != b.tabOrder)
            return a.tabOrder < b.tabOrder;
        if (a.rect.y() != b.rect.y())
            return a.rect.y() < b.rect.y();
        return a.rect.x() < b.rect.x();
    });
    QStringList order;
    for (const Stop &stop : stops)
        order += stop.names;
    return order;
}

} // namespace settings
