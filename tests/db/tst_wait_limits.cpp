// The wait limits that go into a connect string: each only where neither
// the connect string nor its data source (nor the client library's
// environment variable) sets it, for the SQLite and the PostgreSQL ODBC
// drivers, found by their library; and the two string forms they are
// written in.

#include "db/ConnInfo.h"
#include "db/ConnectString.h"
#include "db/DataSourceSettings.h"
#include "db/WaitLimits.h"

#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;
using db::ConnectString;
using db::ConnInfo;
using db::WaitLimits;

namespace {

// Settings as the ini files would give them: "dsn/key" and "driver/key",
// compared ignoring case as the driver manager does.
class FixedSettings final : public db::DataSourceSettings
{
public:
    QHash<QString, QString> dataSources;
    QHash<QString, QString> drivers;
    QHash<QString, QString> environment;

    std::optional<QString> dataSourceValue(const QString &dsn, const QString &key) const override
    {
        return find(dataSources, dsn + u'/' + key);
    }
    std::optional<QString> driverValue(const QString &driver, const QString &key) const override
    {
        return find(drivers, driver + u'/' + key);
    }
    std::optional<QString> environmentValue(const char *name) const override
    {
        return find(environment, QString::fromLatin1(name));
    }

private:
    static std::optional<QString> find(const QHash<QString, QString> &table, const QString &key)
    {
        for (auto it = table.begin(); it != table.end(); ++it) {
            if (it.key().compare(key, Qt::CaseInsensitive) == 0)
                return it.value();
        }
        return std::nullopt;
    }
};

FixedSettings standardSettings()
{
    FixedSettings settings;
    settings.drivers.insert(
        u"SQLite3/Driver"_s, u"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so"_s);
    settings.drivers.insert(u"PostgreSQL Unicode/Driver"_s, u"psqlodbcw.so"_s);
    settings.drivers.insert(u"Other/Driver"_s, u"/usr/lib/libmyodbc.so"_s);
    settings.dataSources.insert(u"lite/Driver"_s, u"SQLite3"_s);
    settings.dataSources.insert(u"lite/Database"_s, u"/tmp/x.db"_s);
    settings.dataSources.insert(u"pg/Driver"_s, u"PostgreSQL Unicode"_s);
    settings.dataSources.insert(u"other/Driver"_s, u"Other"_s);
    return settings;
}

// The pqopt of a connect string, parsed.
ConnInfo pqoptOf(const QString &connect)
{
    const auto text = ConnectString(connect).value(u"pqopt");
    if (!text)
        qFatal("no pqopt in %s", qPrintable(connect));
    const auto info = ConnInfo::parse(*text);
    if (!info)
        qFatal("pqopt not in libpq's form: %s", qPrintable(*text));
    return *info;
}

const QString kProgramLimits = u"-c lock_timeout=5000 -c statement_timeout=8000"_s;

} // namespace

class TestWaitLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void connectStringValues_data();
    void connectStringValues();
    void appendedValuesReadBack_data();
    void appendedValuesReadBack();
    void connInfoRoundTrips_data();
    void connInfoRoundTrips();
    void connInfoRefusesWhatLibpqRefuses_data();
    void connInfoRefusesWhatLibpqRefuses();

    void driverFoundByItsLibrary_data();
    void driverFoundByItsLibrary();
    void sqliteTimeoutOnlyWhereNoneIsSet_data();
    void sqliteTimeoutOnlyWhereNoneIsSet();
    void postgresGetsEveryLimit();
    void postgresKeepsWhatTheDataSourceSets();
    void postgresEnvironmentCounts();
    void postgresConnectStringPqoptIsTheCallersChoice();
    void postgresPqoptThatCannotBeCompletedIsLeftAlone_data();
    void postgresPqoptThatCannotBeCompletedIsLeftAlone();
    void otherDriversAreLeftAlone();
    void userLimitCountsHoweverItIsSpelt_data();
    void userLimitCountsHoweverItIsSpelt();
    void limitsAreTheValueHandedIn();
};

