#pragma once

#include "runtime/ControlDecl.h"

#include <QStringList>

#include <vector>

namespace rt {

// A window's controls in their order of creation.
using ControlTable = std::vector<ControlDecl>;

// The declaration of `name` in `table`, or nullptr.
const ControlDecl *findControl(const ControlTable &table, const QString &name);
ControlDecl *findControl(ControlTable &table, const QString &name);

// The group box that a control lies in: of the group boxes whose rectangle
// wholly holds `rect`, the smallest. Empty when none does.
QString enclosingGroupBox(const QRect &rect, const ControlTable &table);

// The controls that lie wholly inside the group box `groupBox` (nested
// group boxes and what they hold included), in the table's order.
QStringList controlsInside(const ControlTable &table, const QString &groupBox);

} // namespace rt
