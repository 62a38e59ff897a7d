#include "shell/startpage/StartPage.h"

#include "runtime/LayoutUnits.h"
#include "runtime/MessageBoxService.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"
#include "runtime/Windows.h"
#include "shell/startpage/StartPageTag.h"
#include "shell/w_main1.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

// Resources of a static library must be registered explicitly, from the
// global namespace; this also brings in the frame's background picture,
// which the frame loads after making its start page.
static void initStartPageResources()
{
    Q_INIT_RESOURCE(startpage);
}

namespace shell {

namespace {

const QString &bitmapType()
{
    static const QString type = u"bitmap"_s;
    return type;
}

// The tag key that names what a picture opens.
const QString &runKey()
{
    static const QString key = u"Run"_s;
    return key;
}

// A two-pixel 3D edge around `rect`: raised (light top-left) or lowered.
void drawEdge(QPainter &painter, const QRect &rect, bool raised)
{
    const QColor light(255, 255, 255);
    const QColor mid(160, 160, 160);
    const QColor dark(64, 64, 64);
    const QRect outer = rect.adjusted(-2, -2, 1, 1);
    const QRect inner = rect.adjusted(-1, -1, 0, 0);
    const QColor outerTopLeft = raised ? light : mid;
    const QColor outerBottomRight = raised ? dark : light;
    const QColor innerTopLeft = raised ? QColor(230, 230, 230) : dark;
    const QColor innerBottomRight = raised ? mid : QColor(230, 230, 230);
    auto edge = [&painter](const QRect &box, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    edge(outer, outerTopLeft, outerBottomRight);
    edge(inner, innerTopLeft, innerBottomRight);
}

} // namespace

StartPage::StartPage(w_main1 *frame, QWidget *parent)
    : QWidget(parent)
    , m_frame(frame)
{
    initStartPageResources();
    setObjectName(u"dw_main"_s);
    setMouseTracking(true);
    // No background of its own: the frame's colour shows behind the objects.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    resize(rt::units::toPixels(QSize(shell::startpage::kPageWidth, shell::startpage::kPageHeight)));

    for (const rt::ControlDecl &object : shell::startpage::d_start()) {
        Item item;
        item.object = object;
        item.rect = rt::units::toPixels(object.rect);
        if (!object.picture.isEmpty())
            item.pixmap = QPixmap(object.picture);
        m_items.push_back(std::move(item));
    }
}

const StartPage::Item *StartPage::find(const QString &name) const
{
    for (const Item &item : m_items) {
        if (item.object.name.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    }
    return nullptr;
}

StartPage::Item *StartPage::find(const QString &name)
{
    return const_cast<Item *>(std::as_const(*this).find(name));
}

QString StartPage::objectAt(const QPoint &pos) const
{
    // The topmost object wins: later objects are drawn above earlier ones.
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (it->object.visible && it->rect.contains(pos))
            return it->object.name.toLower();
    }
    return {};
}

QRect StartPage::objectRect(const QString &name) const
{
    const Item *item = find(name);
    return item ? item->rect : QRect();
}

QString StartPage::objectTag(const QString &name) const
{
    const Item *item = find(name);
    if (!item)
        return QString(shell::startpage::kNoObject);
    if (!item->object.tag)
        return QString(shell::startpage::kNoTag);
    return *item->object.tag;
}

QString StartPage::objectType(const QString &name) const
{
    const Item *item = find(name);
    if (!item)
        return QString(shell::startpage::kNoObject);
    return item->object.kind == rt::ControlKind::Picture ? bitmapType() : u"text"_s;
}

int StartPage::border(const QString &name) const
{
    const Item *item = find(name);
    return item ? item->border : -1;
}

bool StartPage::setBorder(const QString &name, int code)
{
    Item *item = find(name);
    if (!item)
        return false;
    if (code != shell::startpage::kBorderNone && code != shell::startpage::kBorderLowered
        && code != shell::startpage::kBorderRaised)
        return false;
    if (item->border != code) {
        item->border = code;
        update(item->rect.adjusted(-3, -3, 3, 3));
    }
    return true;
}

QString StartPage::of_gettagstring(
    const QString &name, const QString &key, const QString &defaultValue) const
{
    return shell::startpage::tagValue(objectTag(name), key, defaultValue);
}

void StartPage::hover(const QPoint &pos)
{
    const QString name = objectAt(pos);
    const QString focus = m_frame->focusPicture();
    if (name == focus)
        return;
    if (!focus.isEmpty()) {
        setBorder(focus, shell::startpage::kBorderNone);
        m_frame->setFocusPicture(QString());
    }
    if (objectType(name) != bitmapType())
        return;
    if (of_gettagstring(name, runKey(), QString()).isEmpty())
        return;
    if (setBorder(name, shell::startpage::kBorderRaised))
        m_frame->setFocusPicture(name);
}

void StartPage::ue_run()
{
    const QString name = objectAt(m_lastPointer);
    if (name.isEmpty() || name != m_frame->focusPicture())
        return;
    setBorder(name, shell::startpage::kBorderLowered);

    const QString run = shell::startpage::trimBlanks(of_gettagstring(name, runKey(), QString()));
    if (run.isEmpty()) {
        rt::MessageBoxService::show(m_frame, w_main1::frameTitle(),
            u"此项功能尚未设置, 请与系统管理员联系修改"_s, rt::MessageBoxService::Icon::StopSign);
        return;
    }
    // OpenSheet is read as the tag allows, but every window opens modally.
    const QString openSheet = of_gettagstring(name, u"OpenSheet"_s, u"True"_s).toUpper();
    Q_UNUSED(openSheet);
    const QString openType = of_gettagstring(name, u"OpenType"_s, u"Window"_s).toUpper();

    if (openType == u"EXE") {
        rt::startCommandLine(run);
        return;
    }
    if (openType == u"WINDOW")
        m_frame->openWindowClass(run);
}

void StartPage::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Item &item : m_items) {
        if (!item.object.visible)
            continue;
        if (item.object.kind == rt::ControlKind::Picture) {
            if (!item.pixmap.isNull())
                painter.drawPixmap(item.rect, item.pixmap);
            if (item.border == shell::startpage::kBorderRaised)
                drawEdge(painter, item.rect, true);
            else if (item.border == shell::startpage::kBorderLowered)
                drawEdge(painter, item.rect, false);
        } else {
            painter.setFont(rt::style::toQFont(item.object.font));
            painter.setPen(rt::colors::fromCode(item.object.textColor));
            painter.drawText(
                item.rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, item.object.text);
        }
    }
}

void StartPage::mouseMoveEvent(QMouseEvent *event)
{
    m_lastPointer = event->position().toPoint();
    hover(m_lastPointer);
    const Item *item = find(objectAt(m_lastPointer));
    if (item && !item->object.pointer.isEmpty())
        setCursor(rt::stock::pointer(item->object.pointer));
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void StartPage::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_lastPointer = event->position().toPoint();
    ue_run();
}

} // namespace shell
