#include "runtime/RadioButton.h"

namespace rt {

RadioButton::RadioButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    connect(this, &QAbstractButton::toggled, this, &RadioButton::restorePolicy);
}

void RadioButton::keepFocusPolicy(Qt::FocusPolicy policy)
{
    m_keptPolicy = policy;
    setFocusPolicy(policy);
}

bool RadioButton::event(QEvent *event)
{
    const bool handled = QRadioButton::event(event);
    restorePolicy();
    return handled;
}

void RadioButton::restorePolicy()
{
    if (m_keptPolicy && focusPolicy() != *m_keptPolicy)
        setFocusPolicy(*m_keptPolicy);
}

} // namespace rt
