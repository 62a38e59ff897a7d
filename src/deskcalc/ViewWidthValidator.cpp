#include "deskcalc/ViewWidthValidator.h"

#include <QLineEdit>
#include <QStyle>

namespace deskcalc {

namespace {
// The line edit's own inner margin on either side of the text, and the
// width of its text cursor.
constexpr int kInnerMargin = 2;
constexpr int kCursorWidth = 1;
} // namespace

ViewWidthValidator::ViewWidthValidator(QLineEdit *edit)
    : QValidator(edit)
    , m_edit(edit)
{ }

QValidator::State ViewWidthValidator::validate(QString &input, int &) const
{
    return fits(input) ? Acceptable : Invalid;
}

bool ViewWidthValidator::fits(const QString &text) const
{
    const int frame = m_edit->hasFrame()
        ? m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_edit)
        : 0;
    const QMargins margins = m_edit->textMargins();
    const int available = m_edit->contentsRect().width() - margins.left() - margins.right()
        - 2 * frame - 2 * kInnerMargin - kCursorWidth;
    return m_edit->fontMetrics().horizontalAdvance(text) <= available;
}

} // namespace deskcalc
