#include "db/OdbcIniSettings.h"

#include <odbcinst.h>

#include <QByteArray>

#include <string_view>

namespace db {

namespace {

std::optional<QString> profileValue(const QString &section, const QString &key, const char *file)
{
    if (section.isEmpty())
        return std::nullopt;
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    // A default that no ini file holds tells a missing key from an empty one.
    static const char absent[] = "\x01";
    char buffer[1024] = {};
    const int length = SQLGetPrivateProfileString(
        sectionName.constData(), keyName.constData(), absent, buffer, int(sizeof buffer), file);
    if (length <= 0 || std::string_view(buffer) == absent)
        return std::nullopt;
    const QString value = QString::fromUtf8(buffer).trimmed();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> OdbcIniSettings::dataSourceValue(
    const QString &dsn, const QString &key) const
{
    return profileValue(dsn, key, "odbc.ini");
}

std::optional<QString> OdbcIniSettings::driverValue(const QString &driver, const QString &key) const
{
    return profileValue(driver, key, "odbcinst.ini");
}

std::optional<QString> OdbcIniSettings::environmentValue(const char *name) const
{
    const QString value = qEnvironmentVariable(name).trimmed();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

} // namespace db
