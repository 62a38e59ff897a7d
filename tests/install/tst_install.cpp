// What `cmake --install` puts into a prefix, which is also what the Debian
// package holds: the program, the menu's launcher and desktop entry, the
// icon in the hicolor theme, the metainfo, the manual page, the package's
// documents, the data files and create-data-source.sh. The build tree is
// installed once into a temporary prefix; the installed script and the
// launcher then make data sources for a user whose data folder and
// data-source lists are temporary too, and the test connects to them
// through the ODBC driver manager as the program does.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sql.h>
#include <sqlext.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The keys of the [Desktop Entry] group; an empty map when it is missing.
std::map<QString, QString> desktopEntryKeys(const QString &path)
{
    std::map<QString, QString> keys;
    bool inGroup = false;
    const QStringList lines = QString::fromUtf8(fileContents(path)).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(u'['))
            inGroup = line == u"[Desktop Entry]"_s;
        else if (inGroup && !line.startsWith(u'#') && line.contains(u'='))
            keys[line.section(u'=', 0, 0).trimmed()] = line.section(u'=', 1).trimmed();
    }
    return keys;
}

struct ProcessResult
{
    int exitCode = -1;
    QString output;
};

ProcessResult run(const QString &program, const QStringList &arguments,
    const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return { -1, u"did not finish: "_s + program };
    return { process.exitCode(), QString::fromLocal8Bit(process.readAll()) };
}

// One ODBC handle, freed when it goes.
struct HandleFree
{
    SQLSMALLINT type;
    void operator()(SQLHANDLE handle) const { SQLFreeHandle(type, handle); }
};
using Handle = std::unique_ptr<void, HandleFree>;

Handle allocate(SQLSMALLINT type, SQLHANDLE parent)
{
    SQLHANDLE handle = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &handle)))
        return Handle(nullptr, HandleFree { type });
    return Handle(handle, HandleFree { type });
}

QString diagnostic(SQLSMALLINT type, SQLHANDLE handle)
{
    SQLCHAR state[6] = {};
    SQLCHAR text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &length)))
        return u"(no diagnostic)"_s;
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

// Connects to the DSN vomar of the user's data-source list (ODBCINI) as the
// program does, runs `sql` and gives the first column of its first row
// (nothing for a statement without a result); an error text when any step
// fails.
struct QueryResult
{
    bool ok = false;
    QString value;
};

QueryResult queryVomar(const QString &sql)
{
    Handle environment = allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    if (!environment)
        return { false, u"no ODBC environment"_s };
    SQLSetEnvAttr(
        environment.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    Handle connection = allocate(SQL_HANDLE_DBC, environment.get());
    if (!connection)
        return { false, u"no ODBC connection handle"_s };
    QByteArray in = "DSN=vomar";
    SQLCHAR out[1024] = {};
    SQLSMALLINT outLength = 0;
    if (!SQL_SUCCEEDED(
            SQLDriverConnect(connection.get(), nullptr, reinterpret_cast<SQLCHAR *>(in.data()),
                SQL_NTS, out, sizeof out, &outLength, SQL_DRIVER_NOPROMPT)))
        return { false, u"connect: "_s + diagnostic(SQL_HANDLE_DBC, connection.get()) };
    QueryResult result;
    {
        Handle statement = allocate(SQL_HANDLE_STMT, connection.get());
        QByteArray text = sql.toUtf8();
        SQLCHAR value[256] = {};
        SQLLEN indicator = 0;
        SQLSMALLINT columns = 0;
        if (!statement
            || !SQL_SUCCEEDED(
                SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR *>(text.data()), SQL_NTS))
            || !SQL_SUCCEEDED(SQLNumResultCols(statement.get(), &columns)))
            result = { false, sql + u": "_s + diagnostic(SQL_HANDLE_STMT, statement.get()) };
        else if (columns == 0)
            result = { true, QString() };
        else if (!SQL_SUCCEEDED(SQLFetch(statement.get()))
            || !SQL_SUCCEEDED(
                SQLGetData(statement.get(), 1, SQL_C_CHAR, value, sizeof value, &indicator)))
            result = { false, sql + u": no row"_s };
        else
            result = { true, QString::fromUtf8(reinterpret_cast<const char *>(value)) };
    }
    SQLDisconnect(connection.get());
    return result;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installsOnlyTheProgramsFiles();
    void desktopEntry();
    void iconSizes();
    void dataFiles();
    void programHasNoRunPath();
    void documents();
    void manualPage();
    void metainfo();
    void installedScriptMakesTheUsersDataSource();
    void installedScriptKeepsAnotherVomar_data();
    void installedScriptKeepsAnotherVomar();
    void launcherMakesTheDataSourceOnTheFirstStart();
    void launcherLeavesTheUsersOwnVomar();
    void launcherTellsTheJournalWhyItMadeNoDataSource();
    void scriptInTheSourceTree();

private:
    // An environment for the installed script and the driver manager: the
    // user's data folder and data-source list inside `home`, and empty
    // system lists in home/system.
    QProcessEnvironment userEnvironment(const QString &home) const;
    // Runs the launcher that the desktop entry names, as the menu does, on
    // the offscreen platform; gives whether the program it started was
    // still running after a few seconds (it is then ended), with the
    // launcher's output.
    ProcessResult startFromTheMenu(const QProcessEnvironment &env) const;
    // The installed file that an absolute path of the configured prefix
    // names.
    QString installed(const QString &configuredPath) const;

    QTemporaryDir m_prefix;
};

