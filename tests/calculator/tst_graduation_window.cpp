#include "app/AppWindows.h"
#include "calculator/ScoreMask.h"
#include "calculator/w_jsq_by.h"
#include "controls/my_maskedit.h"
#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowRegistry.h"
#include "runtime/WindowStyle.h"
#include "shell/startpage/StartPage.h"
#include "shell/w_main1.h"
#include "support/MessageBoxRecorder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using calculator::w_jsq_by;

namespace {

QColor textColour(const QWidget *widget)
{
    const QPalette::ColorRole role
        = qobject_cast<const QLineEdit *>(widget) ? QPalette::Text : QPalette::WindowText;
    return widget->palette().color(QPalette::Active, role);
}

QColor colour(long code)
{
    return rt::colors::fromCode(code);
}

} // namespace

// The graduation window driven as a user drives it: values typed into its
// fields, Enter, Tab and clicks.
class TestGraduationWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensAsDeclared();
    void tabSequence();
    void scores_data();
    void scores();
    void enterComputesAtOnce();
    void orderOfTheFieldsDoesNotMatter();
    void unchangedFieldComputesNothing();
    void noRatingKeepsTheColour();
    void closesOnlyThroughItsButton();
    void altXCloses();
    void openedByMenuAndStartPage_data();
    void openedByMenuAndStartPage();

private:
    controls::my_maskedit *field(const QString &name) const;
    QLineEdit *rating() const;
    // Types `text` into `name` (its whole text selected first, as getting
    // the focus does) and presses Enter.
    void enter(const QString &name, const QString &text);

    QPointer<w_jsq_by> m_window;
};

void TestGraduationWindow::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestGraduationWindow::init()
{
    m_window = new w_jsq_by;
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestGraduationWindow::cleanup()
{
    delete m_window;
}

controls::my_maskedit *TestGraduationWindow::field(const QString &name) const
{
    auto *found = m_window->findChild<controls::my_maskedit *>(name);
    Q_ASSERT_X(found, "field", qPrintable(name));
    return found;
}

QLineEdit *TestGraduationWindow::rating() const
{
    auto *found = m_window->findChild<QLineEdit *>(u"sle_by_dj"_s);
    Q_ASSERT(found);
    return found;
}

void TestGraduationWindow::enter(const QString &name, const QString &text)
{
    controls::my_maskedit *target = field(name);
    if (!target->hasFocus())
        QTest::mouseClick(target, Qt::LeftButton);
    QTRY_VERIFY(target->hasFocus());
    QVERIFY(target->selectedText() == target->text());
    if (text.isEmpty())
        QTest::keyClick(target, Qt::Key_Delete);
    else
        QTest::keyClicks(target, text);
    QTest::keyClick(target, Qt::Key_Return);
}

void TestGraduationWindow::opensAsDeclared()
{
    QCOMPARE(m_window->objectName(), u"w_jsq_by"_s);
    QCOMPARE(m_window->windowTitle(), u"毕业成绩计算"_s);
    QVERIFY(m_window->isModal());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowSystemMenuHint));
    QCOMPARE(m_window->size(), rt::style::clientSizeForOuter(w_jsq_by::windowDecl().size));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());

    // Every control stands where the table puts it.
    for (const rt::ControlDecl &decl : w_jsq_by::controlTable()) {
        QWidget *widget = m_window->findChild<QWidget *>(decl.name);
        QVERIFY2(widget, qPrintable(decl.name));
        QCOMPARE(widget->geometry(), rt::units::toPixels(decl.rect));
    }
    QStringList created;
    for (const rt::ControlDecl &decl : w_jsq_by::controlTable())
        created << decl.name;
    QCOMPARE(created,
        QStringList({ u"em_by_cj"_s, u"em_c3"_s, u"em_c2"_s, u"em_c1"_s, u"cb_1"_s, u"sle_by_dj"_s,
            u"st_5"_s, u"st_4"_s, u"st_3"_s, u"st_2"_s, u"st_1"_s }));

    const std::pair<QString, QString> captions[] = {
        { u"st_1"_s, u"初一学年成绩（25%）"_s },
        { u"st_2"_s, u"初二学年成绩（25%）"_s },
        { u"st_3"_s, u"初三学年成绩（50%）"_s },
        { u"st_4"_s, u"初中毕业成绩"_s },
        { u"st_5"_s, u"等级"_s },
    };
    for (const auto &[name, text] : captions) {
        auto *label = m_window->findChild<QLabel *>(name);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().pointSize(), 12);
        QVERIFY(label->font().bold());
    }
    QCOMPARE(textColour(m_window->findChild<QLabel *>(u"st_1"_s)), colour(rt::colors::kDarkRed));
    QCOMPARE(textColour(m_window->findChild<QLabel *>(u"st_4"_s)), colour(rt::colors::kBlue));
    QCOMPARE(m_window->findChild<QPushButton *>(u"cb_1"_s)->text(), u"关闭(&X)"_s);

    // Nothing is computed when the window opens: every field is empty, not
    // the entry field's initial "none".
    for (const QString &name : { u"em_c1"_s, u"em_c2"_s, u"em_c3"_s, u"em_by_cj"_s }) {
        controls::my_maskedit *entry = field(name);
        QCOMPARE(entry->text(), QString());
        QCOMPARE(entry->mask(), calculator::scoreMask());
        QCOMPARE(entry->font().pointSize(), 14);
        QVERIFY(entry->font().bold());
    }
    QCOMPARE(field(u"em_c1"_s)->palette().color(QPalette::Base), colour(rt::colors::kFieldBlue));
    QCOMPARE(field(u"em_by_cj"_s)->palette().color(QPalette::Base), colour(rt::colors::kIvory));
    QCOMPARE(rating()->text(), QString());
    QCOMPARE(rating()->palette().color(QPalette::Base), colour(rt::colors::kIvory));
    QCOMPARE(rating()->font().pointSize(), 12);
    QVERIFY(!rating()->font().bold());
    QCOMPARE(textColour(rating()), colour(rt::colors::kWindowText));

    // The first field of the tab sequence has the focus.
    QTRY_VERIFY(field(u"em_c1"_s)->hasFocus());
}

