#include "CupsTestServer.h"
#include "PausedCupsServer.h"

#include "ui/printer/PrintServer.h"
#include "ui/printer/PrinterConstants.h"
#include "ui/printer/n_printer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cups/cups.h>

#include <functional>

using support::CupsTestServer;
using support::PausedCupsServer;

using namespace Qt::StringLiterals;
using namespace ui::printer;

namespace {
const QString kA = u"kelvaro_a"_s;
const QString kB = u"kelvaro_b"_s;
const QString kC = u"kelvaro_c"_s;
const QString kComma = u"kelvaro,d"_s;
const QString kRaw = u"kelvaro_raw"_s;
// The throwaway server's queues, in the order the server lists them.
const QStringList kQueues { kComma, kA, kB, kC, kRaw };
const QString kDraft = u"kelvaro_a/draft"_s;
const QString kUnknown = u"kelvaro_none"_s;
const QString kModel = u"Kelvaro Test Printer"_s;
constexpr int kUntouched = 7777;

// How long a call of the service may take while the server does not answer.
constexpr qint64 kAnswerBoundMs = 5000;

// One call of the service, its result as a text.
using ServiceCall = std::function<QString(n_printer &)>;

using Paper = PrinterSystem::Paper;

// Sets the user's options of `printer` as `lpoptions -p PRINTER -o ...` does.
bool setUserOptions(const QString &printer, const QStringList &options)
{
    QStringList arguments { u"-p"_s, printer };
    for (const QString &option : options)
        arguments << u"-o"_s << option;
    return CupsTestServer::run(u"lpoptions"_s, arguments).isEmpty();
}

// The value of the option `key` in the user's options of `printer` as
// `lpoptions -p PRINTER` lists them; "" when it has none.
QString userOption(const QString &printer, const QString &key)
{
    const QRegularExpression pattern(u"(?:^| )%1=(\\S*)"_s.arg(QRegularExpression::escape(key)));
    return pattern.match(CupsTestServer::run(u"lpoptions"_s, { u"-p"_s, printer })).captured(1);
}

// The default paper of `printer` as the toolkit's printer information tells
// it, which the client library works out on its own from the same options:
// its width and length in tenths of a millimetre.
QSize toolkitPaper(const QString &printer)
{
    const QSizeF millimetres
        = QPrinterInfo::printerInfo(printer).defaultPageSize().size(QPageSize::Millimeter);
    return QSize(qRound(millimetres.width() * 10), qRound(millimetres.height() * 10));
}

// Whether two sizes in tenths of a millimetre are within a millimetre of
// each other: the toolkit rounds a printer's own sizes to whole points.
bool closeTo(const QSize &size, int width, int length)
{
    return qAbs(size.width() - width) <= 10 && qAbs(size.height() - length) <= 10;
}
} // namespace

Q_DECLARE_METATYPE(ServiceCall)
Q_DECLARE_METATYPE(Paper)

namespace ui::printer {
// A paper as a failed comparison shows it: its code, width and length.
char *toString(const PrinterSystem::Paper &paper)
{
    return QTest::toString(u"%1 %2 x %3"_s.arg(paper.code).arg(paper.width).arg(paper.length));
}
} // namespace ui::printer

// The printer service on the print server: the throwaway server that CTest
// starts, with its queues kelvaro_a (the server's default), kelvaro_b,
// kelvaro_c (no A5, a size of its own), kelvaro,d and kelvaro_raw (no printer
// description).
class TestCupsPrinterSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void printerList();
    void unreachableServer();
    void defaultPrinter();
    void makeOtherDefault();
    void driverAndPort_data();
    void driverAndPort();
    void attributes();
    void statusAfterDisable();
    void defaultPaper_data();
    void defaultPaper();
    void setLetter();
    void pageSizeOption_data();
    void pageSizeOption();
    void printersOwnSize();
    void unlistedPaper_data();
    void unlistedPaper();
    void orientation();
    void orientationAsRecorded_data();
    void orientationAsRecorded();
    void modifyPrinter();
    void unknownCommand();
    void unknownPrinter_data();
    void unknownPrinter();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
    void userInstance();
    void defaultNameWithComma();
    void serverNotAnswering_data();
    void serverNotAnswering();