QProcessEnvironment TestInstall::userEnvironment(const QString &home) const
{
    const QDir system(home + u"/system"_s);
    if (!system.mkpath(u"."_s) || !writeFile(system.filePath(u"odbc.ini"_s), {})
        || !writeFile(system.filePath(u"odbcinst.ini"_s), {}))
        qFatal("cannot write the system lists in %s", qPrintable(system.path()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, home);
    env.insert(u"XDG_DATA_HOME"_s, home + u"/data"_s);
    env.insert(u"ODBCINI"_s, home + u"/odbc.ini"_s);
    env.insert(u"ODBCSYSINI"_s, system.path());
    return env;
}

QString TestInstall::installed(const QString &configuredPath) const
{
    const QString prefix = QString::fromUtf8(KELVARO_INSTALL_PREFIX);
    if (!configuredPath.startsWith(prefix + u'/'))
        return QString();
    return m_prefix.path() + configuredPath.mid(prefix.size());
}

ProcessResult TestInstall::startFromTheMenu(const QProcessEnvironment &env) const
{
    const QString exec
        = desktopEntryKeys(m_prefix.filePath(u"share/applications/kelvaro.desktop"_s))[u"Exec"_s];
    const QString launcher = installed(exec);
    if (launcher.isEmpty())
        return { -1, u"the desktop entry's command is not installed: "_s + exec };
    QProcessEnvironment programEnv = env;
    programEnv.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess process;
    process.setProcessEnvironment(programEnv);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(launcher, QStringList());
    if (!process.waitForStarted())
        return { -1, u"did not start: "_s + launcher };
    // Connected, it shows its splash and start window; refused, the
    // connection's box. Either waits for the user.
    const bool ended = process.waitForFinished(4000);
    const int exitCode = process.exitCode();
    process.kill();
    process.waitForFinished();
    const QString output = QString::fromLocal8Bit(process.readAll());
    if (ended)
        return { -1, u"the program ended with exit code %1: "_s.arg(exitCode) + output };
    return { 0, output };
}

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DESTDIR"_s);
    const ProcessResult install = run(QString::fromUtf8(KELVARO_CMAKE_COMMAND),
        { u"--install"_s, QString::fromUtf8(KELVARO_BUILD_DIR), u"--prefix"_s, m_prefix.path() },
        env);
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
}

