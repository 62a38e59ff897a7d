#pragma once

#include <QRadioButton>

#include <optional>

namespace rt {

// A radio button that can be kept out of the tab sequence. Qt gives the
// checked or focused button of an exclusive set the Tab focus, so that Tab
// would reach it from then on; a button with a kept focus policy takes that
// policy back after every event it handles and after every check.
class RadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit RadioButton(const QString &text, QWidget *parent = nullptr);

    // Keeps `policy` whatever the button's set does to it.
    void keepFocusPolicy(Qt::FocusPolicy policy);

protected:
    bool event(QEvent *event) override;

private:
    void restorePolicy();

    std::optional<Qt::FocusPolicy> m_keptPolicy;
};

} // namespace rt
