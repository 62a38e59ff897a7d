#include "shell/w_pwd.h"

#include "controls/EntryControlFactories.h"
#include "controls/pfc_picture_command_button.h"
#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"
#include "shell/w_main1.h"
#include "ui/ToolbarGlobals.h"
#include "ui/f_create_toolbarutil.h"

using namespace Qt::StringLiterals;

namespace shell {

namespace {

// A title bar with a system menu and a close box, and no minimize or
// maximize box.
rt::WindowDecl startWindow()
{
    return { .name = w_pwd::className(),
        .title = u"登录管理系统....."_s,
        .icon = u"OleGenReg!"_s,
        .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
        .size = QSize(1682, 612),
        .fixedSize = false,
        .backColor = rt::colors::kButtonFace,
        .placement = rt::WindowDecl::Placement::Centred };
}

// The greeting and the two buttons, positions in layout units. The enter
// button comes first in the tab order, so it has the focus on opening.
rt::ControlTable startControls()
{
    auto greeting = [](int points, long color) {
        return rt::ControlLook { .font = rt::font(points, true, rt::faces::kSongTi),
            .textColor = color };
    };
    return {
        rt::groupBox(u"gb_1"_s, {}, QRect(55, 20, 1047, 392),
            { .font = rt::font(16, false, rt::faces::kSongTi),
                .textColor = rt::colors::kWindowText }),
        rt::label(
            u"st_2"_s, u"欢迎使用"_s, { 114, 92, 517, 92 }, greeting(16, rt::colors::kMagenta)),
        rt::label(
            u"st_3"_s, u"（初中）"_s, { 795, 132, 265, 60 }, greeting(10, rt::colors::kGreen)),
        rt::label(u"st_1"_s, u"Kelvaro"_s, { 114, 228, 960, 84 }, greeting(12, rt::colors::kBlue)),
        rt::pictureButton(u"uo_3"_s, u"登录(&L)"_s, u"Custom079!"_s, QRect(1143, 180, 361, 100),
            { .tabOrder = 20 }),
        rt::pictureButton(
            u"uo_4"_s, u"退出(&X)"_s, u"Exit!"_s, QRect(1143, 312, 361, 100), { .tabOrder = 30 }),
    };
}

} // namespace

QString w_pwd::className()
{
    return u"w_pwd"_s;
}

w_pwd::w_pwd(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    rt::setUpWindow(this, startWindow());

    const rt::ControlBuilder built(this, startControls(), controls::entryControlFactories());
    auto *enterButton = built.get<controls::pfc_picture_command_button>(u"uo_3"_s);
    auto *exitButton = built.get<controls::pfc_picture_command_button>(u"uo_4"_s);
    enterButton->setFocus();

    connect(enterButton, &controls::pfc_picture_command_button::clicked, this, &w_pwd::enter);
    connect(exitButton, &controls::pfc_picture_command_button::clicked, this, &QWidget::close);
}

void w_pwd::enter()
{
    auto *frame = new w_main1;
    frame->showMaximized();

    std::unique_ptr<ui::uo_toolbarutil> &util = ui::guo_toolbarutil();
    ui::f_create_toolbarutil(util);
    // A host version without a toolbar utility leaves the global empty: the
    // toolbar then keeps the look it was made with.
    if (util && util->of_inittoolbar(frame, 24)) {
        util->of_settoolbarfont(rt::faces::kCourierNew.toString(), -11, u"12345"_s);
        util->of_toolbarshowtext(true);
    }
    close();
}

} // namespace shell