void TestInstall::installsOnlyTheProgramsFiles()
{
    // Every installed file is one of these, so that nothing of the build
    // (libraries, tests, tools) lands in the package.
    const QRegularExpression expected(u"^(bin/kelvaro|libexec/kelvaro/kelvaro-launcher"
                                      "|share/applications/kelvaro\\.desktop"
                                      "|share/metainfo/org\\.kelvaro\\.kelvaro\\.metainfo\\.xml"
                                      "|share/man/man1/kelvaro\\.1\\.gz"
                                      "|share/doc/kelvaro/(copyright|changelog\\.gz|README\\.md)"
                                      "|share/icons/hicolor/[0-9]+x[0-9]+/apps/kelvaro\\.png"
                                      "|share/kelvaro/(schema\\.sql|demo-standard-tables\\.sql"
                                      "|create-data-source\\.sh|common\\.sh))$"_s);
    QStringList files;
    QDirIterator it(m_prefix.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = QDir(m_prefix.path()).relativeFilePath(it.next());
        QVERIFY2(expected.match(file).hasMatch(), qPrintable(u"unexpected file "_s + file));
        files << file;
    }
    for (const QString &file : { u"bin/kelvaro"_s, u"libexec/kelvaro/kelvaro-launcher"_s,
             u"share/applications/kelvaro.desktop"_s,
             u"share/metainfo/org.kelvaro.kelvaro.metainfo.xml"_s, u"share/man/man1/kelvaro.1.gz"_s,
             u"share/doc/kelvaro/copyright"_s, u"share/doc/kelvaro/changelog.gz"_s,
             u"share/doc/kelvaro/README.md"_s, u"share/kelvaro/schema.sql"_s,
             u"share/kelvaro/demo-standard-tables.sql"_s, u"share/kelvaro/create-data-source.sh"_s,
             u"share/kelvaro/common.sh"_s })
        QVERIFY2(files.contains(file), qPrintable(u"missing "_s + file));

    for (const QString &program : { u"bin/kelvaro"_s, u"libexec/kelvaro/kelvaro-launcher"_s,
             u"share/kelvaro/create-data-source.sh"_s })
        QVERIFY2(QFileInfo(m_prefix.filePath(program)).isExecutable(), qPrintable(program));
}

void TestInstall::desktopEntry()
{
    const QString path = m_prefix.filePath(u"share/applications/kelvaro.desktop"_s);
    auto keys = desktopEntryKeys(path);
    QCOMPARE(keys[u"Type"_s], u"Application"_s);
    // The program speaks simplified Chinese: so do its name and comment.
    const QRegularExpression chinese(u"\\p{Han}"_s);
    QVERIFY2(chinese.match(keys[u"Name"_s]).hasMatch(), qPrintable(keys[u"Name"_s]));
    QVERIFY2(chinese.match(keys[u"Comment"_s]).hasMatch(), qPrintable(keys[u"Comment"_s]));
    QCOMPARE(keys[u"Terminal"_s], u"false"_s);
    QVERIFY(keys[u"Categories"_s].endsWith(u';'));
    QVERIFY(keys[u"Categories"_s].split(u';').contains(u"Education"_s));

    QVERIFY2(chinese.match(keys[u"Keywords"_s]).hasMatch(), qPrintable(keys[u"Keywords"_s]));
    QVERIFY(keys[u"Keywords"_s].endsWith(u';'));

    // Exec starts the installed launcher by its full path, with no
    // argument; Icon names the installed icon.
    const QString exec = keys[u"Exec"_s];
    QCOMPARE(
        exec, QString::fromUtf8(KELVARO_INSTALL_PREFIX) + u"/libexec/kelvaro/kelvaro-launcher"_s);
    QVERIFY(QFileInfo(installed(exec)).isExecutable());
    QCOMPARE(keys[u"Icon"_s], u"kelvaro"_s);
    QVERIFY(QFileInfo::exists(
        m_prefix.filePath(u"share/icons/hicolor/48x48/apps/%1.png"_s.arg(keys[u"Icon"_s]))));

    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (validator.isEmpty()) {
        qInfo("desktop-file-validate not found (package desktop-file-utils): keys checked only");
        return;
    }
    const ProcessResult validation = run(validator, { path });
    QVERIFY2(validation.exitCode == 0 && validation.output.trimmed().isEmpty(),
        qPrintable(validation.output));
}