void TestGraduationWindow::tabSequence()
{
    QTRY_VERIFY(field(u"em_c1"_s)->hasFocus());
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // The result fields are left out; a click still reaches them.
    QCOMPARE(visited, QStringList({ u"em_c2"_s, u"em_c3"_s, u"cb_1"_s, u"em_c1"_s, u"em_c2"_s }));
    QTest::mouseClick(field(u"em_by_cj"_s), Qt::LeftButton);
    QTRY_VERIFY(field(u"em_by_cj"_s)->hasFocus());
}

void TestGraduationWindow::scores_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("word");
    QTest::addColumn<long>("colour");

    using rt::colors::kBlue;
    using rt::colors::kGreen;
    using rt::colors::kMagenta;
    using rt::colors::kRed;
    QTest::newRow("80 / 70 / 90") << u"80"_s << u"70"_s << u"90"_s << u"82.0"_s << u"良好"_s
                                  << kMagenta;
    // Exact on the typed tenths.
    QTest::newRow("50.1 / 80.7 / 54.6")
        << u"50.1"_s << u"80.7"_s << u"54.6"_s << u"60.0"_s << u"及格"_s << kGreen;
    QTest::newRow("60.1 / 74.7 / 54.6")
        << u"60.1"_s << u"74.7"_s << u"54.6"_s << u"61.0"_s << u"及格"_s << kGreen;
    QTest::newRow("0.1 / 41.3 / 1.3")
        << u"0.1"_s << u"41.3"_s << u"1.3"_s << u"11.0"_s << u"不及格"_s << kRed;
    QTest::newRow("85.9 three times")
        << u"85.9"_s << u"85.9"_s << u"85.9"_s << u"85.0"_s << u"良好"_s << kMagenta;
    QTest::newRow("100 three times")
        << u"100"_s << u"100"_s << u"100"_s << u"100.0"_s << u"优秀"_s << kBlue;
    // No cap.
    QTest::newRow("200 three times")
        << u"200"_s << u"200"_s << u"200"_s << u"200.0"_s << u"优秀"_s << kBlue;
    QTest::newRow("76 three times")
        << u"76"_s << u"76"_s << u"76"_s << u"76.0"_s << u"良好"_s << kMagenta;
    QTest::newRow("75 three times")
        << u"75"_s << u"75"_s << u"75"_s << u"75.0"_s << u"及格"_s << kGreen;
    QTest::newRow("59 three times")
        << u"59"_s << u"59"_s << u"59"_s << u"59.0"_s << u"不及格"_s << kRed;
    QTest::newRow("1 three times") << u"1"_s << u"1"_s << u"1"_s << u"1.0"_s << u"不及格"_s << kRed;
    QTest::newRow("86 three times")
        << u"86"_s << u"86"_s << u"86"_s << u"86.0"_s << u"优秀"_s << kBlue;
}

