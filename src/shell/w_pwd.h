#pragma once

#include <QWidget>

namespace shell {

// The start window between the splash and the frame: "登录(&L)" opens the
// frame and sets up its toolbar, "退出(&X)" (or the close box) leaves.
class w_pwd : public QWidget
{
    Q_OBJECT

public:
    explicit w_pwd(QWidget *parent = nullptr);

    // The class name by which the window is registered and opened.
    static QString className();

private:
    void enter();
};

} // namespace shell