void TestInstall::iconSizes()
{
    // Every icon is square, as large as its folder says, drawn (a rounded
    // tile: transparent corner, opaque middle); the sizes that desktops ask
    // for most are there.
    QList<int> sizes;
    QDirIterator it(m_prefix.filePath(u"share/icons/hicolor"_s), { u"kelvaro.png"_s }, QDir::Files,
        QDirIterator::Subdirectories);
    const QRegularExpression folder(u"/([0-9]+)x\\1/apps/kelvaro\\.png$"_s);
    while (it.hasNext()) {
        const QString path = it.next();
        const QRegularExpressionMatch match = folder.match(path);
        QVERIFY2(match.hasMatch(), qPrintable(path));
        const int size = match.captured(1).toInt();
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        sizes << size;
    }
    for (int size : { 16, 24, 32, 48, 256 })
        QVERIFY2(sizes.contains(size), qPrintable(u"no %1x%1 icon"_s.arg(size)));
}

void TestInstall::programHasNoRunPath()
{
    // The installed program finds Qt in the system's library folders: no
    // RUNPATH or RPATH pointing next to itself.
    const QString readelf = QStandardPaths::findExecutable(u"readelf"_s);
    if (readelf.isEmpty())
        QSKIP("readelf not found (package binutils)");
    const ProcessResult dynamic = run(readelf, { u"-d"_s, m_prefix.filePath(u"bin/kelvaro"_s) });
    QVERIFY2(dynamic.exitCode == 0, qPrintable(dynamic.output));
    QVERIFY2(dynamic.output.contains(u"(NEEDED)"_s), qPrintable(dynamic.output));
    QVERIFY2(!dynamic.output.contains(u"PATH)"_s), qPrintable(dynamic.output));
}

void TestInstall::documents()
{
    const QString doc = m_prefix.filePath(u"share/doc/kelvaro/"_s);
    const QString source = QString::fromUtf8(KELVARO_SOURCE_DIR);
    // The copyright file in Debian's machine-readable format, with the
    // licence text of LICENSE, line for line.
    const QString copyright = QString::fromUtf8(fileContents(doc + u"copyright"_s));
    QVERIFY2(copyright.startsWith(u"Format: https://www.debian.org/doc/packaging-manuals/"
                                  "copyright-format/1.0/\n"_s),
        qPrintable(copyright));
    QVERIFY(copyright.contains(u"\nCopyright: 2026 The kelvaro authors\n"_s));
    QStringList licence = QString::fromUtf8(fileContents(source + u"/LICENSE"_s)).split(u'\n');
    while (!licence.isEmpty() && licence.last().isEmpty())
        licence.removeLast();
    QVERIFY(licence.size() > 10);
    QString indented;
    for (const QString &line : licence.mid(4))
        indented += (line.isEmpty() ? u" ."_s : u' ' + line) + u'\n';
    QVERIFY2(copyright.endsWith(u"\nLicense: Expat\n"_s + indented), qPrintable(copyright));
    QVERIFY(
        fileContents(source + u"/LICENSE"_s).contains("Copyright (c) 2026 The kelvaro authors"));

    QCOMPARE(fileContents(doc + u"README.md"_s), fileContents(source + u"/README.md"_s));

    // The changelog of a native version: changelog.gz, its first entry of
    // the package's version.
    const ProcessResult changelog = run(u"gzip"_s, { u"-dc"_s, doc + u"changelog.gz"_s });
    QVERIFY2(changelog.exitCode == 0, qPrintable(changelog.output));
    QVERIFY2(changelog.output.startsWith(u"kelvaro (%1) unstable; urgency=medium\n"_s.arg(
                 QString::fromUtf8(KELVARO_VERSION))),
        qPrintable(changelog.output));
    QVERIFY2(QRegularExpression(u"\n -- .+ <[^@ ]+@[^@ ]+>  [A-Z][a-z]{2}, [0-9]{2} [A-Z][a-z]{2} "
                                "[0-9]{4} [0-9:]{8} [+-][0-9]{4}\n$"_s)
                 .match(changelog.output)
                 .hasMatch(),
        qPrintable(changelog.output));
}

