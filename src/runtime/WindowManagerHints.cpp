#include "runtime/WindowManagerHints.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#if defined(KELVARO_HAVE_XCB)
#include <xcb/xcb.h>
#endif

#include <array>
#include <cstdint>

namespace rt {

namespace {

#if defined(KELVARO_HAVE_XCB)
xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

} // namespace

WindowManagerHints::WindowManagerHints(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    if (window->testAttribute(Qt::WA_WState_Created))
        apply();
}

bool WindowManagerHints::available()
{
#if defined(KELVARO_HAVE_XCB)
    return x11Connection() != nullptr;
#else
    return false;
#endif
}

bool WindowManagerHints::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window
        && (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange))
        apply();
    return QObject::eventFilter(watched, event);
}

void WindowManagerHints::apply()
{
#if defined(KELVARO_HAVE_XCB)
    xcb_connection_t *connection = x11Connection();
    if (!connection || !m_window->isWindow())
        return;
    const xcb_window_t window = static_cast<xcb_window_t>(m_window->winId());
    static constexpr char kHintName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kHintName - 1, kHintName), nullptr);
    if (!reply)
        return;
    const xcb_atom_t atom = reply->atom;
    free(reply);
    // The hint's fields: flags (functions and decorations are given),
    // functions (move, and close where the window has a close box),
    // decorations (border and title, and the menu with a close box), input
    // mode, status.
    constexpr std::uint32_t kFunctionsGiven = 1, kDecorationsGiven = 2;
    constexpr std::uint32_t kFunctionMove = 4, kFunctionClose = 32;
    constexpr std::uint32_t kDecorationBorder = 2, kDecorationTitle = 8, kDecorationMenu = 16;
    const bool closeBox = m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint);
    const std::array<std::uint32_t, 5> hints { kFunctionsGiven | kDecorationsGiven,
        kFunctionMove | (closeBox ? kFunctionClose : 0u),
        kDecorationBorder | kDecorationTitle | (closeBox ? kDecorationMenu : 0u), 0, 0 };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom, atom, 32,
        std::uint32_t(hints.size()), hints.data());
    xcb_flush(connection);
#endif
}

} // namespace rt
