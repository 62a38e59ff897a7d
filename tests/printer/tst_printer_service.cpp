#include "printer/support/MemoryPrinterSystem.h"
#include "printer/support/PrinterDialogAnswerer.h"
#include "ui/printer/DocumentSettings.h"
#include "ui/printer/PrinterConstants.h"
#include "ui/printer/n_printer.h"

#include <QTest>

using support::MemoryPrinterSystem;
using support::PrinterDialogAnswerer;

using namespace Qt::StringLiterals;
using namespace ui::printer;

using Paper = PrinterSystem::Paper;
Q_DECLARE_METATYPE(Paper)
Q_DECLARE_METATYPE(std::optional<Paper>)

namespace {
const Paper kLetter { paper::kLetter, 2159, 2794 };
const Paper kA4 { paper::kA4, 2100, 2970 };
const Paper kA5 { paper::kA5, 1480, 2100 };
const Paper kUserSizes { paper::kUser, 0, 0 };

// The printers of most tests, in this order:
//   Office  the default printer: a local printer that completes jobs before
//           printing them (attribute word 0x244 with the default bit), idle,
//           on LPT1:, with Letter, A4, A5 and user sizes, A4 upright;
//   Lab     a shared network printer, paused and out of paper, with Letter
//           and A4 only, Letter in landscape;
//   Bare    a printer that tells nothing: no driver, port, words or papers.
MemoryPrinterSystem::Printer office()
{
    MemoryPrinterSystem::Printer printer;
    printer.name = u"Office"_s;
    printer.details.driver = u"Office Driver 2"_s;
    printer.details.port = u"LPT1:"_s;
    printer.details.status = 0;
    printer.details.attributes = 0x240;
    printer.papers = { kLetter, kA4, kA5, kUserSizes };
    printer.defaultPaper = kA4;
    printer.defaultOrientation = orientation::kPortrait;
    return printer;
}

MemoryPrinterSystem::Printer lab()
{
    MemoryPrinterSystem::Printer printer;
    printer.name = u"Lab"_s;
    printer.details.driver = u"Lab Driver"_s;
    printer.details.port = u"ipp://print-server/lab"_s;
    printer.details.status = status::kPaused | status::kPaperOut;
    printer.details.attributes = attribute::kNetwork | attribute::kShared;
    printer.papers = { kLetter, kA4 };
    printer.defaultPaper = kLetter;
    printer.defaultOrientation = orientation::kLandscape;
    return printer;
}

MemoryPrinterSystem::Printer bare()
{
    MemoryPrinterSystem::Printer printer;
    printer.name = u"Bare"_s;
    return printer;
}

void addThreePrinters(MemoryPrinterSystem &system)
{
    system.addPrinter(office());
    system.addPrinter(lab());
    system.addPrinter(bare());
    system.setDefaultName(u"Office"_s);
}

constexpr int kUntouched = 7777;
} // namespace

class TestPrinterService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void printerList_data();
    void printerList();
    void printerListUnreadable();
    void defaultPrinter_data();
    void defaultPrinter();
    void direct_data();
    void direct();

    void readCommands_data();
    void readCommands();
    void paperCommands_data();
    void paperCommands();
    void setPaper_data();
    void setPaper();
    void setOrientation_data();
    void setOrientation();
    void makeDefault_data();
    void makeDefault();
    void unknownCommand_data();
    void unknownCommand();
    void refusedWrites();

    void wrapperReads_data();
    void wrapperReads();
    void wordsBeyondSixteenBits();
    void paperWrappers();

    void modifyPrinter_data();
    void modifyPrinter();
    void settingsFromLayout_data();
    void settingsFromLayout();
    void printSetup_data();
    void printSetup();
    void printSetupStartsOnDefaultPrinter();
    void pageSetup_data();
    void pageSetup();
    void printerWithoutPaper_data();
    void printerWithoutPaper();
    void systemNotAnswering();

    void stringFromBlob_data();
    void stringFromBlob();

private:
    std::unique_ptr<MemoryPrinterSystem> m_system;
};

void TestPrinterService::init()
{
    m_system = std::make_unique<MemoryPrinterSystem>();
    addThreePrinters(*m_system);
}

void TestPrinterService::printerList_data()
{
    QTest::addColumn<int>("printers");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const QStringList three { u"Office"_s, u"Lab"_s, u"Bare"_s };
    QTest::newRow("no printers, empty list") << 0 << QStringList() << QStringList();
    QTest::newRow("no printers, stale names dropped")
        << 0 << QStringList { u"Gone"_s, u"Old"_s } << QStringList();
    QTest::newRow("three printers") << 3 << QStringList() << three;
    QTest::newRow("stale names beyond n dropped")
        << 3 << QStringList { u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s } << three;
}