void TestInstall::manualPage()
{
    const ProcessResult page
        = run(u"gzip"_s, { u"-dc"_s, m_prefix.filePath(u"share/man/man1/kelvaro.1.gz"_s) });
    QVERIFY2(page.exitCode == 0, qPrintable(page.output));
    // The title line carries the package's version; the sections a user
    // looks for are there, and no placeholder is left unfilled.
    QVERIFY2(page.output.contains(
                 QRegularExpression(u"\n\\.TH KELVARO 1 \"[0-9-]+\" \"kelvaro %1\""_s.arg(
                     QRegularExpression::escape(QString::fromUtf8(KELVARO_VERSION))))),
        qPrintable(page.output));
    for (const QString &section : { u"NAME"_s, u"SYNOPSIS"_s, u"DESCRIPTION"_s, u"OPTIONS"_s,
             u"\"DATA SOURCE\""_s, u"FILES"_s, u"\"EXIT STATUS\""_s })
        QVERIFY2(page.output.contains(u"\n.SH "_s + section + u'\n'), qPrintable(section));
    QVERIFY(!page.output.contains(u'@'));
    QVERIFY(page.output.contains(
        QString::fromUtf8(KELVARO_INSTALL_PREFIX) + u"/share/kelvaro/create\\-data\\-source.sh"_s));

    // Rendered by man without a warning, also in a locale without Chinese:
    // the page is plain ASCII but for the box's title as the user sees it,
    // which only a UTF-8 terminal is given.
    const QRegularExpression nonAscii(u"[^\\x{0}-\\x{7f}]"_s);
    for (const QString &line : page.output.split(u'\n')) {
        if (line.contains(nonAscii))
            QVERIFY2(line.startsWith(u".ie '\\*[.T]'utf8' "_s), qPrintable(line));
    }
    QVERIFY(page.output.contains(u"数据库连接失败"_s));
    const QString man = QStandardPaths::findExecutable(u"man"_s);
    if (man.isEmpty())
        QSKIP("man not found (package man-db)");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"MANWIDTH"_s, u"80"_s);
    // The box's title in English where the terminal has no Chinese, as the
    // user sees it where it has.
    const std::pair<QString, QString> locales[]
        = { { u"C"_s, u"database connection failed"_s }, { u"C.UTF-8"_s, u"数据库连接失败"_s } };
    for (const auto &[locale, title] : locales) {
        env.insert(u"LC_ALL"_s, locale);
        const ProcessResult rendered = run(man,
            { u"--warnings"_s, u"-l"_s, m_prefix.filePath(u"share/man/man1/kelvaro.1.gz"_s) }, env);
        QVERIFY2(rendered.exitCode == 0, qPrintable(rendered.output));
        QVERIFY2(!rendered.output.contains(u"warning"_s, Qt::CaseInsensitive),
            qPrintable(rendered.output));
        QVERIFY2(rendered.output.contains(u"EXIT STATUS"_s), qPrintable(rendered.output));
        QVERIFY2(rendered.output.contains(title), qPrintable(locale + u": "_s + rendered.output));
    }
}

void TestInstall::metainfo()
{
    const QString path = m_prefix.filePath(u"share/metainfo/org.kelvaro.kelvaro.metainfo.xml"_s);
    const QString xml = QString::fromUtf8(fileContents(path));
    QVERIFY(xml.contains(u"<id>org.kelvaro.kelvaro</id>"_s));
    QVERIFY(xml.contains(u"<launchable type=\"desktop-id\">kelvaro.desktop</launchable>"_s));
    QVERIFY(xml.contains(u"<project_license>MIT</project_license>"_s));
    QVERIFY(xml.contains(u"<category>Education</category>"_s));
    QVERIFY(xml.contains(u"<release version=\"%1\""_s.arg(QString::fromUtf8(KELVARO_VERSION))));
    const QRegularExpression chineseSummary(u"<summary>[^<]*\\p{Han}"_s);
    QVERIFY(chineseSummary.match(xml).hasMatch());

    const QString validator = QStandardPaths::findExecutable(u"appstreamcli"_s);
    if (validator.isEmpty())
        QSKIP("appstreamcli not found (package appstream): contents checked only");
    const ProcessResult validation = run(validator, { u"validate"_s, u"--no-net"_s, path });
    QVERIFY2(validation.exitCode == 0, qPrintable(validation.output));
}

