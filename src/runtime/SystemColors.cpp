#include "runtime/SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace rt::colors {

QColor fromCode(long code)
{
    const QPalette palette = QApplication::palette();
    switch (code) {
    case kButtonFace:
    case kButtonFaceAlt:
        return palette.color(QPalette::Button);
    case kWindowText:
        return palette.color(QPalette::WindowText);
    case kLinkText:
        return palette.color(QPalette::Link);
    case kDesktop:
        return QColor(0, 78, 152);
    case kAppWorkspace:
        return palette.color(QPalette::Dark);
    case kTransparent:
    case kTransparentAlt:
        return QColor(0, 0, 0, 0);
    default:
        break;
    }
    if (code < 0 || code > 0xFFFFFF)
        return palette.color(QPalette::Window);
    return QColor(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
        static_cast<int>((code >> 16) & 0xFF));
}

} // namespace rt::colors