void TestPrinterService::printerList()
{
    QFETCH(int, printers);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    MemoryPrinterSystem system;
    if (printers == 3)
        addThreePrinters(system);
    n_printer service(system);
    QStringList list = before;
    QCOMPARE(service.of_getprinterlist(list), after.size());
    QCOMPARE(list, after);
}

void TestPrinterService::printerListUnreadable()
{
    m_system->setAnswering(false);
    n_printer service(*m_system);
    QStringList list { u"kept"_s };
    QCOMPARE(service.of_getprinterlist(list), -1);
    QCOMPARE(list, QStringList { u"kept"_s });
}

void TestPrinterService::defaultPrinter_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("a name") << u"Office"_s;
    QTest::newRow("no default printer") << QString();
    QTest::newRow("a name with spaces") << u"Room 2 printer"_s;
    QTest::newRow("a name with commas") << u"Room 2,left,LPT1:"_s;
    QTest::newRow("a name that begins with a comma") << u",Office"_s;
}

// The default printer's name comes back whole, commas and all.
void TestPrinterService::defaultPrinter()
{
    QFETCH(QString, name);
    m_system->setDefaultName(name);
    QCOMPARE(n_printer(*m_system).of_getpbprinter(), name);
}

void TestPrinterService::direct_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<int>("result");

    QTest::newRow("known printer") << u"Office"_s << 1;
    QTest::newRow("printer that tells nothing") << u"Bare"_s << 1;
    QTest::newRow("unknown printer") << u"Nowhere"_s << -1;
    QTest::newRow("empty name") << QString() << -1;
}

void TestPrinterService::direct()
{
    QFETCH(QString, printer);
    QFETCH(int, result);
    QCOMPARE(n_printer(*m_system).of_direct(printer, u"any data"_s), result);
    QVERIFY(m_system->writes().isEmpty());
}

void TestPrinterService::readCommands_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("result");
    QTest::addColumn<QVariant>("expected");

    const QVariant untouched(u"untouched"_s);
    QTest::newRow("1 driver") << u"Office"_s << 1 << 1 << QVariant(u"Office Driver 2"_s);
    QTest::newRow("2 port as the printer holds it")
        << u"Office"_s << 2 << 1 << QVariant(u"LPT1:"_s);
    QTest::newRow("2 network port") << u"Lab"_s << 2 << 1 << QVariant(u"ipp://print-server/lab"_s);
    QTest::newRow("3 status idle") << u"Office"_s << 3 << 1 << QVariant::fromValue(0u);
    QTest::newRow("3 status paused, out of paper")
        << u"Lab"_s << 3 << 1 << QVariant::fromValue(status::kPaused | status::kPaperOut);
    QTest::newRow("4 attributes of the default printer")
        << u"Office"_s << 4 << 1 << QVariant::fromValue(0x244u);
    QTest::newRow("4 attributes shared network")
        << u"Lab"_s << 4 << 1 << QVariant::fromValue(attribute::kNetwork | attribute::kShared);
    QTest::newRow("7 upright") << u"Office"_s << 7 << 1 << QVariant(orientation::kPortrait);
    QTest::newRow("7 landscape") << u"Lab"_s << 7 << 1 << QVariant(orientation::kLandscape);
    for (int command : { 1, 2, 3, 4, 7 }) {
        QTest::addRow("%d on a printer that tells nothing", command)
            << u"Bare"_s << command << -1 << untouched;
        QTest::addRow("%d on an unknown printer", command)
            << u"Nowhere"_s << command << -1 << untouched;
    }
}

void TestPrinterService::readCommands()
{
    QFETCH(QString, printer);
    QFETCH(int, command);
    QFETCH(int, result);
    QFETCH(QVariant, expected);

    QVariant value(u"untouched"_s);
    int paperCode = kUntouched, paperWidth = kUntouched, paperLength = kUntouched;
    QCOMPARE(n_printer(*m_system).of_printer(
                 printer, command, value, paperCode, paperWidth, paperLength),
        result);
    QCOMPARE(value.metaType(), expected.metaType());
    QCOMPARE(value, expected);
    QCOMPARE(paperCode, kUntouched);
    QCOMPARE(paperWidth, kUntouched);
    QCOMPARE(paperLength, kUntouched);
    QVERIFY(m_system->writes().isEmpty());
}

void TestPrinterService::paperCommands_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("paperCode");
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("paperLength");

    QTest::newRow("A4") << u"Office"_s << 1 << 9 << 2100 << 2970;
    QTest::newRow("Letter") << u"Lab"_s << 1 << 1 << 2159 << 2794;
    QTest::newRow("no default paper") << u"Bare"_s << -1 << kUntouched << kUntouched << kUntouched;
    QTest::newRow("unknown printer")
        << u"Nowhere"_s << -1 << kUntouched << kUntouched << kUntouched;
}