void TestWaitLimits::connectStringValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected"); // invalid: not given
    QTest::newRow("plain") << u"DSN=vomar;PWD=merovi2749"_s << u"pwd"_s
                           << QVariant(u"merovi2749"_s);
    QTest::newRow("key ignoring case") << u"dsn=vomar"_s << u"DSN"_s << QVariant(u"vomar"_s);
    QTest::newRow("spaces around")
        << u" DSN = vomar ; PWD = x "_s << u"DSN"_s << QVariant(u"vomar"_s);
    QTest::newRow("braced value with ; and =")
        << u"DSN=pg;pqopt={a=1;b='x y'};PWD=p"_s << u"pqopt"_s << QVariant(u"a=1;b='x y'"_s);
    QTest::newRow("braced value, the key after it")
        << u"DSN=pg;pqopt={a=1;b=2};PWD=p"_s << u"PWD"_s << QVariant(u"p"_s);
    QTest::newRow("doubled closing brace") << u"X={a}}b};Y=1"_s << u"X"_s << QVariant(u"a}b"_s);
    QTest::newRow("first of two") << u"Timeout=1;Timeout=2"_s << u"timeout"_s << QVariant(u"1"_s);
    QTest::newRow("missing") << u"DSN=vomar"_s << u"Timeout"_s << QVariant();
    QTest::newRow("piece without =") << u"junk;DSN=vomar"_s << u"DSN"_s << QVariant(u"vomar"_s);
    QTest::newRow("empty") << QString() << u"DSN"_s << QVariant();
}

void TestWaitLimits::connectStringValues()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    const auto value = ConnectString(text).value(key);
    QCOMPARE(value.has_value(), expected.isValid());
    if (value)
        QCOMPARE(*value, expected.toString());
}

void TestWaitLimits::appendedValuesReadBack_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("plain") << u"DSN=a"_s << u"5000"_s << u"DSN=a;K=5000"_s;
    QTest::newRow("after a closing ;") << u"DSN=a;"_s << u"1"_s << u"DSN=a;K=1"_s;
    QTest::newRow("needs braces") << u"DSN=a"_s << u"x=1 y='a;b'"_s << u"DSN=a;K={x=1 y='a;b'}"_s;
    QTest::newRow("brace inside") << u"DSN=a"_s << u"a}b"_s << u"DSN=a;K={a}}b}"_s;
    QTest::newRow("onto nothing") << QString() << u"1"_s << u"K=1"_s;
}

void TestWaitLimits::appendedValuesReadBack()
{
    QFETCH(QString, start);
    QFETCH(QString, value);
    QFETCH(QString, expectedText);
    ConnectString connect(start);
    connect.append(u"K"_s, value);
    QCOMPARE(connect.text(), expectedText);
    QCOMPARE(ConnectString(connect.text()).value(u"K"), std::optional<QString>(value));
}

void TestWaitLimits::connInfoRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"connect_timeout=3 keepalives=1"_s << u"keepalives"_s << u"1"_s;
    QTest::newRow("spaces around =") << u"connect_timeout = 3"_s << u"connect_timeout"_s << u"3"_s;
    QTest::newRow("quoted") << u"options='-c a=1 -c b=2'"_s << u"options"_s << u"-c a=1 -c b=2"_s;
    QTest::newRow("escaped quote")
        << u"application_name='it\\'s'"_s << u"application_name"_s << u"it's"_s;
    QTest::newRow("escaped backslash") << u"a=x\\\\y"_s << u"a"_s << u"x\\y"_s;
    QTest::newRow("empty quoted") << u"a='' b=1"_s << u"a"_s << QString();
    QTest::newRow("last of two") << u"a=1 a=2"_s << u"a"_s << u"2"_s;
}

