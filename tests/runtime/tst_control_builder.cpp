#include "runtime/CloseGuard.h"
#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"
#include "runtime/WindowStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(rt::WindowDecl)
using rt::ControlDecl;
using rt::ControlKind;

namespace {

rt::ControlTable smallTable()
{
    return {
        { .name = u"st_1"_s,
            .kind = ControlKind::Label,
            .text = u"身高"_s,
            .rect = QRect(10, 10, 300, 60) },
        { .name = u"sle_b"_s,
            .kind = ControlKind::LineEdit,
            .rect = QRect(10, 100, 300, 80),
            .tabOrder = 20 },
        { .name = u"sle_a"_s,
            .kind = ControlKind::LineEdit,
            .rect = QRect(10, 200, 300, 80),
            .tabOrder = 10 },
        { .name = u"rb_1"_s,
            .kind = ControlKind::RadioButton,
            .text = u"男"_s,
            .rect = QRect(10, 300, 300, 72),
            .checked = true },
        { .name = u"cbx_1"_s,
            .kind = ControlKind::CheckBox,
            .rect = QRect(10, 400, 300, 72),
            .tabOrder = 20,
            .visible = false },
        { .name = u"cb_1"_s,
            .kind = ControlKind::PushButton,
            .text = u"关闭"_s,
            .rect = QRect(10, 500, 300, 100),
            .tabOrder = 30,
            .enabled = false },
    };
}

} // namespace

class TestControlBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsEveryControlAsDeclared()
    {
        QWidget window;
        const rt::ControlBuilder builder(&window, smallTable());
        auto *label = builder.get<QLabel>(u"st_1"_s);
        QCOMPARE(label->text(), u"身高"_s);
        QCOMPARE(label->parentWidget(), &window);
        QCOMPARE(label->geometry(), rt::units::rect(10, 10, 300, 60));
        QVERIFY(builder.get<QRadioButton>(u"rb_1"_s)->isChecked());
        QVERIFY(builder.get<QCheckBox>(u"cbx_1"_s)->isHidden());
        QVERIFY(!builder.get<QPushButton>(u"cb_1"_s)->isEnabled());
        QVERIFY(!builder.get<QPushButton>(u"cb_1"_s)->autoDefault());
    }

    void tabSequenceFollowsTheTabOrderValues()
    {
        QWidget window;
        const rt::ControlBuilder builder(&window, smallTable());
        QStringList names;
        for (QWidget *widget : builder.tabSequence())
            names << widget->objectName();
        // Equal values keep the table's order; 0 stays out.
        QCOMPARE(names, (QStringList { u"sle_a"_s, u"sle_b"_s, u"cbx_1"_s, u"cb_1"_s }));
        QCOMPARE(builder.get<QRadioButton>(u"rb_1"_s)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(builder.get<QLabel>(u"st_1"_s)->focusPolicy(), Qt::NoFocus);
    }

    void radioButtonsGroupedByTheWindowKeepTheirCheckedStates_data()
    {
        QTest::addColumn<bool>("autoExclusive");
        // Auto-exclusive radio buttons of one window clear each other: the
        // last one declared checked wins.
        QTest::newRow("auto-exclusive") << true;
        QTest::newRow("grouped by the window") << false;
    }

    void radioButtonsGroupedByTheWindowKeepTheirCheckedStates()
    {
        QFETCH(bool, autoExclusive);
        QWidget window;
        rt::ControlTable table;
        for (const QString &name : { u"rb_8"_s, u"rb_9"_s }) {
            table.push_back({ .name = name,
                .kind = ControlKind::RadioButton,
                .rect = QRect(10, table.size() * 100, 300, 72),
                .checked = true,
                .autoExclusive = autoExclusive });
        }
        const rt::ControlBuilder builder(&window, table);
        QCOMPARE(builder.get<QRadioButton>(u"rb_8"_s)->isChecked(), !autoExclusive);
        QVERIFY(builder.get<QRadioButton>(u"rb_9"_s)->isChecked());
        QCOMPARE(builder.get<QRadioButton>(u"rb_8"_s)->autoExclusive(), autoExclusive);
        QTest::mouseClick(builder.get<QRadioButton>(u"rb_9"_s), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(builder.get<QRadioButton>(u"rb_8"_s)->isChecked(), !autoExclusive);
    }

    void groupBoxesLieBehindAndKeepTheirOrder()
    {
        QWidget window;
        const rt::ControlTable table {
            { .name = u"rb_1"_s, .kind = ControlKind::RadioButton, .rect = QRect(20, 20, 200, 72) },
            { .name = u"gb_1"_s, .kind = ControlKind::GroupBox, .rect = QRect(0, 0, 400, 264) },
            { .name = u"gb_2"_s, .kind = ControlKind::GroupBox, .rect = QRect(0, 228, 400, 264) },
            { .name = u"gb_3"_s, .kind = ControlKind::GroupBox, .rect = QRect(0, 456, 400, 264) },
        };
        const rt::ControlBuilder builder(&window, table);
        // children() is the stacking order, bottom first.
        QStringList stacking;
        for (QObject *child : window.children())
            stacking << child->objectName();
        QCOMPARE(stacking, (QStringList { u"gb_1"_s, u"gb_2"_s, u"gb_3"_s, u"rb_1"_s }));
    }

    void tabOrderMovesCompoundControlsWhole()
    {
        // A compound control as the controls layer makes one: a container
        // whose inner button takes the focus through a focus proxy.
        const rt::ControlFactories factories { { ControlKind::PictureButton,
            [](const ControlDecl &decl, QWidget *parent) -> QWidget * {
                auto *container = new QWidget(parent);
                auto *inner = new QPushButton(decl.text, container);
                inner->setObjectName(u"inner"_s);
                container->setFocusProxy(inner);
                return container;
            } } };
        QWidget window;
        // Created in an order unlike the tab order.
        const rt::ControlTable table {
            { .name = u"cb_2"_s,
                .kind = ControlKind::PictureButton,
                .rect = QRect(0, 0, 300, 100),
                .tabOrder = 30 },
            { .name = u"cb_1"_s,
                .kind = ControlKind::PictureButton,
                .rect = QRect(0, 120, 300, 100),
                .tabOrder = 20 },
            { .name = u"sle_2"_s,
                .kind = ControlKind::LineEdit,
                .rect = QRect(0, 240, 300, 80),
                .tabOrder = 40 },
            { .name = u"sle_1"_s,
                .kind = ControlKind::LineEdit,
                .rect = QRect(0, 340, 300, 80),
                .tabOrder = 10 },
        };
        const rt::ControlBuilder builder(&window, table, factories);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto stop = [] {
            QWidget *focus = QApplication::focusWidget();
            return focus->objectName() == u"inner"_s ? focus->parentWidget()->objectName()
                                                     : focus->objectName();
        };
        builder.get<QLineEdit>(u"sle_1"_s)->setFocus();
        QStringList forward, backward;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << stop();
        }
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            backward << stop();
        }
        QCOMPARE(forward, (QStringList { u"cb_1"_s, u"cb_2"_s, u"sle_2"_s, u"sle_1"_s }));
        QCOMPARE(backward, (QStringList { u"sle_2"_s, u"cb_2"_s, u"cb_1"_s, u"sle_1"_s }));
    }

    void dataViewPlaceShowsNothingAndTakesNoFocus()
    {
        QWidget window;
        const rt::ControlTable table { { .name = u"dw_1"_s,
            .kind = ControlKind::DataView,
            .rect = QRect(608, 436, 686, 400),
            .tabOrder = 20,
            .visible = false } };
        const rt::ControlBuilder builder(&window, table);
        QWidget *place = builder.find(u"dw_1"_s);
        QVERIFY(place);
        QCOMPARE(place->metaObject()->className(), "QWidget");
        QVERIFY(place->isHidden());
        QCOMPARE(place->geometry(), rt::units::rect(608, 436, 686, 400));
        QCOMPARE(place->focusPolicy(), Qt::NoFocus);
        QVERIFY(builder.tabSequence().empty());
    }

    void lookupErrorsNameTheControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << u"em_9"_s << u"control 'em_9' is not in the table"_s;
        QTest::newRow("other kind")
            << u"st_1"_s << u"control 'st_1' is a QLabel, not a QLineEdit"_s;
    }

    void lookupErrorsNameTheControl()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QWidget window;
        const rt::ControlBuilder builder(&window, smallTable());
        try {
            builder.get<QLineEdit>(name);
            QFAIL("no error");
        } catch (const rt::ControlLookupError &error) {
            QCOMPARE(QString::fromStdString(error.what()), message);
        }
    }

    void buttonsNamingAGroupExcludeEachOther()
    {
        QWidget window;
        const rt::ControlLook look;
        rt::ControlTable table;
        for (int code = 0; code < 3; ++code) {
            rt::ControlDecl radio = rt::radioButton(
                u"rb_%1"_s.arg(code), QString::number(code), QRect(10, code * 100, 300, 72), look);
            radio.autoExclusive = false;
            radio.buttonGroup = u"positions"_s;
            radio.buttonId = 10 + code;
            table.push_back(radio);
        }
        table.push_back(rt::radioButton(u"rb_alone"_s, {}, QRect(10, 400, 300, 72), look));
        const rt::ControlBuilder builder(&window, table);
        QButtonGroup *group = builder.buttonGroup(u"positions"_s);
        QCOMPARE(group->objectName(), u"positions"_s);
        QVERIFY(group->exclusive());
        const QList<QAbstractButton *> grouped = group->buttons();
        QCOMPARE(QSet<QAbstractButton *>(grouped.begin(), grouped.end()),
            QSet<QAbstractButton *>({ builder.get<QRadioButton>(u"rb_0"_s),
                builder.get<QRadioButton>(u"rb_1"_s), builder.get<QRadioButton>(u"rb_2"_s) }));
        QCOMPARE(group->button(11), builder.get<QRadioButton>(u"rb_1"_s));
        QVERIFY(!builder.get<QRadioButton>(u"rb_alone"_s)->group());

        QSignalSpy clicked(group, &QButtonGroup::idClicked);
        QTest::mouseClick(builder.get<QRadioButton>(u"rb_0"_s), Qt::LeftButton, {}, QPoint(5, 8));
        QTest::mouseClick(builder.get<QRadioButton>(u"rb_2"_s), Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(!builder.get<QRadioButton>(u"rb_0"_s)->isChecked());
        QVERIFY(builder.get<QRadioButton>(u"rb_2"_s)->isChecked());
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked.at(1).at(0).toInt(), 12);
        QVERIFY_THROWS_EXCEPTION(rt::ControlLookupError, builder.buttonGroup(u"sizes"_s));
    }

    void aPictureFillsItsPlaceAndLeavesClicksToTheWindow()
    {
        QWidget window;
        const rt::ControlBuilder builder(&window,
            { rt::picture(u"p_1"_s, u"Save!"_s, QRect(0, 0, 450, 400)),
                rt::picture(u"p_2"_s, u":/no/such/picture.png"_s, QRect(0, 400, 90, 80),
                    { .visible = false }) });
        auto *picture = builder.get<QLabel>(u"p_1"_s);
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(picture->hasScaledContents());
        QCOMPARE(picture->geometry(), rt::units::rect(0, 0, 450, 400));
        QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
        QVERIFY(builder.get<QLabel>(u"p_2"_s)->isHidden());

        // A click on the picture reaches the window beneath it.
        class ClickCounter : public QObject
        {
        public:
            int presses = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                presses += event->type() == QEvent::MouseButtonPress;
                return false;
            }
        } counter;
        window.installEventFilter(&counter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(counter.presses, 1);
    }

    void aWindowDeclarationIsAppliedInOneCall_data()
    {
        QTest::addColumn<rt::WindowDecl>("decl");
        QTest::addColumn<QSize>("clientSize");
        QTest::addColumn<bool>("fixed");
        const QSize units(1800, 1200);
        QTest::newRow("outer size, fixed") << rt::WindowDecl { .name = u"w_a"_s, .size = units }
                                           << rt::style::clientSizeForOuter(units) << true;
        QTest::newRow("client size, first size only") << rt::WindowDecl { .name = u"w_b"_s,
            .size = units,
            .sizeIs = rt::WindowDecl::Size::Client,
            .fixedSize = false } << rt::units::toPixels(units)
                                                      << false;
    }

    void aWindowDeclarationIsAppliedInOneCall()
    {
        QFETCH(rt::WindowDecl, decl);
        QFETCH(QSize, clientSize);
        QFETCH(bool, fixed);
        decl.title = u"初中一年级成绩"_s;
        decl.icon = u"AppIcon!"_s;
        decl.flags = rt::style::modalDialogFlags();
        decl.modal = true;
        decl.backColor = rt::colors::kSilver;
        QDialog window;
        rt::setUpWindow(&window, decl);
        QCOMPARE(window.windowFlags(), rt::style::modalDialogFlags());
        QCOMPARE(window.objectName(), decl.name);
        QCOMPARE(window.windowTitle(), decl.title);
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(window.isModal());
        QCOMPARE(window.size(), clientSize);
        QCOMPARE(window.minimumSize() == window.maximumSize(), fixed);
        QCOMPARE(
            window.palette().color(QPalette::Window), rt::colors::fromCode(rt::colors::kSilver));
    }

    void aWindowIsCentredWhenItIsFirstShownAsAWindow()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QDialog window;
        rt::setUpWindow(&window,
            { .name = u"w_c"_s,
                .size = QSize(900, 800),
                .placement = rt::WindowDecl::Placement::CentredOnFirstShow });
        window.move(screen.topLeft());
        QCOMPARE(window.frameGeometry().topLeft(), screen.topLeft()); // not before it is shown
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);

        // Once only: moved and shown again, it stays where it was put.
        window.hide();
        window.move(screen.topLeft() + QPoint(10, 10));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.pos(), screen.topLeft() + QPoint(10, 10));
    }

    void aPointerIsShownOverItsControl()
    {
        QWidget window;
        rt::ControlDecl link
            = rt::label(u"shl_1"_s, u"https://example.com/"_s, QRect(10, 10, 600, 60));
        link.pointer = u"HyperLink!"_s;
        const rt::ControlBuilder builder(
            &window, { link, rt::label(u"st_1"_s, u"身高"_s, QRect(10, 100, 300, 60)) });
        QCOMPARE(builder.get<QLabel>(u"shl_1"_s)->cursor().shape(), Qt::PointingHandCursor);
        // Without a pointer of its own a control shows the window's.
        QVERIFY(!builder.get<QLabel>(u"st_1"_s)->testAttribute(Qt::WA_SetCursor));
    }

    void aDuplicateNameIsRefused()
    {
        QWidget window;
        rt::ControlTable table = smallTable();
        table.push_back(table.front());
        QVERIFY_THROWS_EXCEPTION(rt::ControlLookupError, rt::ControlBuilder(&window, table));
    }

    void closeGuardLetsOnlyTheWindowsOwnButtonClose()
    {
        QDialog dialog;
        auto *edit = new QLineEdit(&dialog);
        auto *guard = new rt::CloseGuard(&dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        edit->setFocus();

        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());

        // The window manager's close box asks the window to close.
        QVERIFY(!dialog.close());
        QVERIFY(dialog.isVisible());

        guard->closeWindow();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestControlBuilder)
#include "tst_control_builder.moc"
