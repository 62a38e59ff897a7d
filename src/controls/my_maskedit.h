#pragma once

#include "controls/NumericMask.h"

#include <QLineEdit>

namespace controls {

// The numeric entry field of the calculators and the graduation window.
// It shows its value under a numeric mask (by default "###,###.00"),
// refuses input the mask cannot hold, moves on with Enter exactly as with
// Tab (so the window's leave handling runs), and selects its whole text
// whenever it gets the focus, so that typing replaces the value.
class my_maskedit : public QLineEdit
{
    Q_OBJECT

public:
    explicit my_maskedit(QWidget *parent = nullptr);

    void setMask(const QString &mask);
    QString mask() const { return m_mask.text(); }
    const controls::NumericMask &numericMask() const { return m_mask; }

    // Sets the text from code, formatted under the mask ("3450" shows as
    // "3,450.00"); text that is no number ("none", "") is shown as given.
    // Hides QLineEdit::setText so that every text set through the field
    // is formatted.
    void setText(const QString &text);

    // The typed value as a number, independent of the system's locale:
    // "3,450.00" gives 3450, "" and "none" give 0.
    float value() const;

Q_SIGNALS:
    // The user has changed the field's text and then left the field (Tab,
    // Enter, a click elsewhere, the focus moved by code). Emitted after the
    // field's own leave handling, once per change: a field left with the
    // text it had before, or whose text was only set from code, emits
    // nothing. The focus going to another window (a message box, the window
    // being deactivated) is no leave; the change is reported when the field
    // is really left.
    void modified();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int textRoom() const;
    void fitText();

    controls::NumericMask m_mask;
    QFont m_declaredFont;
    bool m_fitting = false;
    bool m_selectAllOnPress = false;
    // The user has edited the text since it was last set or reported, and
    // the text as it was then.
    bool m_edited = false;
    QString m_committedText;
};

} // namespace controls
