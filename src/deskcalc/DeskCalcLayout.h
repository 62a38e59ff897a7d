#pragma once

#include "runtime/ControlTable.h"
#include "runtime/WindowDecl.h"

#include <QString>

namespace deskcalc {

// The captions of the time button `cb_24`: "时间" while the number view
// shows, "关闭" while the time view does. The close button `cb_26` says
// "关闭" too.
inline const QString kTimeCaption = QStringLiteral("时间");
inline const QString kCloseCaption = QStringLiteral("关闭");

// The desk calculator's window: its title, icon, outer size and where it
// opens on the screen.
const rt::WindowDecl &deskCalcWindow();

// The calculator's 28 controls in their order of creation: the number view
// `sle_1`, the time view `sle_2` over it, twenty-five buttons and the group
// box `gb_1` around them.
const rt::ControlTable &deskCalcControls();

} // namespace deskcalc
