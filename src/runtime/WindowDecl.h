#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace rt {

// A window as it is declared: its class name (also its object name), title,
// icon, window flags, modality, declared size and background, and where it
// first stands. setUpWindow() applies it to a window in one call.
struct WindowDecl
{
    // What the declared size measures.
    enum class Size {
        // The outer size of a window with a frame and a title bar; the
        // client area is what is left inside (style::clientSizeForOuter).
        Outer,
        // The client area itself (a window without a frame).
        Client,
    };
    // Where the window first stands.
    enum class Placement {
        Default, // where the window system puts it
        Centred, // centred on the screen at once
        CentredOnFirstShow, // centred when it is first shown as a window
        At, // at `position`
    };

    QString name {};
    QString title {};
    QString icon {}; // a stock name ("AppIcon!"); empty: none
    // The window's type and title-bar hints; none: those it was made with.
    std::optional<Qt::WindowFlags> flags {};
    // Application-modal. A modal window offers no minimize or maximize box:
    // with the other windows blocked behind it, a minimized one would leave
    // nothing to click. Where it has a frame, the window manager is told so
    // (WindowManagerHints).
    bool modal = false;
    QSize size {}; // layout units; empty: the window's own size
    Size sizeIs = Size::Outer;
    bool fixedSize = true; // false: the size is only the first size
    long backColor = -1; // a colour code; -1 keeps the window's own
    Placement placement = Placement::Default;
    QPoint position {}; // layout units, with Placement::At
};

// Applies `decl` to `window`, the flags first, before anything that depends
// on them (the size of the frame, the place on the screen).
void setUpWindow(QWidget *window, const WindowDecl &decl);

} // namespace rt
