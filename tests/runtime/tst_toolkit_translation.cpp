// Qt's own texts after the start-up loads Qt's Chinese translation: the
// program's message box, the page set-up dialog and an entry field's
// context menu, whatever the locale (the tests run under C.UTF-8).

#include "runtime/ToolkitTranslation.h"
#include "support/ControlLookup.h"
#include "support/MessageBoxRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

class TestToolkitTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing is installed yet.
    void missingFileIsNoError();
    void messageBoxButtonReadsChinese();
    void pageSetupDialogReadsChinese();
    void entryFieldMenuReadsChinese();

private:
    // The button texts of the program's real message box, read while it is
    // shown and then closed with its button.
    QStringList shownBoxButtons();
    QString firstMenuEntry();
};

QStringList TestToolkitTranslation::shownBoxButtons()
{
    QStringList texts;
    QTimer::singleShot(0, this, [&texts] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *button : box->findChild<QDialogButtonBox *>()->buttons())
            texts << button->text();
        QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
    });
    rt::MessageBoxService::show(
        nullptr, u"注意"_s, u"保存失败！"_s, rt::MessageBoxService::Icon::Exclamation);
    return texts;
}

QString TestToolkitTranslation::firstMenuEntry()
{
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    return menu->actions().value(0)->text().section(u'\t', 0, 0); // without the shortcut
}

void TestToolkitTranslation::missingFileIsNoError()
{
    // No warning, no box: the English texts simply stay.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    support::MessageBoxRecorder boxes;
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QVERIFY(!rt::installToolkitTranslation(empty.path()));
    QVERIFY(!rt::installToolkitTranslation(empty.filePath(u"none"_s)));
    QVERIFY(boxes.boxes().empty());
    QMessageBox box(QMessageBox::Warning, u"注意"_s, u"保存失败！"_s, QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), u"OK"_s);
    QCOMPARE(firstMenuEntry(), u"&Undo"_s);
}

void TestToolkitTranslation::messageBoxButtonReadsChinese()
{
    QVERIFY(rt::installToolkitTranslation());
    QCOMPARE(shownBoxButtons(), QStringList { u"确定"_s });
    // Installed again, it replaces the first one; a missing file afterwards
    // leaves it in place.
    QVERIFY(rt::installToolkitTranslation());
    QTemporaryDir empty;
    QVERIFY(!rt::installToolkitTranslation(empty.path()));
    QCOMPARE(shownBoxButtons(), QStringList { u"确定"_s });
}

void TestToolkitTranslation::pageSetupDialogReadsChinese()
{
    // A PDF printer: the dialog needs no print server, and says so.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QTest::ignoreMessage(QtWarningMsg, "QPageSetupDialog: Cannot be used on non-native printers");
    QPageSetupDialog dialog(&printer);
    QCOMPARE(support::control<QRadioButton>(&dialog, u"portrait"_s)->text(), u"纵向"_s);
    QCOMPARE(dialog.windowTitle(), u"页面设置"_s);
}

void TestToolkitTranslation::entryFieldMenuReadsChinese()
{
    QCOMPARE(firstMenuEntry(), u"撤消(&U)"_s);
}

QTEST_MAIN(TestToolkitTranslation)
#include "tst_toolkit_translation.moc"
