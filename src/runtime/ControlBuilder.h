#pragma once

#include "runtime/ControlTable.h"

#include <QButtonGroup>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

namespace rt {

// Makes the controls of kinds that live above the runtime (the masked entry
// field, the picture button) from their declaration.
using ControlFactory = std::function<QWidget *(const ControlDecl &decl, QWidget *parent)>;
using ControlFactories = std::map<ControlKind, ControlFactory>;

// A lookup of a control that the table does not hold, or holds as another
// class: a programming error in a window's table, reported at construction
// with the control's name.
class ControlLookupError : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

// Creates a window's controls from its table, in the table's order, as
// children of `window`: object name, text, geometry (layout units to
// pixels), font, colours, mask, pointer, enabled, visible and checked state. Group
// boxes are lowered behind the controls that lie over them, keeping their
// order among themselves. Buttons that name a button group join that
// exclusive group (one per name, made here and named after it). The tab
// sequence follows the tab order values (equal values in the table's
// order); controls with 0 take no keyboard focus by Tab (radio buttons and
// buttons still take it by a click).
class ControlBuilder
{
public:
    ControlBuilder(
        QWidget *window, const ControlTable &table, const ControlFactories &factories = {});

    // The control `name` as a T. Throws ControlLookupError naming the control
    // when it is missing or is not a T.
    template <typename T> T *get(const QString &name) const
    {
        QWidget *widget = find(name);
        if (!widget)
            throw ControlLookupError("control '" + name.toStdString() + "' is not in the table");
        T *typed = qobject_cast<T *>(widget);
        if (!typed)
            throw ControlLookupError("control '" + name.toStdString() + "' is a "
                + widget->metaObject()->className() + ", not a " + T::staticMetaObject.className());
        return typed;
    }

    // The control `name`, or nullptr.
    QWidget *find(const QString &name) const;

    // The button group `name` that the table's buttons named. Throws
    // ControlLookupError when no button named it.
    QButtonGroup *buttonGroup(const QString &name) const;

    // The controls that take the focus by Tab, in their tab sequence.
    const std::vector<QWidget *> &tabSequence() const { return m_tabSequence; }

    // The focus widget of a control: for a compound control (the picture
    // button), the inner widget that takes the focus.
    static QWidget *focusTarget(QWidget *control);

    // Chains `controls` (controls of one window, as the table made them) in
    // this order for Tab, each through its focus widget; a compound control
    // moves in the chain together with its focus widget.
    static void chainTabOrder(const std::vector<QWidget *> &controls);

private:
    QWidget *create(const ControlDecl &decl, QWidget *window, const ControlFactories &factories);
    void joinButtonGroup(const ControlDecl &decl, QWidget *widget, QWidget *window);

    std::map<QString, QWidget *> m_controls;
    std::map<QString, QButtonGroup *> m_buttonGroups;
    std::vector<QWidget *> m_tabSequence;
};

} // namespace rt