// Commands 5 and 6 read the same three numbers; neither touches the parameter.
void TestPrinterService::paperCommands()
{
    QFETCH(QString, printer);
    QFETCH(int, result);
    QFETCH(int, paperCode);
    QFETCH(int, paperWidth);
    QFETCH(int, paperLength);

    for (int command : { 5, 6 }) {
        QVariant value(u"untouched"_s);
        int size = kUntouched, width = kUntouched, length = kUntouched;
        QCOMPARE(
            n_printer(*m_system).of_printer(printer, command, value, size, width, length), result);
        QCOMPARE(size, paperCode);
        QCOMPARE(width, paperWidth);
        QCOMPARE(length, paperLength);
        QCOMPARE(value, QVariant(u"untouched"_s));
    }
}

void TestPrinterService::setPaper_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("paperCode");
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("paperLength");
    QTest::addColumn<int>("result");
    // The printer's default paper afterwards, and what was written.
    QTest::addColumn<Paper>("defaultAfter");
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("101 A5: its own size, width and length ignored")
        << u"Office"_s << 101 << 11 << 1 << 1 << 1 << kA5
        << QStringList { u"paper Office 11 1480 2100"_s };
    QTest::newRow("102 the same as 101") << u"Office"_s << 102 << 11 << 0 << 0 << 1 << kA5
                                         << QStringList { u"paper Office 11 1480 2100"_s };
    QTest::newRow("101 Letter on a printer in landscape")
        << u"Lab"_s << 101 << 1 << 0 << 0 << 1 << kLetter
        << QStringList { u"paper Lab 1 2159 2794"_s };
    QTest::newRow("101 user size with width and length")
        << u"Office"_s << 101 << 256 << 1000 << 1500 << 1 << Paper { 256, 1000, 1500 }
        << QStringList { u"paper Office 256 1000 1500"_s };
    QTest::newRow("102 user size")
        << u"Office"_s << 102 << 256 << 1200 << 900 << 1 << Paper { 256, 1200, 900 }
        << QStringList { u"paper Office 256 1200 900"_s };
    QTest::newRow("unlisted paper code A3")
        << u"Office"_s << 101 << paper::kA3 << 0 << 0 << -1 << kA4 << QStringList();
    QTest::newRow("paper code 0") << u"Office"_s << 101 << 0 << 0 << 0 << -1 << kA4
                                  << QStringList();
    QTest::newRow("A5 not offered by Lab")
        << u"Lab"_s << 101 << 11 << 0 << 0 << -1 << kLetter << QStringList();
    QTest::newRow("user size on a printer without user sizes")
        << u"Lab"_s << 101 << 256 << 1000 << 1500 << -1 << kLetter << QStringList();
    QTest::newRow("user size without width")
        << u"Office"_s << 101 << 256 << 0 << 1500 << -1 << kA4 << QStringList();
    QTest::newRow("user size with a negative length")
        << u"Office"_s << 101 << 256 << 1000 << -5 << -1 << kA4 << QStringList();
    QTest::newRow("user size without either")
        << u"Office"_s << 101 << 256 << 0 << 0 << -1 << kA4 << QStringList();
}

void TestPrinterService::setPaper()
{
    QFETCH(QString, printer);
    QFETCH(int, command);
    QFETCH(int, paperCode);
    QFETCH(int, paperWidth);
    QFETCH(int, paperLength);
    QFETCH(int, result);
    QFETCH(Paper, defaultAfter);
    QFETCH(QStringList, writes);

    QVariant value(u"untouched"_s);
    int size = paperCode, width = paperWidth, length = paperLength;
    QCOMPARE(n_printer(*m_system).of_printer(printer, command, value, size, width, length), result);
    QCOMPARE(m_system->find(printer)->defaultPaper, std::optional<Paper>(defaultAfter));
    QCOMPARE(m_system->writes(), writes);
    // The arguments are read, not written.
    QCOMPARE(size, paperCode);
    QCOMPARE(width, paperWidth);
    QCOMPARE(length, paperLength);
    QCOMPARE(value, QVariant(u"untouched"_s));
}

