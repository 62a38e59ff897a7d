#include "controls/my_maskedit.h"

#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace controls {

namespace {

// Lets through only what the field's mask can hold.
class MaskValidator : public QValidator
{
    Q_OBJECT

public:
    MaskValidator(const my_maskedit *field, QObject *parent)
        : QValidator(parent)
        , m_field(field)
    { }

    State validate(QString &input, int &) const override
    {
        switch (m_field->numericMask().check(input)) {
        case controls::NumericMask::Check::Acceptable:
            return Acceptable;
        case controls::NumericMask::Check::Intermediate:
            return Intermediate;
        case controls::NumericMask::Check::Invalid:
            break;
        }
        return Invalid;
    }

private:
    const my_maskedit *m_field;
};

} // namespace

my_maskedit::my_maskedit(QWidget *parent)
    : QLineEdit(parent)
{
    resize(rt::units::toPixels(QSize(402, 112)));

    setFont(rt::style::toQFont(rt::font(9)));

    QPalette colours = palette();
    colours.setColor(QPalette::Text, rt::colors::fromCode(rt::colors::kWindowText));
    colours.setColor(QPalette::Base, rt::colors::fromCode(rt::colors::kFieldBlue));
    setPalette(colours);
    setFrame(true);

    setValidator(new MaskValidator(this, this));
    m_declaredFont = this->font();
    connect(this, &QLineEdit::textChanged, this, &my_maskedit::fitText);
    QLineEdit::setText(controls::NumericMask::noneText());
    m_committedText = text();
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
}

void my_maskedit::setMask(const QString &mask)
{
    m_mask = controls::NumericMask(mask);
    if (controls::NumericMask::isNumber(text()))
        QLineEdit::setText(m_mask.format(text()));
    if (!m_edited)
        m_committedText = text();
}

void my_maskedit::setText(const QString &text)
{
    QLineEdit::setText(m_mask.format(text));
    m_edited = false;
    m_committedText = this->text();
}

float my_maskedit::value() const
{
    return controls::NumericMask::value(text());
}

void my_maskedit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Handled as a press of Tab, at once: the focus moves on and the
        // window sees the field left just as after Tab.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &tab);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void my_maskedit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that brings the focus places the cursor after this handler;
    // select again once the press has been handled.
    m_selectAllOnPress = event->reason() == Qt::MouseFocusReason;
}

void my_maskedit::focusOutEvent(QFocusEvent *event)
{
    m_selectAllOnPress = false;
    if (controls::NumericMask::isNumber(text())) {
        const QString shown = m_mask.format(text());
        if (shown != text())
            QLineEdit::setText(shown);
    }
    setModified(false);
    QLineEdit::focusOutEvent(event);

    const Qt::FocusReason reason = event->reason();
    const bool toAnotherWindow = reason == Qt::ActiveWindowFocusReason
        || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
    if (m_edited && !toAnotherWindow) {
        m_edited = false;
        if (text() != m_committedText) {
            m_committedText = text();
            Q_EMIT modified();
        }
    }
}

void my_maskedit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void my_maskedit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_declaredFont = font();
        fitText();
    }
}

int my_maskedit::textRoom() const
{
    // The contents rectangle less the line edit's own side margins and the
    // cursor, the room in which a text is drawn without scrolling.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    constexpr int kSideMargin = 2;
    constexpr int kCursorWidth = 1;
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kSideMargin - kCursorWidth;
}

void my_maskedit::fitText()
{
    // A field shows its whole value: when the text is wider than the field
    // at the declared size (a long value such as "999,999.99" in a narrow
    // score column), the font shrinks until it fits, and grows back for a
    // shorter value.
    QFont fitted = m_declaredFont;
    const QString shown = text();
    const int room = textRoom();
    if (room > 0 && !shown.isEmpty()) {
        const bool byPixels = fitted.pixelSize() > 0;
        qreal size = byPixels ? fitted.pixelSize() : fitted.pointSizeF();
        const qreal smallest = byPixels ? 6.0 : 4.5;
        while (QFontMetrics(fitted).horizontalAdvance(shown) > room && size > smallest) {
            size -= byPixels ? 1.0 : 0.5;
            if (byPixels)
                fitted.setPixelSize(int(size));
            else
                fitted.setPointSizeF(size);
        }
    }
    if (fitted == font())
        return;
    m_fitting = true;
    setFont(fitted);
    m_fitting = false;
}

void my_maskedit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectAllOnPress) {
        m_selectAllOnPress = false;
        selectAll();
    }
}

} // namespace controls

#include "my_maskedit.moc"
