#include "deskcalc/DeskCalcLayout.h"

#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"

using namespace Qt::StringLiterals;

namespace deskcalc {

namespace {

using rt::colors::kBlue;
using rt::colors::kButtonFace;
using rt::colors::kIvory;

// The number view and the time view: one place, blue on ivory, the text
// against the right edge.
rt::ControlDecl view(const QString &name, const QString &text, int points, int tabOrder)
{
    return {
        .name = name,
        .kind = rt::ControlKind::LineEdit,
        .text = text,
        .rect = QRect(50, 68, 1175, 128),
        .font = rt::font(points),
        .textColor = kBlue,
        .backColor = kIvory,
        .tabOrder = tabOrder,
        .alignment = Qt::AlignRight | Qt::AlignVCenter,
    };
}

rt::ControlTable makeControls()
{
    // The buttons stand in five rows of five, 201 x 120 units each but the
    // close button, which is narrower; the digits are bold.
    const rt::ControlLook digit { .font = rt::font(14, true) };
    const rt::ControlLook word { .font = rt::font(11) };
    const rt::ControlLook symbol { .font = rt::font(14) };
    const rt::ControlLook operatorSign { .font = rt::font(16) };
    return {
        rt::pushButton(u"cb_26"_s, kCloseCaption, QRect(1024, 224, 197, 120),
            { .font = rt::font(11), .tabOrder = 30 }),
        view(u"sle_2"_s, QString(), 15, 0),
        rt::pushButton(u"cb_24"_s, kTimeCaption, QRect(55, 224, 201, 120), word),
        rt::pushButton(u"cb_23"_s, u"平方"_s, QRect(1024, 528, 201, 120), word),
        rt::pushButton(
            u"cb_22"_s, u"平方根"_s, QRect(1024, 376, 201, 120), { .font = rt::font(9) }),
        rt::pushButton(u"cb_21"_s, u"1/x"_s, QRect(1024, 680, 201, 120), symbol),
        rt::pushButton(u"cb_20"_s, u"清除"_s, QRect(530, 224, 201, 120), word),
        rt::pushButton(u"cb_19"_s, u"C"_s, QRect(777, 224, 201, 120), symbol),
        rt::pushButton(u"cb_18"_s, u"="_s, QRect(1024, 832, 201, 120),
            { .font = rt::font(14), .tabOrder = 10 }),
        rt::pushButton(u"cb_17"_s, u"退格"_s, QRect(279, 224, 201, 120), word),
        rt::pushButton(u"cb_16"_s, u"÷"_s, QRect(777, 376, 201, 120), operatorSign),
        rt::pushButton(u"cb_15"_s, u"×"_s, QRect(777, 528, 201, 120), operatorSign),
        rt::pushButton(u"cb_14"_s, u"-"_s, QRect(777, 680, 201, 120), { .font = rt::font(20) }),
        rt::pushButton(u"cb_13"_s, u"+"_s, QRect(777, 832, 201, 120), operatorSign),
        view(u"sle_1"_s, u"0"_s, 14, 20),
        rt::pushButton(u"cb_12"_s, u"."_s, QRect(526, 832, 201, 120), { .font = rt::font(18) }),
        rt::pushButton(u"cb_11"_s, u"+/-"_s, QRect(279, 832, 201, 120), symbol),
        rt::pushButton(u"cb_10"_s, u"0"_s, QRect(55, 832, 201, 120), digit),
        rt::pushButton(u"cb_9"_s, u"9"_s, QRect(526, 376, 201, 120), digit),
        rt::pushButton(u"cb_8"_s, u"8"_s, QRect(279, 376, 201, 120), digit),
        rt::pushButton(u"cb_7"_s, u"7"_s, QRect(55, 376, 201, 120), digit),
        rt::pushButton(u"cb_6"_s, u"6"_s, QRect(526, 528, 201, 120), digit),
        rt::pushButton(u"cb_5"_s, u"5"_s, QRect(279, 528, 201, 120), digit),
        rt::pushButton(u"cb_4"_s, u"4"_s, QRect(55, 528, 201, 120), digit),
        rt::pushButton(u"cb_3"_s, u"3"_s, QRect(526, 680, 201, 120), digit),
        rt::pushButton(u"cb_2"_s, u"2"_s, QRect(279, 680, 201, 120), digit),
        rt::pushButton(u"cb_1"_s, u"1"_s, QRect(55, 680, 201, 120), digit),
        // The frame around all the controls, without a caption.
        rt::groupBox(u"gb_1"_s, {}, QRect(23, 0, 1239, 984),
            { .font = rt::font(11), .textColor = kBlue, .backColor = kButtonFace }),
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
        // A top-level window with a title bar, a minimize and a close box.
        .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
        .size = QSize(1312, 1108),
        .backColor = kButtonFace,
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
