#include "settings/TestItemSettingsWindow.h"

#include "controls/EntryControlFactories.h"
#include "controls/pfc_picture_command_button.h"
#include "items/XmszTable.h"
#include "runtime/CloseGuard.h"
#include "runtime/ControlBuilder.h"
#include "runtime/MessageBoxService.h"
#include "runtime/RadioButton.h"
#include "runtime/WindowDecl.h"
#include "settings/SettingsLayout.h"

#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

const QString kAttention = u"注意"_s;

} // namespace

TestItemSettingsWindow::TestItemSettingsWindow(
    const SettingsYearProfile &profile, db::Transaction &sqlca, QWidget *parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_sqlca(sqlca)
    , m_yearRow(items::d_xmsz())
    , m_closeGuard(new rt::CloseGuard(this))
{
    rt::setUpWindow(this, settingsWindow(profile));
    buildControls();
}

void TestItemSettingsWindow::buildControls()
{
    const rt::ControlTable controls = settingsControls(m_profile);
    const rt::ControlBuilder built(this, controls, controls::entryControlFactories());

    for (const ChoiceItem &item : choiceItems()) {
        auto *button = built.get<QRadioButton>(item.radioButton);
        m_choiceButtons[item.radioButton] = button;
        // clicked comes from the user only (also on a checked button);
        // setChecked from code raises none.
        connect(button, &QRadioButton::clicked, this, &TestItemSettingsWindow::choiceClicked);
    }
    m_saveButton = built.get<controls::pfc_picture_command_button>(u"cb_1"_s);
    auto *closeButton = built.get<controls::pfc_picture_command_button>(u"cb_2"_s);
    connect(m_saveButton, &controls::pfc_picture_command_button::clicked, this,
        &TestItemSettingsWindow::saveChoices);
    // Closes at once, without saving and without a question.
    connect(closeButton, &controls::pfc_picture_command_button::clicked, m_closeGuard,
        &rt::CloseGuard::closeWindow);

    // The choice radio buttons declare no tab order: the keyboard reaches
    // them in the rank of the group box around them.
    std::vector<QWidget *> keyboard;
    for (const QString &name : keyboardOrder(controls)) {
        QWidget *control = built.find(name);
        if (auto *radio = qobject_cast<rt::RadioButton *>(control))
            radio->keepFocusPolicy(Qt::StrongFocus);
        else
            rt::ControlBuilder::focusTarget(control)->setFocusPolicy(Qt::StrongFocus);
        keyboard.push_back(control);
    }
    rt::ControlBuilder::chainTabOrder(keyboard);
}

QRadioButton *TestItemSettingsWindow::choiceButton(const QString &name) const
{
    const auto it = m_choiceButtons.find(name);
    Q_ASSERT(it != m_choiceButtons.end());
    return it->second;
}

void TestItemSettingsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    openYear();
}

void TestItemSettingsWindow::setSaveAvailable(bool available)
{
    m_saveButton->setAvailable(available); // the inner button first, then the control
}

void TestItemSettingsWindow::openYear()
{
    for (const ChoiceItem &item : choiceItems())
        choiceButton(item.radioButton)->setChecked(false);

    m_yearRow.setTransObject(&m_sqlca);
    long row = m_yearRow.retrieve({ m_profile.yearCode });
    if (row > 0) {
        for (const ChoiceItem &item : choiceItems()) {
            if (m_yearRow.getItemString(1, item.column) == u"1"_s)
                choiceButton(item.radioButton)->setChecked(true);
        }
        return;
    }
    if (row < 0) {
        // The year's row could not be read: it may well exist, so starting a
        // new one would add a second row for the year on saving.
        const QString reason
            = m_sqlca.SQLErrText.isEmpty() ? u"读取项目设置失败。"_s : m_sqlca.SQLErrText;
        rt::MessageBoxService::show(this, u"错误"_s, reason, rt::MessageBoxService::Icon::StopSign);
        setSaveAvailable(false);
        return;
    }
    row = m_yearRow.insertRow(0);
    if (row == -1) {
        rt::MessageBoxService::show(this, kAttention, u"新建设置不能执行！"_s);
        setSaveAvailable(false);
        return;
    }
    setSaveAvailable(true);
}

bool TestItemSettingsWindow::rereadYearRow()
{
    const long found = m_yearRow.retrieve({ m_profile.yearCode });
    if (found > 0)
        return true;
    return found == 0 && m_yearRow.insertRow(0) > 0;
}

void TestItemSettingsWindow::saveChoices()
{
    // After a failed save the database may hold the year's row or not (a
    // commit whose answer was lost has stored it all the same): read what
    // is there, so that this save updates the row or inserts it as the
    // database stands, never inserting it twice.
    bool saved = false;
    if (!m_rereadBeforeSaving || rereadYearRow()) {
        m_rereadBeforeSaving = false;
        const long row = m_yearRow.getRow();
        if (row > 0) {
            for (const ChoiceItem &item : choiceItems()) {
                m_yearRow.setItem(row, item.column,
                    choiceButton(item.radioButton)->isChecked() ? u"1"_s : u"0"_s);
            }
            m_yearRow.setItem(row, u"nj"_s, m_profile.yearCode);
            m_yearRow.acceptText();
            if (m_yearRow.update() == 1) {
                m_sqlca.commit();
                saved = m_sqlca.SQLCode == 0;
            }
        }
    }
    // Without a current row there is nothing to store: that is a failure too.
    if (saved) {
        setSaveAvailable(false);
        return;
    }
    m_rereadBeforeSaving = true;
    rt::MessageBoxService::show(
        this, kAttention, u"保存失败！"_s, rt::MessageBoxService::Icon::Exclamation);
    m_sqlca.rollback();
}

void TestItemSettingsWindow::choiceClicked()
{
    setSaveAvailable(true);
}

} // namespace settings
