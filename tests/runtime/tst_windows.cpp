// Opening windows: modal opens return once the window has closed, also for
// a dialog that deletes itself on closing; opening by class name; a modal
// window minimized anyway comes back while another window of the program is
// on the screen, or once one comes back.

#include "runtime/WindowDecl.h"
#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

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
    void minimizedModalComesBackWhileTheFrameIsShown_data();
    void minimizedModalComesBackWhileTheFrameIsShown();
    void minimizedModalWaitsWhileEveryWindowIsMinimized();
    void minimizedWindowAfterTheRunIsLeftAlone();
    void modalWindowOffersNoMinimizeOrMaximize();
};

void TestWindows::modalWindowOffersNoMinimizeOrMaximize()
{
    // Declared with every box, as a modal window: opened modally, it shows
    // the close box only.
    QPointer<QDialog> dialog = new QDialog;
    rt::setUpWindow(dialog,
        { .name = u"w_probe"_s,
            .flags = Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint,
            .modal = true });
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
    Q_OBJECT

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

void TestWindows::minimizedModalComesBackWhileTheFrameIsShown_data()
{
    QTest::addColumn<bool>("isDialog");
    QTest::addColumn<bool>("activateFrame");
    QTest::newRow("dialog, frame activated") << true << true;
    QTest::newRow("plain window, frame activated") << false << true;
    QTest::newRow("dialog, itself activated") << true << false;
}

void TestWindows::minimizedModalComesBackWhileTheFrameIsShown()
{
    QFETCH(bool, isDialog);
    QFETCH(bool, activateFrame);
    QMainWindow frame;
    frame.resize(400, 300);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    QPointer<QWidget> window = isDialog ? new QDialog(&frame) : new QWidget(&frame, Qt::Window);
    window->resize(200, 100);
    bool wasMinimized = false;
    bool cameBack = false;
    bool activeAgain = false;
    QTimer::singleShot(0, window, [&] {
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->setWindowState(Qt::WindowMinimized);
        wasMinimized = window->isMinimized();
        if (activateFrame)
            frame.activateWindow();
        else
            window->activateWindow();
        cameBack = QTest::qWaitFor([&] { return window && !window->isMinimized(); }, 2000);
        activeAgain = QTest::qWaitFor([&] { return window && window->isActiveWindow(); }, 2000);
        if (window)
            window->close();
    });
    // Ends the run also when a check above gave up early.
    QTimer::singleShot(8000, window, [window] { window->close(); });
    rt::windows::openModal(window);
    QVERIFY(wasMinimized);
    QVERIFY(cameBack);
    QVERIFY(activeAgain);
    QVERIFY(window.isNull() || !window->isVisible());
}

void TestWindows::minimizedModalWaitsWhileEveryWindowIsMinimized()
{
    // The desktop shown: the frame and the modal window minimized together.
    // Nothing of the program is on the screen, so the modal window stays
    // minimized until the user brings the frame back.
    QMainWindow frame;
    frame.resize(400, 300);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QPointer<QDialog> dialog = new QDialog(&frame);
    bool waited = false;
    bool cameBack = false;
    QTimer::singleShot(0, dialog, [&] {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        frame.setWindowState(Qt::WindowMinimized);
        dialog->setWindowState(Qt::WindowMinimized);
        QTest::qWait(100);
        waited = dialog && dialog->isMinimized();
        frame.showNormal();
        frame.activateWindow();
        cameBack = QTest::qWaitFor([&] { return dialog && !dialog->isMinimized(); }, 2000);
        if (dialog)
            dialog->close();
    });
    QTimer::singleShot(8000, dialog, [dialog] { dialog->close(); });
    rt::windows::openModal(dialog);
    QVERIFY(waited);
    QVERIFY(cameBack);
}

void TestWindows::minimizedWindowAfterTheRunIsLeftAlone()
{
    // Once the modal run is over nothing watches the window any more: a
    // window shown afterwards as an ordinary one may stay minimized.
    QMainWindow frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto *dialog = new QDialog(&frame);
    QTimer::singleShot(0, dialog, &QDialog::accept);
    rt::windows::openModal(dialog);
    QWidget other(&frame, Qt::Window);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.setWindowState(Qt::WindowMinimized);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::qWait(50);
    QVERIFY(other.isMinimized());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
