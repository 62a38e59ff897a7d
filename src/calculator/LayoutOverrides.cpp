#include "calculator/LayoutOverrides.h"

#include "runtime/ControlBuilder.h"

#include <algorithm>

namespace calculator {

namespace {

rt::ControlSpec &existing(rt::ControlTable &table, const QString &name)
{
    rt::ControlSpec *spec = rt::findControl(table, name);
    if (!spec)
        throw rt::ControlLookupError("layout override names control '" + name.toStdString()
            + "', which the base layout does not have");
    return *spec;
}

} // namespace

rt::ControlTable LayoutOverrides::applyTo(const rt::ControlTable &base) const
{
    rt::ControlTable table = base;
    for (const QString &name : removed) {
        existing(table, name);
        std::erase_if(table, [&](const rt::ControlSpec &spec) { return spec.name == name; });
    }
    for (const Shift &shift : shifts) {
        for (const QString &name : shift.names)
            existing(table, name).rect.translate(shift.dx, shift.dy);
    }
    for (const Move &move : moves)
        existing(table, move.name).rect.moveTopLeft(QPoint(move.x, move.y));
    for (const TabOrder &order : tabOrders)
        existing(table, order.name).tabOrder = order.tabOrder;

    rt::ControlTable result = addedFirst;
    result.insert(result.end(), table.begin(), table.end());
    result.insert(result.end(), addedLast.begin(), addedLast.end());
    return result;
}

} // namespace calculator
