#pragma once

#include "runtime/FontDecl.h"

#include <QFont>
#include <QSize>

class QWidget;

namespace rt::style {

// The font of a declared face, with fallbacks for machines that lack it
// ("Arial" falls back to Liberation Sans, "宋体" to the installed Chinese
// faces, ...). Chinese text always finds a face that has its glyphs.
QFont toQFont(const FontDecl &decl);

// Sets a text colour for the enabled look only (active and inactive), so a
// disabled control keeps the greyed text of the window system. Sets the
// roles that the widget's kind paints its text with.
void setTextColor(QWidget *widget, long code);

// The background of a control or a window, painted by the widget itself.
void setBackColor(QWidget *widget, long code);

// A dialog whose declared size is its outer size: the client area that is
// left inside a fixed-size dialog's frame (4 pixels of border on each side
// and a 23-pixel title bar), in pixels.
QSize clientSizeForOuter(QSize outerUnits);

// Moves a top-level window so that its frame is centred on the screen's
// available area.
void centerOnScreen(QWidget *window);

// Window flags of a modal window that closes only through its own buttons:
// a title bar without a system menu, close, minimize or maximize box, so
// that the window manager offers none of them.
Qt::WindowFlags modalDialogFlags();

} // namespace rt::style
