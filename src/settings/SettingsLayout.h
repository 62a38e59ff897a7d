#pragma once

#include "runtime/ControlTable.h"
#include "runtime/WindowDecl.h"
#include "settings/SettingsYearProfile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace settings {

// The settings window of `profile`: its class name, title and outer size,
// with the program's icon, modal and centred when it is first shown.
rt::WindowDecl settingsWindow(const SettingsYearProfile &profile);

// The 28 controls of the window of `profile`, in the order of its control
// list (the order of creation). Every font is Arial. No radio button is
// auto-exclusive: the fixed items stand alone, and each choice joins the
// button group "<box>_choices" of the smallest group box around it.
rt::ControlTable settingsControls(const SettingsYearProfile &profile);

// A choice radio button and the item flag of xmsz that it stands for.
struct ChoiceItem
{
    QString radioButton;
    QString column;
};

// The thirteen choice radio buttons with their flag columns, in the order
// of the flag columns.
const std::vector<ChoiceItem> &choiceItems();

// The four fixed items (checked and disabled, no column).
const QStringList &fixedItems();

// The choice groups: each choice group box (the smallest one around a
// radio button) with its radio buttons, top to bottom. Group boxes that directly hold no radio
// button (the frames) and the fixed items are left out.
struct ChoiceGroup
{
    QString groupBox;
    QStringList radioButtons;
};
std::vector<ChoiceGroup> choiceGroups(const rt::ControlTable &controls);

// The keyboard order: the choice groups' radio buttons and the two buttons,
// ordered by the declared tab order of their group box (the buttons by
// their own), equal tab orders top to bottom, then left to right.
QStringList keyboardOrder(const rt::ControlTable &controls);

} // namespace settings
