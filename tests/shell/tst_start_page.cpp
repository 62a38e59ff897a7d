#include "runtime/LayoutUnits.h"
#include "shell/startpage/StartPageDefinition.h"
#include "shell/w_main1.h"
#include "support/MessageBoxRecorder.h"
#include "support/RecordingWindows.h"

#include <QTest>

using support::modalWindowClasses;
using support::OpenLog;
using support::registerRecordingDialog;
using support::whyNotOpenedModallyOver;

using namespace Qt::StringLiterals;
using shell::startpage::kBorderLowered;
using shell::startpage::kBorderNone;
using shell::startpage::kBorderRaised;
using shell::startpage::kPageHeight;
using shell::startpage::kPageWidth;

// The start page inside a real frame: hover and click by object position.
class TestStartPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void drawsTheDefinedObjects();
    void hoverRaisesPictureUnderPointer_data();
    void hoverRaisesPictureUnderPointer();
    void movingStraightOntoAnotherPicture();
    void hiddenObjectsTakeNoPart_data();
    void hiddenObjectsTakeNoPart();
    void clickOpensWindowModally_data();
    void clickOpensWindowModally();
    void clickAgainOpensAgain();
    void clickOnUnregisteredClassShowsMessage();
    void clickOffRaisedPictureDoesNothing_data();
    void clickOffRaisedPictureDoesNothing();
    void tagsOfPageObjects_data();
    void tagsOfPageObjects();

private:
    QPoint centreOf(const QString &name) const;
    void moveTo(const QString &name);

    QPointer<shell::w_main1> m_frame;
    shell::StartPage *m_page = nullptr;
};

void TestStartPage::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestStartPage::init()
{
    OpenLog::records().clear();
    for (const QString &name : modalWindowClasses())
        registerRecordingDialog(name);
    m_frame = new shell::w_main1;
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    m_page = m_frame->startPage();
    QVERIFY(m_page->isVisible());
    // Start from empty page area, nothing raised.
    QTest::mouseMove(m_page, QPoint(2, 2));
    QCOMPARE(m_frame->focusPicture(), QString());
}

void TestStartPage::cleanup()
{
    delete m_frame;
    for (const QString &name : modalWindowClasses())
        rt::WindowRegistry::instance().unregisterClass(name);
}

QPoint TestStartPage::centreOf(const QString &name) const
{
    const QRect rect = m_page->objectRect(name);
    Q_ASSERT(!rect.isEmpty());
    return rect.center();
}

void TestStartPage::moveTo(const QString &name)
{
    QTest::mouseMove(m_page, centreOf(name));
}

void TestStartPage::drawsTheDefinedObjects()
{
    QCOMPARE(m_page->objectName(), u"dw_main"_s);
    QCOMPARE(m_page->size(), rt::units::toPixels(QSize(kPageWidth, kPageHeight)));
    // Pictures are 411 x 392 units, about 91 x 98 pixels.
    QCOMPARE(m_page->objectRect(u"p_1"_s), rt::units::rect(238, 60, 411, 392));
    QCOMPARE(m_page->objectRect(u"p_18"_s), rt::units::rect(2807, 728, 137, 324));

    const QImage image = m_page->grab().toImage();
    // Inside p_8 the picture is drawn (the screen's blue), and an arrow's
    // green fills the middle of p_7.
    const QPoint arrowCentre = centreOf(u"p_7"_s);
    const QColor arrowColour = image.pixelColor(arrowCentre * image.devicePixelRatio());
    QCOMPARE(arrowColour, QColor(0, 255, 128));
    const QRect computer = m_page->objectRect(u"p_8"_s);
    const QColor screen = image.pixelColor(
        (computer.topLeft() + QPoint(computer.width() / 5, computer.height() / 5))
        * image.devicePixelRatio());
    QVERIFY2(screen.blue() > 120 && screen.red() < 120, qPrintable(screen.name()));
}

