#include "deskcalc/DeskCalcLayout.h"

#include "runtime/SystemColors.h"

using namespace Qt::StringLiterals;

namespace deskcalc {

namespace {

rt::FontSpec arial(int points, bool bold = false)
{
    rt::FontSpec font;
    font.face = u"Arial"_s;
    font.pointSize = points;
    font.bold = bold;
    return font;
}

rt::ControlSpec control(const QString &name, rt::ControlKind kind, const QString &text,
    const QRect &rect, const rt::FontSpec &font)
{
    rt::ControlSpec spec;
    spec.name = name;
    spec.kind = kind;
    spec.text = text;
    spec.rect = rect;
    spec.font = font;
    return spec;
}

rt::ControlSpec button(const QString &name, const QString &text, int x, int y, int points,
    bool bold = false, int tabOrder = 0, int width = 201)
{
    rt::ControlSpec spec = control(
        name, rt::ControlKind::PushButton, text, QRect(x, y, width, 120), arial(points, bold));
    spec.tabOrder = tabOrder;
    return spec;
}

// The number view and the time view: blue on cream, against the right edge.
rt::ControlSpec view(const QString &name, const QString &text, int points, int tabOrder)
{
    rt::ControlSpec spec
        = control(name, rt::ControlKind::LineEdit, text, QRect(50, 68, 1175, 128), arial(points));
    spec.textColor = rt::colors::rgb(0, 0, 255);
    spec.backColor = rt::colors::rgb(255, 251, 240);
    spec.tabOrder = tabOrder;
    spec.alignment = Qt::AlignRight | Qt::AlignVCenter;
    return spec;
}

// The frame around all the controls, without a caption.
rt::ControlSpec frame()
{
    rt::ControlSpec spec = control(
        u"gb_1"_s, rt::ControlKind::GroupBox, QString(), QRect(23, 0, 1239, 984), arial(11));
    spec.textColor = rt::colors::rgb(0, 0, 255);
    spec.backColor = rt::colors::kButtonFace;
    return spec;
}

rt::ControlTable makeControls()
{
    constexpr bool bold = true;
    return {
        button(u"cb_26"_s, u"关闭"_s, 1024, 224, 11, false, 30, 197),
        view(u"sle_2"_s, QString(), 15, 0),
        button(u"cb_24"_s, u"时间"_s, 55, 224, 11),
        button(u"cb_23"_s, u"平方"_s, 1024, 528, 11),
        button(u"cb_22"_s, u"平方根"_s, 1024, 376, 9),
        button(u"cb_21"_s, u"1/x"_s, 1024, 680, 14),
        button(u"cb_20"_s, u"清除"_s, 530, 224, 11),
        button(u"cb_19"_s, u"C"_s, 777, 224, 14),
        button(u"cb_18"_s, u"="_s, 1024, 832, 14, false, 10),
        button(u"cb_17"_s, u"退格"_s, 279, 224, 11),
        button(u"cb_16"_s, u"÷"_s, 777, 376, 16),
        button(u"cb_15"_s, u"×"_s, 777, 528, 16),
        button(u"cb_14"_s, u"-"_s, 777, 680, 20),
        button(u"cb_13"_s, u"+"_s, 777, 832, 16),
        view(u"sle_1"_s, u"0"_s, 14, 20),
        button(u"cb_12"_s, u"."_s, 526, 832, 18),
        button(u"cb_11"_s, u"+/-"_s, 279, 832, 14),
        button(u"cb_10"_s, u"0"_s, 55, 832, 14, bold),
        button(u"cb_9"_s, u"9"_s, 526, 376, 14, bold),
        button(u"cb_8"_s, u"8"_s, 279, 376, 14, bold),
        button(u"cb_7"_s, u"7"_s, 55, 376, 14, bold),
        button(u"cb_6"_s, u"6"_s, 526, 528, 14, bold),
        button(u"cb_5"_s, u"5"_s, 279, 528, 14, bold),
        button(u"cb_4"_s, u"4"_s, 55, 528, 14, bold),
        button(u"cb_3"_s, u"3"_s, 526, 680, 14, bold),
        button(u"cb_2"_s, u"2"_s, 279, 680, 14, bold),
        button(u"cb_1"_s, u"1"_s, 55, 680, 14, bold),
        frame(),
    };
}

} // namespace

const rt::ControlTable &deskCalcControls()
{
    static const rt::ControlTable controls = makeControls();
    return controls;
}

} // namespace deskcalc
