#pragma once

class QWidget;

namespace ui {

// Gives the frame window's status bar its font (宋体, 16 pixels high, with
// CJK fallbacks) and a height of 23 pixels. The frame calls it once from
// its open handling.
class uo_microbarutil
{
public:
    static constexpr int kFontPixelHeight = 16;
    static constexpr int kBarHeight = 23;

    // Only a multiple-document frame with a status bar
    // (ui::WindowType::MdiFrameWithHelp) under a host of version 6, 7 or 8
    // is changed; any other window, an empty pointer, another host version
    // or a host that cannot be asked leave everything as it is.
    void of_initmicrobar(QWidget *frame);
};

} // namespace ui
