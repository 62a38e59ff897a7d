#pragma once

#include "runtime/ControlBuilder.h"
#include "runtime/ControlTable.h"
#include "runtime/WindowDecl.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace controls {
class my_maskedit;
}

namespace rt {
class CloseGuard;
}

namespace calculator {

// The graduation score calculator "w_jsq_by": the user types a leaver's
// first-, second- and third-year scores, and the window shows the
// graduation score (25 %, 25 % and 50 %, truncated) and its rating. Each
// score field recomputes the result when its text has been changed and it is
// left. Uses no database and stores nothing; it closes only through its
// button "关闭(&X)".
class w_jsq_by : public QDialog
{
    Q_OBJECT

public:
    explicit w_jsq_by(QWidget *parent = nullptr);

    // The window's class name in the registry.
    static QString className();

    // The window's controls in their order of creation.
    static const rt::ControlTable &controlTable();

    // The window's title, icon, modality and declared outer size.
    static const rt::WindowDecl &windowDecl();

private:
    // Computes the graduation score and its rating from the three fields.
    void showGraduationScore();

    rt::ControlBuilder m_controls;
    rt::CloseGuard *m_closeGuard = nullptr;
    controls::my_maskedit *m_firstYear = nullptr;
    controls::my_maskedit *m_secondYear = nullptr;
    controls::my_maskedit *m_thirdYear = nullptr;
    controls::my_maskedit *m_score = nullptr;
    QLineEdit *m_rating = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace calculator
