#include "ui/ToolbarUtilVariants.h"

#include "ui/FrameToolBar.h"
#include "ui/HostEnvironment.h"

uo_toolbarutil6::uo_toolbarutil6()
    : uo_toolbarutil(QStringLiteral("FNFIXEDBAR60"))
{
}

void uo_toolbarutil6::fn_toolbarsetfont(ui::FrameToolBar &toolbar, const QString &fontname,
                                        int fontsize, const QString &extent)
{
    toolbar.setButtonTextFont(fontname, fontsize, extent);
}

void uo_toolbarutil6::fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show)
{
    toolbar.setTextShown(show);
}

uo_toolbarutil7::uo_toolbarutil7()
    : uo_toolbarutil(QStringLiteral("FNFIXEDBAR70"))
{
}

void uo_toolbarutil7::fn_toolbarsetfont(ui::FrameToolBar &toolbar, const QString &fontname,
                                        int fontsize, const QString &extent)
{
    toolbar.setButtonTextFont(fontname, fontsize, extent);
}

void uo_toolbarutil7::fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show)
{
    toolbar.setTextShown(show);
}

uo_toolbarutil8::uo_toolbarutil8()
    : uo_toolbarutil(QStringLiteral("FNFIXEDBAR80"))
{
}

void uo_toolbarutil8::fn_toolbarsetfont(ui::FrameToolBar &toolbar, const QString &fontname,
                                        int fontsize, const QString &extent)
{
    toolbar.setButtonTextFont(fontname, fontsize, extent);
}

void uo_toolbarutil8::fn_toolbarshowtext(ui::FrameToolBar &toolbar, bool show)
{
    toolbar.setTextShown(show);
}

bool f_create_toolbarutil(std::unique_ptr<uo_toolbarutil> &auo_toolbarutil)
{
    ui::Environment lenv;
    if (!ui::hostEnvironment().getEnvironment(lenv))
        return false;
    if (auo_toolbarutil)
        return false;
    switch (lenv.majorVersion) {
    case 6:
        auo_toolbarutil = std::make_unique<uo_toolbarutil6>();
        break;
    case 8:
        auo_toolbarutil = std::make_unique<uo_toolbarutil8>();
        break;
    case 7:
        auo_toolbarutil = std::make_unique<uo_toolbarutil7>();
        break;
    default:
        break;
    }
    return true;
}
