#include "runtime/DisplayAvailability.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#if defined(KELVARO_HAVE_XCB)
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;

namespace rt {

namespace {

QString environment(const char *name)
{
    return qEnvironmentVariable(name).trimmed();
}

// Whether the X server that `display` names takes a connection (with the
// user's authority, as the toolkit would connect).
bool xDisplayOpens(const QString &display)
{
    if (display.isEmpty())
        return false;
#if defined(KELVARO_HAVE_XCB)
    xcb_connection_t *connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
#else
    // Without the X library to ask, a named display has to do.
    return true;
#endif
}

// Whether the compositor's socket is there: WAYLAND_DISPLAY is a path, or a
// name in XDG_RUNTIME_DIR; without it the client library tries wayland-0.
bool waylandSocketExists(QString display)
{
    if (display.isEmpty())
        display = u"wayland-0"_s;
    if (!display.startsWith(u'/')) {
        const QString runtimeDir = environment("XDG_RUNTIME_DIR");
        if (runtimeDir.isEmpty())
            return false;
        display = runtimeDir + u'/' + display;
    }
    return QFileInfo::exists(display);
}

} // namespace

QString missingDisplayReason()
{
    const QString display = environment("DISPLAY");
    const QString waylandDisplay = environment("WAYLAND_DISPLAY");
    bool x11 = false;
    bool wayland = false;
    const QString platforms = environment("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        x11 = true;
        wayland = !waylandDisplay.isEmpty();
    } else {
        for (const QString &entry : platforms.split(u';', Qt::SkipEmptyParts)) {
            const QString name = entry.section(u':', 0, 0).trimmed();
            if (name == u"xcb"_s)
                x11 = true;
            else if (name.startsWith(u"wayland"_s))
                wayland = true;
            else if (!name.isEmpty())
                return {};
        }
        if (!x11 && !wayland)
            return {};
    }
    if ((wayland && waylandSocketExists(waylandDisplay)) || (x11 && xDisplayOpens(display)))
        return {};

    const QString advice
        = u"Start it from a desktop session, or with a display forwarded (ssh -X)."_s;
    if (display.isEmpty() && waylandDisplay.isEmpty())
        return u"The program needs a display, and none is set (neither DISPLAY nor "
               "WAYLAND_DISPLAY). "_s
            + advice;
    QStringList tried;
    if (x11)
        tried << (display.isEmpty() ? u"DISPLAY is not set"_s
                                    : u"the X display %1 (DISPLAY) does not answer"_s.arg(display));
    if (wayland)
        tried << (waylandDisplay.isEmpty()
                ? u"the Wayland display wayland-0 is not there"_s
                : u"the Wayland display %1 (WAYLAND_DISPLAY) is not there"_s.arg(waylandDisplay));
    return u"The program cannot open a display: %1. "_s.arg(tried.join(u"; "_s)) + advice;
}

} // namespace rt
