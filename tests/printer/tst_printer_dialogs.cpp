#include "CupsTestServer.h"
#include "support/ControlLookup.h"

#include "ui/printer/PrintServer.h"
#include "ui/printer/PrinterConstants.h"
#include "ui/printer/n_printer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>

using support::CupsTestServer;

using namespace Qt::StringLiterals;
using namespace ui::printer;
using support::control;

namespace {
const QString kA = u"kelvaro_a"_s;
const QString kB = u"kelvaro_b"_s;
const QString kC = u"kelvaro_c"_s;
const QString kRaw = u"kelvaro_raw"_s;
constexpr int kUntouched = 7777;

QAbstractButton *dialogButton(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    const auto *box = dialog->findChild<QDialogButtonBox *>();
    return box ? box->button(which) : nullptr;
}

// Moves a combo box to `text` with the arrow keys, as a user would.
bool chooseWithKeys(QComboBox *combo, const QString &text)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    return combo->currentText() == text;
}

void typeInto(QDoubleSpinBox *spin, const QString &text)
{
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
}
} // namespace

// The real print and page set-up dialogs, driven by keys and clicks, on the
// throwaway print server's queues kelvaro_a (default), kelvaro_b, kelvaro_c
// (no A5, a size of its own named Ticket, sizes of the user's own) and
// kelvaro_raw (no printer description).
class TestPrinterDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void printDialogCancelled();
    void printDialogOtherPrinter();
    void pageSetupConfirmed();
    void pageSetupCancelled();
    void choiceNotApplicable();
    void printersOwnSizeChosen();
    void confirmedUnchanged_data();
    void confirmedUnchanged();

private:
    // Runs `act` on the dialog of type Dialog once it is shown modally; the
    // dialog is rejected after 20 seconds should `act` not close it.
    template <typename Dialog> void whenShown(std::function<void(Dialog *)> act);
    // Runs `act` once on the first modal dialog of the class `className`
    // that is shown within 20 seconds, a dialog the toolkit keeps to itself;
    // the dialog is closed should `act` not close it.
    void whenShown(const char *className, std::function<void(QDialog *)> act);

    n_printer m_service { printServer() };
    bool m_acted = false;
};