private:
    n_printer m_service { printServer() }; // the test server's printers
};

void TestCupsPrinterSystem::initTestCase()
{
    QVERIFY2(CupsTestServer::running(),
        "needs the throwaway print server; run it through ctest (cups_server fixture)");
    CupsTestServer::reset();
}

void TestCupsPrinterSystem::init()
{
    CupsTestServer::reset();
}

void TestCupsPrinterSystem::cleanupTestCase()
{
    if (CupsTestServer::running())
        CupsTestServer::reset();
}

void TestCupsPrinterSystem::printerList()
{
    QStringList list { u"stale 1"_s, u"stale 2"_s, u"stale 3"_s, u"stale 4"_s };
    QCOMPARE(m_service.of_getprinterlist(list), int(kQueues.size()));
    QCOMPARE(list, kQueues);
}

// A server that cannot be reached is a list that cannot be read, not an
// empty one.
void TestCupsPrinterSystem::unreachableServer()
{
    const QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QByteArray socket = (empty.path() + u"/none.sock"_s).toUtf8();
    cupsSetServer(socket.constData());
    QStringList list { u"kept"_s };
    const int result = m_service.of_getprinterlist(list);
    const QString defaultName = m_service.of_getpbprinter();
    const QString driver = m_service.of_getdrivername(kA);
    cupsSetServer(nullptr);

    QCOMPARE(result, -1);
    QCOMPARE(list, QStringList { u"kept"_s });
    QCOMPARE(defaultName, QString());
    QCOMPARE(driver, QString());
    // Back on the test server.
    QCOMPARE(m_service.of_getprinterlist(list), int(kQueues.size()));
    QCOMPARE(list, kQueues);
}

void TestCupsPrinterSystem::defaultPrinter()
{
    QCOMPARE(m_service.of_getpbprinter(), kA);
    QCOMPARE(QPrinterInfo::defaultPrinterName(), kA);
}

// The other queue becomes the user's default, as `lpoptions -d` makes it:
// the user's lpoptions file names it, the toolkit and the client programs
// follow it, and the server's own default stays as it was.
void TestCupsPrinterSystem::makeOtherDefault()
{
    QCOMPARE(m_service.of_setdefault(kB), 1);
    QCOMPARE(m_service.of_getpbprinter(), kB);
    QCOMPARE(QPrinterInfo::defaultPrinterName(), kB);
    QVERIFY2(CupsTestServer::userOptions().contains(u"Default kelvaro_b"_s),
        qPrintable(CupsTestServer::userOptions()));
    QCOMPARE(CupsTestServer::run(u"lpstat"_s, { u"-d"_s }).trimmed(),
        u"system default destination: kelvaro_b"_s);

    const QTemporaryDir otherUser;
    QVERIFY(otherUser.isValid());
    QCOMPARE(CupsTestServer::run(u"lpstat"_s, { u"-d"_s }, otherUser.path()).trimmed(),
        u"system default destination: kelvaro_a"_s);

    QCOMPARE(m_service.of_setdefault(kA), 1);
    QCOMPARE(m_service.of_getpbprinter(), kA);
}

void TestCupsPrinterSystem::driverAndPort_data()
{
    QTest::addColumn<QString>("printer");
    QTest::newRow("kelvaro_a") << kA;
    QTest::newRow("kelvaro_b") << kB;
}

void TestCupsPrinterSystem::driverAndPort()
{
    QFETCH(QString, printer);
    QCOMPARE(m_service.of_getdrivername(printer), kModel);
    QCOMPARE(m_service.of_getportname(printer), u"file:///dev/null"_s);
    QCOMPARE(m_service.of_direct(printer, QString()), 1);

    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_printer(
                 printer, command::kPortName, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(u"file:///dev/null"_s));
}

