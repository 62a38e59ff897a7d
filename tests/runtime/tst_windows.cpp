// Opening windows: modal opens return once the window has closed, also for
// a dialog that deletes itself on closing; opening by class name.

#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void modalDialogReturnsAfterClose_data();
    void modalDialogReturnsAfterClose();
    void modalWidgetReturnsAfterClose();
    void modalWidgetRefusingCloseStaysOpen();
    void openByNameUsesRegistry();
    void modalWindowOffersNoMinimizeOrMaximize();
};

void TestWindows::modalWindowOffersNoMinimizeOrMaximize()
{
    QPointer<QDialog> dialog = new QDialog(nullptr, Qt::Window | Qt::WindowMinMaxButtonsHint
                                               | Qt::WindowCloseButtonHint);
    Qt::WindowFlags shownWith;
    QTimer::singleShot(0, dialog, [&shownWith, dialog] {
        shownWith = dialog->windowFlags();
        dialog->close();
    });
    rt::windows::openModal(dialog);
    QVERIFY(!shownWith.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!shownWith.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(shownWith.testFlag(Qt::WindowCloseButtonHint));
}

void TestWindows::modalDialogReturnsAfterClose_data()
{
    QTest::addColumn<bool>("deleteOnClose");
    QTest::newRow("kept until the open returns") << false;
    QTest::newRow("deletes itself on closing") << true;
}

void TestWindows::modalDialogReturnsAfterClose()
{
    QFETCH(bool, deleteOnClose);
    QPointer<QDialog> dialog = new QDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    bool wasModal = false;
    QTimer::singleShot(0, dialog, [&wasModal, dialog] {
        wasModal = QApplication::activeModalWidget() == dialog;
        dialog->close();
    });
    rt::windows::openModal(dialog);
    QVERIFY(wasModal);
    // The window is gone once the events of its closing have run, and
    // nothing is freed twice.
    QTRY_VERIFY(dialog.isNull());
}

void TestWindows::modalWidgetReturnsAfterClose()
{
    QPointer<QWidget> window = new QWidget;
    bool wasModal = false;
    QTimer::singleShot(0, window, [&wasModal, window] {
        wasModal = window->isModal();
        window->close();
    });
    rt::windows::openModal(window);
    QVERIFY(wasModal);
    QTRY_VERIFY(window.isNull());
}

namespace {
// Refuses the first close request, as a window that asks first would.
class RefusingWindow : public QWidget
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (++closeRequests == 1)
            event->ignore();
        else
            QWidget::closeEvent(event);
    }
};
} // namespace

void TestWindows::modalWidgetRefusingCloseStaysOpen()
{
    QPointer<RefusingWindow> window = new RefusingWindow;
    bool openAfterRefusal = false;
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer::singleShot(50, window, [&openAfterRefusal, window] {
        openAfterRefusal = window->isVisible();
        window->close();
    });
    rt::windows::openModal(window);
    QVERIFY(openAfterRefusal);
    QTRY_VERIFY(window.isNull());
}

void TestWindows::openByNameUsesRegistry()
{
    QWidget parent;
    QPointer<QWidget> made;
    rt::WindowRegistry::instance().registerClass(u"w_probe"_s, [&made](QWidget *p) {
        auto *dialog = new QDialog(p);
        made = dialog;
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return dialog;
    });
    QVERIFY(!rt::windows::openModalByName(u"w_nothing"_s, &parent));
    QVERIFY(made.isNull());
    QVERIFY(rt::windows::openModalByName(u"W_PROBE"_s, &parent));
    QTRY_VERIFY(made.isNull());
    rt::WindowRegistry::instance().unregisterClass(u"w_probe"_s);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
