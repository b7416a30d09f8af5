#include "X11Launch.h"

#include "StartupNotification.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace X11Launch {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    return geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_client_message_event_t clientMessage(xcb_window_t window, xcb_atom_t type, std::uint8_t format)
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = format;
    event.window = window;
    event.type = type;
    return event;
}

// The startup notification message in its pieces, sent to the root window
// as the protocol asks: the first as _NET_STARTUP_INFO_BEGIN, the rest as
// _NET_STARTUP_INFO.
void sendStartupMessage(xcb_connection_t* connection, xcb_window_t root, xcb_window_t sender,
                        const std::string& message)
{
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    bool first = true;
    for (const std::string& piece : StartupNotification::pieces(message)) {
        xcb_client_message_event_t event = clientMessage(sender, first ? begin : more, 8);
        std::memcpy(event.data.data8, piece.data(), sizeof event.data.data8);
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
        first = false;
    }
}

// The toolkit's X connection; null outside an X11 session.
xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

void endLaunch(QWidget& window, const std::string& startupId)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || startupId.empty())
        return;
    const auto id = xcb_window_t(window.winId());
    const xcb_window_t root = rootOf(connection, id);
    if (root == XCB_WINDOW_NONE)
        return;
    sendStartupMessage(connection, root, id, StartupNotification::removeMessage(startupId));
    xcb_flush(connection);
}

bool activateAtLaunchTime(QWidget& window, const std::string& startupId)
{
    xcb_connection_t* connection = x11Connection();
    const std::optional<std::uint32_t> time = StartupNotification::launchTime(startupId);
    if (!connection || !time)
        return false;
    const auto id = xcb_window_t(window.winId());
    const xcb_window_t root = rootOf(connection, id);
    if (root == XCB_WINDOW_NONE)
        return false;
    // Source 1: a request of the application itself, for the user's action at `time`.
    xcb_client_message_event_t event = clientMessage(id, atom(connection, "_NET_ACTIVE_WINDOW"), 32);
    event.data.data32[0] = 1;
    event.data.data32[1] = *time;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    return true;
}

} // namespace X11Launch
