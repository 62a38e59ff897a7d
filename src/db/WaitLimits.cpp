#include "db/WaitLimits.h"

#include "db/ConnInfo.h"
#include "db/ConnectString.h"
#include "db/DataSourceSettings.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace db {

namespace {

// The data source that `connect` names: DSN, or the driver manager's
// "DEFAULT" when it names neither a data source nor a driver.
std::optional<QString> dataSourceOf(const ConnectString &connect)
{
    if (const auto dsn = connect.value(u"DSN"); dsn && !dsn->isEmpty())
        return dsn;
    if (connect.contains(u"DRIVER") || connect.contains(u"FILEDSN"))
        return std::nullopt;
    return u"DEFAULT"_s;
}

// A setting of the connection: the connect string's, else its data source's.
std::optional<QString> settingOf(
    const ConnectString &connect, const DataSourceSettings &settings, const QString &key)
{
    if (const auto own = connect.value(key))
        return own->trimmed().isEmpty() ? std::nullopt : own;
    if (const auto dsn = dataSourceOf(connect))
        return settings.dataSourceValue(*dsn, key);
    return std::nullopt;
}

WaitLimits::Driver driverOfLibrary(const QString &name)
{
    const QString lower = name.toLower();
    if (lower.contains(u"psqlodbc"_s))
        return WaitLimits::Driver::Postgres;
    if (lower.contains(u"sqlite3odbc"_s))
        return WaitLimits::Driver::Sqlite;
    return WaitLimits::Driver::Other;
}

// Whether the server options `options` ("-c name=value --name=value ...")
// set `name`.
bool optionsSet(const QString &options, const QString &name)
{
    const QRegularExpression pattern(
        u"(?:^|\\s)(?:-c\\s*|--)%1\\s*="_s.arg(QRegularExpression::escape(name)));
    return pattern.match(options).hasMatch();
}

void applySqlite(ConnectString &connect, const DataSourceSettings &settings)
{
    if (!settingOf(connect, settings, u"Timeout"_s))
        connect.append(u"Timeout"_s, QString::number(WaitLimits::kSqliteBusyTimeout.count()));
}

void applyPostgres(ConnectString &connect, const DataSourceSettings &settings)
{
    if (!settingOf(connect, settings, u"KeepaliveTime"_s))
        connect.append(u"KeepaliveTime"_s, QString::number(WaitLimits::kKeepaliveIdle.count()));
    if (!settingOf(connect, settings, u"KeepaliveInterval"_s))
        connect.append(
            u"KeepaliveInterval"_s, QString::number(WaitLimits::kKeepaliveInterval.count()));

    // A pqopt in the connect string is the caller's whole choice; one of the
    // data source is kept and completed (a new pqopt replaces it whole).
    if (connect.contains(u"pqopt"))
        return;
    const std::optional<QString> own = settingOf(connect, settings, u"pqopt"_s);
    // The completed value goes in braces, which must not occur in it.
    if (own && (own->contains(u'{') || own->contains(u'}')))
        return;
    std::optional<ConnInfo> info = ConnInfo::parse(own.value_or(QString()));
    if (!info)
        return; // the client library will report the data source's own text

    if (!info->contains(u"connect_timeout") && !settings.environmentValue("PGCONNECT_TIMEOUT"))
        info->set(u"connect_timeout"_s, QString::number(WaitLimits::kConnectTime.count()));
    if (!info->contains(u"keepalives_count"))
        info->set(u"keepalives_count"_s, QString::number(WaitLimits::kKeepaliveCount));
    if (!info->contains(u"tcp_user_timeout"))
        info->set(u"tcp_user_timeout"_s, QString::number(WaitLimits::kUnacknowledgedTime.count()));

    // Given here, "options" replaces PGOPTIONS: start from either.
    QString options = info->value(u"options")
                          .value_or(settings.environmentValue("PGOPTIONS").value_or(QString()))
                          .trimmed();
    const auto addOption = [&options](const QString &name, qint64 milliseconds) {
        if (optionsSet(options, name))
            return;
        if (!options.isEmpty())
            options += u' ';
        options += u"-c %1=%2"_s.arg(name).arg(milliseconds);
    };
    addOption(u"lock_timeout"_s, WaitLimits::kLockWait.count());
    addOption(u"statement_timeout"_s, WaitLimits::kStatementTime.count());
    info->set(u"options"_s, options);

    connect.append(u"pqopt"_s, info->toString());
}

} // namespace

WaitLimits::Driver WaitLimits::driverOf(
    const ConnectString &connect, const DataSourceSettings &settings)
{
    std::optional<QString> driver = connect.value(u"DRIVER");
    if (!driver) {
        if (const auto dsn = dataSourceOf(connect))
            driver = settings.dataSourceValue(*dsn, u"Driver"_s);
    }
    if (!driver || driver->isEmpty())
        return Driver::Other;
    // A path names the library itself; a name is a section of the driver
    // list, whose "Driver" key is the library.
    if (driver->contains(u'/'))
        return driverOfLibrary(QFileInfo(*driver).fileName());
    for (const QString &key : { u"Driver"_s, u"Driver64"_s }) {
        if (const auto library = settings.driverValue(*driver, key))
            return driverOfLibrary(QFileInfo(*library).fileName());
    }
    return Driver::Other;
}

QString WaitLimits::applyTo(const QString &connect, const DataSourceSettings &settings)
{
    ConnectString result(connect);
    switch (driverOf(result, settings)) {
    case Driver::Sqlite:
        applySqlite(result, settings);
        break;
    case Driver::Postgres:
        applyPostgres(result, settings);
        break;
    case Driver::Other:
        break;
    }
    return result.text();
}

} // namespace db
