#include "ui/ToolbarPlacement.h"

#include <QMainWindow>
#include <QToolBar>

namespace ui {

namespace {
// Shown unless the program hid it. Before the frame is first shown its
// children are not visible yet, so visibility alone would not tell.
bool shownByProgram(const QToolBar &bar)
{
    return !(bar.isHidden() && bar.testAttribute(Qt::WA_WState_ExplicitShowHide));
}

Qt::ToolBarArea dockArea(ToolbarPosition position)
{
    switch (position) {
    case ToolbarPosition::Left:
        return Qt::LeftToolBarArea;
    case ToolbarPosition::Right:
        return Qt::RightToolBarArea;
    case ToolbarPosition::Bottom:
        return Qt::BottomToolBarArea;
    case ToolbarPosition::Top:
    case ToolbarPosition::Floating:
        break;
    }
    return Qt::TopToolBarArea;
}
} // namespace

QToolBar *frameToolbar(const QMainWindow *frame)
{
    if (!frame)
        return nullptr;
    return frame->findChild<QToolBar *>(QString(), Qt::FindDirectChildrenOnly);
}

int toolbarAlignment(const QMainWindow &frame)
{
    QToolBar *bar = frameToolbar(&frame);
    if (!bar)
        return -1;
    if (bar->isFloating())
        return static_cast<int>(ToolbarPosition::Floating);
    switch (frame.toolBarArea(bar)) {
    case Qt::LeftToolBarArea:
        return static_cast<int>(ToolbarPosition::Left);
    case Qt::RightToolBarArea:
        return static_cast<int>(ToolbarPosition::Right);
    case Qt::BottomToolBarArea:
        return static_cast<int>(ToolbarPosition::Bottom);
    default:
        break;
    }
    return static_cast<int>(ToolbarPosition::Top);
}

void setToolbarAlignment(QMainWindow &frame, int code)
{
    QToolBar *bar = frameToolbar(&frame);
    if (!bar || code < 0 || code > 4)
        return;
    const auto position = static_cast<ToolbarPosition>(code);
    const bool shown = shownByProgram(*bar);

    if (position == ToolbarPosition::Floating) {
        if (bar->isFloating())
            return;
        // A toolbar that is a window of its own is left out of the frame's
        // toolbar areas (QMainWindow lays out only docked toolbars), which
        // is how QToolBar floats itself when dragged out. It stays in its
        // last area, to which docking it again returns it.
        const QPoint at
            = bar->isVisible() ? bar->mapToGlobal(QPoint(0, 0)) : frame.mapToGlobal(QPoint(40, 40));
        bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        bar->adjustSize();
        bar->move(at);
        bar->setVisible(shown);
        return;
    }

    if (bar->isFloating())
        bar->setWindowFlags(Qt::Widget);
    frame.addToolBar(dockArea(position), bar);
    bar->setVisible(shown);
}

bool toolbarVisible(const QMainWindow &frame)
{
    QToolBar *bar = frameToolbar(&frame);
    return bar && shownByProgram(*bar);
}

void setToolbarVisible(QMainWindow &frame, bool visible)
{
    if (QToolBar *bar = frameToolbar(&frame))
        bar->setVisible(visible);
}

} // namespace ui
