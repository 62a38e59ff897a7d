#include "ui/uo_microbarutil.h"

#include "runtime/WindowStyle.h"
#include "ui/HostEnvironment.h"
#include "ui/WindowType.h"

#include <QFont>
#include <QMainWindow>
#include <QStatusBar>

namespace ui {

void uo_microbarutil::of_initmicrobar(QWidget *frame)
{
    if (ui::windowType(frame) != ui::WindowType::MdiFrameWithHelp)
        return;

    ui::Environment environment;
    if (!ui::hostEnvironment().getEnvironment(environment))
        return;
    if (environment.majorVersion < 6 || environment.majorVersion > 8)
        return;

    QStatusBar *bar = static_cast<QMainWindow *>(frame)->findChild<QStatusBar *>(
        QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return;

    QFont font = bar->font();
    font.setFamilies(rt::style::toQFont({ .face = rt::faces::kSongTi.toString() }).families());
    font.setPixelSize(kFontPixelHeight);
    bar->setFont(font);
    bar->setFixedHeight(kBarHeight);
}

} // namespace ui
