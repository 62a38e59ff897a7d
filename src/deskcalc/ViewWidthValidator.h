#pragma once

#include <QValidator>

class QLineEdit;

namespace deskcalc {

// Keeps a line edit from scrolling sideways: typing and pasting stop once
// the text would no longer fit the field's width. Texts set by the program
// are not checked.
class ViewWidthValidator : public QValidator
{
    Q_OBJECT

public:
    explicit ViewWidthValidator(QLineEdit *edit);

    State validate(QString &input, int &pos) const override;

    // Whether `text` fits the field in its font.
    bool fits(const QString &text) const;

private:
    QLineEdit *m_edit;
};

} // namespace deskcalc
