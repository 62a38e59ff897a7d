// Screenshots of every window of the program, and their comparison.
//
//   window-shots shoot OUT_DIR
//       Starts the program as main() does (the splash, the start window,
//       the frame after 登录) against the data source that ODBCSYSINI and
//       ODBCINI name, then opens every window through the frame's menu,
//       waits until it is laid out and its open handling has run, and saves
//       its client area as OUT_DIR/<name>.png. The calculators are shot a
//       second time after values were typed into their fields
//       (<name>-filled.png). Needs a display (the xcb platform under Xvfb).
//
//   window-shots compare BASE_DIR OTHER_DIR DIFF_DIR
//       Compares the PNGs of two such folders pixel for pixel, prints one
//       line per window and writes, for each window that differs, an image
//       with the changed pixels in red over a faded copy of OTHER_DIR's
//       shot. Exit status 1 when anything differs.
//
// Only entry points that every revision of the tree keeps are used: the
// window registry, the application object, the frame's menu and the
// classes' public constructors. Everything else is found through what the
// user sees: menu texts, button captions and the focus chain.
#include "app/AppWindows.h"
#include "deskcalc/w_4.h"
#include "runtime/WindowRegistry.h"
#include "shell/Application.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>
#include <set>

// The program's start-up functions and the desk calculator's window class
// stand in the namespaces of their layers in later revisions and in the
// global namespace in earlier ones: an unqualified name finds them in
// either.
namespace app { }
namespace deskcalc { }
namespace shell { }
using namespace app;
using namespace deskcalc;
using namespace shell;

using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

void complain(const QString &line)
{
    std::fprintf(stderr, "window-shots: %s\n", qPrintable(line));
    std::fflush(stderr);
}

// ---------------------------------------------------------------------------
// Shooting

// The frame's size while it is shot: fixed, so that the shot does not
// depend on the screen or on a window manager maximizing it.
constexpr QSize kFrameSize(1280, 900);
// The desk calculator's clock while it is shot.
QDateTime deskCalcTime()
{
    return QDateTime(QDate(2024, 6, 1), QTime(9, 30, 15));
}

// What the calculators' fields get typed, by field name. Fields that are
// disabled for a boy or by the year's settings are skipped by Tab.
const std::map<QString, QString> &typedValues()
{
    static const std::map<QString, QString> values {
        { u"em_c1"_s, u"75"_s }, // first-year total
        { u"em_c2"_s, u"80"_s }, // second-year total
        { u"em_c3"_s, u"85"_s }, // third-year total (graduation window)
        { u"em_s1"_s, u"160"_s }, // height
        { u"em_s2"_s, u"50"_s }, // weight
        { u"em_t"_s, u"55"_s }, // step test
        { u"em_1"_s, u"4.1"_s }, // 1000 m
        { u"em_8"_s, u"3.5"_s }, // 800 m
        { u"em_f"_s, u"3000"_s }, // vital capacity
        { u"em_5"_s, u"8.5"_s }, // 50 m
        { u"em_l"_s, u"200"_s }, // standing long jump
        { u"em_z"_s, u"10"_s }, // sit and reach
        { u"em_y"_s, u"40"_s }, // sit-ups
        { u"em_w"_s, u"60"_s }, // grip index
    };
    return values;
}

// The desk calculator reads its time from a clock that can be replaced;
// a revision without that hook shows the real time, and the time view is
// then not shot.
template <typename DeskCalc> bool fixDeskCalcClock()
{
    if constexpr (requires { DeskCalc::setClock(typename DeskCalc::Clock()); }) {
        DeskCalc::setClock(&deskCalcTime);
        return true;
    } else {
        return false;
    }
}

class Shooter
{
public:
    explicit Shooter(const QString &outDir)
        : m_out(outDir)
    {
        // A message box that comes up while a window is driven would block
        // the run: it is shot, reported and answered.
        m_boxWatch.setInterval(100);
        QObject::connect(&m_boxWatch, &QTimer::timeout, [this] { answerMessageBox(); });
        m_boxWatch.start();
    }

    int failures() const { return m_failures; }

    // Runs inside the splash's own modal loop: shoots the splash and lets
    // it hand over to the start window by its own timer.
    void shootSplash()
    {
        QWidget *splash = waitForNewWindow({}, 10000);
        if (!splash) {
            fail(u"the splash window did not open"_s);
            return;
        }
        shoot(splash, u"w_flash"_s);
    }