void TestPrinterService::setOrientation_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QVariant>("given");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("orientationAfter");

    QTest::newRow("landscape") << u"Office"_s << QVariant(2) << 1 << 2;
    QTest::newRow("upright") << u"Lab"_s << QVariant(1) << 1 << 1;
    QTest::newRow("upright again") << u"Office"_s << QVariant(1) << 1 << 1;
    QTest::newRow("a number as text") << u"Office"_s << QVariant(u"2"_s) << 1 << 2;
    QTest::newRow("unsigned number") << u"Office"_s << QVariant::fromValue(quint16(2)) << 1 << 2;
    QTest::newRow("0") << u"Office"_s << QVariant(0) << -1 << 1;
    QTest::newRow("3") << u"Office"_s << QVariant(3) << -1 << 1;
    QTest::newRow("-1") << u"Office"_s << QVariant(-1) << -1 << 1;
    QTest::newRow("65538, which is 2 in 16 bits") << u"Office"_s << QVariant(65538) << -1 << 1;
    QTest::newRow("not a number") << u"Office"_s << QVariant(u"landscape"_s) << -1 << 1;
    QTest::newRow("nothing") << u"Office"_s << QVariant() << -1 << 1;
}

void TestPrinterService::setOrientation()
{
    QFETCH(QString, printer);
    QFETCH(QVariant, given);
    QFETCH(int, result);
    QFETCH(int, orientationAfter);

    QVariant value = given;
    int paperCode = kUntouched, paperWidth = kUntouched, paperLength = kUntouched;
    QCOMPARE(
        n_printer(*m_system).of_printer(printer, 103, value, paperCode, paperWidth, paperLength),
        result);
    QCOMPARE(m_system->find(printer)->defaultOrientation, std::optional<int>(orientationAfter));
    const QStringList written { u"orientation %1 %2"_s.arg(printer).arg(orientationAfter) };
    QCOMPARE(m_system->writes(), result == 1 ? written : QStringList());
    QCOMPARE(m_system->find(printer)->defaultPaper,
        std::optional<Paper>(printer == u"Lab"_s ? kLetter : kA4));
    QCOMPARE(paperCode, kUntouched);
}

void TestPrinterService::makeDefault_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("defaultAfter");
    QTest::addColumn<qint64>("officeAttributes");
    QTest::addColumn<qint64>("labAttributes");

    const qint64 labWord = attribute::kNetwork | attribute::kShared;
    QTest::newRow("another printer")
        << u"Lab"_s << 1 << u"Lab"_s << qint64(0x240) << (labWord | attribute::kIsDefault);
    QTest::newRow("the default printer keeps its word")
        << u"Office"_s << 1 << u"Office"_s << qint64(0x244) << labWord;
    QTest::newRow("a printer that tells nothing")
        << u"Bare"_s << 1 << u"Bare"_s << qint64(0x240) << labWord;
    QTest::newRow("unknown printer")
        << u"Nowhere"_s << -1 << u"Office"_s << qint64(0x244) << labWord;
}

void TestPrinterService::makeDefault()
{
    QFETCH(QString, printer);
    QFETCH(int, result);
    QFETCH(QString, defaultAfter);
    QFETCH(qint64, officeAttributes);
    QFETCH(qint64, labAttributes);

    n_printer service(*m_system);
    QVariant value(u"untouched"_s);
    int paperCode = kUntouched, paperWidth = kUntouched, paperLength = kUntouched;
    QCOMPARE(service.of_printer(printer, 105, value, paperCode, paperWidth, paperLength), result);
    QCOMPARE(service.of_getpbprinter(), defaultAfter);
    QCOMPARE(service.of_getattribute(u"Office"_s), officeAttributes);
    QCOMPARE(service.of_getattribute(u"Lab"_s), labAttributes);
    QCOMPARE(value, QVariant(u"untouched"_s));
    QCOMPARE(paperCode, kUntouched);
}

void TestPrinterService::unknownCommand_data()
{
    QTest::addColumn<int>("command");
    for (int command : { 0, -1, 8, 100, 104, 106, 32767 })
        QTest::addRow("%d", command) << command;
}

// A code that is not a command is refused: nothing is read out, nothing
// written.
void TestPrinterService::unknownCommand()
{
    QFETCH(int, command);
    QVariant value(2);
    int paperCode = paper::kA5, paperWidth = 1, paperLength = 1;
    QCOMPARE(n_printer(*m_system).of_printer(
                 u"Office"_s, command, value, paperCode, paperWidth, paperLength),
        -1);
    QVERIFY(m_system->writes().isEmpty());
    QCOMPARE(value, QVariant(2));
    QCOMPARE(paperCode, paper::kA5);
    QCOMPARE(m_system->find(u"Office"_s)->defaultPaper, std::optional<Paper>(kA4));
    QCOMPARE(m_system->find(u"Office"_s)->defaultOrientation, std::optional<int>(1));
}

