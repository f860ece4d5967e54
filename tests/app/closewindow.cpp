// Finds a top-level X window by its exact title and asks it to close, as a window manager's close button
// would (WM_DELETE_WINDOW). Exits 0 once the window is gone, 1 if it did not appear or did not close in time.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <xcb/xcb.h>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

xcb_window_t findWindow(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t netName, xcb_atom_t utf8,
                        const std::string& title)
{
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), &std::free);
    if (!tree) {
        return XCB_WINDOW_NONE;
    }
    const xcb_window_t* windows = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (property(connection, windows[i], netName, utf8) == title) {
            return windows[i];
        }
    }
    return XCB_WINDOW_NONE;
}

void requestClose(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t protocols, xcb_atom_t deleteWindow)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = protocols;
    event.data.data32[0] = deleteWindow;
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TITLE\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "cannot reach the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t netName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(connection, "WM_DELETE_WINDOW");

    // A request that reaches the program before it is ready to act on it is lost, so it is repeated until
    // the window is gone.
    bool sent = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        const xcb_window_t window = findWindow(connection, root, netName, utf8, title);
        if (window == XCB_WINDOW_NONE && sent) {
            std::printf("closed the window \"%s\"\n", title.c_str());
            xcb_disconnect(connection);
            return 0;
        }
        if (window != XCB_WINDOW_NONE) {
            requestClose(connection, window, protocols, deleteWindow);
            sent = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(sent ? 500 : 100));
    }
    std::fprintf(stderr, "no window titled \"%s\" appeared\n", title.c_str());
    xcb_disconnect(connection);
    return 1;
}