    // Runs once the splash has handed over: everything else.
    void shootTheRest()
    {
        QWidget *start = waitForNewWindow({}, 10000);
        if (!start) {
            fail(u"the start window did not open"_s);
            return;
        }
        shoot(start, u"w_pwd"_s);

        // 登录: the focus is on the enter button, as the start window puts it.
        const QList<QWidget *> beforeFrame = visibleWindows();
        QPointer<QWidget> startGuard(start);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : start, Qt::Key_Space);
        auto *frame = qobject_cast<QMainWindow *>(waitForNewWindow(beforeFrame, 10000));
        if (!frame || !QTest::qWaitFor([&] { return startGuard.isNull(); }, 5000)) {
            fail(u"the frame did not open after 登录, or the start window stayed"_s);
            return;
        }
        frame->showNormal();
        frame->setGeometry(QRect(QPoint(0, 0), kFrameSize));
        // The status bar's size grip shows only once the window system has
        // told the frame that it is no longer maximized.
        QTest::qWaitFor(
            [&] {
                const auto *grip = frame->findChild<QSizeGrip *>();
                return !frame->isMaximized() && (!grip || grip->isVisible());
            },
            5000);
        shoot(frame, u"w_main1"_s);

        fromMenu(frame, u"工具栏设置"_s, u"w_genapp_toolbars"_s);
        fromMenu(frame, u"技术支持"_s, u"w_about"_s);

        const bool clockFixed = fixDeskCalcClock<w_4>();
        fromMenu(frame, u"计算器"_s, u"w_4"_s, [&](QWidget *calc) {
            if (!clockFixed) {
                complain(u"the desk calculator has no clock hook: its time view is not shot"_s);
                return;
            }
            if (QAbstractButton *time = buttonWithText(calc, { u"时间"_s })) {
                QTest::mouseClick(time, Qt::LeftButton);
                shoot(calc, u"w_4-time"_s);
            } else {
                fail(u"w_4: no 时间 button"_s);
            }
        });

        fromMenu(frame, u"初一项目"_s, u"w_xm_cz1"_s);
        fromMenu(frame, u"初二项目"_s, u"w_xm_cz2"_s);
        fromMenu(frame, u"初三项目"_s, u"w_xm_cz3"_s);

        const auto fill = [this](const QString &name) {
            return [this, name](QWidget *window) {
                typeIntoFields(window);
                shoot(window, name + u"-filled"_s);
            };
        };
        fromMenu(frame, u"初一成绩计算"_s, u"w_jsq_cz1"_s, fill(u"w_jsq_cz1"_s));
        fromMenu(frame, u"初二成绩计算"_s, u"w_jsq_cz2"_s, fill(u"w_jsq_cz2"_s));
        fromMenu(frame, u"初三成绩计算"_s, u"w_jsq_cz3"_s, fill(u"w_jsq_cz3"_s));
        fromMenu(frame, u"毕业成绩计算"_s, u"w_jsq_by"_s, fill(u"w_jsq_by"_s));

        frame->close();
        settle(nullptr);
    }

