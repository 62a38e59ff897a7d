#include "db/WaitLimits.h"

#include "db/ConnInfo.h"
#include "db/ConnectString.h"
#include "db/DataSourceSettings.h"

#include <QFileInfo>
#include <QStringList>

#include <utility>

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

// A setting's name as the server reads it: names are not case-sensitive
// and a dash stands for an underscore.
QString normalizedSettingName(QString name)
{
    return name.toLower().replace(u'-', u'_');
}

// The words of a server options string, split as the server splits it: at
// white space, a backslash taking the next character as it stands.
QStringList optionWords(const QString &options)
{
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QChar c = options.at(i);
        if (c.isSpace()) {
            if (inWord)
                words.append(std::exchange(word, QString()));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'\\' && i + 1 < options.size())
            word += options.at(++i);
        else
            word += c;
    }
    if (inWord)
        words.append(word);
    return words;
}

void applySqlite(
    const WaitLimits &limits, ConnectString &connect, const DataSourceSettings &settings)
{
    if (!settingOf(connect, settings, u"Timeout"_s))
        connect.append(u"Timeout"_s, QString::number(limits.sqliteBusyTimeout.count()));
}

void applyPostgres(
    const WaitLimits &limits, ConnectString &connect, const DataSourceSettings &settings)
{
    if (!settingOf(connect, settings, u"KeepaliveTime"_s))
        connect.append(u"KeepaliveTime"_s, QString::number(limits.keepaliveIdle.count()));
    if (!settingOf(connect, settings, u"KeepaliveInterval"_s))
        connect.append(u"KeepaliveInterval"_s, QString::number(limits.keepaliveInterval.count()));

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
        info->set(u"connect_timeout"_s, QString::number(limits.connectTime.count()));
    if (!info->contains(u"keepalives_count"))
        info->set(u"keepalives_count"_s, QString::number(limits.keepaliveCount));
    if (!info->contains(u"tcp_user_timeout"))
        info->set(u"tcp_user_timeout"_s, QString::number(limits.unacknowledgedTime.count()));

    // Given here, "options" replaces PGOPTIONS: start from either.
    QString options = info->value(u"options")
                          .value_or(settings.environmentValue("PGOPTIONS").value_or(QString()))
                          .trimmed();
    const auto addOption = [&options](const QString &name, qint64 milliseconds) {
        if (WaitLimits::optionsSet(options, name))
            return;
        if (!options.isEmpty())
            options += u' ';
        options += u"-c %1=%2"_s.arg(name).arg(milliseconds);
    };
    addOption(u"lock_timeout"_s, limits.lockWait.count());
    addOption(u"statement_timeout"_s, limits.statementTime.count());
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

bool WaitLimits::optionsSet(const QString &options, const QString &name)
{
    const QString wanted = normalizedSettingName(name);
    const QStringList words = optionWords(options);
    for (qsizetype i = 0; i < words.size(); ++i) {
        // "-c name=value", "-cname=value" and "--name=value".
        QString setting;
        if (words[i] == u"-c"_s) {
            if (i + 1 < words.size())
                setting = words[++i];
        } else if (words[i].startsWith(u"--"_s)) {
            setting = words[i].mid(2);
        } else if (words[i].startsWith(u"-c"_s)) {
            setting = words[i].mid(2);
        }
        const qsizetype equals = setting.indexOf(u'=');
        if (equals > 0 && normalizedSettingName(setting.left(equals).trimmed()) == wanted)
            return true;
    }
    return false;
}

QString WaitLimits::callLimitText() const
{
    const auto ms = callLimit.count();
    if (ms % 1000 == 0)
        return QString::number(ms / 1000);
    return QString::number(double(ms) / 1000.0, 'f', ms % 100 == 0 ? 1 : 3);
}

QString WaitLimits::applyTo(const QString &connect, const DataSourceSettings &settings) const
{
    ConnectString result(connect);
    switch (driverOf(result, settings)) {
    case Driver::Sqlite:
        applySqlite(*this, result, settings);
        break;
    case Driver::Postgres:
        applyPostgres(*this, result, settings);
        break;
    case Driver::Other:
        break;
    }
    return result.text();
}

} // namespace db
