#pragma once

#include <QWidget>

class pfc_picture_command_button;

// The start window between the splash and the frame: "登录(&L)" opens the
// frame and sets up its toolbar, "退出(&X)" (or the close box) leaves.
class w_pwd : public QWidget
{
public:
    explicit w_pwd(QWidget *parent = nullptr);

    pfc_picture_command_button *uo_3() const { return m_enter; }
    pfc_picture_command_button *uo_4() const { return m_exit; }

private:
    void enter();

    pfc_picture_command_button *m_enter = nullptr;
    pfc_picture_command_button *m_exit = nullptr;
};
