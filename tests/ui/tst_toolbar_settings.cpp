#include "runtime/Windows.h"
#include "support/ControlLookup.h"
#include "support/ToolbarTestFrame.h"
#include "ui/ToolbarGlobals.h"
#include "ui/ToolbarPlacement.h"
#include "ui/f_create_toolbarutil.h"
#include "ui/w_genapp_toolbars.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

using support::ToolbarTestFrame;

using namespace Qt::StringLiterals;
using support::control;

namespace {
const QString kHide = u"隐藏(&H)"_s;
const QString kShow = u"显示(&D)"_s;
} // namespace

class TestToolbarSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsAndTexts_data();
    void controlsAndTexts();
    void opensWithToolbarState_data();
    void opensWithToolbarState();
    void opensWithApplicationSwitches();

    void radioButtonMovesToolbar_data();
    void radioButtonMovesToolbar();
    void floatingAndBackKeepsVisibility();
    void checkedRadioAgainChangesNothing();

    void visibleButtonToggles();
    void enterClicksVisibleButton();
    void textBoxSwitchesText();
    void tipsBoxSwitchesTips();

    void withoutFrameParameter();
    void parameterNotAFrame();
    void frameWithoutToolbar();
    void withoutToolbarUtility();

    void modalOpenKeepsChanges();

    void titleBarOffersOnlyClose();
    void tabLeavesRadioButtonsAndBoxesOut_data();
    void tabLeavesRadioButtonsAndBoxesOut();
    void controlsTakeTheDialogsBackground_data();
    void controlsTakeTheDialogsBackground();

private:
    std::unique_ptr<ToolbarTestFrame> m_frame;
    std::unique_ptr<ui::w_genapp_toolbars> m_dialog;

    // Opens the dialog (not modally, so that the test can drive it) with
    // `parameter` handed over as its frame, as the main menu does.
    ui::w_genapp_toolbars *open(QObject *parameter);
};

void TestToolbarSettings::init()
{
    ui::toolbarSwitches() = ui::ToolbarSwitches();
    ui::toolbarSwitches().userControl = false;
    ui::guo_toolbarutil().reset();
    rt::message().objectParameter = nullptr;

    m_frame = std::make_unique<ToolbarTestFrame>();
    m_frame->frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame->frame));
    // As after "登录(&L)": the utility made, bound with 24 and the text on.
    QVERIFY(ui::f_create_toolbarutil(ui::guo_toolbarutil()));
    QVERIFY(ui::guo_toolbarutil()->of_inittoolbar(m_frame->frame, 24));
    ui::guo_toolbarutil()->of_settoolbarfont(u"Courier New"_s, -11, u"12345"_s);
    ui::guo_toolbarutil()->of_toolbarshowtext(true);
}

void TestToolbarSettings::cleanup()
{
    m_dialog.reset();
    m_frame.reset();
    ui::guo_toolbarutil().reset();
    ui::toolbarSwitches() = ui::ToolbarSwitches();
    rt::message().objectParameter = nullptr;
}

ui::w_genapp_toolbars *TestToolbarSettings::open(QObject *parameter)
{
    m_dialog = std::make_unique<ui::w_genapp_toolbars>(qobject_cast<QMainWindow *>(parameter));
    m_dialog->show();
    if (!QTest::qWaitForWindowExposed(m_dialog.get()))
        qWarning("dialog not exposed");
    return m_dialog.get();
}

void TestToolbarSettings::controlsAndTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("gb_1") << u"gb_1"_s << u"工具栏位置"_s;
    QTest::newRow("rb_top") << u"rb_top"_s << u"顶部(&T)"_s;
    QTest::newRow("rb_left") << u"rb_left"_s << u"左边(&L)"_s;
    QTest::newRow("rb_floating") << u"rb_floating"_s << u"浮动(&F)"_s;
    QTest::newRow("rb_right") << u"rb_right"_s << u"右边(&R)"_s;
    QTest::newRow("rb_bottom") << u"rb_bottom"_s << u"底部(&B)"_s;
    QTest::newRow("cbx_showtext") << u"cbx_showtext"_s << u"显示文字(&E)"_s;
    QTest::newRow("cbx_showtips") << u"cbx_showtips"_s << u"显示提示(&P)"_s;
    QTest::newRow("cb_visible") << u"cb_visible"_s << u"隐藏(&H)"_s;
    QTest::newRow("cb_done") << u"cb_done"_s << u"关闭(&X)"_s;
}

