#include "controls/PictureButtonFace.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace controls {

PictureButtonFace::PictureButtonFace(QWidget *parent)
    : QPushButton(parent)
{ }

void PictureButtonFace::setCaptionLeft(int pixels)
{
    if (m_captionLeft == pixels)
        return;
    m_captionLeft = pixels;
    update();
}

void PictureButtonFace::paintEvent(QPaintEvent *event)
{
    if (m_captionLeft < 0) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text.trimmed();
    // The face, frame and focus mark as the style draws them, without text.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    area.setLeft(m_captionLeft);
    if (option.state & (QStyle::State_On | QStyle::State_Sunken)) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    style()->drawItemText(
        &painter, area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

} // namespace controls
