#include "shell/w_about.h"

#include "runtime/CloseGuard.h"
#include "runtime/ControlBuilder.h"
#include "runtime/LayoutUnits.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSite = u"https://example.com/"_s;

rt::ControlSpec text(
    const QString &name, QRect rect, int points, bool bold, long color, const QString &content)
{
    rt::ControlSpec spec;
    spec.name = name;
    spec.kind = rt::ControlKind::Label;
    spec.text = content;
    spec.rect = rect;
    spec.font = rt::FontSpec { u"Arial"_s, points, 0, bold };
    spec.textColor = color;
    return spec;
}

// The controls top to bottom, positions and sizes in layout units. The
// maker's contact data are fictitious.
rt::ControlTable aboutControls()
{
    using rt::colors::rgb;
    rt::ControlSpec link
        = text(u"shl_1"_s, { 480, 684, 1221, 92 }, 12, false, rt::colors::kLinkText, QString());
    link.font.underline = true;
    rt::ControlSpec close;
    close.name = u"cb_1"_s;
    close.kind = rt::ControlKind::PushButton;
    close.text = u"关闭(&X)"_s;
    close.rect = { 1792, 680, 302, 80 };
    close.font = rt::FontSpec { u"Arial"_s, 9 };
    close.tabOrder = 10;
    return {
        text(u"st_1"_s, { 55, 80, 2034, 72 }, 10, true, rgb(0, 0, 255),
            u"技术问题和建议请寄 Kelvaro 示例软件工作室，联系人：示例先生"_s),
        text(u"st_3"_s, { 64, 208, 1902, 72 }, 10, false, rt::colors::kDesktop,
            u"地址：示例市示例路 1 号  示例先生  邮编：000000"_s),
        text(u"st_5"_s, { 64, 332, 1262, 72 }, 10, true, rgb(0, 0, 255), u"手机：000-0000-0000"_s),
        text(u"st_4"_s, { 64, 440, 1262, 72 }, 10, true, rgb(0, 0, 255), u"电话：555-0100"_s),
        text(u"st_2"_s, { 64, 556, 1038, 72 }, 12, true, rt::colors::kLinkText,
            u"邮箱：kv@example.com"_s),
        text(u"st_10"_s, { 64, 692, 379, 72 }, 10, false, rgb(255, 0, 255), u"软件升级："_s),
        link,
        close,
    };
}

} // namespace

w_about::w_about(QWidget *parent)
    : QDialog(parent, rt::style::modalDialogFlags() | Qt::FramelessWindowHint)
{
    setObjectName(u"w_about"_s);
    setModal(true);
    setWindowIcon(rt::stock::icon(u"AppIcon!"_s));
    rt::style::setBackColor(this, rt::colors::kButtonFace);
    // Without a title bar the declared size is the client area.
    resize(rt::units::toPixels(QSize(2181, 820)));

    const rt::ControlBuilder built(this, aboutControls());

    // The web link: a click hands the address to the system, which opens it.
    auto *link = built.get<QLabel>(u"shl_1"_s);
    const QColor linkColor = rt::colors::fromCode(rt::colors::kLinkText);
    link->setTextFormat(Qt::RichText);
    link->setText(u"<a href=\"%1\" style=\"color:%2\">%1</a>"_s.arg(kSite, linkColor.name()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setOpenExternalLinks(true);
    link->setFocusPolicy(Qt::NoFocus);
    link->setCursor(rt::stock::pointer(u"HyperLink!"_s));

    // Esc and the window system's close request do not close the box.
    auto *guard = new rt::CloseGuard(this);
    auto *close = built.get<QPushButton>(u"cb_1"_s);
    // The box's one button: it shows as the default button while it has
    // the focus, as a dialog's button does.
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, guard, &rt::CloseGuard::closeWindow);
    close->setFocus();

    rt::style::centerOnScreen(this);
}
