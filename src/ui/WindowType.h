#pragma once

class QWidget;

namespace ui {

// The kinds of window the utilities tell apart.
enum class WindowType {
    Other = 0,
    // A multiple-document frame: a QMainWindow whose central widget is a
    // QMdiArea, without a status bar.
    MdiFrame = 4,
    // The same with a status bar (a QStatusBar that the QMainWindow holds):
    // the frame that shows menu help.
    MdiFrameWithHelp = 5,
};

// Reads a window's type from its make-up; an empty pointer is Other.
WindowType windowType(const QWidget *window);

} // namespace ui
