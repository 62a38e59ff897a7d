#pragma once

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace support {

// The throwaway print server that CTest starts for the printer tests
// (scripts/cups-test-server.sh): queues kelvaro_a (the server's default),
// kelvaro_b and kelvaro,d with the test printer description, kelvaro_c with
// the one without A5 (but with a size of its own, Ticket of 80 x 200 mm, and
// sizes of the user's own), and kelvaro_raw, a raw queue without a printer
// description, all on file:///dev/null.
// The environment points the client library at it and HOME into its folder.
class CupsTestServer
{
public:
    static QString folder() { return qEnvironmentVariable("KELVARO_TEST_CUPS_DIR"); }

    // Whether the test runs against the throwaway server: only then may it
    // change user defaults and queues.
    static bool running()
    {
        const QString dir = folder();
        return !dir.isEmpty() && QFileInfo(dir + QStringLiteral("/cups.sock")).exists()
            && qEnvironmentVariable("CUPS_SERVER") == dir + QStringLiteral("/cups.sock")
            && qEnvironmentVariable("HOME").startsWith(dir + QLatin1Char('/'));
    }

    // The user's defaults, where `lpoptions` keeps them.
    static QString userOptionsFile()
    {
        return qEnvironmentVariable("HOME") + QStringLiteral("/.cups/lpoptions");
    }

    static QString userOptions()
    {
        QFile file(userOptionsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    // Runs a client program of the print server and returns its output;
    // `home` replaces HOME when given (another user's view).
    static QString run(
        const QString &program, const QStringList &arguments, const QString &home = QString())
    {
        QProcess process;
        if (!home.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("HOME"), home);
            process.setProcessEnvironment(environment);
        }
        process.start(program, arguments);
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            qWarning(
                "%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
            return QStringLiteral("<failed>");
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Back to the state the server started with: no user defaults, both
    // queues enabled.
    static void reset()
    {
        QFile::remove(userOptionsFile());
        run(QStringLiteral("cupsenable"),
            { QStringLiteral("kelvaro_a"), QStringLiteral("kelvaro_b") });
    }
};

} // namespace support
