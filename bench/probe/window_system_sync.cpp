#include "window_system_sync.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace bench {

void syncWithWindowSystem() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* connection = x11->connection();
    // The server answers in order: once this reply is here, every earlier request is done.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace bench