void TestStartPage::hoverRaisesPictureUnderPointer_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("raised");

    for (const QString &picture :
        { u"p_1"_s, u"p_8"_s, u"p_10"_s, u"p_6"_s, u"p_11"_s, u"p_12"_s, u"p_13"_s })
        QTest::newRow(qPrintable(picture)) << picture << picture;
    // Captions, the title and the arrows are never raised.
    QTest::newRow("caption") << u"t_5"_s << QString();
    QTest::newRow("title") << u"t_12"_s << QString();
    QTest::newRow("arrow right") << u"p_7"_s << QString();
    QTest::newRow("arrow down") << u"p_18"_s << QString();
}

void TestStartPage::hoverRaisesPictureUnderPointer()
{
    QFETCH(QString, object);
    QFETCH(QString, raised);

    moveTo(object);
    QCOMPARE(m_page->objectAt(centreOf(object)), object);
    QCOMPARE(m_frame->focusPicture(), raised);
    QCOMPARE(m_page->border(object), raised.isEmpty() ? kBorderNone : kBorderRaised);

    // Moving within the object changes nothing.
    QTest::mouseMove(m_page, centreOf(object) + QPoint(3, 2));
    QCOMPARE(m_frame->focusPicture(), raised);

    // Empty page area lowers it again.
    QTest::mouseMove(m_page, QPoint(2, 2));
    QCOMPARE(m_frame->focusPicture(), QString());
    QCOMPARE(m_page->border(object), kBorderNone);
}

void TestStartPage::movingStraightOntoAnotherPicture()
{
    moveTo(u"p_1"_s);
    QCOMPARE(m_page->border(u"p_1"_s), kBorderRaised);
    moveTo(u"p_8"_s);
    QCOMPARE(m_page->border(u"p_1"_s), kBorderNone);
    QCOMPARE(m_page->border(u"p_8"_s), kBorderRaised);
    QCOMPARE(m_frame->focusPicture(), u"p_8"_s);

    // From a picture onto its caption: lowered, nothing raised.
    moveTo(u"t_5"_s);
    QCOMPARE(m_page->border(u"p_8"_s), kBorderNone);
    QCOMPARE(m_frame->focusPicture(), QString());
}

void TestStartPage::hiddenObjectsTakeNoPart_data()
{
    QTest::addColumn<QString>("hidden");
    QTest::newRow("p_14 (upper right)") << u"p_14"_s;
    QTest::newRow("p_9 (exe tag)") << u"p_9"_s;
    QTest::newRow("p_3 (exe tag)") << u"p_3"_s;
    QTest::newRow("p_4") << u"p_4"_s;
    QTest::newRow("t_11") << u"t_11"_s;
}

void TestStartPage::hiddenObjectsTakeNoPart()
{
    QFETCH(QString, hidden);
    support::MessageBoxRecorder boxes;

    // The hidden object's tag is there, but its area is empty page area.
    const QPoint centre = centreOf(hidden);
    QCOMPARE(m_page->objectAt(centre), QString());
    QTest::mouseMove(m_page, centre);
    QCOMPARE(m_frame->focusPicture(), QString());
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centre);
    QCOMPARE(m_page->border(hidden), kBorderNone);
    QVERIFY(boxes.boxes().empty());
    QVERIFY(OpenLog::records().empty());
}

void TestStartPage::clickOpensWindowModally_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("className");
    QTest::newRow("初一项目设置") << u"p_1"_s << u"w_xm_cz1"_s;
    QTest::newRow("初一成绩计算") << u"p_8"_s << u"w_jsq_cz1"_s;
    QTest::newRow("初二项目设置") << u"p_10"_s << u"w_xm_cz2"_s;
    QTest::newRow("毕业成绩计算") << u"p_6"_s << u"w_jsq_by"_s;
    QTest::newRow("初二成绩计算") << u"p_11"_s << u"w_jsq_cz2"_s;
    QTest::newRow("初三项目设置") << u"p_12"_s << u"w_xm_cz3"_s;
    QTest::newRow("初三成绩计算") << u"p_13"_s << u"w_jsq_cz3"_s;
}

