// The program without a display: one line on standard error and exit
// status 1, before the toolkit would abort. Runs the real program with
// QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY set for each case, against a
// data-source list without `vomar`, so that a program that does find its
// display stops at the connection's message box and waits there.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Environment variables for one case; an empty value removes the variable.
using Settings = QMap<QString, QString>;

} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void withoutADisplayItSaysSoAndEnds_data();
    void withoutADisplayItSaysSoAndEnds();
    void aPlatformWithoutDisplayStarts_data();
    void aPlatformWithoutDisplayStarts();
    void aRealXDisplayStarts();

private:
    QProcessEnvironment environment(const Settings &settings) const;

    QTemporaryDir m_dir;
};

void TestDisplay::init()
{
    QVERIFY(m_dir.isValid());
    for (const QString &name : { u"odbc.ini"_s, u"odbcinst.ini"_s }) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

QProcessEnvironment TestDisplay::environment(const Settings &settings) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
        { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR" })
        env.remove(QString::fromLatin1(name));
    env.insert(u"ODBCSYSINI"_s, m_dir.path());
    env.insert(u"ODBCINI"_s, m_dir.filePath(u"odbc.ini"_s));
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        if (!it.value().isEmpty())
            env.insert(it.key(), it.value());
    return env;
}

void TestDisplay::withoutADisplayItSaysSoAndEnds_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("named");
    QTest::newRow("nothing set") << Settings {} << u"DISPLAY"_s;
    QTest::newRow("X server not there") << Settings { { u"DISPLAY"_s, u":987"_s } } << u":987"_s;
    QTest::newRow("xcb asked for, only Wayland set") << Settings {
        { u"QT_QPA_PLATFORM"_s, u"xcb"_s }, { u"WAYLAND_DISPLAY"_s, u"kelvaro-none"_s }
    } << u"DISPLAY"_s;
    QTest::newRow("Wayland socket not there") << Settings { { u"QT_QPA_PLATFORM"_s, u"wayland"_s },
        { u"WAYLAND_DISPLAY"_s, u"kelvaro-none"_s }, { u"XDG_RUNTIME_DIR"_s, QDir::tempPath() } }
                                              << u"kelvaro-none"_s;
    QTest::newRow("neither of a list") << Settings { { u"QT_QPA_PLATFORM"_s, u"wayland;xcb"_s },
        { u"DISPLAY"_s, u":987"_s } } << u":987"_s;
}

void TestDisplay::withoutADisplayItSaysSoAndEnds()
{
    QFETCH(Settings, settings);
    QFETCH(QString, named);
    QProcess program;
    program.setProcessEnvironment(environment(settings));
    program.start(QString::fromLocal8Bit(KELVARO_EXECUTABLE), QStringList());
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    // One line, naming what is missing; not the toolkit's advice to
    // reinstall.
    QVERIFY2(error.endsWith(u'\n') && error.count(u'\n') == 1, qPrintable(error));
    QVERIFY2(error.startsWith(u"kelvaro: "_s), qPrintable(error));
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY2(!error.contains(u"einstall"_s), qPrintable(error));
}

void TestDisplay::aPlatformWithoutDisplayStarts_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::newRow("offscreen") << Settings { { u"QT_QPA_PLATFORM"_s, u"offscreen"_s } };
    QTest::newRow("offscreen after a missing xcb")
        << Settings { { u"QT_QPA_PLATFORM"_s, u"xcb;offscreen"_s } };
}

void TestDisplay::aPlatformWithoutDisplayStarts()
{
    QFETCH(Settings, settings);
    QProcess program;
    program.setProcessEnvironment(environment(settings));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QString::fromLocal8Bit(KELVARO_EXECUTABLE), QStringList());
    QVERIFY(program.waitForStarted());
    // The refused connection's message box waits for the user.
    QVERIFY2(!program.waitForFinished(1500),
        qPrintable(u"ended with exit code %1"_s.arg(program.exitCode())));
    program.kill();
    QVERIFY(program.waitForFinished());
}

void TestDisplay::aRealXDisplayStarts()
{
    // An X server that answers is a display: the check lets it through.
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        QSKIP("Xvfb not found (package xvfb)");
    QProcess server;
    // -displayfd 1: the server picks a free display and writes its number.
    server.start(xvfb,
        { u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s, u"-screen"_s, u"0"_s,
            u"1024x768x24"_s });
    QVERIFY(server.waitForStarted());
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(10000))
        number += server.readAllStandardOutput();
    QVERIFY2(number.trimmed().toInt() > 0 || number.trimmed() == "0", number.constData());

    QProcess program;
    program.setProcessEnvironment(
        environment({ { u"DISPLAY"_s, u":"_s + QString::fromLatin1(number.trimmed()) } }));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QString::fromLocal8Bit(KELVARO_EXECUTABLE), QStringList());
    QVERIFY(program.waitForStarted());
    const bool ended = program.waitForFinished(3000);
    program.kill();
    program.waitForFinished();
    server.terminate();
    QVERIFY(server.waitForFinished());
    QVERIFY2(!ended, qPrintable(u"ended with exit code %1"_s.arg(program.exitCode())));
}

QTEST_GUILESS_MAIN(TestDisplay)
#include "tst_display.moc"
