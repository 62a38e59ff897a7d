#pragma once

#include "runtime/ControlTable.h"
#include "settings/SettingsYearProfile.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace settings {

// The 28 controls of the window of `profile`, in the order of its control
// list (the order of creation). Every font is Arial; the choice radio
// buttons and the fixed items are not auto-exclusive, since their groups
// come from the enclosing group boxes.
rt::ControlTable settingsControls(const SettingsYearProfile &profile);

// A choice radio button and the item flag of xmsz that it stands for.
struct ChoiceItem
{
    QString radioButton;
    QString column;
};

// The thirteen choice radio buttons in the order in which the window reads
// and writes their flags.
const std::vector<ChoiceItem> &choiceItems();

// The four fixed items (checked and disabled, no column).
const QStringList &fixedItems();

// The group box that a radio button belongs to: of the group boxes that
// wholly enclose its rectangle, the smallest. Empty when none does.
QString enclosingGroupBox(const QRect &radioRect, const rt::ControlTable &controls);

// The choice groups: each choice group box with its radio buttons, top to
// bottom. Group boxes that directly hold no radio button (the frames) and
// the fixed items are left out.
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