void TestWaitLimits::connInfoRoundTrips()
{
    QFETCH(QString, text);
    QFETCH(QString, keyword);
    QFETCH(QString, expected);
    const auto info = ConnInfo::parse(text);
    QVERIFY(info);
    QCOMPARE(info->value(keyword), std::optional<QString>(expected));
    // Written out again, it reads back the same.
    const auto again = ConnInfo::parse(info->toString());
    QVERIFY2(again, qPrintable(info->toString()));
    QCOMPARE(again->value(keyword), std::optional<QString>(expected));
}

void TestWaitLimits::connInfoRefusesWhatLibpqRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no =") << u"connect_timeout"_s;
    QTest::newRow("unclosed quote") << u"options='-c a=1"_s;
    QTest::newRow("no keyword") << u"=3"_s;
}

void TestWaitLimits::connInfoRefusesWhatLibpqRefuses()
{
    QFETCH(QString, text);
    QVERIFY(!ConnInfo::parse(text));
}

void TestWaitLimits::driverFoundByItsLibrary_data()
{
    QTest::addColumn<QString>("connect");
    QTest::addColumn<int>("expected");
    const int sqlite = int(WaitLimits::Driver::Sqlite);
    const int postgres = int(WaitLimits::Driver::Postgres);
    const int other = int(WaitLimits::Driver::Other);
    QTest::newRow("dsn of a named sqlite driver") << u"DSN=lite"_s << sqlite;
    QTest::newRow("dsn name ignoring case") << u"DSN=LITE"_s << sqlite;
    QTest::newRow("dsn of a named postgres driver") << u"DSN=pg;PWD=x"_s << postgres;
    QTest::newRow("driver by name") << u"Driver=PostgreSQL Unicode;Servername=h"_s << postgres;
    QTest::newRow("driver by path") << u"Driver=/opt/odbc/libsqlite3odbc.so;Database=x"_s << sqlite;
    QTest::newRow("driver braced") << u"Driver={PostgreSQL Unicode};Database=x"_s << postgres;
    QTest::newRow("other driver") << u"DSN=other"_s << other;
    QTest::newRow("unknown dsn") << u"DSN=nosuch"_s << other;
    QTest::newRow("unknown driver name") << u"Driver=Nosuch"_s << other;
}

void TestWaitLimits::driverFoundByItsLibrary()
{
    QFETCH(QString, connect);
    QFETCH(int, expected);
    const FixedSettings settings = standardSettings();
    QCOMPARE(int(WaitLimits::driverOf(ConnectString(connect), settings)), expected);
}

void TestWaitLimits::sqliteTimeoutOnlyWhereNoneIsSet_data()
{
    QTest::addColumn<QString>("connect");
    QTest::addColumn<QString>("dataSourceTimeout"); // empty: the DSN sets none
    QTest::addColumn<QString>("expected");
    QTest::newRow("none set") << u"DSN=lite;PWD=p"_s << QString()
                              << u"DSN=lite;PWD=p;Timeout=2500"_s;
    QTest::newRow("data source sets it")
        << u"DSN=lite;PWD=p"_s << u"100000"_s << u"DSN=lite;PWD=p"_s;
    QTest::newRow("connect string sets it")
        << u"DSN=lite;timeout=200"_s << QString() << u"DSN=lite;timeout=200"_s;
    QTest::newRow("driver without data source")
        << u"Driver=/x/libsqlite3odbc.so;Database=/tmp/a.db"_s << QString()
        << u"Driver=/x/libsqlite3odbc.so;Database=/tmp/a.db;Timeout=2500"_s;
}

void TestWaitLimits::sqliteTimeoutOnlyWhereNoneIsSet()
{
    QFETCH(QString, connect);
    QFETCH(QString, dataSourceTimeout);
    QFETCH(QString, expected);
    FixedSettings settings = standardSettings();
    if (!dataSourceTimeout.isEmpty())
        settings.dataSources.insert(u"lite/Timeout"_s, dataSourceTimeout);
    QCOMPARE(WaitLimits {}.applyTo(connect, settings), expected);
}