void TestToolbarSettings::controlsAndTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    QCOMPARE(dialog->objectName(), u"w_genapp_toolbars"_s);
    QCOMPARE(dialog->windowTitle(), u"工具栏设置"_s);
    QVERIFY(dialog->isModal());
    QWidget *widget = control<QWidget>(dialog, name);
    QString shown;
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        shown = box->title();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    QCOMPARE(shown, text);
    QVERIFY(control<QPushButton>(dialog, u"cb_visible"_s)->isDefault());
}

void TestToolbarSettings::opensWithToolbarState_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("checked");
    QTest::newRow("left") << 0 << u"rb_left"_s;
    QTest::newRow("top") << 1 << u"rb_top"_s;
    QTest::newRow("right") << 2 << u"rb_right"_s;
    QTest::newRow("bottom") << 3 << u"rb_bottom"_s;
    QTest::newRow("floating") << 4 << u"rb_floating"_s;
}

void TestToolbarSettings::opensWithToolbarState()
{
    QFETCH(int, code);
    QFETCH(QString, checked);
    ui::setToolbarAlignment(*m_frame->frame, code);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    // The dialog's radio buttons are the buttons of its position group, each
    // under its position code.
    const QStringList byCode
        = { u"rb_left"_s, u"rb_top"_s, u"rb_right"_s, u"rb_bottom"_s, u"rb_floating"_s };
    auto *positions = control<QButtonGroup>(dialog, u"positions"_s);
    QStringList grouped;
    for (QAbstractButton *button : positions->buttons())
        grouped << button->objectName() + u'=' + QString::number(positions->id(button));
    QStringList radios;
    for (QRadioButton *radio : dialog->findChildren<QRadioButton *>()) {
        radios << radio->objectName() + u'=' + QString::number(byCode.indexOf(radio->objectName()));
        QCOMPARE(radio->isChecked(), radio->objectName() == checked);
    }
    grouped.sort();
    radios.sort();
    QCOMPARE(grouped, radios);
    QCOMPARE(control<QPushButton>(dialog, u"cb_visible"_s)->text(), kHide);
    // The dialog acts on the frame it was opened with.
    const int other = (code + 1) % 5;
    QTest::mouseClick(control<QRadioButton>(dialog, byCode[other]), Qt::LeftButton);
    QCOMPARE(ui::toolbarAlignment(*m_frame->frame), other);
}

void TestToolbarSettings::opensWithApplicationSwitches()
{
    // Start-up switched the text on through the utility, which keeps the
    // application's switch in step.
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    QVERIFY(control<QCheckBox>(dialog, u"cbx_showtext"_s)->isChecked());
    QVERIFY(control<QCheckBox>(dialog, u"cbx_showtips"_s)->isChecked());
    m_dialog.reset();

    ui::toolbarSwitches().text = false;
    ui::toolbarSwitches().tips = false;
    dialog = open(m_frame->frame);
    QVERIFY(!control<QCheckBox>(dialog, u"cbx_showtext"_s)->isChecked());
    QVERIFY(!control<QCheckBox>(dialog, u"cbx_showtips"_s)->isChecked());
}

void TestToolbarSettings::radioButtonMovesToolbar_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("area");
    QTest::newRow("left") << u"rb_left"_s << int(Qt::LeftToolBarArea);
    QTest::newRow("right") << u"rb_right"_s << int(Qt::RightToolBarArea);
    QTest::newRow("bottom") << u"rb_bottom"_s << int(Qt::BottomToolBarArea);
    QTest::newRow("top") << u"rb_top"_s << int(Qt::TopToolBarArea);
}

