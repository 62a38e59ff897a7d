#pragma once

#include <QDialog>

namespace shell {

// The about box: how to reach the maker for technical support and
// upgrades. It has no title bar and closes only through its button
// "关闭(&X)" (a click, Alt+X, or Space while the button has the focus).
class w_about : public QDialog
{
    Q_OBJECT

public:
    explicit w_about(QWidget *parent = nullptr);
};

} // namespace shell
