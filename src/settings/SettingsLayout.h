#pragma once

#include "settings/SettingsYearProfile.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace settings {

// One control of the settings window as it is declared: kind, text, font,
// colour, place and size in layout units, and its state at creation.
struct SettingsControl
{
    enum class Kind { GroupBox, RadioButton, DataView, PictureButton };

    QString name;
    Kind kind = Kind::RadioButton;
    QString text;
    int pointSize = 9;
    bool bold = false;
    long textColor = 0; // a colour code (0x00BBGGRR or a system colour)
    QRect rect;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    std::optional<int> tabOrder;
    QString bitmapname; // picture buttons only
};

// The 28 controls of the window of `profile`, in the order of its control
// list (the order of creation).
std::vector<SettingsControl> settingsControls(const SettingsYearProfile &profile);

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
QString enclosingGroupBox(const QRect &radioRect, const std::vector<SettingsControl> &controls);

// The choice groups: each choice group box with its radio buttons, top to
// bottom. Group boxes that directly hold no radio button (the frames) and
// the fixed items are left out.
struct ChoiceGroup
{
    QString groupBox;
    QStringList radioButtons;
};
std::vector<ChoiceGroup> choiceGroups(const std::vector<SettingsControl> &controls);

// The keyboard order: the choice groups' radio buttons and the two buttons,
// ordered by the declared tab order of their group box (the buttons by
// their own), equal tab orders top to bottom, then left to right.
QStringList keyboardOrder(const std::vector<SettingsControl> &controls);

} // namespace settings
