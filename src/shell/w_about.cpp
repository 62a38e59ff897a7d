#include "shell/w_about.h"

#include "runtime/CloseGuard.h"
#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"
#include "runtime/WindowStyle.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace shell {

namespace {

const QString kSite = u"https://example.com/"_s;

// Without a title bar the declared size is the client area.
rt::WindowDecl aboutWindow()
{
    return { .name = u"w_about"_s,
        .icon = u"AppIcon!"_s,
        .flags = rt::style::modalDialogFlags() | Qt::FramelessWindowHint,
        .modal = true,
        .size = QSize(2181, 820),
        .sizeIs = rt::WindowDecl::Size::Client,
        .fixedSize = false,
        .backColor = rt::colors::kButtonFace,
        .placement = rt::WindowDecl::Placement::Centred };
}

// The controls top to bottom, positions and sizes in layout units. The
// maker's contact data are fictitious.
rt::ControlTable aboutControls()
{
    using rt::colors::kBlue;
    using rt::colors::kDesktop;
    using rt::colors::kLinkText;
    using rt::colors::kMagenta;
    rt::ControlDecl link = rt::label(
        u"shl_1"_s, {}, { 480, 684, 1221, 92 }, { .font = rt::font(12), .textColor = kLinkText });
    link.font.underline = true;
    link.pointer = u"HyperLink!"_s;
    return {
        rt::label(u"st_1"_s, u"技术问题和建议请寄 Kelvaro 示例软件工作室，联系人：示例先生"_s,
            { 55, 80, 2034, 72 }, { .font = rt::font(10, true), .textColor = kBlue }),
        rt::label(u"st_3"_s, u"地址：示例市示例路 1 号  示例先生  邮编：000000"_s,
            { 64, 208, 1902, 72 }, { .font = rt::font(10), .textColor = kDesktop }),
        rt::label(u"st_5"_s, u"手机：000-0000-0000"_s, { 64, 332, 1262, 72 },
            { .font = rt::font(10, true), .textColor = kBlue }),
        rt::label(u"st_4"_s, u"电话：555-0100"_s, { 64, 440, 1262, 72 },
            { .font = rt::font(10, true), .textColor = kBlue }),
        rt::label(u"st_2"_s, u"邮箱：kv@example.com"_s, { 64, 556, 1038, 72 },
            { .font = rt::font(12, true), .textColor = kLinkText }),
        rt::label(u"st_10"_s, u"软件升级："_s, { 64, 692, 379, 72 },
            { .font = rt::font(10), .textColor = kMagenta }),
        link,
        rt::pushButton(u"cb_1"_s, u"关闭(&X)"_s, { 1792, 680, 302, 80 },
            { .font = rt::font(9), .tabOrder = 10 }),
    };
}

} // namespace

w_about::w_about(QWidget *parent)
    : QDialog(parent)
{
    rt::setUpWindow(this, aboutWindow());
    const rt::ControlBuilder built(this, aboutControls());

    // The web link: a click hands the address to the system, which opens it.
    auto *link = built.get<QLabel>(u"shl_1"_s);
    const QColor linkColor = rt::colors::fromCode(rt::colors::kLinkText);
    link->setTextFormat(Qt::RichText);
    link->setText(u"<a href=\"%1\" style=\"color:%2\">%1</a>"_s.arg(kSite, linkColor.name()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setOpenExternalLinks(true);
    link->setFocusPolicy(Qt::NoFocus);

    // Esc and the window system's close request do not close the box.
    auto *guard = new rt::CloseGuard(this);
    auto *close = built.get<QPushButton>(u"cb_1"_s);
    // The box's one button: it shows as the default button while it has
    // the focus, as a dialog's button does.
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, guard, &rt::CloseGuard::closeWindow);
    close->setFocus();
}

} // namespace shell
