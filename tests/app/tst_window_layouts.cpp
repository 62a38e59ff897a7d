// Every window of the program as its control table lays it out, checked for
// what any table must give: controls whose drawing does not run into each
// other, and a tab chain whose every stop can take the focus.
#include "app/AppWindows.h"
#include "deskcalc/w_4.h"
#include "runtime/WindowRegistry.h"
#include "shell/w_about.h"
#include "shell/w_flash.h"
#include "shell/w_main1.h"
#include "shell/w_pwd.h"
#include "support/MessageBoxRecorder.h"
#include "ui/w_genapp_toolbars.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Maker = std::function<QWidget *()>;

QWidget *fromRegistry(const QString &className)
{
    return rt::WindowRegistry::instance().create(className, nullptr);
}

// The controls that the window's tables made: its named children.
QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    for (QObject *child : window->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow() && !widget->objectName().isEmpty()
            && !widget->objectName().startsWith(u"qt_"_s))
            controls << widget;
    }
    return controls;
}

// What a control draws, in its window's coordinates: a label its text, a
// radio button or check box its indicator and text, a group box its caption;
// the other controls their whole rectangle.
QRect drawnRect(QWidget *control)
{
    const QRect box = control->geometry();
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (!label->pixmap().isNull() || label->text().isEmpty())
            return label->pixmap().isNull() ? QRect() : box;
        const QRect text = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()), label->text());
        return text.translated(box.topLeft()) & box;
    }
    if (qobject_cast<QRadioButton *>(control) || qobject_cast<QCheckBox *>(control)) {
        auto *button = static_cast<QAbstractButton *>(control);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<QRadioButton *>(control);
        const QRect indicator = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
            button);
        const QRect contents = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
        const QRect text = button->fontMetrics().boundingRect(
            contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, button->text());
        return (indicator | text).translated(box.topLeft()) & box;
    }
    if (auto *group = qobject_cast<QGroupBox *>(control)) {
        // The caption's ink: the pixels that change when its text colour
        // is made transparent.
        if (group->title().isEmpty())
            return {};
        const QImage shown = group->grab().toImage();
        const QPalette palette = group->palette();
        QPalette hidden = palette;
        hidden.setBrush(QPalette::WindowText, Qt::transparent);
        group->setPalette(hidden);
        const QImage without = group->grab().toImage();
        group->setPalette(palette);
        QRect ink;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixel(x, y) != without.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
            }
        }
        return ink.translated(box.topLeft());
    }
    return box;
}

} // namespace

class TestWindowLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { app::registerAppWindows(); }
    void controlsDoNotCoverEachOther_data() { addWindows(); }
    void controlsDoNotCoverEachOther();
    void everyTabStopCanTakeTheFocus_data() { addWindows(); }
    void everyTabStopCanTakeTheFocus();

private:
    static void addWindows();
};

void TestWindowLayouts::addWindows()
{
    QTest::addColumn<Maker>("make");
    for (const QString &className : { u"w_xm_cz1"_s, u"w_xm_cz2"_s, u"w_xm_cz3"_s, u"w_jsq_cz1"_s,
             u"w_jsq_cz2"_s, u"w_jsq_cz3"_s, u"w_jsq_by"_s, u"w_4"_s, u"w_pwd"_s }) {
        QTest::newRow(qPrintable(className))
            << Maker([className] { return fromRegistry(className); });
    }
    QTest::newRow("w_flash") << Maker([] { return new shell::w_flash({}); });
    QTest::newRow("w_about") << Maker([] { return new shell::w_about; });
    QTest::newRow("w_genapp_toolbars") << Maker([] { return new ui::w_genapp_toolbars(nullptr); });
}

void TestWindowLayouts::controlsDoNotCoverEachOther()
{
    QFETCH(Maker, make);
    const std::unique_ptr<QWidget> window(make());
    QVERIFY(window);
    window->ensurePolished();
    QList<QWidget *> controls;
    for (QWidget *control : controlsOf(window.get())) {
        control->ensurePolished();
        if (control->isVisibleTo(window.get()))
            controls << control;
    }
    QVERIFY(!controls.isEmpty());
    QStringList clashes;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QRect first = drawnRect(controls[i]);
            const QRect second = drawnRect(controls[j]);
            if (!first.intersects(second))
                continue;
            clashes << u"%1 %2 / %3 %4"_s.arg(controls[i]->objectName())
                           .arg(QDebug::toString(first))
                           .arg(controls[j]->objectName())
                           .arg(QDebug::toString(second));
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u", "_s)));
}

void TestWindowLayouts::everyTabStopCanTakeTheFocus()
{
    QFETCH(Maker, make);
    const support::MessageBoxRecorder boxes; // a window that reads the database reports it
    const std::unique_ptr<QWidget> window(make());
    QVERIFY(window);
    // Shown and made active without running the event loop: a window's own
    // open handling (a calculator reads its year's row) waits for that.
    window->show();
    QApplication::setActiveWindow(window.get());
    QCOMPARE(QApplication::activeWindow(), window.get());

    // The stops a user can reach: the controls that take the focus by Tab,
    // enabled and shown, each counted as the widget that takes its focus;
    // the radio buttons of an exclusive group are one stop, whose arrow keys
    // move within it.
    QSet<QWidget *> stops;
    QSet<const QButtonGroup *> groups;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        QWidget *target = widget;
        while (target->focusProxy())
            target = target->focusProxy();
        if (!(target->focusPolicy() & Qt::TabFocus) || !target->isEnabled() || !target->isVisible()
            || target->window() != window.get())
            continue;
        if (auto *radio = qobject_cast<QRadioButton *>(target); radio && radio->group()) {
            if (groups.contains(radio->group()))
                continue;
            groups.insert(radio->group());
        }
        stops.insert(target);
    }
    if (stops.isEmpty())
        QSKIP("the window has no tab stops");
    QWidget *first = QApplication::focusWidget();
    QVERIFY2(first, "no control has the focus once the window is shown");

    // Tab walks the stops and comes back to the first after as many steps
    // as there are stops, having stopped at each one.
    QList<QWidget *> walked { first };
    QStringList names { first->objectName() };
    for (qsizetype i = 0; i < stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget();
        names << (walked.last()
                ? walked.last()->parentWidget()->objectName() + u"/"_s + walked.last()->objectName()
                : u"(none)"_s);
    }
    QVERIFY2(walked.last() == first, qPrintable(names.join(u" > "_s)));
    walked.removeLast();
    QCOMPARE(QSet<QWidget *>(walked.begin(), walked.end()).size(), walked.size());
    for (QWidget *stop : walked) {
        auto *radio = qobject_cast<QRadioButton *>(stop);
        QVERIFY2(
            stops.contains(stop) || (radio && radio->group() && groups.contains(radio->group())),
            qPrintable(names.join(u" > "_s)));
    }
}

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
