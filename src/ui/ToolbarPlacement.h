#pragma once

class QMainWindow;
class QToolBar;

namespace ui {

// The toolbar position codes of a frame window.
enum class ToolbarPosition { Left = 0, Top = 1, Right = 2, Bottom = 3, Floating = 4 };

// The frame's toolbar: its first QToolBar child; null when it has none.
QToolBar *frameToolbar(const QMainWindow *frame);

// The position code of the frame's toolbar, or -1 when it has none.
int toolbarAlignment(const QMainWindow &frame);

// Docks the frame's toolbar at the left, top, right or bottom, or makes it
// a floating tool window beside the frame. A code outside 0 to 4 or a
// frame without a toolbar changes nothing. The toolbar keeps its
// visibility.
void setToolbarAlignment(QMainWindow &frame, int code);

// Whether the frame's toolbar is shown (false when it has none), and
// showing or hiding it.
bool toolbarVisible(const QMainWindow &frame);
void setToolbarVisible(QMainWindow &frame, bool visible);

} // namespace ui
