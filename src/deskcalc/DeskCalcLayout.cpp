#include "deskcalc/DeskCalcLayout.h"

#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"

using namespace Qt::StringLiterals;

namespace deskcalc {

namespace {

rt::ControlDecl button(const QString &name, const QString &text, int x, int y, int points,
    bool bold = false, int tabOrder = 0, int width = 201)
{
    return rt::pushButton(name, text, QRect(x, y, width, 120),
        { .font = rt::font(points, bold), .tabOrder = tabOrder });
}

// The number view and the time view: blue on ivory, against the right edge.
rt::ControlDecl view(const QString &name, const QString &text, int points, int tabOrder)
{
    rt::ControlDecl decl = rt::lineEdit(name, QRect(50, 68, 1175, 128),
        { .font = rt::font(points),
            .textColor = rt::colors::kBlue,
            .backColor = rt::colors::kIvory,
            .tabOrder = tabOrder });
    decl.text = text;
    decl.alignment = Qt::AlignRight | Qt::AlignVCenter;
    return decl;
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
        // The frame around all the controls, without a caption.
        rt::groupBox(u"gb_1"_s, {}, QRect(23, 0, 1239, 984),
            { .font = rt::font(11),
                .textColor = rt::colors::kBlue,
                .backColor = rt::colors::kButtonFace }),
    };
}

} // namespace

const rt::WindowDecl &deskCalcWindow()
{
    // The declared background is the system's button face.
    static const rt::WindowDecl decl {
        .name = u"w_4"_s,
        .title = u"计算器"_s,
        .icon = u"Form!"_s,
        .size = QSize(1312, 1108),
        .backColor = rt::colors::kButtonFace,
        .placement = rt::WindowDecl::Placement::At,
        .position = QPoint(1111, 488),
    };
    return decl;
}

const rt::ControlTable &deskCalcControls()
{
    static const rt::ControlTable controls = makeControls();
    return controls;
}

} // namespace deskcalc