void TestGraduationWindow::scores()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    QFETCH(QString, score);
    QFETCH(QString, word);
    QFETCH(long, colour);

    enter(u"em_c1"_s, first);
    enter(u"em_c2"_s, second);
    enter(u"em_c3"_s, third);
    QVERIFY(m_window->findChild<QPushButton *>(u"cb_1"_s)->hasFocus());
    QCOMPARE(field(u"em_by_cj"_s)->text(), score);
    QCOMPARE(rating()->text(), word);
    QCOMPARE(textColour(rating()), ::colour(colour));
}

void TestGraduationWindow::enterComputesAtOnce()
{
    enter(u"em_c1"_s, u"80"_s);
    QVERIFY(field(u"em_c2"_s)->hasFocus());
    QCOMPARE(field(u"em_c1"_s)->text(), u"80.0"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"20.0"_s);
    QCOMPARE(rating()->text(), u"不及格"_s);
    QCOMPARE(textColour(rating()), colour(rt::colors::kRed));
}

void TestGraduationWindow::orderOfTheFieldsDoesNotMatter()
{
    enter(u"em_c3"_s, u"54.6"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"27.0"_s);
    enter(u"em_c1"_s, u"60.1"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"42.0"_s);
    enter(u"em_c2"_s, u"74.7"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"61.0"_s);
    QCOMPARE(rating()->text(), u"及格"_s);
    // For a look at the window: KELVARO_SCREENSHOT=/tmp/file.png
    if (const QString path = qEnvironmentVariable("KELVARO_SCREENSHOT"); !path.isEmpty())
        m_window->grab().save(path);
}

void TestGraduationWindow::unchangedFieldComputesNothing()
{
    enter(u"em_c1"_s, u"80"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"20.0"_s);
    // The user types over the result; nothing reacts to that.
    enter(u"em_by_cj"_s, u"99"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"99.0"_s);
    // Fields left without a change compute nothing.
    QTest::mouseClick(field(u"em_c1"_s), Qt::LeftButton);
    QTest::keyClick(field(u"em_c1"_s), Qt::Key_Tab);
    QTest::keyClick(field(u"em_c2"_s), Qt::Key_Tab);
    QVERIFY(field(u"em_c3"_s)->hasFocus());
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"99.0"_s);
    // The same value typed again is no change either.
    enter(u"em_c1"_s, u"80.0"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"99.0"_s);
    // A change recomputes from all three fields.
    enter(u"em_c3"_s, u"90"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"65.0"_s);
    QCOMPARE(rating()->text(), u"及格"_s);
}