// When the system refuses a write, the setting commands report it: 0 for
// the document settings, -1 for the default printer.
void TestPrinterService::refusedWrites()
{
    m_system->setWritesAccepted(false);
    n_printer service(*m_system);
    QVariant landscape(2);
    int paperCode = paper::kA5, paperWidth = 0, paperLength = 0;
    QCOMPARE(
        service.of_printer(u"Office"_s, 101, landscape, paperCode, paperWidth, paperLength), 0);
    QCOMPARE(
        service.of_printer(u"Office"_s, 103, landscape, paperCode, paperWidth, paperLength), 0);
    QCOMPARE(service.of_setdefault(u"Lab"_s), -1);
    QCOMPARE(service.of_setpapersize(u"Office"_s, paper::kA5, 0, 0), 0);
    QVERIFY(m_system->writes().isEmpty());
    QCOMPARE(service.of_getpbprinter(), u"Office"_s);
    QCOMPARE(m_system->find(u"Office"_s)->defaultPaper, std::optional<Paper>(kA4));
}

void TestPrinterService::wrapperReads_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("port");
    QTest::addColumn<qint64>("attributes");
    QTest::addColumn<qint64>("status");

    QTest::newRow("default printer, attribute word 0x244")
        << u"Office"_s << u"Office Driver 2"_s << u"LPT1:"_s << qint64(580) << qint64(0);
    QTest::newRow("network printer") << u"Lab"_s << u"Lab Driver"_s << u"ipp://print-server/lab"_s
                                     << qint64(0x18) << qint64(0x11);
    QTest::newRow("a printer that tells nothing")
        << u"Bare"_s << QString() << QString() << qint64(-1) << qint64(-1);
    QTest::newRow("unknown printer")
        << u"Nowhere"_s << QString() << QString() << qint64(-1) << qint64(-1);
}

void TestPrinterService::wrapperReads()
{
    QFETCH(QString, printer);
    QFETCH(QString, driver);
    QFETCH(QString, port);
    QFETCH(qint64, attributes);
    QFETCH(qint64, status);

    n_printer service(*m_system);
    QCOMPARE(service.of_getdrivername(printer), driver);
    QCOMPARE(service.of_getportname(printer), port);
    QCOMPARE(service.of_getattribute(printer), attributes);
    QCOMPARE(service.of_getstatus(printer), status);
}

// Words with bits beyond the low 16 come out whole.
void TestPrinterService::wordsBeyondSixteenBits()
{
    MemoryPrinterSystem::Printer wide = lab();
    wide.name = u"Wide"_s;
    wide.details.attributes = 0x12244;
    wide.details.status = status::kDoorOpen | status::kPaperJam;
    m_system->addPrinter(wide);
    n_printer service(*m_system);
    QCOMPARE(service.of_getattribute(u"Wide"_s), qint64(0x12240));
    QCOMPARE(service.of_getstatus(u"Wide"_s), qint64(0x00400008));
    QCOMPARE(service.of_setdefault(u"Wide"_s), 1);
    QCOMPARE(service.of_getattribute(u"Wide"_s), qint64(0x12244));
}

