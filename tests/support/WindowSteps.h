#pragma once

// What the window tests do again and again, as the user does it: click a
// picture button, check the one message box an action showed, and the
// second year's settings window saving that fails and then works.

#include "controls/pfc_picture_command_button.h"
#include "runtime/WindowRegistry.h"
#include "support/EventLoopStall.h"
#include "support/MessageBoxRecorder.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace support {

// Opens the window registered as `className` in place of the one `window`
// holds, and shows it; the window, or null when the class is not known.
inline QWidget *openInPlace(QPointer<QWidget> &window, const QString &className)
{
    delete window.data();
    window = rt::WindowRegistry::instance().create(className, nullptr);
    if (window)
        window->show();
    return window.data();
}

// Takes the settings and calculator windows of every year, and the
// graduation window, out of the registry again.
inline void unregisterYearWindows()
{
    for (const char *name :
        { "w_xm_cz1", "w_xm_cz2", "w_xm_cz3", "w_jsq_cz1", "w_jsq_cz2", "w_jsq_cz3", "w_jsq_by" })
        rt::WindowRegistry::instance().unregisterClass(QString::fromLatin1(name));
}

// A click on the picture button's face, where the user clicks it.
inline void clickPictureButton(controls::pfc_picture_command_button *button)
{
    QVERIFY(button);
    QTest::mouseClick(
        button->innerButton(), Qt::LeftButton, {}, button->innerButton()->rect().center());
}

// Exactly one box has been shown (waiting for it a while), with `title` and
// a text that is not empty and holds `fragment`.
inline void checkOneBox(
    const MessageBoxRecorder &boxes, const QString &title, const QString &fragment = {})
{
    QTRY_COMPARE(boxes.boxes().size(), std::size_t(1));
    const rt::MessageBoxService::Shown &box = boxes.boxes().front();
    QCOMPARE(box.title, title);
    QVERIFY(!box.text.trimmed().isEmpty());
    QVERIFY2(box.text.contains(fragment), qPrintable(box.text));
}

// The second year's settings window (w_xm_cz2) as a save fails and is then
// done again: the user chooses an item, "保存" fails with its box and stays
// available, and once the database answers the next "保存" stores it.
class SecondYearSave
{
public:
    SecondYearSave(QWidget *window, MessageBoxRecorder &boxes)
        : m_window(window)
        , m_boxes(boxes)
        , m_save(window->findChild<controls::pfc_picture_command_button *>(QStringLiteral("cb_1")))
    { }

    controls::pfc_picture_command_button *saveButton() const { return m_save; }

    // Clicks the choice `radioButton` (the sit-and-reach, rb_z_m, by default).
    void choose(const QString &radioButton = QStringLiteral("rb_z_m"))
    {
        auto *choice = m_window->findChild<QRadioButton *>(radioButton);
        QVERIFY(choice && m_save);
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
        QVERIFY(m_save->isAvailable());
    }

    // "保存" fails: one box 注意 / 保存失败！, and "保存" stays available.
    // `*stalledMs` is how long the window did not answer meanwhile.
    void fails(qint64 *stalledMs)
    {
        EventLoopStall stall;
        clickPictureButton(m_save);
        checkOneBox(m_boxes, QStringLiteral("注意"), QStringLiteral("保存失败！"));
        *stalledMs = stall.longestMs();
        QVERIFY(m_save->isAvailable());
    }

    // "保存" works: no box, and nothing is left to save.
    void works()
    {
        m_boxes.clear();
        clickPictureButton(m_save);
        QTRY_VERIFY2(!m_save->isAvailable(),
            qPrintable(
                m_boxes.boxes().empty() ? QStringLiteral("no box") : m_boxes.boxes().front().text));
        QVERIFY(m_boxes.boxes().empty());
    }

private:
    QWidget *m_window;
    MessageBoxRecorder &m_boxes;
    controls::pfc_picture_command_button *m_save;
};

} // namespace support