void TestGraduationWindow::noRatingKeepsTheColour()
{
    enter(u"em_c3"_s, u"160"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"80.0"_s);
    QCOMPARE(rating()->text(), u"良好"_s);
    enter(u"em_c3"_s, u"0"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"0.0"_s);
    QCOMPARE(rating()->text(), QString());
    QCOMPARE(textColour(rating()), colour(rt::colors::kMagenta));
    // 0.9 three times weighs 0.9: no rating either.
    enter(u"em_c1"_s, u"0.9"_s);
    enter(u"em_c2"_s, u"0.9"_s);
    enter(u"em_c3"_s, u"0.9"_s);
    QCOMPARE(field(u"em_by_cj"_s)->text(), u"0.0"_s);
    QCOMPARE(rating()->text(), QString());
    QCOMPARE(textColour(rating()), colour(rt::colors::kMagenta));
    // The next rating sets its own colour.
    enter(u"em_c1"_s, u"80"_s);
    QCOMPARE(rating()->text(), u"不及格"_s);
    QCOMPARE(textColour(rating()), colour(rt::colors::kRed));
}

void TestGraduationWindow::closesOnlyThroughItsButton()
{
    // Neither a close request nor Esc closes the window.
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QTest::keyClick(field(u"em_c1"_s), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());

    QTest::mouseClick(m_window->findChild<QPushButton *>(u"cb_1"_s), Qt::LeftButton);
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
}

void TestGraduationWindow::altXCloses()
{
    QTest::keyClick(field(u"em_c1"_s), Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(!m_window->isVisible());
}

void TestGraduationWindow::openedByMenuAndStartPage_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("menu item 毕业成绩计算") << true;
    QTest::newRow("start-page picture 毕业成绩计算") << false;
}

void TestGraduationWindow::openedByMenuAndStartPage()
{
    QFETCH(bool, byMenu);
    delete m_window;
    app::registerAppWindows();
    // Every window that the start page and the menu open by class name.
    for (const QString &name : { u"w_xm_cz1"_s, u"w_xm_cz2"_s, u"w_xm_cz3"_s, u"w_jsq_cz1"_s,
             u"w_jsq_cz2"_s, u"w_jsq_cz3"_s, u"w_jsq_by"_s })
        QVERIFY2(rt::WindowRegistry::instance().contains(name), qPrintable(name));
    support::MessageBoxRecorder boxes;
    QPointer<shell::w_main1> frame = new shell::w_main1;
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));

    // Seen from inside the window's own run: modal, with the frame as its
    // parent; a value typed is scored, and "关闭(&X)" ends the run.
    QPointer<w_jsq_by> opened;
    bool wasModal = false;
    QString score;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, frame, [&] {
        auto *window = qobject_cast<w_jsq_by *>(QApplication::activeModalWidget());
        if (!window || !window->isActiveWindow())
            return;
        poll.stop();
        opened = window;
        wasModal = window->isModal() && window->parentWidget() == frame;
        auto *first = window->findChild<controls::my_maskedit *>(u"em_c1"_s);
        QTest::keyClicks(first, u"80"_s);
        QTest::keyClick(first, Qt::Key_Return);
        score = window->findChild<controls::my_maskedit *>(u"em_by_cj"_s)->text();
        QTest::mouseClick(window->findChild<QPushButton *>(u"cb_1"_s), Qt::LeftButton);
    });
    poll.start();
    if (byMenu) {
        auto *item = frame->findChild<QAction *>(u"m_毕业成绩"_s);
        QVERIFY(item);
        item->trigger();
        // The menu goes on only once the modal window has closed.
        QVERIFY(opened);
        QVERIFY(!opened->isVisible());
    } else {
        shell::StartPage *page = frame->startPage();
        const QPoint centre = page->objectRect(u"p_6"_s).center();
        QTest::mouseMove(page, centre);
        QTest::mouseClick(page, Qt::LeftButton, {}, centre);
    }
    QTRY_VERIFY(opened);
    QVERIFY(wasModal);
    QCOMPARE(score, u"20.0"_s);
    QTRY_VERIFY(opened.isNull() || !opened->isVisible());
    QVERIFY(boxes.boxes().empty());
    delete frame;
}

QTEST_MAIN(TestGraduationWindow)
#include "tst_graduation_window.moc"
