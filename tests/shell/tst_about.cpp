#include "runtime/LayoutUnits.h"
#include "shell/w_about.h"
#include "support/ControlLookup.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using support::control;

// The about box closes only through its button.
class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void layout();
    void escapeDoesNotClose();
    void closeRequestDoesNotClose();
    void closesThroughButton_data();
    void closesThroughButton();
    void modalRunEndsWithButton();

private:
    shell::w_about *m_box = nullptr;
};

void TestAbout::init()
{
    m_box = new shell::w_about;
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    m_box->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_box));
}

void TestAbout::cleanup()
{
    delete m_box;
    m_box = nullptr;
}

void TestAbout::layout()
{
    QVERIFY(m_box->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_box->size(), rt::units::toPixels(QSize(2181, 820)));
    auto *button = control<QPushButton>(m_box, u"cb_1"_s);
    QCOMPARE(button->text(), u"关闭(&X)"_s);
    QCOMPARE(QApplication::focusWidget(), button);

    // The button is the only control that takes the focus.
    const auto children = m_box->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child != button)
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }
    for (const QString &name :
        { u"st_1"_s, u"st_3"_s, u"st_5"_s, u"st_4"_s, u"st_2"_s, u"st_10"_s, u"shl_1"_s })
        QVERIFY(!control<QLabel>(m_box, name)->text().isEmpty());
    QCOMPARE(control<QLabel>(m_box, u"st_10"_s)->text(), u"软件升级："_s);
    // The contact data are fictitious.
    QVERIFY(control<QLabel>(m_box, u"shl_1"_s)->text().contains(u"https://example.com/"_s));
    QVERIFY(control<QLabel>(m_box, u"st_2"_s)->text().contains(u"@example.com"_s));
}

void TestAbout::escapeDoesNotClose()
{
    QTest::keyClick(m_box, Qt::Key_Escape);
    QTest::qWait(20);
    QVERIFY(m_box->isVisible());
}

void TestAbout::closeRequestDoesNotClose()
{
    QVERIFY(!m_box->close());
    QVERIFY(m_box->isVisible());
}

void TestAbout::closesThroughButton_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << u"click"_s;
    QTest::newRow("Alt+X") << u"alt-x"_s;
    QTest::newRow("Space") << u"space"_s;
}

void TestAbout::closesThroughButton()
{
    QFETCH(QString, how);
    auto *button = control<QPushButton>(m_box, u"cb_1"_s);
    if (how == u"click")
        QTest::mouseClick(button, Qt::LeftButton);
    else if (how == u"alt-x")
        QTest::keyClick(m_box, Qt::Key_X, Qt::AltModifier);
    else
        QTest::keyClick(button, Qt::Key_Space);
    QTRY_VERIFY(!m_box->isVisible());
    QCOMPARE(m_box->result(), int(QDialog::Accepted));
}

void TestAbout::modalRunEndsWithButton()
{
    m_box->hide();
    bool escapeIgnored = false;
    QTimer::singleShot(0, m_box, [this, &escapeIgnored] {
        QTest::keyClick(m_box, Qt::Key_Escape);
        escapeIgnored = m_box->isVisible();
        QTest::keyClick(control<QPushButton>(m_box, u"cb_1"_s), Qt::Key_Space);
    });
    m_box->exec();
    QVERIFY(escapeIgnored);
    QVERIFY(!m_box->isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