void TestWaitLimits::postgresGetsEveryLimit()
{
    const FixedSettings settings = standardSettings();
    const QString result = WaitLimits {}.applyTo(u"DSN=pg;PWD=merovi2749"_s, settings);
    const ConnectString connect(result);
    QVERIFY2(result.startsWith(u"DSN=pg;PWD=merovi2749;"_s), qPrintable(result));
    QCOMPARE(connect.value(u"KeepaliveTime"), std::optional<QString>(u"2"_s));
    QCOMPARE(connect.value(u"KeepaliveInterval"), std::optional<QString>(u"1"_s));
    const ConnInfo pqopt = pqoptOf(result);
    QCOMPARE(pqopt.value(u"connect_timeout"), std::optional<QString>(u"5"_s));
    QCOMPARE(pqopt.value(u"keepalives_count"), std::optional<QString>(u"3"_s));
    QCOMPARE(pqopt.value(u"tcp_user_timeout"), std::optional<QString>(u"5000"_s));
    QCOMPARE(pqopt.value(u"options"), std::optional<QString>(kProgramLimits));
}

void TestWaitLimits::postgresKeepsWhatTheDataSourceSets()
{
    FixedSettings settings = standardSettings();
    settings.dataSources.insert(u"pg/KeepaliveTime"_s, u"30"_s);
    settings.dataSources.insert(u"pg/pqopt"_s,
        u"connect_timeout=20 application_name=school options='-c search_path=s -c lock_timeout=1s'"_s);
    const QString result = WaitLimits {}.applyTo(u"DSN=pg"_s, settings);
    const ConnectString connect(result);
    QVERIFY(!connect.contains(u"KeepaliveTime"));
    QCOMPARE(connect.value(u"KeepaliveInterval"), std::optional<QString>(u"1"_s));
    const ConnInfo pqopt = pqoptOf(result);
    QCOMPARE(pqopt.value(u"connect_timeout"), std::optional<QString>(u"20"_s));
    QCOMPARE(pqopt.value(u"application_name"), std::optional<QString>(u"school"_s));
    QCOMPARE(pqopt.value(u"tcp_user_timeout"), std::optional<QString>(u"5000"_s));
    // The data source's lock_timeout stays; the statement limit is added.
    QCOMPARE(pqopt.value(u"options"),
        std::optional<QString>(u"-c search_path=s -c lock_timeout=1s -c statement_timeout=8000"_s));
}

void TestWaitLimits::postgresEnvironmentCounts()
{
    FixedSettings settings = standardSettings();
    settings.environment.insert(u"PGCONNECT_TIMEOUT"_s, u"30"_s);
    settings.environment.insert(u"PGOPTIONS"_s, u"--statement_timeout=60000"_s);
    const ConnInfo pqopt = pqoptOf(WaitLimits {}.applyTo(u"DSN=pg"_s, settings));
    QVERIFY(!pqopt.contains(u"connect_timeout"));
    // Given in pqopt, "options" would hide PGOPTIONS: it is carried over.
    QCOMPARE(pqopt.value(u"options"),
        std::optional<QString>(u"--statement_timeout=60000 -c lock_timeout=5000"_s));
}

void TestWaitLimits::postgresConnectStringPqoptIsTheCallersChoice()
{
    const FixedSettings settings = standardSettings();
    const QString result = WaitLimits {}.applyTo(u"DSN=pg;pqopt={keepalives=0}"_s, settings);
    QCOMPARE(ConnectString(result).value(u"pqopt"), std::optional<QString>(u"keepalives=0"_s));
}

void TestWaitLimits::postgresPqoptThatCannotBeCompletedIsLeftAlone_data()
{
    QTest::addColumn<QString>("dataSourcePqopt");
    QTest::newRow("not libpq's form") << u"options='-c a=1"_s;
    QTest::newRow("holds a brace") << u"application_name=a}b"_s;
}

