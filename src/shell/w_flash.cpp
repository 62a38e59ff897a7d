#include "shell/w_flash.h"

#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"

#include <QKeyEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace shell {

namespace {

// No frame: the declared size is the client area, all of it the splash
// picture, whose clicks come to the window.
rt::WindowDecl flashWindow()
{
    return { .name = u"w_flash"_s,
        .icon = u"AppIcon!"_s,
        .flags = Qt::Dialog | Qt::FramelessWindowHint,
        .modal = true,
        .size = QSize(1861, 1076),
        .sizeIs = rt::WindowDecl::Size::Client,
        .backColor = rt::colors::kBlue,
        .placement = rt::WindowDecl::Placement::Centred };
}

rt::ControlTable flashControls()
{
    return { rt::picture(u"p_1"_s, u":/shell/splash.jpg"_s, QRect(0, 0, 1861, 1076)) };
}

} // namespace

w_flash::w_flash(std::function<void()> openNext, QWidget *parent)
    : QDialog(parent)
    , m_openNext(std::move(openNext))
{
    rt::setUpWindow(this, flashWindow());
    const rt::ControlBuilder controls(this, flashControls());

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

} // namespace shell
