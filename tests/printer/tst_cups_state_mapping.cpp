#include "ui/printer/CupsStateMapping.h"
#include "ui/printer/PrinterConstants.h"

#include <QTest>

#include <cups/cups.h>

using namespace ui::printer;

class TestCupsStateMapping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusWord_data();
    void statusWord();
    void attributeWord_data();
    void attributeWord();
};

void TestCupsStateMapping::statusWord_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QByteArray>("reasons");
    QTest::addColumn<quint32>("word");

    QTest::newRow("idle") << 3 << QByteArray("none") << quint32(0);
    QTest::newRow("idle, no reasons") << 3 << QByteArray() << quint32(0);
    QTest::newRow("processing") << 4 << QByteArray("none") << status::kPrinting;
    QTest::newRow("stopped") << 5 << QByteArray("paused") << status::kPaused;
    QTest::newRow("stopped without reason") << 5 << QByteArray() << status::kPaused;
    QTest::newRow("paused reason while idle") << 3 << QByteArray("paused") << status::kPaused;
    QTest::newRow("media-empty-error") << 5 << QByteArray("media-empty-error")
                                       << (status::kPaused | status::kPaperOut | status::kError);
    QTest::newRow("media-needed warning")
        << 4 << QByteArray("media-needed-warning") << (status::kPrinting | status::kPaperOut);
    QTest::newRow("media-jam") << 3 << QByteArray("media-jam") << status::kPaperJam;
    QTest::newRow("media-jam-error")
        << 3 << QByteArray("media-jam-error") << (status::kPaperJam | status::kError);
    QTest::newRow("offline-report") << 3 << QByteArray("offline-report") << status::kOffline;
    QTest::newRow("timed-out") << 3 << QByteArray("timed-out") << status::kOffline;
    QTest::newRow("door and cover")
        << 3 << QByteArray("door-open-warning,cover-open") << status::kDoorOpen;
    QTest::newRow("toner low and empty")
        << 3 << QByteArray("toner-low-report,marker-supply-empty-warning")
        << (status::kTonerLow | status::kNoToner);
    QTest::newRow("output area full")
        << 3 << QByteArray("output-area-full") << status::kOutputBinFull;
    QTest::newRow("input tray missing")
        << 3 << QByteArray("input-tray-missing") << status::kPaperProblem;
    QTest::newRow("shutdown") << 3 << QByteArray("shutdown") << status::kNotAvailable;
    QTest::newRow("several, with spaces")
        << 5 << QByteArray("paused, media-jam-error ,offline")
        << (status::kPaused | status::kPaperJam | status::kError | status::kOffline);
    QTest::newRow("unknown reason warning")
        << 3 << QByteArray("cups-missing-filter-warning") << quint32(0);
    QTest::newRow("unknown reason error")
        << 3 << QByteArray("something-else-error") << status::kError;
    QTest::newRow("keyword that only ends like one") << 3 << QByteArray("xmedia-jam") << quint32(0);
    QTest::newRow("bare suffix") << 3 << QByteArray("-error") << quint32(0);
    QTest::newRow("unknown state") << 0 << QByteArray("none") << quint32(0);
}

void TestCupsStateMapping::statusWord()
{
    QFETCH(int, state);
    QFETCH(QByteArray, reasons);
    QFETCH(quint32, word);
    QCOMPARE(CupsStateMapping::statusWord(state, reasons.toStdString()), word);
}

void TestCupsStateMapping::attributeWord_data()
{
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<bool>("isShared");
    QTest::addColumn<quint32>("printerType");
    QTest::addColumn<quint32>("word");

    const quint32 localQueue = CUPS_PRINTER_BW | CUPS_PRINTER_NOT_SHARED;
    QTest::newRow("local") << false << false << localQueue << attribute::kLocal;
    QTest::newRow("local default") << true << false << (localQueue | CUPS_PRINTER_DEFAULT)
                                   << (attribute::kLocal | attribute::kIsDefault);
    QTest::newRow("server default that is not the user's")
        << false << false << (localQueue | CUPS_PRINTER_DEFAULT) << attribute::kLocal;
    QTest::newRow("local shared default")
        << true << true << quint32(CUPS_PRINTER_BW)
        << (attribute::kLocal | attribute::kShared | attribute::kIsDefault);
    QTest::newRow("remote") << false << false << quint32(CUPS_PRINTER_REMOTE)
                            << attribute::kNetwork;
    QTest::newRow("discovered") << false << true << quint32(CUPS_PRINTER_DISCOVERED)
                                << (attribute::kNetwork | attribute::kShared);
}

void TestCupsStateMapping::attributeWord()
{
    QFETCH(bool, isDefault);
    QFETCH(bool, isShared);
    QFETCH(quint32, printerType);
    QFETCH(quint32, word);
    QCOMPARE(CupsStateMapping::attributeWord(isDefault, isShared, printerType), word);
}

QTEST_APPLESS_MAIN(TestCupsStateMapping)
#include "tst_cups_state_mapping.moc"
