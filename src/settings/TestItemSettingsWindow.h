#pragma once

#include "db/DataView.h"
#include "db/Transaction.h"
#include "settings/SettingsYearProfile.h"

#include <QDialog>

#include <map>

class QRadioButton;

namespace controls {
class pfc_picture_command_button;
}

namespace rt {
class CloseGuard;
}

namespace settings {

// The test-item settings window of one school year (w_xm_cz1, w_xm_cz2,
// w_xm_cz3 are its year profiles). It shows the year's stored choices of
// table xmsz, or starts a new row for a year without one; a click on a
// choice makes saving available; saving writes the thirteen item flags and
// the year code and commits. It closes only through its close button.
class TestItemSettingsWindow : public QDialog
{
    Q_OBJECT

public:
    TestItemSettingsWindow(
        const SettingsYearProfile &profile, db::Transaction &sqlca, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();

    // The window's open handling: the year's stored choices, or a new row.
    void openYear();
    // The save button.
    void saveChoices();
    // Reads the year's row again (a new one when there is none); false if
    // it cannot be read.
    bool rereadYearRow();
    // Any choice radio button clicked by the user.
    void choiceClicked();
    void setSaveAvailable(bool available);
    QRadioButton *choiceButton(const QString &name) const;

    const SettingsYearProfile &m_profile;
    db::Transaction &m_sqlca;
    db::DataView m_yearRow; // the year's row of xmsz
    // A save failed: the year's row is read again before the next one.
    bool m_rereadBeforeSaving = false;
    std::map<QString, QRadioButton *> m_choiceButtons; // by name
    controls::pfc_picture_command_button *m_saveButton = nullptr;
    rt::CloseGuard *m_closeGuard = nullptr;
    bool m_opened = false;
};

} // namespace settings
