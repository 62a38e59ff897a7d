#pragma once

#include <QDialog>

class QPushButton;

// The about box: how to reach the maker for technical support and
// upgrades. It has no title bar and closes only through its button
// "关闭(&X)" (a click, Alt+X, or Space while the button has the focus).
class w_about : public QDialog
{
public:
    explicit w_about(QWidget *parent = nullptr);

    QPushButton *cb_1() const { return m_close; }

    // Escape and the window system's close request do not close the box.
    void reject() override;

private:
    QPushButton *m_close = nullptr;
};
