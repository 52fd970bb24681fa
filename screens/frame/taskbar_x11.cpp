// On X11, a window stays off the taskbar by the _NET_WM_STATE_SKIP_TASKBAR state, which the
// client may set on its window before mapping it. Qt keeps states it finds there when it maps.
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstring>
#include <memory>

#include "screens/frame/taskbar.h"

namespace screens {

namespace {

xcb_atom_t atomOf(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

void keepOffTaskbar(QWidget& window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) return;
    xcb_connection_t* connection = x11->connection();
    static const xcb_atom_t state = atomOf(connection, "_NET_WM_STATE");
    static const xcb_atom_t skipTaskbar = atomOf(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE) return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), state, XCB_ATOM_ATOM, 32, 1,
                        &skipTaskbar);
    xcb_flush(connection);
}

}  // namespace screens