void TestPrinterService::paperWrappers()
{
    n_printer service(*m_system);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(service.of_getpapersize(u"Office"_s, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(Paper({ paperCode, paperWidth, paperLength }), kA4);
    QCOMPARE(service.of_setpapersize(u"Office"_s, paper::kUser, 1050, 1480), 1);
    QCOMPARE(service.of_getpapersize(u"Office"_s, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(Paper({ paperCode, paperWidth, paperLength }), Paper({ 256, 1050, 1480 }));
    QCOMPARE(service.of_setpapersize(u"Office"_s, paper::kA3, 0, 0), -1);
    QCOMPARE(service.of_setpapersize(u"Nowhere"_s, paper::kA4, 0, 0), -1);
    paperCode = paperWidth = paperLength = kUntouched;
    QCOMPARE(service.of_getpapersize(u"Bare"_s, paperCode, paperWidth, paperLength), -1);
    QCOMPARE(paperCode, kUntouched);
    QCOMPARE(service.of_setdefault(u"Lab"_s), 1);
    QCOMPARE(service.of_getpbprinter(), u"Lab"_s);
}

void TestPrinterService::modifyPrinter_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<std::optional<Paper>>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("paper and orientation")
        << u"Office"_s << std::optional<Paper>(kA5) << 2 << true << 1
        << QStringList { u"paper Office 11 1480 2100"_s, u"orientation Office 2"_s };
    QTest::newRow("orientation only") << u"Lab"_s << std::optional<Paper>() << 1 << true << 1
                                      << QStringList { u"orientation Lab 1"_s };
    QTest::newRow("user size") << u"Office"_s << std::optional<Paper>(Paper { 256, 900, 1300 }) << 1
                               << true << 1
                               << QStringList { u"paper Office 256 900 1300"_s,
                                      u"orientation Office 1"_s };
    QTest::newRow("unknown printer")
        << u"Nowhere"_s << std::optional<Paper>(kA4) << 1 << true << -1 << QStringList();
    QTest::newRow("paper the printer does not offer: nothing written")
        << u"Lab"_s << std::optional<Paper>(kA5) << 1 << true << 0 << QStringList();
    QTest::newRow("orientation 3: nothing written")
        << u"Office"_s << std::optional<Paper>(kA5) << 3 << true << 0 << QStringList();
    QTest::newRow("system refuses the writes")
        << u"Office"_s << std::optional<Paper>(kA5) << 2 << false << 0 << QStringList();
}

void TestPrinterService::modifyPrinter()
{
    QFETCH(QString, printer);
    QFETCH(std::optional<Paper>, paper);
    QFETCH(int, orientation);
    QFETCH(bool, accepted);
    QFETCH(int, result);
    QFETCH(QStringList, writes);

    m_system->setWritesAccepted(accepted);
    DocumentSettings settings;
    settings.paper = paper;
    settings.orientation = orientation;
    QCOMPARE(n_printer(*m_system).of_modifyprinter(printer, settings), result);
    QCOMPARE(m_system->writes(), writes);
}

void TestPrinterService::settingsFromLayout_data()
{
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<QPageLayout::Orientation>("pageOrientation");
    QTest::addColumn<Paper>("paper");
    QTest::addColumn<int>("orientation");

    QTest::newRow("A4 landscape, size upright")
        << QPageSize(QPageSize::A4) << QPageLayout::Landscape << kA4 << 2;
    QTest::newRow("Letter upright")
        << QPageSize(QPageSize::Letter) << QPageLayout::Portrait << kLetter << 1;
    QTest::newRow("a size of its own") << QPageSize(QSizeF(100, 150), QPageSize::Millimeter)
                                       << QPageLayout::Portrait << Paper { 256, 1000, 1500 } << 1;
}

void TestPrinterService::settingsFromLayout()
{
    QFETCH(QPageSize, pageSize);
    QFETCH(QPageLayout::Orientation, pageOrientation);
    QFETCH(Paper, paper);
    QFETCH(int, orientation);

    const DocumentSettings settings
        = DocumentSettings::fromPageLayout(QPageLayout(pageSize, pageOrientation, QMarginsF()));
    QCOMPARE(settings.paper, std::optional<Paper>(paper));
    QCOMPARE(settings.orientation, std::optional<int>(orientation));
    QVERIFY(!DocumentSettings::fromPageLayout(QPageLayout()).paper);
}

void TestPrinterService::printSetup_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<QPageLayout::Orientation>("pageOrientation");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("defaultAfter");
    QTest::addColumn<QStringList>("writes");

    const auto landscape = QPageLayout::Landscape;
    const auto portrait = QPageLayout::Portrait;
    QTest::newRow("cancelled") << false << QString() << QPageSize() << landscape << true << -1
                               << u"Office"_s << QStringList();
    QTest::newRow("another printer, another paper: the paper and the default")
        << true << u"Lab"_s << QPageSize(QPageSize::A4) << landscape << true << 1 << u"Lab"_s
        << QStringList { u"paper Lab 9 2100 2970"_s, u"default Lab"_s };
    QTest::newRow("another printer as it is: the default only")
        << true << u"Lab"_s << QPageSize(QPageSize::Letter) << landscape << true << 1 << u"Lab"_s
        << QStringList { u"default Lab"_s };
    QTest::newRow("default printer, paper and orientation changed")
        << true << u"Office"_s << QPageSize(QPageSize::A5) << landscape << true << 1 << u"Office"_s
        << QStringList { u"paper Office 11 1480 2100"_s, u"orientation Office 2"_s };
    QTest::newRow("default printer as it is: nothing written")
        << true << u"Office"_s << QPageSize(QPageSize::A4) << portrait << true << 1 << u"Office"_s
        << QStringList();
    QTest::newRow("confirmed, paper not taken: nothing applied, not even the default")
        << true << u"Lab"_s << QPageSize(QPageSize::A5) << landscape << true
        << n_printer::kSettingsNotApplied << u"Office"_s << QStringList();
    QTest::newRow("confirmed, unknown printer")
        << true << u"Nowhere"_s << QPageSize(QPageSize::A4) << landscape << true
        << n_printer::kSettingsNotApplied << u"Office"_s << QStringList();
    QTest::newRow("confirmed into a file, no printer")
        << true << QString() << QPageSize(QPageSize::A4) << landscape << true
        << n_printer::kSettingsNotApplied << u"Office"_s << QStringList();
    QTest::newRow("confirmed, system refuses")
        << true << u"Lab"_s << QPageSize(QPageSize::A4) << landscape << false
        << n_printer::kSettingsNotApplied << u"Office"_s << QStringList();
}

void TestPrinterService::printSetup()
{
    QFETCH(bool, confirmed);
    QFETCH(QString, printer);
    QFETCH(QPageSize, pageSize);
    QFETCH(QPageLayout::Orientation, pageOrientation);
    QFETCH(bool, accepted);
    QFETCH(int, result);
    QFETCH(QString, defaultAfter);
    QFETCH(QStringList, writes);

    m_system->setWritesAccepted(accepted);
    PrinterDialogAnswerer answerer(confirmed
            ? PrinterDialogAnswerer::confirmed(printer, pageSize, pageOrientation, 25)
            : PrinterDialogAnswerer::cancelled());
    n_printer service(*m_system);
    QCOMPARE(service.of_printsetup(nullptr), result);
    QCOMPARE(answerer.requests().size(), size_t(1));
    QCOMPARE(answerer.requests().front().kind, PrinterDialogService::Kind::Print);
    QCOMPARE(service.of_getpbprinter(), defaultAfter);
    QCOMPARE(m_system->writes(), writes);
}

// The dialogs start on the default printer with its paper and orientation.
void TestPrinterService::printSetupStartsOnDefaultPrinter()
{
    n_printer service(*m_system);
    PrinterDialogAnswerer answerer(PrinterDialogAnswerer::cancelled());
    QCOMPARE(service.of_printsetup(nullptr), -1);
    QCOMPARE(service.of_setdefault(u"Lab"_s), 1);
    int margin = 0;
    QCOMPARE(service.of_pagesetup(nullptr, margin, margin, margin, margin), -1);
    QCOMPARE(answerer.requests().size(), size_t(2));
    QCOMPARE(answerer.requests()[0].printerName, u"Office"_s);
    QCOMPARE(answerer.requests()[0].pageSize.id(), QPageSize::A4);
    QCOMPARE(answerer.requests()[0].orientation, QPageLayout::Portrait);
    QCOMPARE(answerer.requests()[1].kind, PrinterDialogService::Kind::PageSetup);
    QCOMPARE(answerer.requests()[1].printerName, u"Lab"_s);
    QCOMPARE(answerer.requests()[1].pageSize.id(), QPageSize::Letter);
    QCOMPARE(answerer.requests()[1].orientation, QPageLayout::Landscape);
}

void TestPrinterService::pageSetup_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("printer");
    QTest::addColumn<qreal>("margin");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("margins");
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("cancelled: margins untouched")
        << false << QString() << 0.0 << -1 << kUntouched << QStringList();
    QTest::newRow("A4 landscape, 25 mm: the orientation changed")
        << true << u"Office"_s << 25.0 << 1 << 2500 << QStringList { u"orientation Office 2"_s };
    QTest::newRow("12.34 mm, another printer: its paper changed")
        << true << u"Lab"_s << 12.34 << 1 << 1234
        << QStringList { u"paper Lab 9 2100 2970"_s, u"default Lab"_s };
    QTest::newRow("confirmed, unknown printer: margins still handed out")
        << true << u"Nowhere"_s << 25.0 << n_printer::kSettingsNotApplied << 2500 << QStringList();
}

void TestPrinterService::pageSetup()
{
    QFETCH(bool, confirmed);
    QFETCH(QString, printer);
    QFETCH(qreal, margin);
    QFETCH(int, result);
    QFETCH(int, margins);
    QFETCH(QStringList, writes);

    PrinterDialogAnswerer answerer(confirmed ? PrinterDialogAnswerer::confirmed(printer,
                                       QPageSize(QPageSize::A4), QPageLayout::Landscape, margin)
                                             : PrinterDialogAnswerer::cancelled());
    int left = kUntouched, right = kUntouched, top = kUntouched, bottom = kUntouched;
    QCOMPARE(n_printer(*m_system).of_pagesetup(nullptr, left, right, top, bottom), result);
    QCOMPARE(answerer.requests().front().kind, PrinterDialogService::Kind::PageSetup);
    QCOMPARE(left, margins);
    QCOMPARE(right, margins);
    QCOMPARE(top, margins);
    QCOMPARE(bottom, margins);
    QCOMPARE(m_system->writes(), writes);
}

void TestPrinterService::printerWithoutPaper_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("printDialog");
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<QPageLayout::Orientation>("pageOrientation");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("writes");

    const auto portrait = QPageLayout::Portrait;
    const QPageSize a4(QPageSize::A4);
    QTest::newRow("print dialog confirmed as it started")
        << u"Raw"_s << true << a4 << portrait << 1 << QStringList();
    QTest::newRow("page set-up dialog confirmed as it started")
        << u"Raw"_s << false << a4 << portrait << 1 << QStringList();
    QTest::newRow("the orientation changed") << u"Raw"_s << true << a4 << QPageLayout::Landscape
                                             << 1 << QStringList { u"orientation Raw 2"_s };
    QTest::newRow("another paper chosen, which the printer does not take")
        << u"Raw"_s << true << QPageSize(QPageSize::A5) << portrait
        << n_printer::kSettingsNotApplied << QStringList();
    QTest::newRow("a printer that tells nothing, confirmed as it started")
        << u"Bare"_s << true << a4 << portrait << 1 << QStringList();
}

