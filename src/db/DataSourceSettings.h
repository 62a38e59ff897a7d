#pragma once

#include <QString>

#include <optional>

namespace db {

// What the driver manager's configuration says of a data source and of a
// driver, and what the environment says: where a connection's own settings
// come from besides its connect string. Empty values count as not set.
class DataSourceSettings
{
public:
    virtual ~DataSourceSettings() = default;

    // A key of the data source `dsn` (the user's list first, then the
    // system's, as the driver manager looks them up).
    virtual std::optional<QString> dataSourceValue(
        const QString &dsn, const QString &key) const = 0;
    // A key of the driver `driver` in the driver list (odbcinst.ini).
    virtual std::optional<QString> driverValue(const QString &driver, const QString &key) const = 0;
    // An environment variable of the process.
    virtual std::optional<QString> environmentValue(const char *name) const = 0;
};

} // namespace db
