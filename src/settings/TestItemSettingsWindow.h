#pragma once

#include "runtime/db/DataView.h"
#include "settings/SettingsYearProfile.h"
#include "runtime/db/Transaction.h"

#include <QButtonGroup>
#include <QDialog>
#include <QRadioButton>

#include <map>

class pfc_picture_command_button;

// The test-item settings window of one school year (w_xm_cz1, w_xm_cz2,
// w_xm_cz3 are its year profiles). It shows the year's stored choices of
// table xmsz, or starts a new row for a year without one; a click on a
// choice makes saving available; saving writes the thirteen item flags and
// the year code and commits. It closes only through its close button.
class TestItemSettingsWindow : public QDialog
{
    Q_OBJECT

public:
    TestItemSettingsWindow(const settings::SettingsYearProfile &profile, rt::Transaction &sqlca,
                           QWidget *parent = nullptr);

    const settings::SettingsYearProfile &profile() const { return m_profile; }

    // Esc and the window manager's close do not close the window.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void placeOnScreen();

    // The window's open handling: the year's stored choices, or a new row.
    void openYear();
    // The save button.
    void saveChoices();
    // Any choice radio button clicked by the user.
    void choiceClicked();
    // The close button.
    void closeWindow();

    void setSaveAvailable(bool available);
    QRadioButton *radio(const QString &name) const;

    const settings::SettingsYearProfile &m_profile;
    rt::Transaction &m_sqlca;
    rt::DataView m_dw_1;
    std::map<QString, QRadioButton *> m_radios;
    pfc_picture_command_button *m_cb_1 = nullptr;
    pfc_picture_command_button *m_cb_2 = nullptr;
    bool m_opened = false;
};