void TestInstall::dataFiles()
{
    for (const QString &name : { u"schema.sql"_s, u"demo-standard-tables.sql"_s }) {
        const QByteArray source
            = fileContents(QString::fromUtf8(KELVARO_SOURCE_DIR) + u"/data/"_s + name);
        QVERIFY(!source.isEmpty());
        QCOMPARE(fileContents(m_prefix.filePath(u"share/kelvaro/"_s + name)), source);
    }
}

void TestInstall::installedScriptMakesTheUsersDataSource()
{
    if (!KELVARO_HAVE_SQLITE_DRIVER)
        QSKIP("The SQLite3 ODBC driver is not installed (package libsqliteodbc)");
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString odbcIni = home.filePath(u"odbc.ini"_s);
    // The user's list has a data source already, its last line without a
    // newline: it stays as it is.
    const QByteArray other = "[other]\nDriver=SQLite3\nDatabase=/nowhere/other.db";
    QVERIFY(writeFile(odbcIni, other));
    const QProcessEnvironment env = userEnvironment(home.path());
    const QString script = m_prefix.filePath(u"share/kelvaro/create-data-source.sh"_s);

    const ProcessResult first = run(u"bash"_s, { script }, env);
    QVERIFY2(first.exitCode == 0, qPrintable(first.output));
    const QString database = home.filePath(u"data/kelvaro/kelvaro.db"_s);
    QVERIFY2(QFileInfo::exists(database), qPrintable(first.output));
    const QByteArray list = fileContents(odbcIni);
    QVERIFY2(list.startsWith(other + "\n\n[vomar]\n"), list.constData());
    QVERIFY2(list.contains("\nDatabase=" + database.toUtf8() + "\n"), list.constData());
    QVERIFY2(list.contains("\nNoCreat=1\n"), list.constData());
    // Nothing half made is left beside the list or the database.
    QCOMPARE(
        QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList { u"odbc.ini"_s });
    QCOMPARE(QDir(home.filePath(u"data/kelvaro"_s)).entryList(QDir::Files | QDir::Hidden),
        QStringList { u"kelvaro.db"_s });

    // The program's data source: the standard tables are there, and the
    // database can be written (a mark that the later runs must keep).
    qputenv("ODBCINI", QFile::encodeName(odbcIni));
    qunsetenv("ODBCSYSINI");
    QueryResult rows = queryVomar(u"SELECT COUNT(*) FROM cz123_m"_s);
    QVERIFY2(rows.ok, qPrintable(rows.value));
    QVERIFY2(rows.value.toInt() > 0, qPrintable(rows.value));
    rows = queryVomar(u"SELECT COUNT(*) FROM cz123_w"_s);
    QVERIFY2(rows.ok && rows.value.toInt() > 0, qPrintable(rows.value));
    for (const QString &sql :
        { u"CREATE TABLE school_mark (x INTEGER)"_s, u"INSERT INTO school_mark VALUES (7)"_s }) {
        rows = queryVomar(sql);
        QVERIFY2(rows.ok, qPrintable(rows.value));
    }

    // A second run, and --recreate, keep the database (and what the school
    // put into it) and the list.
    const QByteArray listBefore = fileContents(odbcIni);
    const ProcessResult second = run(u"bash"_s, { script }, env);
    QVERIFY2(second.exitCode == 0, qPrintable(second.output));
    const ProcessResult recreate = run(u"bash"_s, { script, u"--recreate"_s }, env);
    QVERIFY2(recreate.exitCode != 0, qPrintable(recreate.output));
    QCOMPARE(fileContents(odbcIni), listBefore);
    rows = queryVomar(u"SELECT x FROM school_mark"_s);
    QVERIFY2(rows.ok && rows.value == u"7"_s, qPrintable(rows.value));
}