// The default printer tells no paper (a queue without a printer
// description), so the dialog starts on one of its own choosing. Confirmed
// with that paper, the dialog changed nothing and nothing is applied; a
// paper chosen in it is a change, which the printer may not take.
void TestPrinterService::printerWithoutPaper()
{
    QFETCH(QString, printer);
    QFETCH(bool, printDialog);
    QFETCH(QPageSize, pageSize);
    QFETCH(QPageLayout::Orientation, pageOrientation);
    QFETCH(int, result);
    QFETCH(QStringList, writes);

    MemoryPrinterSystem::Printer raw;
    raw.name = u"Raw"_s;
    raw.details.driver = u"Local Raw Printer"_s;
    raw.details.port = u"file:///dev/null"_s;
    raw.defaultOrientation = orientation::kPortrait;
    m_system->addPrinter(raw);
    m_system->setDefaultName(printer);

    PrinterDialogAnswerer answerer(
        PrinterDialogAnswerer::confirmed(printer, pageSize, pageOrientation, 10));
    n_printer service(*m_system);
    int margin = 0;
    QCOMPARE(printDialog ? service.of_printsetup(nullptr)
                         : service.of_pagesetup(nullptr, margin, margin, margin, margin),
        result);
    QCOMPARE(answerer.requests().size(), size_t(1));
    QCOMPARE(answerer.requests().front().printerName, printer);
    QVERIFY(!answerer.requests().front().pageSize.isValid());
    QCOMPARE(m_system->writes(), writes);
    QCOMPARE(service.of_getpbprinter(), printer);
}