private:
    void fail(const QString &what)
    {
        complain(what);
        ++m_failures;
    }

    static QList<QWidget *> visibleWindows()
    {
        QList<QWidget *> windows;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
                windows.append(w);
        }
        return windows;
    }

    // The first visible window that is not among `before`.
    static QWidget *waitForNewWindow(const QList<QWidget *> &before, int timeoutMs)
    {
        QWidget *found = nullptr;
        const bool opened = QTest::qWaitFor(
            [&] {
                for (QWidget *w : visibleWindows()) {
                    if (!before.contains(w) && !qobject_cast<QMessageBox *>(w)) {
                        found = w;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return opened ? found : nullptr;
    }

    // Lets everything posted run (the open handling, the layout, the
    // frame's start page placement) and waits until the window is on the
    // screen and active, so that it draws with the active colours.
    static void settle(QWidget *window)
    {
        if (window) {
            if (!QTest::qWaitForWindowExposed(window, 5000))
                complain(u"%1 was not exposed"_s.arg(window->objectName()));
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window, 5000))
                complain(u"%1 did not become active"_s.arg(window->objectName()));
        }
        for (int i = 0; i < 6; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QTest::qWait(50);
        }
    }

    void shoot(QWidget *window, const QString &name)
    {
        settle(window);
        m_current = name;
        const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString path = m_out.filePath(name + u".png"_s);
        if (image.isNull() || !image.save(path, "PNG")) {
            fail(u"%1: could not save %2"_s.arg(name, path));
            return;
        }
        say(u"%1 %2x%3 (%4)"_s.arg(name)
                .arg(image.width())
                .arg(image.height())
                .arg(window->objectName()));
    }

    // Opens the window behind the frame's menu item `text` the way the
    // menu does (modal windows run their own loop inside trigger()),
    // shoots it as `name`, lets `more` drive it further and closes it.
    // Without such a menu item the window is made from the registry by
    // the class name `name`, with the frame as its parent, and shown.
    void fromMenu(QMainWindow *frame, const QString &text, const QString &name,
        const std::function<void(QWidget *)> &more = {})
    {
        QAction *action = nullptr;
        for (QAction *candidate : frame->findChildren<QAction *>()) {
            QString caption = candidate->text().section(u'\t', 0, 0);
            caption.remove(u'&');
            if (caption == text || caption.startsWith(text + u'(')) {
                action = candidate;
                break;
            }
        }
        const QList<QWidget *> before = visibleWindows();
        bool handled = false;
        const auto handle = [&, this] {
            QWidget *window = waitForNewWindow(before, 10000);
            if (!window) {
                fail(u"%1: no window opened"_s.arg(name));
                handled = true;
                return;
            }
            shoot(window, name);
            if (more)
                more(window);
            closeWindow(window);
            handled = true;
        };
        if (action) {
            QTimer::singleShot(0, frame, handle);
            action->trigger();
        } else {
            complain(
                u"%1: the frame has no menu item %2; made from the registry"_s.arg(name, text));
            QPointer<QWidget> window = rt::WindowRegistry::instance().create(name, frame);
            if (!window) {
                fail(u"%1: no such window class"_s.arg(name));
                return;
            }
            window->show();
            handle();
            delete window.data();
        }
        if (!QTest::qWaitFor([&] { return handled; }, 60000))
            fail(u"%1: timed out"_s.arg(name));
        settle(nullptr);
    }

    static QAbstractButton *buttonWithText(QWidget *window, const QStringList &texts)
    {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            // Captions may be padded with blanks to clear a picture.
            if (button->isVisible() && button->isEnabled()
                && texts.contains(button->text().trimmed()))
                return button;
        }
        return nullptr;
    }

    // Closes the window as the user does, through its close button where
    // it has one; a window that stays open is closed or hidden by force.
    void closeWindow(QWidget *window)
    {
        QPointer<QWidget> guard(window);
        const auto gone = [&] { return guard.isNull() || !guard->isVisible(); };
        if (QAbstractButton *close = buttonWithText(window, { u"关闭(&X)"_s, u"关闭"_s })) {
            QTest::mouseClick(close, Qt::LeftButton);
            if (QTest::qWaitFor(gone, 2000))
                return;
        }
        if (!gone()) {
            guard->close();
            if (QTest::qWaitFor(gone, 2000))
                return;
        }
        if (!gone()) {
            complain(u"%1 refused to close; hidden"_s.arg(m_current));
            guard->hide();
        }
    }

    // Types the fields the way a user does: a boy, then the value of each
    // field that has the focus, Tab to the next one, until the focus
    // reaches a control that takes no value (a box or a button).
    void typeIntoFields(QWidget *window)
    {
        for (QRadioButton *radio : window->findChildren<QRadioButton *>()) {
            if (radio->text().contains(u"男"_s) && !radio->isChecked()) {
                QTest::mouseClick(radio, Qt::LeftButton);
                settle(nullptr);
            }
        }
        std::set<QString> typed;
        for (int step = 0; step < 40; ++step) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus || focus->window() != window)
                break;
            const auto value = typedValues().find(focus->objectName());
            if (value == typedValues().end() || typed.contains(value->first))
                break;
            typed.insert(value->first);
            QTest::keyClicks(focus, value->second);
            QTest::keyClick(focus, Qt::Key_Tab);
            settle(nullptr);
        }
        if (typed.empty())
            fail(u"%1: no field took a value"_s.arg(m_current));
        QStringList names(typed.begin(), typed.end());
        say(u"  typed into %1"_s.arg(names.join(u' ')));
    }

    void answerMessageBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_answered.contains(box))
            return;
        m_answered.append(box);
        ++m_failures;
        complain(u"a message box came up after %1: %2: %3"_s.arg(
            m_current, box->windowTitle(), box->text()));
        box->grab().toImage().save(m_out.filePath(m_current + u"-box.png"_s), "PNG");
        box->done(QMessageBox::Ok);
    }

    QDir m_out;
    QString m_current = u"start"_s;
    int m_failures = 0;
    QTimer m_boxWatch;
    QList<QPointer<QMessageBox>> m_answered;
};