// Both queues are local and not shared; the default bit follows the
// user's default printer.
void TestCupsPrinterSystem::attributes()
{
    QCOMPARE(m_service.of_getattribute(kA), qint64(attribute::kLocal | attribute::kIsDefault));
    QCOMPARE(m_service.of_getattribute(kB), qint64(attribute::kLocal));
    QCOMPARE(m_service.of_setdefault(kB), 1);
    QCOMPARE(m_service.of_getattribute(kA), qint64(attribute::kLocal));
    QCOMPARE(m_service.of_getattribute(kB), qint64(attribute::kLocal | attribute::kIsDefault));
}

void TestCupsPrinterSystem::statusAfterDisable()
{
    QCOMPARE(m_service.of_getstatus(kB), qint64(0));
    QCOMPARE(CupsTestServer::run(u"cupsdisable"_s, { kB }), QString());
    QCOMPARE(m_service.of_getstatus(kB), qint64(status::kPaused));
    QCOMPARE(m_service.of_getstatus(kA), qint64(0));
    QCOMPARE(CupsTestServer::run(u"cupsenable"_s, { kB }), QString());
    QCOMPARE(m_service.of_getstatus(kB), qint64(0));
}

void TestCupsPrinterSystem::defaultPaper_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("5") << 5;
    QTest::newRow("6") << 6;
}

void TestCupsPrinterSystem::defaultPaper()
{
    QFETCH(int, command);
    QVariant value(u"untouched"_s);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_printer(kA, command, value, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA4);
    QCOMPARE(paperWidth, 2100);
    QCOMPARE(paperLength, 2970);
    QCOMPARE(value, QVariant(u"untouched"_s));
}

