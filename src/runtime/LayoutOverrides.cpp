#include "runtime/LayoutOverrides.h"

#include "runtime/ControlBuilder.h"

#include <utility>

namespace rt {

namespace {

ControlDecl &existing(ControlTable &table, const QString &name)
{
    ControlDecl *decl = findControl(table, name);
    if (!decl)
        throw ControlLookupError("layout override names control '" + name.toStdString()
            + "', which the base layout does not have");
    return *decl;
}

} // namespace

ControlTable LayoutOverrides::applyTo(const ControlTable &base) const
{
    ControlTable table = base;

    // What each shift moves is settled on the base as it stands, before any
    // control has moved: a group box takes what lies inside it there.
    std::vector<std::pair<QStringList, QPoint>> moving;
    for (const Shift &shift : shifts) {
        QStringList names;
        for (const QString &group : shift.groups) {
            existing(table, group);
            names << group << controlsInside(table, group);
        }
        for (const QString &name : shift.names) {
            existing(table, name);
            names << name;
        }
        moving.emplace_back(names, QPoint(shift.dx, shift.dy));
    }
    for (const auto &[names, offset] : moving) {
        for (const QString &name : names)
            existing(table, name).rect.translate(offset);
    }
    for (const Move &move : moves)
        existing(table, move.name).rect.moveTopLeft(QPoint(move.x, move.y));
    if (tabSequence) {
        for (ControlDecl &decl : table)
            decl.tabOrder = 0;
        int order = tabSequence->first;
        for (const QString &name : tabSequence->names) {
            existing(table, name).tabOrder = order;
            order += tabSequence->step;
        }
    }

    ControlTable result = addedFirst;
    result.insert(result.end(), table.begin(), table.end());
    result.insert(result.end(), addedLast.begin(), addedLast.end());
    return result;
}

} // namespace rt