int shootAll(int argc, char *argv[], const QString &outDir)
{
    // As main() does: the toolkit sees only the program's name.
    int qtArgc = 1;
    char *qtArgv[] = { argv[0], nullptr };
    Q_UNUSED(argc);
    QApplication qtApp(qtArgc, qtArgv);
    // A text cursor that never blinks, windows that stay around between
    // shots, and the pointer in the corner, over no window.
    QApplication::setCursorFlashTime(0);
    QApplication::setQuitOnLastWindowClosed(false);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen->geometry().bottomRight());
    if (!QDir().mkpath(outDir)) {
        complain(u"cannot create %1"_s.arg(outDir));
        return 2;
    }

    registerAppWindows();
    Shooter shooter(outDir);
    QTimer::singleShot(0, [&shooter] { shooter.shootSplash(); });
    Application &book = Application::instance();
    if (!book.open()) {
        complain(u"the connection was refused: %1"_s.arg(book.sqlca.SQLErrText));
        return 2;
    }
    QTimer::singleShot(0, [&shooter] {
        shooter.shootTheRest();
        QCoreApplication::exit(0);
    });
    QApplication::exec();
    book.close();
    return shooter.failures() == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------
// Comparing

QStringList shotNames(const QDir &dir)
{
    QStringList names = dir.entryList({ u"*.png"_s }, QDir::Files, QDir::Name);
    for (QString &name : names)
        name.chop(4);
    return names;
}

int compareAll(const QString &baseDir, const QString &otherDir, const QString &diffDir)
{
    const QDir base(baseDir);
    const QDir other(otherDir);
    const QDir diffs(diffDir);
    if (!QDir().mkpath(diffDir)) {
        complain(u"cannot create %1"_s.arg(diffDir));
        return 2;
    }
    const QStringList baseNames = shotNames(base);
    const QStringList otherNames = shotNames(other);
    std::set<QString> names(baseNames.begin(), baseNames.end());
    names.insert(otherNames.begin(), otherNames.end());
    if (names.empty()) {
        complain(u"no shots in %1 or %2"_s.arg(baseDir, otherDir));
        return 2;
    }

    int differing = 0;
    for (const QString &name : names) {
        const QString file = name + u".png"_s;
        const QString label = name.leftJustified(22);
        if (!baseNames.contains(name) || !otherNames.contains(name)) {
            say(u"%1 DIFFERENT  only in %2"_s.arg(
                label, baseNames.contains(name) ? baseDir : otherDir));
            ++differing;
            continue;
        }
        const QImage a = QImage(base.filePath(file)).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(other.filePath(file)).convertToFormat(QImage::Format_RGB32);
        if (a.isNull() || b.isNull()) {
            say(u"%1 DIFFERENT  unreadable"_s.arg(label));
            ++differing;
            continue;
        }
        if (a.size() != b.size()) {
            say(u"%1 DIFFERENT  size %2x%3 against %4x%5"_s.arg(label)
                    .arg(a.width())
                    .arg(a.height())
                    .arg(b.width())
                    .arg(b.height()));
            ++differing;
            continue;
        }
        // Changed pixels red; the rest a faded copy of the other shot.
        QImage marked(b.size(), QImage::Format_RGB32);
        long count = 0;
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            auto *out = reinterpret_cast<QRgb *>(marked.scanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                if ((lineA[x] & 0xffffff) != (lineB[x] & 0xffffff)) {
                    ++count;
                    box |= QRect(x, y, 1, 1);
                    out[x] = qRgb(255, 0, 0);
                } else {
                    const int grey = 170 + qGray(lineB[x]) / 3;
                    out[x] = qRgb(grey, grey, grey);
                }
            }
        }
        if (count == 0) {
            say(u"%1 same"_s.arg(label));
            continue;
        }
        ++differing;
        marked.save(diffs.filePath(file), "PNG");
        say(u"%1 DIFFERENT  %2 pixels, in x %3..%4, y %5..%6 (%7x%8)"_s.arg(label)
                .arg(count)
                .arg(box.left())
                .arg(box.right())
                .arg(box.top())
                .arg(box.bottom())
                .arg(box.width())
                .arg(box.height()));
    }
    say(differing == 0 ? u"All %1 windows are the same."_s.arg(names.size())
                       : u"%1 of %2 windows differ; marked images in %3"_s.arg(differing)
                             .arg(names.size())
                             .arg(diffDir));
    return differing == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == u"shoot"_s && argc == 3)
        return shootAll(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (mode == u"compare"_s && argc == 5) {
        QCoreApplication app(argc, argv);
        return compareAll(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
            QString::fromLocal8Bit(argv[4]));
    }
    complain(u"usage: window-shots shoot OUT_DIR | compare BASE_DIR OTHER_DIR DIFF_DIR"_s);
    return 2;
}
