#include "ui/uo_toolbarutil.h"

#include "ui/FrameToolBar.h"
#include "ui/ToolbarGlobals.h"

namespace ui {

bool uo_toolbarutil::of_inittoolbar(QWidget *frame, int iconSize)
{
    if (!frame)
        return false;
    m_frame = frame;

    ui::FrameToolBar *found = nullptr;
    const auto toolbars = frame->findChildren<ui::FrameToolBar *>(Qt::FindDirectChildrenOnly);
    for (ui::FrameToolBar *toolbar : toolbars) {
        if (toolbar->windowClassName() == m_toolClassName) {
            found = toolbar;
            break;
        }
    }
    if (!found)
        return false;

    m_toolbar = found;
    if (iconSize > kDefaultIconSize)
        m_iconSize = iconSize;
    return true;
}

void uo_toolbarutil::of_settoolbarfont(
    const QString &fontName, int fontSize, const QString &extentText)
{
    if (ui::FrameToolBar *toolbar = m_toolbar.data())
        setToolbarFont(*toolbar, fontName, fontSize, extentText);
}

void uo_toolbarutil::of_toolbarshowtext(bool show)
{
    // Unbound (no toolbar found, or its frame has closed): nothing to show.
    ui::FrameToolBar *toolbar = m_toolbar.data();
    if (!toolbar)
        return;
    showToolbarText(*toolbar, show);
    // Keeps the application's switch in step, so that the toolbar settings
    // dialog opens with its box in the toolbar's state.
    ui::toolbarSwitches().text = show;
    if (show)
        of_displayseperator();
    else if (m_iconSize > kDefaultIconSize)
        of_adjusttoolbariconsize();
}

void uo_toolbarutil::of_displayseperator()
{
    if (ui::FrameToolBar *toolbar = m_toolbar.data())
        toolbar->showSeparators();
}

void uo_toolbarutil::of_adjusttoolbariconsize()
{
    if (m_iconSize <= kDefaultIconSize)
        return;
    if (ui::FrameToolBar *toolbar = m_toolbar.data())
        toolbar->layOutForIconSize(m_iconSize);
}

void uo_toolbarutil::setToolbarFont(
    ui::FrameToolBar &toolbar, const QString &fontName, int fontSize, const QString &extentText)
{
    toolbar.setButtonTextFont(fontName, fontSize, extentText);
}

void uo_toolbarutil::showToolbarText(ui::FrameToolBar &toolbar, bool show)
{
    toolbar.setTextShown(show);
}

} // namespace ui