void TestToolbarSettings::radioButtonMovesToolbar()
{
    QFETCH(QString, radio);
    QFETCH(int, area);
    // Start away from the target so that every row moves the toolbar.
    ui::setToolbarAlignment(*m_frame->frame, area == Qt::TopToolBarArea ? 3 : 1);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);

    QTest::mouseClick(control<QRadioButton>(dialog, radio), Qt::LeftButton);
    QVERIFY(control<QRadioButton>(dialog, radio)->isChecked());
    ui::FrameToolBar *bar = m_frame->toolbar;
    QCOMPARE(int(m_frame->frame->toolBarArea(bar)), area);
    QVERIFY(!bar->isFloating());
    QTRY_VERIFY(bar->isVisible());
    const bool vertical = area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea;
    QCOMPARE(bar->orientation(), vertical ? Qt::Vertical : Qt::Horizontal);

    // The toolbar stands at the matching edge of the frame.
    const QRect frameRect = m_frame->frame->rect();
    QTRY_VERIFY(bar->geometry().isValid());
    switch (area) {
    case Qt::LeftToolBarArea:
        QTRY_COMPARE(bar->geometry().left(), frameRect.left());
        break;
    case Qt::RightToolBarArea:
        QTRY_COMPARE(bar->geometry().right(), frameRect.right());
        break;
    case Qt::BottomToolBarArea:
        QTRY_VERIFY(bar->geometry().bottom() > frameRect.height() / 2);
        break;
    default:
        QTRY_COMPARE(bar->geometry().top(), frameRect.top());
        break;
    }
}

void TestToolbarSettings::floatingAndBackKeepsVisibility()
{
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    ui::FrameToolBar *bar = m_frame->toolbar;

    QTest::mouseClick(control<QRadioButton>(dialog, u"rb_floating"_s), Qt::LeftButton);
    QVERIFY(bar->isFloating());
    QVERIFY(bar->isWindow());
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(ui::toolbarAlignment(*m_frame->frame), 4);
    // Still the frame's toolbar, and still not draggable by the user.
    QCOMPARE(bar->parentWidget(), m_frame->frame.data());
    QVERIFY(!bar->isMovable());

    // Hidden while floating, then docked again: it stays hidden.
    QTest::mouseClick(control<QPushButton>(dialog, u"cb_visible"_s), Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    QTest::mouseClick(control<QRadioButton>(dialog, u"rb_left"_s), Qt::LeftButton);
    QVERIFY(!bar->isFloating());
    QCOMPARE(m_frame->frame->toolBarArea(bar), Qt::LeftToolBarArea);
    QTest::qWait(20);
    QVERIFY(!bar->isVisible());

    QTest::mouseClick(control<QPushButton>(dialog, u"cb_visible"_s), Qt::LeftButton);
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(!bar->isWindow());
}

void TestToolbarSettings::checkedRadioAgainChangesNothing()
{
    ui::setToolbarAlignment(*m_frame->frame, 0);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    auto *left = control<QRadioButton>(dialog, u"rb_left"_s);
    QVERIFY(left->isChecked());
    QTRY_VERIFY(m_frame->toolbar->isVisible());
    const QRect before = m_frame->toolbar->geometry();
    QTest::mouseClick(left, Qt::LeftButton);
    QVERIFY(left->isChecked());
    QCOMPARE(m_frame->frame->toolBarArea(m_frame->toolbar), Qt::LeftToolBarArea);
    QTest::qWait(20);
    QCOMPARE(m_frame->toolbar->geometry(), before);
}

void TestToolbarSettings::visibleButtonToggles()
{
    ui::setToolbarVisible(*m_frame->frame, false);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    auto *visible = control<QPushButton>(dialog, u"cb_visible"_s);
    QCOMPARE(visible->text(), kShow);

    QTest::mouseClick(visible, Qt::LeftButton);
    QTRY_VERIFY(m_frame->toolbar->isVisible());
    QCOMPARE(visible->text(), kHide);

    QTest::mouseClick(visible, Qt::LeftButton);
    QVERIFY(!m_frame->toolbar->isVisible());
    QCOMPARE(visible->text(), kShow);

    // Reopening shows the toolbar's state again.
    m_dialog.reset();
    dialog = open(m_frame->frame);
    QCOMPARE(control<QPushButton>(dialog, u"cb_visible"_s)->text(), kShow);
}

void TestToolbarSettings::enterClicksVisibleButton()
{
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    QTest::keyClick(dialog, Qt::Key_Return);
    QVERIFY(!m_frame->toolbar->isVisible());
    QCOMPARE(control<QPushButton>(dialog, u"cb_visible"_s)->text(), kShow);
}

void TestToolbarSettings::textBoxSwitchesText()
{
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    auto *box = control<QCheckBox>(dialog, u"cbx_showtext"_s);
    ui::FrameToolBar *bar = m_frame->toolbar;
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(bar->iconSize(), QSize(24, 24));
    QCOMPARE(m_frame->button(0)->minimumSize(), QSize(31, 30));

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(m_frame->separator->isVisible());
    QCOMPARE(bar->font().families().value(0), u"Courier New"_s);
}

void TestToolbarSettings::tipsBoxSwitchesTips()
{
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    auto *box = control<QCheckBox>(dialog, u"cbx_showtips"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!ui::toolbarSwitches().tips);

    QToolButton *button = m_frame->button(1);
    const QPoint at = button->rect().center();
    QHelpEvent tip(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &tip);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());

    m_dialog.reset();
    dialog = open(m_frame->frame);
    QVERIFY(!control<QCheckBox>(dialog, u"cbx_showtips"_s)->isChecked());
    QTest::mouseClick(control<QCheckBox>(dialog, u"cbx_showtips"_s), Qt::LeftButton);
    QVERIFY(ui::toolbarSwitches().tips);
    QHelpEvent again(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &again);
    QTRY_VERIFY(QToolTip::isVisible());
    QToolTip::hideText();
}

