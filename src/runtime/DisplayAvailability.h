#pragma once

#include <QString>

namespace rt {

// Whether the toolkit will find a display to open its windows on, decided
// before the application object exists: without one, Qt aborts the
// process with a text that suggests reinstalling the program. The platform
// is the one Qt would choose: QT_QPA_PLATFORM (a list separated by ';'),
// else X11 or, where WAYLAND_DISPLAY is set, Wayland. An X display counts
// only when it can really be opened (DISPLAY naming a server that does not
// answer is no display), a Wayland display when its socket is there. A
// platform that needs no display (offscreen, minimal, vnc, ...) always
// passes.
//
// Returns the reason in one line of text when no display can be found,
// else an empty string.
QString missingDisplayReason();

} // namespace rt