void TestInstall::installedScriptKeepsAnotherVomar_data()
{
    QTest::addColumn<QByteArray>("userList");
    QTest::addColumn<QByteArray>("systemList");
    // A vomar of the school's own, named as the driver manager reads it:
    // never replaced, never doubled.
    QTest::newRow("upper case") << QByteArray(
        "[VOMAR]\nDriver=PostgreSQL Unicode\nDatabase=school\n")
                                << QByteArray();
    QTest::newRow("spaces in the brackets")
        << QByteArray("# the school's server\n[other]\nDriver=x\n\n[ VOMAR ]\n"
                      "Driver = PostgreSQL Unicode\nDatabase = school\n")
        << QByteArray();
    QTest::newRow("in the system's list")
        << QByteArray("[other]\nDriver=x\n")
        << QByteArray("[vomar]\nDriver=PostgreSQL Unicode\nDatabase=school\n");
}

void TestInstall::installedScriptKeepsAnotherVomar()
{
    if (!KELVARO_HAVE_SQLITE_DRIVER)
        QSKIP("The SQLite3 ODBC driver is not installed (package libsqliteodbc)");
    QFETCH(QByteArray, userList);
    QFETCH(QByteArray, systemList);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QProcessEnvironment env = userEnvironment(home.path());
    const QString odbcIni = home.filePath(u"odbc.ini"_s);
    QVERIFY(writeFile(odbcIni, userList));
    QVERIFY(writeFile(home.filePath(u"system/odbc.ini"_s), systemList));
    const ProcessResult result
        = run(u"bash"_s, { m_prefix.filePath(u"share/kelvaro/create-data-source.sh"_s) }, env);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QVERIFY2(result.output.contains(u"kept"_s), qPrintable(result.output));
    QCOMPARE(fileContents(odbcIni), userList);
    QCOMPARE(fileContents(home.filePath(u"system/odbc.ini"_s)), systemList);
}

void TestInstall::launcherMakesTheDataSourceOnTheFirstStart()
{
    if (!KELVARO_HAVE_SQLITE_DRIVER)
        QSKIP("The SQLite3 ODBC driver is not installed (package libsqliteodbc)");
    // A new user: no data-source list, no data folder.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QProcessEnvironment env = userEnvironment(home.path());
    const QString odbcIni = home.filePath(u"odbc.ini"_s);
    const QString database = home.filePath(u"data/kelvaro/kelvaro.db"_s);

    const ProcessResult first = startFromTheMenu(env);
    QVERIFY2(first.exitCode == 0, qPrintable(first.output));
    QVERIFY2(QFileInfo::exists(database), qPrintable(first.output));
    const QByteArray list = fileContents(odbcIni);
    QVERIFY2(list.startsWith("[vomar]\n"), list.constData());
    QVERIFY2(list.contains("\nDatabase=" + database.toUtf8() + "\n"), list.constData());

    // The data source works, as the program opens it; a mark that the next
    // start must keep.
    qputenv("ODBCINI", QFile::encodeName(odbcIni));
    qputenv("ODBCSYSINI", QFile::encodeName(home.filePath(u"system"_s)));
    QueryResult rows = queryVomar(u"SELECT COUNT(*) FROM cz123_m"_s);
    QVERIFY2(rows.ok && rows.value.toInt() > 0, qPrintable(rows.value));
    for (const QString &sql :
        { u"CREATE TABLE school_mark (x INTEGER)"_s, u"INSERT INTO school_mark VALUES (7)"_s }) {
        rows = queryVomar(sql);
        QVERIFY2(rows.ok, qPrintable(rows.value));
    }

    // The second start finds vomar and changes nothing.
    const ProcessResult second = startFromTheMenu(env);
    QVERIFY2(second.exitCode == 0, qPrintable(second.output));
    QCOMPARE(fileContents(odbcIni), list);
    rows = queryVomar(u"SELECT x FROM school_mark"_s);
    qunsetenv("ODBCSYSINI");
    QVERIFY2(rows.ok && rows.value == u"7"_s, qPrintable(rows.value));
}

