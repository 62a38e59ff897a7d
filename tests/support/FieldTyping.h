#pragma once

// typeInto: types `text` into the entry field `field` of `window` as a user
// does: a click into the field, whatever it holds selected and deleted, the
// text typed, and Tab to leave it (which scores the value).

#include "controls/my_maskedit.h"

#include <QTest>
#include <QWidget>

namespace support {

inline void typeInto(QWidget *window, const QString &field, const QString &text)
{
    QVERIFY(window);
    auto *edit = window->findChild<controls::my_maskedit *>(field);
    QVERIFY2(edit, qPrintable(field));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTRY_VERIFY(edit->hasFocus());
    // Replace whatever the field holds, also when it had the focus already.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

} // namespace support

namespace controls {
class pfc_picture_command_button;
}
