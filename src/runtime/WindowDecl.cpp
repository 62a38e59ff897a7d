#include "runtime/WindowDecl.h"

#include "runtime/FirstShowCentring.h"
#include "runtime/LayoutUnits.h"
#include "runtime/StockImages.h"
#include "runtime/WindowManagerHints.h"
#include "runtime/WindowStyle.h"

#include <QWidget>

namespace rt {

void setUpWindow(QWidget *window, const WindowDecl &decl)
{
    if (decl.flags)
        window->setWindowFlags(*decl.flags);
    window->setObjectName(decl.name);
    if (!decl.title.isEmpty())
        window->setWindowTitle(decl.title);
    if (!decl.icon.isEmpty())
        window->setWindowIcon(stock::icon(decl.icon));
    if (decl.modal) {
        window->setWindowModality(Qt::ApplicationModal);
        if (!window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
            window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
            new WindowManagerHints(window);
        }
    }
    if (decl.backColor >= 0)
        style::setBackColor(window, decl.backColor);
    if (!decl.size.isEmpty()) {
        const QSize pixels = decl.sizeIs == WindowDecl::Size::Outer
            ? style::clientSizeForOuter(decl.size)
            : units::toPixels(decl.size);
        if (decl.fixedSize)
            window->setFixedSize(pixels);
        else
            window->resize(pixels);
    }
    switch (decl.placement) {
    case WindowDecl::Placement::Default:
        break;
    case WindowDecl::Placement::Centred:
        style::centerOnScreen(window);
        break;
    case WindowDecl::Placement::CentredOnFirstShow:
        new FirstShowCentring(window);
        break;
    case WindowDecl::Placement::At:
        window->move(units::toPixels(decl.position));
        break;
    }
}

} // namespace rt