// Letter becomes the user's default paper of the queue, as
// `lpoptions -p kelvaro_a -o media=Letter` makes it; the other queue keeps A4.
void TestCupsPrinterSystem::setLetter()
{
    QCOMPARE(m_service.of_setpapersize(kA, paper::kLetter, 0, 0), 1);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(kA, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kLetter);
    QCOMPARE(paperWidth, 2159);
    QCOMPARE(paperLength, 2794);
    QCOMPARE(QPrinterInfo::printerInfo(kA).defaultPageSize().id(), QPageSize::Letter);
    // The default destination's line begins with "Default", any other with "Dest".
    QVERIFY2(CupsTestServer::userOptions().contains(QRegularExpression(
                 u"^Default kelvaro_a .*media=Letter"_s, QRegularExpression::MultilineOption)),
        qPrintable(CupsTestServer::userOptions()));
    QVERIFY(CupsTestServer::run(u"lpoptions"_s, { u"-p"_s, kA }).contains(u"media=Letter"_s));

    QCOMPARE(m_service.of_getpapersize(kB, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA4);

    QCOMPARE(m_service.of_setpapersize(kA, paper::kA5, 0, 0), 1);
    QCOMPARE(m_service.of_getpapersize(kA, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA5);
    QCOMPARE(paperWidth, 1480);
    QCOMPARE(paperLength, 2100);
}

void TestCupsPrinterSystem::pageSizeOption_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<Paper>("paper");

    const Paper letter { paper::kLetter, 2159, 2794 };
    QTest::newRow("PageSize alone") << kA << QStringList { u"PageSize=Letter"_s } << letter;
    QTest::newRow("PageSize outweighs media")
        << kA << QStringList { u"media=A5"_s, u"PageSize=Letter"_s } << letter;
    QTest::newRow("media alone") << kA << QStringList { u"media=A5"_s }
                                 << Paper { paper::kA5, 1480, 2100 };
    QTest::newRow("a PageSize that names no size: the printer's default, media left aside")
        << kA << QStringList { u"media=A5"_s, u"PageSize=Bogus"_s }
        << Paper { paper::kA4, 2100, 2970 };
    QTest::newRow("PageSize, a size of the user's own")
        << kC << QStringList { u"media=Letter"_s, u"PageSize=Custom.100x150mm"_s }
        << Paper { paper::kUser, 1000, 1500 };
    QTest::newRow("PageSize, the printer's own size")
        << kC << QStringList { u"PageSize=Ticket"_s } << Paper { paper::kUser, 800, 2000 };
    QTest::newRow("media, the printer's own size")
        << kC << QStringList { u"media=Ticket"_s } << Paper { paper::kUser, 800, 2000 };
}

// The user's paper as the print server works it out from the user's
// options: a PageSize (a size of the printer description, as lpoptions -l
// lists them) outweighs media, and one that names no size leaves the
// printer's own default, media or not. The toolkit's printer information,
// which the client library works out on its own, agrees. A paper written
// through the service then stands: a PageSize that would outweigh it does
// not stay behind.
void TestCupsPrinterSystem::pageSizeOption()
{
    QFETCH(QString, printer);
    QFETCH(QStringList, options);
    QFETCH(Paper, paper);

    QVERIFY(setUserOptions(printer, options));
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(printer, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(Paper({ paperCode, paperWidth, paperLength }), paper);
    QVERIFY2(closeTo(toolkitPaper(printer), paper.width, paper.length),
        qPrintable(QPrinterInfo::printerInfo(printer).defaultPageSize().key()));

    const bool letter = paper.code == paper::kLetter;
    const Paper other
        = letter ? Paper { paper::kA4, 2100, 2970 } : Paper { paper::kLetter, 2159, 2794 };
    QCOMPARE(m_service.of_setpapersize(printer, other.code, 0, 0), 1);
    QCOMPARE(m_service.of_getpapersize(printer, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(Paper({ paperCode, paperWidth, paperLength }), other);
    QCOMPARE(QPrinterInfo::printerInfo(printer).defaultPageSize().id(),
        letter ? QPageSize::A4 : QPageSize::Letter);
    const QString media = userOption(printer, u"media"_s);
    QCOMPARE(media, letter ? u"A4"_s : u"Letter"_s);
    const QString pageSize = userOption(printer, u"PageSize"_s);
    QVERIFY2(pageSize.isEmpty() || pageSize == media, qPrintable(CupsTestServer::userOptions()));
}

// kelvaro_c's printer description has a size of its own without a standard
// name, Ticket of 80 x 200 mm. It is one of the printer's papers: a size of
// the user's own of those measures is that paper, written by the
// description's own name (as `lpoptions -o media=Ticket` writes it), not as
// a size of the user's own, and read back as it was given. Other measures
// stay sizes of the user's own.
void TestCupsPrinterSystem::printersOwnSize()
{
    QCOMPARE(m_service.of_setpapersize(kC, paper::kUser, 800, 2000), 1);
    QCOMPARE(userOption(kC, u"media"_s), u"Ticket"_s);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(kC, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(Paper({ paperCode, paperWidth, paperLength }), Paper({ paper::kUser, 800, 2000 }));
    QCOMPARE(QPrinterInfo::printerInfo(kC).defaultPageSize().key(), u"Ticket"_s);

    QCOMPARE(m_service.of_setpapersize(kC, paper::kUser, 1000, 1500), 1);
    QCOMPARE(userOption(kC, u"media"_s), u"Custom.100x150mm"_s);
    QCOMPARE(m_service.of_getpapersize(kC, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(Paper({ paperCode, paperWidth, paperLength }), Paper({ paper::kUser, 1000, 1500 }));

    // A queue whose description has A4 and Letter only has no such paper.
    QCOMPARE(m_service.of_setpapersize(kA, paper::kUser, 800, 2000), -1);
}

void TestCupsPrinterSystem::unlistedPaper_data()
{
    QTest::addColumn<int>("paperCode");
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("paperLength");

    QTest::newRow("A3") << paper::kA3 << 0 << 0;
    QTest::newRow("code 0") << 0 << 0 << 0;
    QTest::newRow("user size: the queue takes none") << paper::kUser << 1000 << 1500;
}

// A paper the queue does not offer is refused and nothing is written.
void TestCupsPrinterSystem::unlistedPaper()
{
    QFETCH(int, paperCode);
    QFETCH(int, paperWidth);
    QFETCH(int, paperLength);

    QCOMPARE(m_service.of_setpapersize(kA, paper::kLetter, 0, 0), 1);
    const QString before = CupsTestServer::userOptions();
    QCOMPARE(m_service.of_setpapersize(kA, paperCode, paperWidth, paperLength), -1);
    QCOMPARE(CupsTestServer::userOptions(), before);
    int size = 0, width = 0, length = 0;
    QCOMPARE(m_service.of_getpapersize(kA, size, width, length), 1);
    QCOMPARE(size, paper::kLetter);
}

void TestCupsPrinterSystem::orientation()
{
    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(
        m_service.of_printer(kA, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation::kPortrait));

    value = orientation::kLandscape;
    QCOMPARE(m_service.of_printer(
                 kA, command::kSetOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QVERIFY2(CupsTestServer::userOptions().contains(u"orientation-requested=4"_s),
        qPrintable(CupsTestServer::userOptions()));
    value.clear();
    QCOMPARE(
        m_service.of_printer(kA, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation::kLandscape));
    QCOMPARE(
        m_service.of_printer(kB, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation::kPortrait));

    const QString before = CupsTestServer::userOptions();
    value = 3;
    QCOMPARE(m_service.of_printer(
                 kA, command::kSetOrientation, value, paperCode, paperWidth, paperLength),
        -1);
    QCOMPARE(CupsTestServer::userOptions(), before);

    value = orientation::kPortrait;
    QCOMPARE(m_service.of_printer(
                 kA, command::kSetOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QVERIFY(CupsTestServer::userOptions().contains(u"orientation-requested=3"_s));
}

void TestCupsPrinterSystem::orientationAsRecorded_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("orientation");

    QTest::newRow("landscape") << QStringList { u"landscape"_s } << orientation::kLandscape;
    QTest::newRow("nolandscape") << QStringList { u"nolandscape"_s } << orientation::kPortrait;
    QTest::newRow("orientation-requested=3")
        << QStringList { u"orientation-requested=3"_s } << orientation::kPortrait;
    QTest::newRow("orientation-requested=4")
        << QStringList { u"orientation-requested=4"_s } << orientation::kLandscape;
    QTest::newRow("orientation-requested=5, reverse landscape")
        << QStringList { u"orientation-requested=5"_s } << orientation::kLandscape;
    QTest::newRow("orientation-requested=6, reverse portrait")
        << QStringList { u"orientation-requested=6"_s } << orientation::kPortrait;
}

// The orientation as the user set it with lpoptions, in each of the ways
// the print server records it; a change through the service then replaces
// it, whichever way it was recorded.
void TestCupsPrinterSystem::orientationAsRecorded()
{
    QFETCH(QStringList, options);
    QFETCH(int, orientation);

    QStringList arguments { u"-p"_s, kA };
    for (const QString &option : options)
        arguments << u"-o"_s << option;
    QCOMPARE(CupsTestServer::run(u"lpoptions"_s, arguments), QString());

    QVariant value;
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(
        m_service.of_printer(kA, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation));

    const int other
        = orientation == orientation::kLandscape ? orientation::kPortrait : orientation::kLandscape;
    value = other;
    QCOMPARE(m_service.of_printer(
                 kA, command::kSetOrientation, value, paperCode, paperWidth, paperLength),
        1);
    value.clear();
    QCOMPARE(
        m_service.of_printer(kA, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(other));
}

void TestCupsPrinterSystem::modifyPrinter()
{
    DocumentSettings settings;
    settings.paper = PrinterSystem::Paper { paper::kA5, 1480, 2100 };
    settings.orientation = orientation::kLandscape;
    QCOMPARE(m_service.of_modifyprinter(kB, settings), 1);
    QVERIFY2(CupsTestServer::userOptions().contains(
                 u"Dest kelvaro_b media=A5 orientation-requested=4"_s),
        qPrintable(CupsTestServer::userOptions()));
    QCOMPARE(m_service.of_modifyprinter(kUnknown, settings), -1);

    const QString before = CupsTestServer::userOptions();
    settings.paper = PrinterSystem::Paper { paper::kA3, 2970, 4200 };
    QCOMPARE(m_service.of_modifyprinter(kB, settings), 0);
    QCOMPARE(CupsTestServer::userOptions(), before);
}

void TestCupsPrinterSystem::unknownCommand()
{
    QVariant value(orientation::kLandscape);
    int paperCode = paper::kA5, paperWidth = 0, paperLength = 0;
    for (int command : { 0, 8, 104 })
        QCOMPARE(m_service.of_printer(kA, command, value, paperCode, paperWidth, paperLength), -1);
    QVERIFY(!QFile::exists(CupsTestServer::userOptionsFile()));
}

void TestCupsPrinterSystem::unknownPrinter_data()
{
    QTest::addColumn<QString>("printer");
    QTest::newRow("no such queue") << kUnknown;
    QTest::newRow("an instance nobody made") << u"kelvaro_a/nosuch"_s;
    QTest::newRow("an empty instance") << u"kelvaro_a/"_s;
    QTest::newRow("an instance without a queue") << u"/kelvaro_a"_s;
    QTest::newRow("no such queue, in capitals") << u"KELVARO_NONE"_s;
    QTest::newRow("an instance nobody made, in capitals") << u"KELVARO_A/NOSUCH"_s;
    QTest::newRow("no name") << QString();
}

// A name that is not in the printer list is no printer: every function
// fails and nothing is written.
void TestCupsPrinterSystem::unknownPrinter()
{
    QFETCH(QString, printer);
    QCOMPARE(m_service.of_getdrivername(printer), QString());
    QCOMPARE(m_service.of_getportname(printer), QString());
    QCOMPARE(m_service.of_getstatus(printer), qint64(-1));
    QCOMPARE(m_service.of_getattribute(printer), qint64(-1));
    QCOMPARE(m_service.of_direct(printer, QString()), -1);
    int paperCode = kUntouched, paperWidth = kUntouched, paperLength = kUntouched;
    QCOMPARE(m_service.of_getpapersize(printer, paperCode, paperWidth, paperLength), -1);
    QCOMPARE(paperCode, kUntouched);
    QVariant value(u"untouched"_s);
    QCOMPARE(m_service.of_printer(
                 printer, command::kOrientation, value, paperCode, paperWidth, paperLength),
        -1);
    QCOMPARE(value, QVariant(u"untouched"_s));
    QCOMPARE(m_service.of_setpapersize(printer, paper::kA4, 0, 0), -1);
    QCOMPARE(m_service.of_setdefault(printer), -1);
    value = orientation::kLandscape;
    QCOMPARE(m_service.of_printer(
                 printer, command::kSetOrientation, value, paperCode, paperWidth, paperLength),
        -1);
    DocumentSettings settings;
    settings.orientation = orientation::kLandscape;
    QCOMPARE(m_service.of_modifyprinter(printer, settings), -1);
    QCOMPARE(m_service.of_getpbprinter(), kA);
    QVERIFY(!QFile::exists(CupsTestServer::userOptionsFile()));
}

void TestCupsPrinterSystem::namesIgnoreCase_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<int>("paper");

    QTest::newRow("KELVARO_A") << u"KELVARO_A"_s << kA << paper::kA4;
    QTest::newRow("Kelvaro_B") << u"Kelvaro_B"_s << kB << paper::kA4;
    QTest::newRow("KELVARO,D") << u"KELVARO,D"_s << kComma << paper::kA4;
    QTest::newRow("KELVARO_A/DRAFT, an instance") << u"KELVARO_A/DRAFT"_s << kDraft << paper::kA5;
    QTest::newRow("kelvaro_a/Draft") << u"kelvaro_a/Draft"_s << kDraft << paper::kA5;
}

// The print server knows a queue, and an instance of the user's, by its
// name in any case of letters (lpstat -p KELVARO_A finds kelvaro_a): every
// function reaches the printer the name stands for, and a change lands on
// that printer's own entry, not on a new one of the name as it was written.
void TestCupsPrinterSystem::namesIgnoreCase()
{
    QFETCH(QString, printer);
    QFETCH(QString, listed);
    QFETCH(int, paper);

    QVERIFY(setUserOptions(kDraft, { u"media=A5"_s }));
    QStringList before;
    QCOMPARE(m_service.of_getprinterlist(before), int(kQueues.size()) + 1);
    QCOMPARE(QSet<QString>(before.begin(), before.end()),
        QSet<QString>(kQueues.begin(), kQueues.end()) + QSet<QString> { kDraft });

    QCOMPARE(m_service.of_getdrivername(printer), kModel);
    QCOMPARE(m_service.of_direct(printer, QString()), 1);
    QCOMPARE(m_service.of_getportname(printer), u"file:///dev/null"_s);
    QCOMPARE(m_service.of_getstatus(printer), qint64(0));
    QCOMPARE(m_service.of_getattribute(printer), m_service.of_getattribute(listed));
    QVERIFY(m_service.of_getattribute(printer) != -1);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(printer, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper);
    QVariant value;
    QCOMPARE(m_service.of_printer(
                 printer, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation::kPortrait));

    QCOMPARE(m_service.of_setpapersize(printer, paper::kLetter, 0, 0), 1);
    QCOMPARE(m_service.of_getpapersize(listed, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kLetter);
    value = orientation::kLandscape;
    QCOMPARE(m_service.of_printer(
                 printer, command::kSetOrientation, value, paperCode, paperWidth, paperLength),
        1);
    value.clear();
    QCOMPARE(m_service.of_printer(
                 listed, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation::kLandscape));
    DocumentSettings settings;
    settings.paper = Paper { paper::kA4, 2100, 2970 };
    QCOMPARE(m_service.of_modifyprinter(printer, settings), 1);
    QCOMPARE(m_service.of_getpapersize(listed, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA4);
    QCOMPARE(m_service.of_setdefault(printer), 1);
    QCOMPARE(m_service.of_getpbprinter(), listed);

    QStringList after;
    QCOMPARE(m_service.of_getprinterlist(after), int(before.size()));
    QCOMPARE(after, before);
    QVERIFY2(CupsTestServer::userOptions().contains(QRegularExpression(
                 u"^Default %1 .*media=A4"_s.arg(QRegularExpression::escape(listed)),
                 QRegularExpression::MultilineOption)),
        qPrintable(CupsTestServer::userOptions()));
}

// An instance the user made with lpoptions is a printer of its own.
void TestCupsPrinterSystem::userInstance()
{
    const QString draft = kA + u"/draft"_s;
    QCOMPARE(
        CupsTestServer::run(u"lpoptions"_s, { u"-p"_s, draft, u"-o"_s, u"media=A5"_s }), QString());
    QStringList list;
    QCOMPARE(m_service.of_getprinterlist(list), int(kQueues.size()) + 1);
    QCOMPARE(QSet<QString>(list.begin(), list.end()),
        QSet<QString>(kQueues.begin(), kQueues.end()) + QSet<QString> { draft });
    QCOMPARE(m_service.of_direct(draft, QString()), 1);
    QCOMPARE(m_service.of_getdrivername(draft), kModel);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(draft, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA5);
    QCOMPARE(m_service.of_getpapersize(kA, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA4);
}

// The print server allows a comma in a queue's name; the default printer's
// name comes back whole.
void TestCupsPrinterSystem::defaultNameWithComma()
{
    QCOMPARE(m_service.of_setdefault(kComma), 1);
    QCOMPARE(m_service.of_getpbprinter(), kComma);
    QCOMPARE(m_service.of_getattribute(kComma), qint64(attribute::kLocal | attribute::kIsDefault));
    QStringList list;
    QVERIFY(m_service.of_getprinterlist(list) > 0);
    QVERIFY(list.contains(m_service.of_getpbprinter()));
}

void TestCupsPrinterSystem::serverNotAnswering_data()
{
    QTest::addColumn<ServiceCall>("call");
    QTest::addColumn<QString>("failure");

    QTest::newRow("of_getprinterlist") << ServiceCall([](n_printer &service) {
        QStringList list { u"kept"_s };
        return u"%1 %2"_s.arg(service.of_getprinterlist(list)).arg(list.join(u','));
    }) << u"-1 kept"_s;
    QTest::newRow("of_getpbprinter")
        << ServiceCall([](n_printer &service) { return service.of_getpbprinter(); }) << QString();
    QTest::newRow("of_direct") << ServiceCall([](n_printer &service) {
        return QString::number(service.of_direct(kA, QString()));
    }) << u"-1"_s;
    QTest::newRow("of_getdrivername")
        << ServiceCall([](n_printer &service) { return service.of_getdrivername(kA); })
        << QString();
    QTest::newRow("of_getportname")
        << ServiceCall([](n_printer &service) { return service.of_getportname(kA); }) << QString();
    QTest::newRow("of_getstatus") << ServiceCall([](n_printer &service) {
        return QString::number(service.of_getstatus(kA));
    }) << u"-1"_s;
    QTest::newRow("of_getattribute") << ServiceCall([](n_printer &service) {
        return QString::number(service.of_getattribute(kA));
    }) << u"-1"_s;
    QTest::newRow("of_getpapersize") << ServiceCall([](n_printer &service) {
        int paperCode = kUntouched, paperWidth = kUntouched, paperLength = kUntouched;
        return u"%1 %2"_s.arg(service.of_getpapersize(kA, paperCode, paperWidth, paperLength))
            .arg(paperCode);
    }) << u"-1 %1"_s.arg(kUntouched);
    QTest::newRow("of_printer 7") << ServiceCall([](n_printer &service) {
        QVariant value;
        int paperCode = 0, paperWidth = 0, paperLength = 0;
        return QString::number(service.of_printer(
            kA, command::kOrientation, value, paperCode, paperWidth, paperLength));
    }) << u"-1"_s;
    QTest::newRow("of_printer 103") << ServiceCall([](n_printer &service) {
        QVariant value(orientation::kLandscape);
        int paperCode = 0, paperWidth = 0, paperLength = 0;
        return QString::number(service.of_printer(
            kA, command::kSetOrientation, value, paperCode, paperWidth, paperLength));
    }) << u"-1"_s;
    QTest::newRow("of_setpapersize") << ServiceCall([](n_printer &service) {
        return QString::number(service.of_setpapersize(kA, paper::kLetter, 0, 0));
    }) << u"-1"_s;
    QTest::newRow("of_setdefault") << ServiceCall([](n_printer &service) {
        return QString::number(service.of_setdefault(kB));
    }) << u"-1"_s;
    QTest::newRow("of_modifyprinter") << ServiceCall([](n_printer &service) {
        DocumentSettings settings;
        settings.orientation = orientation::kLandscape;
        return QString::number(service.of_modifyprinter(kA, settings));
    }) << u"-1"_s;
    QTest::newRow("of_printsetup") << ServiceCall([](n_printer &service) {
        return QString::number(service.of_printsetup(nullptr));
    }) << u"-1"_s;
    QTest::newRow("of_pagesetup") << ServiceCall([](n_printer &service) {
        int left = kUntouched, right = kUntouched, top = kUntouched, bottom = kUntouched;
        return u"%1 %2"_s.arg(service.of_pagesetup(nullptr, left, right, top, bottom)).arg(left);
    }) << u"-1 %1"_s.arg(kUntouched);
}

// A server that takes the connection and never answers: each call gives up
// within a few seconds with its failure value, writes nothing, shows no
// dialog, and the same service answers again once the server does.
void TestCupsPrinterSystem::serverNotAnswering()
{
    QFETCH(ServiceCall, call);
    QFETCH(QString, failure);

    // A dialog shown now would wait for the server too; should one appear,
    // it is closed and counted.
    int dialogs = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&dialogs] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            ++dialogs;
            dialog->close();
        }
    });
    closer.start(50);

    QString result;
    qint64 elapsed = 0;
    {
        const PausedCupsServer paused;
        QVERIFY(paused.isPaused());
        QElapsedTimer timer;
        timer.start();
        result = call(m_service);
        elapsed = timer.elapsed();
    }
    qInfo("%s took %lld ms", QTest::currentDataTag(), elapsed);
    QVERIFY2(elapsed < kAnswerBoundMs, qPrintable(u"%1 ms"_s.arg(elapsed)));
    QCOMPARE(result, failure);
    QCOMPARE(dialogs, 0);

    QStringList list;
    QCOMPARE(m_service.of_getprinterlist(list), int(kQueues.size()));
    QCOMPARE(list, kQueues);
    QCOMPARE(m_service.of_getpbprinter(), kA);
    QVERIFY(!QFile::exists(CupsTestServer::userOptionsFile()));
}

QTEST_MAIN(TestCupsPrinterSystem)
#include "tst_cups_printer_system.moc"
