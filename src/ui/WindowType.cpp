#include "ui/WindowType.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>

namespace ui {

WindowType windowType(const QWidget *window)
{
    const auto *frame = qobject_cast<const QMainWindow *>(window);
    if (!frame || !qobject_cast<QMdiArea *>(frame->centralWidget()))
        return WindowType::Other;
    // QMainWindow::statusBar() would make a status bar; look for one instead.
    if (frame->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly))
        return WindowType::MdiFrameWithHelp;
    return WindowType::MdiFrame;
}

} // namespace ui