void TestToolbarSettings::withoutFrameParameter()
{
    ui::w_genapp_toolbars *dialog = open(nullptr);
    for (QRadioButton *radio : dialog->findChildren<QRadioButton *>())
        QVERIFY(!radio->isChecked());

    // Position and visibility have no window to act on: nothing changes.
    QTest::mouseClick(control<QRadioButton>(dialog, u"rb_left"_s), Qt::LeftButton);
    QCOMPARE(m_frame->frame->toolBarArea(m_frame->toolbar), Qt::TopToolBarArea);
    auto *visible = control<QPushButton>(dialog, u"cb_visible"_s);
    const QString caption = visible->text();
    QTest::mouseClick(visible, Qt::LeftButton);
    QCOMPARE(visible->text(), caption);
    QVERIFY(m_frame->toolbar->isVisible());

    // The application's switches still work.
    QTest::mouseClick(control<QCheckBox>(dialog, u"cbx_showtips"_s), Qt::LeftButton);
    QVERIFY(!ui::toolbarSwitches().tips);
    QTest::mouseClick(control<QCheckBox>(dialog, u"cbx_showtext"_s), Qt::LeftButton);
    QCOMPARE(m_frame->toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

void TestToolbarSettings::parameterNotAFrame()
{
    QLabel notAFrame(u"不是框架"_s);
    ui::w_genapp_toolbars *dialog = open(&notAFrame);
    QTest::mouseClick(control<QRadioButton>(dialog, u"rb_bottom"_s), Qt::LeftButton);
    QCOMPARE(m_frame->frame->toolBarArea(m_frame->toolbar), Qt::TopToolBarArea);
}

void TestToolbarSettings::frameWithoutToolbar()
{
    ToolbarTestFrame::Options bare;
    bare.withToolbar = false;
    ToolbarTestFrame other(bare);
    ui::w_genapp_toolbars *dialog = open(other.frame);
    for (QRadioButton *radio : dialog->findChildren<QRadioButton *>())
        QVERIFY(!radio->isChecked());
    QCOMPARE(control<QPushButton>(dialog, u"cb_visible"_s)->text(), kShow);
    QTest::mouseClick(control<QRadioButton>(dialog, u"rb_right"_s), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(dialog, u"cb_visible"_s), Qt::LeftButton);
    QVERIFY(!other.frame->findChild<QToolBar *>());
}

void TestToolbarSettings::withoutToolbarUtility()
{
    ui::guo_toolbarutil().reset();
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    auto *box = control<QCheckBox>(dialog, u"cbx_showtext"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(m_frame->toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    // The rest of the dialog goes on working.
    QTest::mouseClick(control<QRadioButton>(dialog, u"rb_bottom"_s), Qt::LeftButton);
    QCOMPARE(m_frame->frame->toolBarArea(m_frame->toolbar), Qt::BottomToolBarArea);
}

void TestToolbarSettings::modalOpenKeepsChanges()
{
    QPointer<ui::w_genapp_toolbars> seen;
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<ui::w_genapp_toolbars *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog;
        QTest::mouseClick(control<QRadioButton>(dialog, u"rb_right"_s), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(dialog, u"cbx_showtips"_s), Qt::LeftButton);
        driven = true;
        // The control menu's close command.
        dialog->close();
    });
    rt::windows::openModalWithParameter(new ui::w_genapp_toolbars(m_frame->frame), m_frame->frame);
    QVERIFY(driven);
    QCOMPARE(m_frame->frame->toolBarArea(m_frame->toolbar), Qt::RightToolBarArea);
    QVERIFY(!ui::toolbarSwitches().tips);
    QTRY_VERIFY(seen.isNull());

    // Closed through its own button likewise.
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<ui::w_genapp_toolbars *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTest::mouseClick(control<QRadioButton>(dialog, u"rb_top"_s), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(dialog, u"cb_done"_s), Qt::LeftButton);
    });
    rt::windows::openModalWithParameter(new ui::w_genapp_toolbars(m_frame->frame), m_frame->frame);
    QCOMPARE(m_frame->frame->toolBarArea(m_frame->toolbar), Qt::TopToolBarArea);
}