void TestStartPage::clickOpensWindowModally()
{
    QFETCH(QString, picture);
    QFETCH(QString, className);
    support::MessageBoxRecorder boxes;

    moveTo(picture);
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centreOf(picture));

    // The click returns only after the modal window has closed.
    const QString mismatch = whyNotOpenedModallyOver(className, m_frame);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QVERIFY(boxes.boxes().empty());

    // Still pressed and still recorded after the window has closed.
    QCOMPARE(m_page->border(picture), kBorderLowered);
    QCOMPARE(m_frame->focusPicture(), picture);
    QTest::mouseMove(m_page, centreOf(picture) + QPoint(2, 1));
    QCOMPARE(m_page->border(picture), kBorderLowered);
    QTest::mouseMove(m_page, QPoint(2, 2));
    QCOMPARE(m_page->border(picture), kBorderNone);
}

void TestStartPage::clickAgainOpensAgain()
{
    moveTo(u"p_6"_s);
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centreOf(u"p_6"_s));
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centreOf(u"p_6"_s) + QPoint(1, 1));
    QCOMPARE(OpenLog::records().size(), size_t(2));
    QCOMPARE(OpenLog::records().back().className, u"w_jsq_by"_s);
}

void TestStartPage::clickOnUnregisteredClassShowsMessage()
{
    rt::WindowRegistry::instance().unregisterClass(u"w_jsq_cz2"_s);
    support::MessageBoxRecorder boxes;

    moveTo(u"p_11"_s);
    QCOMPARE(m_page->border(u"p_11"_s), kBorderRaised);
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centreOf(u"p_11"_s));

    QCOMPARE(boxes.boxes().size(), size_t(1));
    const auto &box = boxes.boxes().front();
    QCOMPARE(box.title, u"TavrinKelvaro（初中） "_s);
    QCOMPARE(box.text, u"对不起, 您指定起动的窗口不存在, 请与系统管理员联系修改"_s);
    QCOMPARE(box.icon, rt::MessageBoxService::Icon::StopSign);
    QVERIFY(OpenLog::records().empty());
    QCOMPARE(m_page->border(u"p_11"_s), kBorderLowered);
}

void TestStartPage::clickOffRaisedPictureDoesNothing_data()
{
    QTest::addColumn<QString>("object");
    QTest::newRow("caption") << u"t_1"_s;
    QTest::newRow("title") << u"t_12"_s;
    QTest::newRow("arrow") << u"p_16"_s;
}

void TestStartPage::clickOffRaisedPictureDoesNothing()
{
    QFETCH(QString, object);
    support::MessageBoxRecorder boxes;

    moveTo(u"p_1"_s);
    // A click whose object is not the raised picture does nothing, not
    // even lower the picture.
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centreOf(object));
    QCOMPARE(m_page->border(u"p_1"_s), kBorderRaised);
    QCOMPARE(m_page->border(object), kBorderNone);

    // Moved there first, the picture is lowered and the click still does nothing.
    moveTo(object);
    QTest::mouseClick(m_page, Qt::LeftButton, {}, centreOf(object));
    QTest::mouseMove(m_page, QPoint(2, 2));
    QTest::mouseClick(m_page, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(OpenLog::records().empty());
    QVERIFY(boxes.boxes().empty());
    QCOMPARE(m_page->border(object), kBorderNone);
    QCOMPARE(m_page->border(u"p_1"_s), kBorderNone);
}

void TestStartPage::tagsOfPageObjects_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");
    QTest::newRow("p_1 run") << u"p_1"_s << u"Run"_s << QString() << u"w_xm_cz1"_s;
    QTest::newRow("upper-case name") << u"P_13"_s << u"run"_s << QString() << u"w_jsq_cz3"_s;
    QTest::newRow("hidden exe picture") << u"p_9"_s << u"OpenType"_s << u"Window"_s << u"Exe"_s;
    QTest::newRow("hidden command line")
        << u"p_3"_s << u"Run"_s << QString() << u"NotePad.exe ReadMe.txt"_s;
    QTest::newRow("hidden open sheet") << u"p_4"_s << u"OpenSheet"_s << u"True"_s << u"False"_s;
    QTest::newRow("arrow has no tag") << u"p_7"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("caption has no tag") << u"t_1"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("no such object") << u"p_99"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
}

void TestStartPage::tagsOfPageObjects()
{
    QFETCH(QString, object);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);
    QCOMPARE(m_frame->of_gettagstring(object, key, defaultValue), expected);
}

QTEST_MAIN(TestStartPage)
#include "tst_start_page.moc"
