#include "ui/uo_toolbarutil.h"

#include "ui/FrameToolBar.h"
#include "ui/ToolbarGlobals.h"

bool uo_toolbarutil::of_inittoolbar(QWidget *aw_frame, int ai_size)
{
    if (!aw_frame)
        return false;
    il_hframe = aw_frame;

    ui::FrameToolBar *found = nullptr;
    const auto toolbars = aw_frame->findChildren<ui::FrameToolBar *>(Qt::FindDirectChildrenOnly);
    for (ui::FrameToolBar *toolbar : toolbars) {
        if (toolbar->windowClassName() == is_toolclassname) {
            found = toolbar;
            break;
        }
    }
    if (!found)
        return false;

    il_ptoolbar = found;
    if (ai_size > kDefaultIconSize)
        ii_iconsize = ai_size;
    return true;
}

void uo_toolbarutil::of_settoolbarfont(
    const QString &as_fontname, int ai_fontsize, const QString &as_extent)
{
    if (ui::FrameToolBar *toolbar = il_ptoolbar.data())
        fn_toolbarsetfont(*toolbar, as_fontname, ai_fontsize, as_extent);
}

void uo_toolbarutil::of_toolbarshowtext(bool ib_show)
{
    // Unbound (no toolbar found, or its frame has closed): nothing to show.
    ui::FrameToolBar *toolbar = il_ptoolbar.data();
    if (!toolbar)
        return;
    fn_toolbarshowtext(*toolbar, ib_show);
    // Keeps the application's switch in step, so that the toolbar settings
    // dialog opens with its box in the toolbar's state.
    ui::toolbarSwitches().text = ib_show;
    if (ib_show)
        of_displayseperator();
    else if (ii_iconsize > kDefaultIconSize)
        of_adjusttoolbariconsize();
}

void uo_toolbarutil::of_displayseperator()
{
    if (ui::FrameToolBar *toolbar = il_ptoolbar.data())
        toolbar->showSeparators();
}

void uo_toolbarutil::of_adjusttoolbariconsize()
{
    if (ii_iconsize <= kDefaultIconSize)
        return;
    if (ui::FrameToolBar *toolbar = il_ptoolbar.data())
        toolbar->layOutForIconSize(ii_iconsize);
}

void uo_toolbarutil::fn_toolbarsetfont(
    ui::FrameToolBar &toolbar, const QString &fontname, int fontsize, const QString &extent)
{
    toolbar.setButtonTextFont(fontname, fontsize, extent);
}

void uo_toolbarutil::fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show)
{
    toolbar.setTextShown(show);
}