// A printer system that does not answer: every function gives its failure
// value, none an answer that means "there is none", and the dialogs, which
// would wait on the same system, are not shown.
void TestPrinterService::systemNotAnswering()
{
    m_system->setAnswering(false);
    n_printer service(*m_system);
    PrinterDialogAnswerer answerer(PrinterDialogAnswerer::confirmed(
        u"Office"_s, QPageSize(QPageSize::A4), QPageLayout::Portrait, 25));
    QStringList list { u"kept"_s };
    QCOMPARE(service.of_getprinterlist(list), -1);
    QCOMPARE(list, QStringList { u"kept"_s });
    QCOMPARE(service.of_getpbprinter(), QString());
    QCOMPARE(service.of_direct(u"Office"_s, QString()), -1);
    QCOMPARE(service.of_getdrivername(u"Office"_s), QString());
    QCOMPARE(service.of_getattribute(u"Office"_s), qint64(-1));
    QCOMPARE(service.of_setdefault(u"Lab"_s), -1);
    QCOMPARE(service.of_printsetup(nullptr), -1);
    int left = kUntouched, right = kUntouched, top = kUntouched, bottom = kUntouched;
    QCOMPARE(service.of_pagesetup(nullptr, left, right, top, bottom), -1);
    QCOMPARE(left, kUntouched);
    QVERIFY(answerer.requests().empty());
    QVERIFY(m_system->writes().isEmpty());
}

void TestPrinterService::stringFromBlob_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("text");

    const QByteArray names("driver\0Office\0LPT1:\0", 20);
    QTest::newRow("first text") << names << 1 << u"driver"_s;
    QTest::newRow("second text") << names << 8 << u"Office"_s;
    QTest::newRow("inside a text") << names << 10 << u"fice"_s;
    QTest::newRow("zero byte at the offset") << names << 7 << QString();
    QTest::newRow("last byte is the zero") << names << 20 << QString();
    QTest::newRow("past the end") << names << 21 << QString();
    QTest::newRow("far past the end") << names << 1000 << QString();
    QTest::newRow("no zero byte") << QByteArray("Office") << 3 << u"fice"_s;
    QTest::newRow("no zero byte, last byte") << QByteArray("Office") << 6 << u"e"_s;
    QTest::newRow("empty block") << QByteArray() << 1 << QString();
    QTest::newRow("offset 0") << names << 0 << QString();
    QTest::newRow("negative offset") << names << -5 << QString();
    QTest::newRow("8-bit text") << QByteArray("\xe6\x89\x93\xe5\x8d\xb0\0x", 8) << 1 << u"打印"_s;
}

void TestPrinterService::stringFromBlob()
{
    QFETCH(QByteArray, source);
    QFETCH(int, offset);
    QFETCH(QString, text);
    QCOMPARE(n_printer::of_getstringfromblob(source, offset), text);
}

QTEST_GUILESS_MAIN(TestPrinterService)
#include "tst_printer_service.moc"
