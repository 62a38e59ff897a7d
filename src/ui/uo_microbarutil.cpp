#include "ui/uo_microbarutil.h"

#include "runtime/WindowStyle.h"
#include "ui/HostEnvironment.h"
#include "ui/WindowType.h"

#include <QFont>
#include <QMainWindow>
#include <QStatusBar>

void uo_microbarutil::of_initmicrobar(QWidget *aw_frame)
{
    if (ui::windowType(aw_frame) != ui::WindowType::MdiFrameWithHelp)
        return;

    ui::Environment lenv;
    if (!ui::hostEnvironment().getEnvironment(lenv))
        return;
    if (lenv.majorVersion < 6 || lenv.majorVersion > 8)
        return;

    auto *frame = static_cast<QMainWindow *>(aw_frame);
    QStatusBar *bar = frame->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return;

    QFont lf = bar->font();
    lf.setFamilies(rt::style::toQFont({ .face = rt::faces::kSongTi.toString() }).families());
    lf.setPixelSize(kFontPixelHeight);
    bar->setFont(lf);
    bar->setFixedHeight(kBarHeight);
}
