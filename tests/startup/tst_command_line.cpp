// The program reads no command-line argument: whatever follows the
// program's name, also toolkit options, it starts in the same way. Runs the
// real program against a data-source list without `vomar`, so that it stops
// at the connection's message box and waits there.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anyCommandLineStartsTheSameWay_data();
    void anyCommandLineStartsTheSameWay();
};

void TestCommandLine::anyCommandLineStartsTheSameWay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("words") << QStringList { u"a"_s, u"b c"_s };
    QTest::newRow("unknown platform") << QStringList { u"-platform"_s, u"nosuchplatform"_s };
    QTest::newRow("toolkit options") << QStringList { u"-reverse"_s, u"-style"_s, u"none"_s };
}

void TestCommandLine::anyCommandLineStartsTheSameWay()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir odbc;
    QVERIFY(odbc.isValid());
    for (const QString &name : { u"odbc.ini"_s, u"odbcinst.ini"_s }) {
        QFile file(odbc.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"ODBCSYSINI"_s, odbc.path());
    env.insert(u"ODBCINI"_s, odbc.filePath(u"odbc.ini"_s));

    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QString::fromLocal8Bit(KELVARO_EXECUTABLE), arguments);
    QVERIFY(program.waitForStarted());
    // The refused connection's message box waits for the user: the program
    // is still running, whatever its command line.
    QVERIFY2(!program.waitForFinished(1000),
        qPrintable(u"ended with exit code %1"_s.arg(program.exitCode())));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