void TestWaitLimits::postgresPqoptThatCannotBeCompletedIsLeftAlone()
{
    QFETCH(QString, dataSourcePqopt);
    FixedSettings settings = standardSettings();
    settings.dataSources.insert(u"pg/pqopt"_s, dataSourcePqopt);
    const ConnectString connect(WaitLimits {}.applyTo(u"DSN=pg"_s, settings));
    QVERIFY(!connect.contains(u"pqopt"));
    QVERIFY(connect.contains(u"KeepaliveTime"));
}

void TestWaitLimits::otherDriversAreLeftAlone()
{
    const FixedSettings settings = standardSettings();
    QCOMPARE(WaitLimits {}.applyTo(u"DSN=other;PWD=p"_s, settings), u"DSN=other;PWD=p"_s);
    QCOMPARE(WaitLimits {}.applyTo(u"DSN=nosuch;PWD=p"_s, settings), u"DSN=nosuch;PWD=p"_s);
}

void TestWaitLimits::userLimitCountsHoweverItIsSpelt_data()
{
    // The server takes a setting's name in any case, with dashes for
    // underscores, after "-c", "-c" joined to it, or "--".
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("setsLockTimeout");
    QTest::newRow("-c lock_timeout") << u"-c lock_timeout=1000"_s << true;
    QTest::newRow("-c LOCK_TIMEOUT") << u"-c LOCK_TIMEOUT=1000"_s << true;
    QTest::newRow("--lock-timeout") << u"--lock-timeout=1000"_s << true;
    QTest::newRow("--Lock_Timeout") << u"--Lock_Timeout=1000"_s << true;
    QTest::newRow("-clock_timeout") << u"-clock_timeout=1000"_s << true;
    QTest::newRow("among others") << u"-c search_path=s  -c lock-timeout=1s"_s << true;
    QTest::newRow("another setting") << u"-c lock_timeout_x=1 --statement-timeout=1"_s << false;
    QTest::newRow("only in a value") << u"-c application_name=lock_timeout=1"_s << false;
}

void TestWaitLimits::userLimitCountsHoweverItIsSpelt()
{
    QFETCH(QString, options);
    QFETCH(bool, setsLockTimeout);
    QCOMPARE(WaitLimits::optionsSet(options, u"lock_timeout"_s), setsLockTimeout);
    // The data source's options as they stand, and the program's lock wait
    // only where they set none.
    FixedSettings settings = standardSettings();
    settings.dataSources.insert(u"pg/pqopt"_s, u"options='%1'"_s.arg(options));
    const QString result = *pqoptOf(WaitLimits {}.applyTo(u"DSN=pg"_s, settings)).value(u"options");
    QVERIFY2(result.startsWith(options), qPrintable(result));
    QCOMPARE(result.contains(u"-c lock_timeout=5000"_s), !setsLockTimeout);
}

void TestWaitLimits::limitsAreTheValueHandedIn()
{
    WaitLimits limits;
    limits.lockWait = std::chrono::milliseconds(400);
    limits.statementTime = std::chrono::milliseconds(800);
    limits.connectTime = std::chrono::seconds(2);
    limits.sqliteBusyTimeout = std::chrono::milliseconds(200);
    const FixedSettings settings = standardSettings();
    const ConnInfo pqopt = pqoptOf(limits.applyTo(u"DSN=pg"_s, settings));
    QCOMPARE(pqopt.value(u"options"),
        std::optional<QString>(u"-c lock_timeout=400 -c statement_timeout=800"_s));
    QCOMPARE(pqopt.value(u"connect_timeout"), std::optional<QString>(u"2"_s));
    QCOMPARE(ConnectString(limits.applyTo(u"DSN=lite"_s, settings)).value(u"Timeout"),
        std::optional<QString>(u"200"_s));
    limits.callLimit = std::chrono::milliseconds(1500);
    QCOMPARE(limits.callLimitText(), u"1.5"_s);
    QCOMPARE(WaitLimits {}.callLimitText(), u"10"_s);
}

QTEST_APPLESS_MAIN(TestWaitLimits)
#include "tst_wait_limits.moc"
