#include "shell/w_pwd.h"

#include "controls/EntryControlFactories.h"
#include "controls/pfc_picture_command_button.h"
#include "runtime/ControlBuilder.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"
#include "shell/w_main1.h"
#include "ui/ToolbarGlobals.h"
#include "ui/f_create_toolbarutil.h"

using namespace Qt::Literals::StringLiterals;

namespace {

rt::FontSpec songti(int points, bool bold)
{
    return rt::FontSpec { u"宋体"_s, points, 0, bold };
}

rt::ControlSpec greeting(
    const QString &name, QRect rect, const QString &text, int points, long color)
{
    rt::ControlSpec spec;
    spec.name = name;
    spec.kind = rt::ControlKind::Label;
    spec.text = text;
    spec.rect = rect;
    spec.font = songti(points, true);
    spec.textColor = color;
    return spec;
}

rt::ControlSpec pictureButton(
    const QString &name, const QString &text, const QString &picture, int y, int tabOrder)
{
    rt::ControlSpec spec;
    spec.name = name;
    spec.kind = rt::ControlKind::PictureButton;
    spec.text = text;
    spec.picture = picture;
    spec.rect = QRect(1143, y, 361, 100);
    spec.tabOrder = tabOrder;
    return spec;
}

// The greeting and the two buttons, positions in layout units. The enter
// button comes first in the tab order, so it has the focus on opening.
rt::ControlTable startControls()
{
    rt::ControlSpec frame;
    frame.name = u"gb_1"_s;
    frame.kind = rt::ControlKind::GroupBox;
    frame.rect = QRect(55, 20, 1047, 392);
    frame.font = songti(16, false);
    frame.textColor = rt::colors::kWindowText;
    return {
        frame,
        greeting(u"st_2"_s, { 114, 92, 517, 92 }, u"欢迎使用"_s, 16, rt::colors::rgb(255, 0, 255)),
        greeting(u"st_3"_s, { 795, 132, 265, 60 }, u"（初中）"_s, 10, rt::colors::rgb(0, 255, 0)),
        greeting(u"st_1"_s, { 114, 228, 960, 84 }, u"Kelvaro"_s, 12, rt::colors::rgb(0, 0, 255)),
        pictureButton(u"uo_3"_s, u"登录(&L)"_s, u"Custom079!"_s, 180, 20),
        pictureButton(u"uo_4"_s, u"退出(&X)"_s, u"Exit!"_s, 312, 30),
    };
}

} // namespace

w_pwd::w_pwd(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(u"w_pwd"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"登录管理系统....."_s);
    setWindowIcon(rt::stock::icon(u"OleGenReg!"_s));
    resize(rt::style::clientSizeForOuter(QSize(1682, 612)));
    rt::style::setBackColor(this, rt::colors::kButtonFace);

    const rt::ControlBuilder built(this, startControls(), controls::entryControlFactories());
    auto *enterButton = built.get<pfc_picture_command_button>(u"uo_3"_s);
    auto *exitButton = built.get<pfc_picture_command_button>(u"uo_4"_s);
    enterButton->setFocus();

    connect(enterButton, &pfc_picture_command_button::clicked, this, &w_pwd::enter);
    connect(exitButton, &pfc_picture_command_button::clicked, this, &QWidget::close);

    rt::style::centerOnScreen(this);
}

void w_pwd::enter()
{
    auto *frame = new w_main1;
    frame->showMaximized();

    std::unique_ptr<uo_toolbarutil> &util = ui::toolbarUtil();
    f_create_toolbarutil(util);
    // A host version without a toolbar utility leaves the global empty: the
    // toolbar then keeps the look it was made with.
    if (util && util->of_inittoolbar(frame, 24)) {
        util->of_settoolbarfont(QStringLiteral("Courier New"), -11, QStringLiteral("12345"));
        util->of_toolbarshowtext(true);
    }
    close();
}
