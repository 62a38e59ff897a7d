#pragma once

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

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

// A font as a window declares it: a face name with the program's fallbacks,
// a size in points (or pixels), weight and style. A default FontSpec leaves
// the control's own font alone.
struct FontSpec
{
    QString face; // "Arial", "宋体", "MS Sans Serif", ... (empty: keep)
    int pointSize = 0; // 0: the control's own size
    int pixelSize = 0; // used instead of pointSize when set
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool isSet() const { return !face.isEmpty() || pointSize > 0 || pixelSize > 0; }
};

// One control of a window as it is declared: what it is, what it shows,
// where it stands (layout units), how it looks and its state at creation.
// Colours are colour codes (0x00BBGGRR or a system colour, see
// SystemColors.h); -1 keeps the control's own colour.
struct ControlSpec
{
    QString name;
    ControlKind kind = ControlKind::Label;
    QString text;
    QRect rect; // layout units
    FontSpec font;
    long textColor = -1;
    long backColor = -1;
    QString mask; // masked edits: the display mask
    QString picture; // pictures and picture buttons: a stock name
    int tabOrder = 0; // 0: not in the tab sequence
    bool enabled = true;
    bool visible = true;
    bool checked = false; // radio buttons and check boxes
    // Radio buttons: exclusive with the other auto-exclusive radio buttons
    // of the window. False where the window groups them itself (a button
    // group), so that declared checked states do not clear each other.
    bool autoExclusive = true;
    std::optional<Qt::Alignment> alignment;
};

// A window's controls in their order of creation.
using ControlTable = std::vector<ControlSpec>;

// The spec of `name` in `table`, or nullptr.
const ControlSpec *findControl(const ControlTable &table, const QString &name);
ControlSpec *findControl(ControlTable &table, const QString &name);

} // namespace rt
