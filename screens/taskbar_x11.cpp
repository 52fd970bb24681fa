// On X11, a window stays off the taskbar by the _NET_WM_STATE_SKIP_TASKBAR state, which the
// client may set on its window before mapping it. Qt keeps states it finds there when it maps.
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstring>
#include <memory>

#include "screens/taskbar.h"

namespace screens {

namespace {

xcb_intern_atom_cookie_t askForAtom(xcb_connection_t* connection, const char* name) {
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
}

xcb_atom_t atomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

struct StateAtoms {
    xcb_atom_t state, skipTaskbar;
};

// Both names are asked for before either answer is awaited: one round trip to the server,
// once for the program's whole run.
const StateAtoms& stateAtoms(xcb_connection_t* connection) {
    static const StateAtoms atoms = [connection] {
        const auto state = askForAtom(connection, "_NET_WM_STATE");
        const auto skipTaskbar = askForAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
        return StateAtoms{atomOf(connection, state), atomOf(connection, skipTaskbar)};
    }();
    return atoms;
}

}  // namespace

void keepOffTaskbar(QWidget& window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) return;
    xcb_connection_t* connection = x11->connection();
    const StateAtoms& atoms = stateAtoms(connection);
    if (atoms.state == XCB_ATOM_NONE || atoms.skipTaskbar == XCB_ATOM_NONE) return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), atoms.state, XCB_ATOM_ATOM, 32,
                        1, &atoms.skipTaskbar);
    xcb_flush(connection);
}

}  // namespace screens
