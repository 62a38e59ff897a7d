#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QPushButton;

namespace ui {

// The toolbar settings dialog: where the frame's toolbar stands (left,
// top, right, bottom or floating), whether it is shown, whether its icons
// carry their text and whether its buttons show tips. Every click applies
// at once; closing keeps every change.
//
// The opener hands the frame over when it makes the dialog. Without a
// frame the position and show/hide controls change nothing; without a
// toolbar utility the text box changes nothing.
class w_genapp_toolbars : public QDialog
{
    Q_OBJECT

public:
    explicit w_genapp_toolbars(QMainWindow *frame, QWidget *parent = nullptr);

    // The class name by which the dialog is registered and opened.
    static QString className();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ue_open();

    void setAlignment(int code);
    void toggleToolbarShown();
    void setTipsFromBox();
    void setTextFromBox();

    QPointer<QMainWindow> m_frame;
    bool m_opened = false;

    QButtonGroup *m_positions = nullptr;
    QCheckBox *m_showText = nullptr;
    QCheckBox *m_showTips = nullptr;
    QPushButton *m_visibleButton = nullptr;
};

} // namespace ui