void TestInstall::launcherLeavesTheUsersOwnVomar()
{
    // The user's vomar names another database (here one that is not
    // there): the launcher neither touches the list nor makes the
    // embedded database, and the program starts (and shows the
    // connection's message).
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QProcessEnvironment env = userEnvironment(home.path());
    const QString odbcIni = home.filePath(u"odbc.ini"_s);
    const QByteArray own = "; the school's own\n[ Vomar ]\nDriver = SQLite3\n"
                           "Database = "
        + home.filePath(u"school.db"_s).toUtf8() + "\nNoCreat=1\n";
    QVERIFY(writeFile(odbcIni, own));
    const ProcessResult result = startFromTheMenu(env);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QCOMPARE(fileContents(odbcIni), own);
    QVERIFY2(!QFileInfo::exists(home.filePath(u"data"_s)), qPrintable(result.output));
}

void TestInstall::launcherTellsTheJournalWhyItMadeNoDataSource()
{
    // The user's data folder cannot be made (a file stands where its
    // parent folder should be, which stops root too). Started from the
    // menu there is no terminal: the reason also goes to the journal,
    // here to a logger of the test's own that records what it is given.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = userEnvironment(home.path());
    QVERIFY(writeFile(home.filePath(u"blocker"_s), "not a folder\n"));
    env.insert(u"XDG_DATA_HOME"_s, home.filePath(u"blocker/data"_s));
    const QString bin = home.filePath(u"bin"_s);
    QVERIFY(QDir().mkpath(bin));
    const QString record = home.filePath(u"logger.txt"_s);
    QVERIFY(writeFile(bin + u"/logger"_s,
        "#!/bin/sh\nprintf '%s\\n' \"$*\" >>\"" + QFile::encodeName(record) + "\"\ncat >>\""
            + QFile::encodeName(record) + "\"\n"));
    QVERIFY(QFile::setPermissions(bin + u"/logger"_s,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup
            | QFile::ExeOther));
    env.insert(u"PATH"_s, bin + u':' + env.value(u"PATH"_s));

    const ProcessResult result = startFromTheMenu(env);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QVERIFY2(result.output.contains(u"Not a directory"_s), qPrintable(result.output));
    const QString logged = QString::fromLocal8Bit(fileContents(record));
    QVERIFY2(logged.startsWith(u"-t kelvaro -p user.err\n"_s), qPrintable(logged));
    QVERIFY2(logged.contains(u"the data source vomar could not be made"_s), qPrintable(logged));
    QVERIFY2(logged.contains(u"Not a directory"_s), qPrintable(logged));
}

void TestInstall::scriptInTheSourceTree()
{
    if (!KELVARO_HAVE_SQLITE_DRIVER)
        QSKIP("The SQLite3 ODBC driver is not installed (package libsqliteodbc)");
    // The layout of the source tree (scripts/ beside data/), as start.sh
    // uses it: the data source lands in var/, with its own driver list.
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    QVERIFY(QDir(tree.path()).mkpath(u"scripts"_s) && QDir(tree.path()).mkpath(u"data"_s));
    for (const QString &file : { u"scripts/create-data-source.sh"_s, u"scripts/common.sh"_s,
             u"data/schema.sql"_s, u"data/demo-standard-tables.sql"_s })
        QVERIFY(
            QFile::copy(QString::fromUtf8(KELVARO_SOURCE_DIR) + u'/' + file, tree.filePath(file)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, tree.filePath(u"home"_s));
    const ProcessResult result
        = run(u"bash"_s, { tree.filePath(u"scripts/create-data-source.sh"_s) }, env);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QVERIFY(!QFileInfo::exists(tree.filePath(u"home"_s)));

    qputenv("ODBCSYSINI", QFile::encodeName(tree.filePath(u"var/odbc"_s)));
    qputenv("ODBCINI", QFile::encodeName(tree.filePath(u"var/odbc/odbc.ini"_s)));
    const QueryResult rows = queryVomar(u"SELECT COUNT(*) FROM cz123_w"_s);
    qunsetenv("ODBCSYSINI");
    QVERIFY2(rows.ok && rows.value.toInt() > 0, qPrintable(rows.value));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
