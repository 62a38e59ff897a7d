#include "shell/w_flash.h"

#include "runtime/LayoutUnits.h"
#include "runtime/StockImages.h"
#include "runtime/WindowStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// The picture forwards its clicks to the window that it belongs to.
class ClickablePicture : public QLabel
{
    Q_OBJECT

public:
    ClickablePicture(QWidget *parent, std::function<void()> onClick)
        : QLabel(parent)
        , m_onClick(std::move(onClick))
    { }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};
} // namespace

w_flash::w_flash(std::function<void()> openNext, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_openNext(std::move(openNext))
{
    setObjectName(QStringLiteral("w_flash"));
    setWindowIcon(rt::stock::icon(QStringLiteral("AppIcon!")));
    setModal(true);
    const QSize size = rt::units::toPixels(QSize(1861, 1076));
    setFixedSize(size);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(pal);

    m_picture = new ClickablePicture(this, [this] { handOver(); });
    m_picture->setObjectName(QStringLiteral("p_1"));
    m_picture->setGeometry(QRect(QPoint(0, 0), size));
    m_picture->setPixmap(QPixmap(QStringLiteral(":/shell/splash.jpg")));
    m_picture->setScaledContents(true);
    m_picture->setFocusPolicy(Qt::NoFocus);

    rt::style::centerOnScreen(this);

    m_timer.setInterval(kTimerPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &w_flash::handOver);
    m_timer.start();
}

void w_flash::handOver()
{
    // The start window opens before the splash closes: the program ends
    // when its last window has closed. Only the first tick or click counts.
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_timer.stop();
    if (m_openNext)
        m_openNext();
    accept();
}

void w_flash::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        handOver();
}

void w_flash::keyPressEvent(QKeyEvent *event)
{
    // No title bar, no close box: Esc does not dismiss the splash early.
    event->accept();
}

void w_flash::reject()
{
    // The splash closes only by handing over to the start window.
}

#include "w_flash.moc"