template <typename Dialog> void TestPrinterDialogs::whenShown(std::function<void(Dialog *)> act)
{
    m_acted = false;
    auto *timer = new QTimer(this);
    timer->setInterval(20);
    auto waited = std::make_shared<int>(0);
    connect(timer, &QTimer::timeout, this, [this, timer, waited, act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && !m_acted) {
            m_acted = true;
            act(dialog);
        }
        if (dialog && m_acted && dialog->isVisible() && ++*waited > 1000)
            dialog->reject();
        if (m_acted && !QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void TestPrinterDialogs::whenShown(const char *className, std::function<void(QDialog *)> act)
{
    auto *timer = new QTimer(this);
    timer->setInterval(20);
    auto ticks = std::make_shared<int>(0);
    auto acted = std::make_shared<QPointer<QDialog>>();
    connect(timer, &QTimer::timeout, this, [timer, ticks, acted, className, act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!*acted && dialog && dialog->isVisible()
            && qstrcmp(dialog->metaObject()->className(), className) == 0) {
            *acted = dialog;
            act(dialog);
        }
        if (*acted && (*acted)->isVisible() && ++*ticks > 1000)
            (*acted)->reject();
        if ((*acted && !(*acted)->isVisible()) || (!*acted && ++*ticks > 1000)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void TestPrinterDialogs::initTestCase()
{
    QVERIFY2(CupsTestServer::running(),
        "needs the throwaway print server; run it through ctest (cups_server fixture)");
}

void TestPrinterDialogs::init()
{
    CupsTestServer::reset();
}

void TestPrinterDialogs::cleanupTestCase()
{
    if (CupsTestServer::running())
        CupsTestServer::reset();
}

void TestPrinterDialogs::printDialogCancelled()
{
    QString startPrinter;
    whenShown<QPrintDialog>([&startPrinter](QPrintDialog *dialog) {
        startPrinter = control<QComboBox>(dialog, u"printers"_s)->currentText();
        chooseWithKeys(control<QComboBox>(dialog, u"printers"_s), kB);
        if (QAbstractButton *cancel = dialogButton(dialog, QDialogButtonBox::Cancel))
            QTest::mouseClick(cancel, Qt::LeftButton);
    });
    QCOMPARE(m_service.of_printsetup(nullptr), -1);
    QVERIFY(m_acted);
    QCOMPARE(startPrinter, kA);
    QCOMPARE(m_service.of_getpbprinter(), kA);
    QVERIFY(!QFile::exists(CupsTestServer::userOptionsFile()));
}

// Choosing the other queue and printing makes it the default printer; its
// paper and orientation, as the dialog had them, become its defaults.
void TestPrinterDialogs::printDialogOtherPrinter()
{
    bool chosen = false;
    whenShown<QPrintDialog>([&chosen](QPrintDialog *dialog) {
        chosen = chooseWithKeys(control<QComboBox>(dialog, u"printers"_s), kB);
        if (QAbstractButton *print = dialogButton(dialog, QDialogButtonBox::Ok))
            QTest::mouseClick(print, Qt::LeftButton);
    });
    QCOMPARE(m_service.of_printsetup(nullptr), 1);
    QVERIFY(m_acted);
    QVERIFY(chosen);
    QCOMPARE(m_service.of_getpbprinter(), kB);
    // Its paper and orientation were not changed, so they are not written.
    const QString options = CupsTestServer::userOptions();
    QVERIFY2(options.contains(u"Default kelvaro_b"_s), qPrintable(options));
    QVERIFY2(
        !options.contains(u"media"_s) && !options.contains(u"orientation"_s), qPrintable(options));
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(kB, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA4);
}

// Letter, landscape and 25 mm margins in the page set-up dialog: the margins
// come back in hundredths of a millimetre and the default printer takes the
// paper and orientation.
void TestPrinterDialogs::pageSetupConfirmed()
{
    bool chosen = false;
    whenShown<QPageSetupDialog>([&chosen](QPageSetupDialog *dialog) {
        chosen = chooseWithKeys(control<QComboBox>(dialog, u"unitCombo"_s), u"Millimeters (mm)"_s)
            && chooseWithKeys(control<QComboBox>(dialog, u"pageSizeCombo"_s), u"Letter"_s);
        auto *landscape = control<QRadioButton>(dialog, u"landscape"_s);
        landscape->setFocus();
        QTest::keyClick(landscape, Qt::Key_Space);
        chosen = chosen && landscape->isChecked();
        for (const QString &name :
            { u"topMargin"_s, u"leftMargin"_s, u"rightMargin"_s, u"bottomMargin"_s })
            typeInto(control<QDoubleSpinBox>(dialog, name), u"25"_s);
        if (QAbstractButton *ok = dialogButton(dialog, QDialogButtonBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    int left = kUntouched, right = kUntouched, top = kUntouched, bottom = kUntouched;
    QCOMPARE(m_service.of_pagesetup(nullptr, left, right, top, bottom), 1);
    QVERIFY(m_acted);
    QVERIFY(chosen);
    QCOMPARE(left, 2500);
    QCOMPARE(right, 2500);
    QCOMPARE(top, 2500);
    QCOMPARE(bottom, 2500);

    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(kA, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kLetter);
    QCOMPARE(paperWidth, 2159);
    QCOMPARE(paperLength, 2794);
    QVariant value;
    QCOMPARE(
        m_service.of_printer(kA, command::kOrientation, value, paperCode, paperWidth, paperLength),
        1);
    QCOMPARE(value, QVariant(orientation::kLandscape));
    QCOMPARE(m_service.of_getpbprinter(), kA);
    const QString options = CupsTestServer::userOptions();
    QVERIFY2(options.contains(u"media=Letter"_s) && options.contains(u"orientation-requested=4"_s),
        qPrintable(options));
}

void TestPrinterDialogs::pageSetupCancelled()
{
    whenShown<QPageSetupDialog>([](QPageSetupDialog *dialog) {
        chooseWithKeys(control<QComboBox>(dialog, u"pageSizeCombo"_s), u"A5"_s);
        if (QAbstractButton *cancel = dialogButton(dialog, QDialogButtonBox::Cancel))
            QTest::mouseClick(cancel, Qt::LeftButton);
    });
    int left = kUntouched, right = kUntouched, top = kUntouched, bottom = kUntouched;
    QCOMPARE(m_service.of_pagesetup(nullptr, left, right, top, bottom), -1);
    QVERIFY(m_acted);
    QCOMPARE(left, kUntouched);
    QCOMPARE(right, kUntouched);
    QCOMPARE(top, kUntouched);
    QCOMPARE(bottom, kUntouched);
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(kA, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kA4);
    QVERIFY(!QFile::exists(CupsTestServer::userOptionsFile()));
}

// In the print dialog the user chooses kelvaro_c, which has no A5, gives it
// a page of its own of 148 x 210 mm (the size of A5) in its properties and
// prints. The queue does not take A5, so the choice cannot be applied; none
// of it is: kelvaro_c does not become the default printer either.
void TestPrinterDialogs::choiceNotApplicable()
{
    bool chosen = false;
    bool sized = false;
    whenShown<QPrintDialog>([this, &chosen, &sized](QPrintDialog *printDialog) {
        chosen = chooseWithKeys(control<QComboBox>(printDialog, u"printers"_s), kC);
        whenShown("QPrintPropertiesDialog", [&sized](QDialog *properties) {
            auto *width = control<QDoubleSpinBox>(properties, u"pageWidth"_s);
            auto *height = control<QDoubleSpinBox>(properties, u"pageHeight"_s);
            sized = chooseWithKeys(
                        control<QComboBox>(properties, u"unitCombo"_s), u"Millimeters (mm)"_s)
                && chooseWithKeys(control<QComboBox>(properties, u"pageSizeCombo"_s), u"Custom"_s);
            if (sized) {
                typeInto(width, u"148"_s);
                typeInto(height, u"210"_s);
                sized = qRound(width->value()) == 148 && qRound(height->value()) == 210;
            }
            if (QAbstractButton *ok = dialogButton(properties, QDialogButtonBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(printDialog, u"properties"_s), Qt::LeftButton);
        if (QAbstractButton *print = dialogButton(printDialog, QDialogButtonBox::Ok))
            QTest::mouseClick(print, Qt::LeftButton);
    });
    QCOMPARE(m_service.of_printsetup(nullptr), n_printer::kSettingsNotApplied);
    QVERIFY(m_acted);
    QVERIFY(chosen);
    QVERIFY(sized);
    QCOMPARE(m_service.of_getpbprinter(), kA);
    QVERIFY2(!QFile::exists(CupsTestServer::userOptionsFile()),
        qPrintable(CupsTestServer::userOptions()));
}

// On kelvaro_c, the default printer, the user chooses its own size Ticket
// (80 x 200 mm, no standard name) in the page set-up dialog: the queue
// takes it by the printer description's own name, and it is the paper read
// back.
void TestPrinterDialogs::printersOwnSizeChosen()
{
    QVERIFY(CupsTestServer::run(u"lpoptions"_s, { u"-d"_s, kC }) != u"<failed>"_s);
    bool chosen = false;
    whenShown<QPageSetupDialog>([&chosen](QPageSetupDialog *dialog) {
        chosen = chooseWithKeys(
            control<QComboBox>(dialog, u"pageSizeCombo"_s), u"Ticket 80 x 200 mm"_s);
        if (QAbstractButton *ok = dialogButton(dialog, QDialogButtonBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    int left = 0, right = 0, top = 0, bottom = 0;
    QCOMPARE(m_service.of_pagesetup(nullptr, left, right, top, bottom), 1);
    QVERIFY(m_acted);
    QVERIFY(chosen);
    const QString options = CupsTestServer::userOptions();
    QVERIFY2(options.contains(QRegularExpression(
                 u"^Default kelvaro_c .*media=Ticket( |$)"_s, QRegularExpression::MultilineOption)),
        qPrintable(options));
    int paperCode = 0, paperWidth = 0, paperLength = 0;
    QCOMPARE(m_service.of_getpapersize(kC, paperCode, paperWidth, paperLength), 1);
    QCOMPARE(paperCode, paper::kUser);
    QCOMPARE(paperWidth, 800);
    QCOMPARE(paperLength, 2000);
}

void TestPrinterDialogs::confirmedUnchanged_data()
{
    QTest::addColumn<bool>("printDialog");
    QTest::addColumn<QString>("defaultPrinter");
    QTest::addColumn<QStringList>("userOptions");

    QTest::newRow("print dialog") << true << kA << QStringList();
    QTest::newRow("page set-up dialog") << false << kA << QStringList();
    QTest::newRow("print dialog, the user's own paper")
        << true << kA << QStringList { u"media=Letter"_s, u"landscape"_s };
    QTest::newRow("page set-up dialog, the user's own paper")
        << false << kA << QStringList { u"media=A5"_s, u"orientation-requested=4"_s };
    QTest::newRow("page set-up dialog, the user's PageSize")
        << false << kA << QStringList { u"media=A5"_s, u"PageSize=Letter"_s };
    QTest::newRow("print dialog, a raw queue the default") << true << kRaw << QStringList();
    QTest::newRow("page set-up dialog, a raw queue the default") << false << kRaw << QStringList();
}

// A dialog confirmed as it was shown changes nothing: the user's lpoptions
// stay as they were (or absent), so that later changes on the print server
// still reach the user. That holds on a default printer that tells no paper
// of its own too (a raw queue): the dialog shows one of its own choosing,
// which the user did not change.
void TestPrinterDialogs::confirmedUnchanged()
{
    QFETCH(bool, printDialog);
    QFETCH(QString, defaultPrinter);
    QFETCH(QStringList, userOptions);

    if (defaultPrinter != kA)
        QVERIFY(CupsTestServer::run(u"lpoptions"_s, { u"-d"_s, defaultPrinter }) != u"<failed>"_s);
    if (!userOptions.isEmpty()) {
        QStringList arguments { u"-p"_s, defaultPrinter };
        for (const QString &option : userOptions)
            arguments << u"-o"_s << option;
        QCOMPARE(CupsTestServer::run(u"lpoptions"_s, arguments), QString());
    }
    const bool hadFile = QFile::exists(CupsTestServer::userOptionsFile());
    const QString before = CupsTestServer::userOptions();

    int result = 0;
    if (printDialog) {
        whenShown<QPrintDialog>([](QPrintDialog *dialog) {
            if (QAbstractButton *print = dialogButton(dialog, QDialogButtonBox::Ok))
                QTest::mouseClick(print, Qt::LeftButton);
        });
        result = m_service.of_printsetup(nullptr);
    } else {
        whenShown<QPageSetupDialog>([](QPageSetupDialog *dialog) {
            if (QAbstractButton *ok = dialogButton(dialog, QDialogButtonBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
        });
        int left = 0, right = 0, top = 0, bottom = 0;
        result = m_service.of_pagesetup(nullptr, left, right, top, bottom);
    }
    QVERIFY(m_acted);
    QCOMPARE(result, 1);
    QCOMPARE(QFile::exists(CupsTestServer::userOptionsFile()), hadFile);
    QCOMPARE(CupsTestServer::userOptions(), before);
    QCOMPARE(m_service.of_getpbprinter(), defaultPrinter);
}

QTEST_MAIN(TestPrinterDialogs)
#include "tst_printer_dialogs.moc"
