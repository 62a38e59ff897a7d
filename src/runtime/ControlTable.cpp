#include "runtime/ControlTable.h"

#include <algorithm>

namespace rt {

const ControlDecl *findControl(const ControlTable &table, const QString &name)
{
    const auto it = std::find_if(
        table.begin(), table.end(), [&](const ControlDecl &decl) { return decl.name == name; });
    return it == table.end() ? nullptr : &*it;
}

ControlDecl *findControl(ControlTable &table, const QString &name)
{
    return const_cast<ControlDecl *>(findControl(std::as_const(table), name));
}

QString enclosingGroupBox(const QRect &rect, const ControlTable &table)
{
    const ControlDecl *best = nullptr;
    auto area = [](const QRect &r) { return 1LL * r.width() * r.height(); };
    for (const ControlDecl &decl : table) {
        if (decl.kind != ControlKind::GroupBox || decl.rect == rect || !decl.rect.contains(rect))
            continue;
        if (!best || area(decl.rect) < area(best->rect))
            best = &decl;
    }
    return best ? best->name : QString();
}

QStringList controlsInside(const ControlTable &table, const QString &groupBox)
{
    QStringList names;
    const ControlDecl *box = findControl(table, groupBox);
    if (!box)
        return names;
    for (const ControlDecl &decl : table) {
        if (&decl != box && box->rect.contains(decl.rect))
            names.append(decl.name);
    }
    return names;
}

} // namespace rt
