#include "runtime/GroupBoxCaptionStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

using namespace Qt::StringLiterals;

namespace rt {

GroupBoxCaptionStyle::GroupBoxCaptionStyle(QStyle *base)
    : QProxyStyle(base)
{ }

GroupBoxCaptionStyle *GroupBoxCaptionStyle::instance()
{
    static QPointer<GroupBoxCaptionStyle> style;
    if (!style) {
        // The proxy owns its base: a style of its own, of the application's
        // kind.
        style = new GroupBoxCaptionStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

QRect GroupBoxCaptionStyle::subControlRect(ComplexControl control,
    const QStyleOptionComplex *option, SubControl subControl, const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel && !rect.isEmpty()) {
        // From the top of the box, one line of the declared face high.
        rect.moveTop(option->rect.top());
        rect.setHeight(option->fontMetrics.height());
    }
    return rect;
}

void GroupBoxCaptionStyle::drawComplexControl(ComplexControl control,
    const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box || box->text.isEmpty()
        || !(box->subControls & SC_GroupBoxLabel)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The frame (and a check box) as the style draws them, then the caption.
    QStyleOptionGroupBox withoutCaption = *box;
    withoutCaption.subControls &= ~SC_GroupBoxLabel;
    QProxyStyle::drawComplexControl(control, &withoutCaption, painter, widget);

    const QRect caption = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);
    painter->save();
    painter->setClipRect(caption);
    painter->setPen(QPen(box->palette.windowText(), 1));
    // The text at the baseline of the declared face; a mnemonic shows as
    // the text without its marker.
    QString text = box->text;
    text.remove(QRegularExpression(u"&(?!&)"_s));
    painter->drawText(QPointF(caption.left(), caption.top() + option->fontMetrics.ascent()), text);
    painter->restore();
}

} // namespace rt
