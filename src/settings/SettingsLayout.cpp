#include "settings/SettingsLayout.h"

#include "runtime/SystemColors.h"

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace settings {

namespace {

using rt::ControlKind;
using rt::ControlSpec;
constexpr long kNavy = 8388608;

rt::FontSpec arial(int points, bool bold)
{
    return rt::FontSpec { u"Arial"_s, points, 0, bold };
}

ControlSpec groupBox(const QString &name, const QString &text, int points, bool bold, long color,
    QRect rect, int tabOrder)
{
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::GroupBox;
    c.text = text;
    c.font = arial(points, bold);
    c.textColor = color;
    c.rect = rect;
    c.tabOrder = tabOrder;
    return c;
}

ControlSpec radio(
    const QString &name, const QString &text, long color, QRect rect, bool fixed = false)
{
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::RadioButton;
    c.text = text;
    c.font = arial(9, false);
    c.textColor = color;
    c.rect = rect;
    c.enabled = !fixed;
    c.checked = fixed;
    c.autoExclusive = false;
    return c;
}

ControlSpec pictureButton(const QString &name, const QString &text, const QString &picture,
    QRect rect, bool enabled, int tabOrder)
{
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::PictureButton;
    c.text = text;
    c.picture = picture;
    c.rect = QRect(rect.x(), rect.y(), rect.width(), 100);
    c.enabled = enabled;
    c.tabOrder = tabOrder;
    return c;
}

} // namespace

rt::ControlTable settingsControls(const SettingsYearProfile &profile)
{
    using rt::colors::kBlue;
    using rt::colors::kMagenta;
    using rt::colors::kWindowText;

    // The data view's rows live in the window's rt::DataView; its control
    // shows nothing and stays hidden.
    ControlSpec dataView;
    dataView.name = u"dw_1"_s;
    dataView.kind = ControlKind::DataView;
    dataView.rect = QRect(608, 436, 686, 400);
    dataView.visible = false;
    dataView.tabOrder = 20;

    // The control list, in its declared order.
    return {
        pictureButton(u"cb_2"_s, u"关闭(&X)"_s, u"Close!"_s, profile.closeButton, true,
            profile.closeTabOrder),
        pictureButton(u"cb_1"_s, u"保存（&S)"_s, u"Save!"_s, profile.saveButton, false, 60),
        radio(u"rb_w_w"_s, u"握力体重指数（20分）"_s, kBlue, QRect(1019, 968, 626, 92)),
        radio(u"rb_z_w"_s, u"坐位体前屈（20分）"_s, kBlue, QRect(1019, 780, 571, 92)),
        radio(u"rb_l_w"_s, u"立定跳远（30分）"_s, kBlue, QRect(1019, 652, 517, 84)),
        radio(u"rb_5_w"_s, u"50米跑（30分）"_s, kBlue, QRect(1019, 560, 471, 92)),
        groupBox(u"gb_6"_s, QString(), 9, true, kNavy, QRect(983, 272, 791, 264), 40),
        radio(u"rb_2"_s, u"肺活量体重指数（15分）"_s, kBlue, QRect(1019, 212, 681, 76), true),
        radio(u"rb_1"_s, u"身高标准体重（15分）"_s, kBlue, QRect(1019, 140, 626, 76), true),
        dataView,
        radio(u"rb_9"_s, u"肺活量体重指数（15分）"_s, kBlue, QRect(128, 212, 681, 76), true),
        radio(u"rb_8"_s, u"身高标准体重（15分）"_s, kBlue, QRect(128, 140, 626, 76), true),
        radio(u"rb_w_m"_s, u"握力体重指数（20分）"_s, kBlue, QRect(128, 972, 626, 92)),
        radio(u"rb_y_w"_s, u"仰卧起坐（女）（20分）"_s, kMagenta, QRect(1019, 876, 681, 92)),
        radio(u"rb_z_m"_s, u"坐位体前屈（20分）"_s, kBlue, QRect(128, 796, 571, 92)),
        radio(u"rb_l_m"_s, u"立定跳远（30分）"_s, kBlue, QRect(128, 648, 517, 84)),
        radio(u"rb_5_m"_s, u"50米跑（30分）"_s, kBlue, QRect(128, 556, 471, 92)),
        radio(u"rb_1_m"_s, u"1000米跑（男）（20分）"_s, kMagenta, QRect(128, 424, 699, 92)),
        radio(u"rb_t_m"_s, u"台阶试验（20分）"_s, kBlue, QRect(128, 336, 517, 92)),
        groupBox(u"gb_1"_s, QString(), 9, false, kWindowText, QRect(96, 268, 782, 264), 10),
        groupBox(u"gb_2"_s, QString(), 9, false, kWindowText, QRect(96, 496, 782, 268), 20),
        groupBox(u"gb_3"_s, QString(), 9, false, kWindowText, QRect(96, 728, 782, 360), 30),
        groupBox(u"gb_4"_s, u"男"_s, 12, true, kBlue, QRect(41, 44, 901, 1088), 10),
        radio(u"rb_t_w"_s, u"台阶试验（20分）"_s, kBlue, QRect(1019, 336, 517, 92)),
        radio(u"rb_8_w"_s, u"800米跑（女）（20分）"_s, kMagenta, QRect(1019, 424, 677, 92)),
        groupBox(u"gb_7"_s, QString(), 9, true, kNavy, QRect(983, 500, 791, 264), 60),
        groupBox(u"gb_8"_s, QString(), 9, true, kNavy, QRect(983, 728, 791, 364), 40),
        groupBox(u"gb_5"_s, u"女"_s, 12, true, kBlue, QRect(937, 44, 891, 1088), 20),
    };
}

const std::vector<ChoiceItem> &choiceItems()
{
    static const std::vector<ChoiceItem> items = {
        { u"rb_t_m"_s, u"xm_t_m"_s },
        { u"rb_1_m"_s, u"xm_1_m"_s },
        { u"rb_5_m"_s, u"xm_5_m"_s },
        { u"rb_l_m"_s, u"xm_l_m"_s },
        { u"rb_z_m"_s, u"xm_z_m"_s },
        { u"rb_w_m"_s, u"xm_w_m"_s },
        { u"rb_t_w"_s, u"xm_t_w"_s },
        { u"rb_8_w"_s, u"xm_8_w"_s },
        { u"rb_5_w"_s, u"xm_5_w"_s },
        { u"rb_l_w"_s, u"xm_l_w"_s },
        { u"rb_z_w"_s, u"xm_z_w"_s },
        { u"rb_y_w"_s, u"xm_y_w"_s },
        { u"rb_w_w"_s, u"xm_w_w"_s },
    };
    return items;
}

const QStringList &fixedItems()
{
    static const QStringList names = { u"rb_8"_s, u"rb_9"_s, u"rb_1"_s, u"rb_2"_s };
    return names;
}

QString enclosingGroupBox(const QRect &radioRect, const rt::ControlTable &controls)
{
    const ControlSpec *best = nullptr;
    for (const ControlSpec &c : controls) {
        if (c.kind != ControlKind::GroupBox || !c.rect.contains(radioRect))
            continue;
        const long long area = 1LL * c.rect.width() * c.rect.height();
        if (!best || area < 1LL * best->rect.width() * best->rect.height())
            best = &c;
    }
    return best ? best->name : QString();
}

std::vector<ChoiceGroup> choiceGroups(const rt::ControlTable &controls)
{
    std::map<QString, std::vector<const ControlSpec *>> members;
    for (const ControlSpec &c : controls) {
        if (c.kind != ControlKind::RadioButton || fixedItems().contains(c.name))
            continue;
        const QString box = enclosingGroupBox(c.rect, controls);
        if (!box.isEmpty())
            members[box].push_back(&c);
    }
    std::vector<ChoiceGroup> groups;
    for (auto &[box, radios] : members) {
        std::sort(radios.begin(), radios.end(),
            [](const ControlSpec *a, const ControlSpec *b) { return a->rect.y() < b->rect.y(); });
        ChoiceGroup group { box, {} };
        for (const ControlSpec *r : radios)
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
        const ControlSpec *box = rt::findControl(controls, group.groupBox);
        stops.push_back({ box->tabOrder, box->rect, group.radioButtons });
    }
    for (const ControlSpec &c : controls) {
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
