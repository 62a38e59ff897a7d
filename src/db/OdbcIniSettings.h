#pragma once

#include "db/DataSourceSettings.h"

namespace db {

// The settings as unixODBC's own configuration functions read them
// (SQLGetPrivateProfileString on odbc.ini and odbcinst.ini), so that ODBCINI,
// ODBCSYSINI and the user's ~/.odbc.ini count exactly as they do for the
// connection itself.
class OdbcIniSettings final : public DataSourceSettings
{
public:
    std::optional<QString> dataSourceValue(const QString &dsn, const QString &key) const override;
    std::optional<QString> driverValue(const QString &driver, const QString &key) const override;
    std::optional<QString> environmentValue(const char *name) const override;
};

} // namespace db