void TestToolbarSettings::titleBarOffersOnlyClose()
{
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    QVERIFY(dialog->windowHandle());
    const Qt::WindowFlags flags = dialog->windowHandle()->flags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
}

void TestToolbarSettings::tabLeavesRadioButtonsAndBoxesOut_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("clicked");
    QTest::newRow("top, nothing clicked") << 1 << QString();
    QTest::newRow("left, floating clicked") << 0 << u"rb_floating"_s;
    QTest::newRow("bottom, text box clicked") << 3 << u"cbx_showtext"_s;
}

void TestToolbarSettings::tabLeavesRadioButtonsAndBoxesOut()
{
    QFETCH(int, code);
    QFETCH(QString, clicked);
    ui::setToolbarAlignment(*m_frame->frame, code);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    if (!clicked.isEmpty())
        QTest::mouseClick(control<QAbstractButton>(dialog, clicked), Qt::LeftButton);
    QVERIFY(!dialog->findChildren<QRadioButton *>().isEmpty());
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (qobject_cast<QPushButton *>(button))
            continue;
        QVERIFY2(!(button->focusPolicy() & Qt::TabFocus), qPrintable(button->objectName()));
    }
    // Only the two command buttons, in their tab order, from wherever the
    // focus is.
    auto *visible = control<QPushButton>(dialog, u"cb_visible"_s);
    auto *done = control<QPushButton>(dialog, u"cb_done"_s);
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    const QStringList fromVisible { u"cb_done"_s, u"cb_visible"_s, u"cb_done"_s, u"cb_visible"_s };
    const QStringList fromDone { u"cb_visible"_s, u"cb_done"_s, u"cb_visible"_s, u"cb_done"_s };
    QVERIFY2(visited == fromVisible || visited == fromDone, qPrintable(visited.join(u' ')));
    visible->setFocus();
    QTest::keyClick(visible, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), done);
    QTest::keyClick(done, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), visible);
}

void TestToolbarSettings::controlsTakeTheDialogsBackground_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : { u"rb_top"_s, u"rb_left"_s, u"rb_floating"_s, u"rb_right"_s,
             u"rb_bottom"_s, u"cbx_showtext"_s, u"cbx_showtips"_s })
        QTest::newRow(qPrintable(name)) << name;
}

void TestToolbarSettings::controlsTakeTheDialogsBackground()
{
    QFETCH(QString, name);
    ui::w_genapp_toolbars *dialog = open(m_frame->frame);
    QWidget *widget = control<QWidget>(dialog, name);
    // The dialog as the user sees it: the control's right end, past its
    // text, shows what lies around the control (the dialog's silver, or the
    // group box's panel on it).
    const QImage shot = dialog->grab().toImage();
    const QPoint inside = widget->mapTo(dialog, QPoint(widget->width() - 3, widget->height() / 2));
    const QPoint around = widget->mapTo(dialog, QPoint(-2, widget->height() / 2));
    QCOMPARE(shot.pixelColor(inside), shot.pixelColor(around));
    const QColor back = shot.pixelColor(around);
    QVERIFY2(
        qAbs(back.red() - 192) <= 4 && back.red() == back.green() && back.green() == back.blue(),
        qPrintable(back.name()));
}

QTEST_MAIN(TestToolbarSettings)
#include "tst_toolbar_settings.moc"
