// Prints, one a line, the startup notification messages that reach the root
// window of the X display named by DISPLAY, put together from the client
// messages that carry them; first "listening" once it listens. Runs until it
// is ended or the display goes.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

int main()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    std::printf("listening\n");
    std::fflush(stdout);

    std::map<xcb_window_t, std::string> pending; // by sending window
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
            continue;
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (message->format != 8 || (message->type != begin && message->type != more))
            continue;
        std::string& text = pending[message->window];
        if (message->type == begin)
            text.clear();
        const char* bytes = reinterpret_cast<const char*>(message->data.data8);
        const std::size_t length = strnlen(bytes, sizeof message->data.data8);
        text.append(bytes, length);
        if (length < sizeof message->data.data8) {
            std::printf("%s\n", text.c_str());
            std::fflush(stdout);
            pending.erase(message->window);
        }
    }
    return 0;
}
