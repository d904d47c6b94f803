#include "WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace burgeon::testing {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        qFatal("the desktop tests need the X window system");
    }
    return x11->connection();
}

xcb_atom_t atom(const char* name) {
    xcb_connection_t* x = connection();
    const auto cookie = xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t rootWindow() {
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

void send(xcb_window_t to, std::uint32_t eventMask, xcb_window_t about, xcb_atom_t type,
          std::uint32_t first, std::uint32_t second) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = about;
    message.type = type;
    message.data.data32[0] = first;
    message.data.data32[1] = second;
    xcb_send_event(connection(), 0, to, eventMask, reinterpret_cast<const char*>(&message));
    xcb_flush(connection());
}

} // namespace

bool windowManagerRuns() {
    xcb_connection_t* x = connection();
    const auto cookie = xcb_get_property(x, 0, rootWindow(), atom("_NET_SUPPORTING_WM_CHECK"),
                                         XCB_ATOM_WINDOW, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    return reply && xcb_get_property_value_length(reply.get()) > 0;
}

void closeThroughWindowSystem(const QWidget* window) {
    const auto id = static_cast<xcb_window_t>(window->winId());
    constexpr std::uint32_t fromPager = 2; // a request from a tool acting for the person
    if (windowManagerRuns()) {
        send(rootWindow(),
             XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, id,
             atom("_NET_CLOSE_WINDOW"), XCB_CURRENT_TIME, fromPager);
    } else {
        send(id, XCB_EVENT_MASK_NO_EVENT, id, atom("WM_PROTOCOLS"), atom("WM_DELETE_WINDOW"),
             XCB_CURRENT_TIME);
    }
}

} // namespace burgeon::testing
