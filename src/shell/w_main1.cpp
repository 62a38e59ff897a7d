#include "shell/w_main1.h"

#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/LayoutUnits.h"
#include "runtime/MessageBoxService.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"
#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"
#include "shell/Application.h"
#include "shell/menu/m_main.h"
#include "ui/FrameToolBar.h"
#include "ui/uo_microbarutil.h"

#include <QEvent>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace shell {

namespace {
QPointer<w_main1> &currentFrame()
{
    static QPointer<w_main1> frame;
    return frame;
}

constexpr int kStartPageMinY = 220;

// The restored size, centred on the screen; the frame opens maximized.
rt::WindowDecl frameWindow()
{
    return { .name = u"w_main1"_s,
        .title = w_main1::frameTitle(),
        .icon = u"AppIcon!"_s,
        .size = QSize(4018, 2692),
        .sizeIs = rt::WindowDecl::Size::Client,
        .fixedSize = false,
        .placement = rt::WindowDecl::Placement::Centred };
}

// The background picture of the client area, shown only while no start
// page is there.
rt::ControlTable frameControls()
{
    return { rt::picture(
        u"p_2"_s, u":/shell/main.png"_s, QRect(192, 48, 549, 436), { .visible = false }) };
}
} // namespace

w_main1::w_main1(QWidget *parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    rt::setUpWindow(this, frameWindow());
    setCursor(rt::stock::pointer(u"Arrow!"_s));

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(u"mdi_1"_s);
    // The start page draws no background of its own: the frame's pale
    // background shows behind its pictures and captions.
    m_mdiArea->setBackground(rt::colors::fromCode(rt::colors::kIvory));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(m_mdiArea);

    m_startPage = new shell::StartPage(this, m_mdiArea->viewport());
    // The page's place counts from the frame, but it lives in the client
    // area's viewport: whenever the toolbar or the status bar changes, the
    // viewport moves or changes size without the frame being resized.
    m_mdiArea->installEventFilter(this);
    m_mdiArea->viewport()->installEventFilter(this);

    const rt::ControlBuilder background(m_mdiArea->viewport(), frameControls());
    m_background = background.get<QLabel>(u"p_2"_s);

    m_toolBar = new ui::FrameToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    new m_main(this);

    statusBar()->showMessage(shell::Application::microhelpDefault());
    currentFrame() = this;
}

w_main1::~w_main1()
{
    if (currentFrame() == this)
        currentFrame() = nullptr;
}

w_main1 *w_main1::current()
{
    return currentFrame();
}

QString w_main1::frameTitle()
{
    return u"TavrinKelvaro（初中） "_s;
}

int w_main1::widthUnits() const
{
    return rt::units::fromPixelsX(frameGeometry().width());
}

int w_main1::heightUnits() const
{
    return rt::units::fromPixelsY(frameGeometry().height());
}

QPoint w_main1::centredStartPagePosition(
    int frameWidth, int frameHeight, int pageWidth, int pageHeight)
{
    int x = static_cast<int>(std::floor((frameWidth - pageWidth) / 2.0));
    int y = static_cast<int>(std::floor((frameHeight - pageHeight) / 2.0));
    x = std::max(x, 0);
    y = std::max(y, kStartPageMinY);
    return { x, y };
}

void w_main1::placeStartPage()
{
    const QPoint units = centredStartPagePosition(
        widthUnits(), heightUnits(), shell::startpage::kPageWidth, shell::startpage::kPageHeight);
    // Positions count from the top of the frame's client area (below the
    // menu bar); the page lives in the client area's viewport.
    const QPoint origin = m_mdiArea->viewport()->mapFrom(this, QPoint(0, menuBar()->height()));
    QPoint pixels = origin + rt::units::toPixels(units);
    pixels.setY(std::max(pixels.y(), 0));
    m_startPage->move(pixels);
}

void w_main1::openWindowClass(const QString &className)
{
    if (!rt::WindowRegistry::instance().contains(className)) {
        showMissingWindow();
        return;
    }
    rt::windows::openModalByName(className, this);
}

void w_main1::showMissingWindow()
{
    rt::MessageBoxService::show(this, frameTitle(),
        u"对不起, 您指定起动的窗口不存在, 请与系统管理员联系修改"_s,
        rt::MessageBoxService::Icon::StopSign);
}

QString w_main1::of_gettagstring(
    const QString &name, const QString &key, const QString &defaultValue) const
{
    return m_startPage->of_gettagstring(name, key, defaultValue);
}

void w_main1::open()
{
    shell::Application::instance().button_flag = true;
    ui::uo_microbarutil().of_initmicrobar(this);
}

void w_main1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        open();
    }
    placeStartPage();
}

void w_main1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeStartPage();
}

void w_main1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager adds its frame after the window is shown: the
    // outer size, and with it the page's place, changes without a resize.
    placeStartPage();
}

bool w_main1::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_mdiArea || watched == m_mdiArea->viewport())
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        placeStartPage();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace shell
