#pragma once

#include "runtime/FontDecl.h"

#include <QRect>
#include <QString>

#include <optional>

namespace rt {

// The kinds of control a window can declare. The first group is made by the
// runtime itself; MaskedEdit and PictureButton are the shared entry controls
// of the controls layer, which hands the builder a factory for them.
enum class ControlKind {
    Label,
    LineEdit,
    GroupBox,
    RadioButton,
    CheckBox,
    PushButton,
    Picture,
    DataView, // the place of a data view: a plain widget that shows nothing
    MaskedEdit,
    PictureButton,
};

// One control of a window as it is declared: what it is, what it shows,
// where it stands (layout units), how it looks and its state at creation.
// Colours are colour codes (0x00BBGGRR or a system colour, see
// SystemColors.h); -1 keeps the control's own colour.
struct ControlDecl
{
    QString name {};
    ControlKind kind = ControlKind::Label;
    QString text {};
    QRect rect {}; // layout units
    FontDecl font {};
    long textColor = -1;
    long backColor = -1;
    QString mask {}; // masked edits: the display mask
    // Pictures and picture buttons: a stock name ("Save!") or, for a
    // picture, a resource (":/..."), drawn to fill the control.
    QString picture {};
    int tabOrder = 0; // 0: not in the tab sequence
    bool enabled = true;
    bool visible = true;
    bool checked = false; // radio buttons and check boxes
    // Radio buttons: exclusive with the other auto-exclusive radio buttons
    // of the window. False for a button that stands alone, so that declared
    // checked states do not clear each other.
    bool autoExclusive = true;
    // Radio buttons and check boxes: the exclusive button group of that name
    // they belong to (empty: none), with their id in it (-1: the group
    // numbers its buttons itself).
    QString buttonGroup {};
    int buttonId = -1;
    std::optional<Qt::Alignment> alignment {};
    // The stock pointer shown over the control ("HyperLink!"); empty: the
    // window's own.
    QString pointer {};
    // The control's tag, a text that the window reads for its own use (the
    // start page's "Run = ..."); none for a control without one. The builder
    // leaves it in the declaration.
    std::optional<QString> tag {};
};

} // namespace rt
