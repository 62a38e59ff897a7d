#include "runtime/ControlTable.h"

#include <algorithm>

namespace rt {

const ControlSpec *findControl(const ControlTable &table, const QString &name)
{
    const auto it = std::find_if(
        table.begin(), table.end(), [&](const ControlSpec &spec) { return spec.name == name; });
    return it == table.end() ? nullptr : &*it;
}

ControlSpec *findControl(ControlTable &table, const QString &name)
{
    return const_cast<ControlSpec *>(findControl(std::as_const(table), name));
}

} // namespace rt
