// A window that will not stay covered, as screen lockers and some on-screen
// displays behave: override-redirect, it raises itself whenever it is obscured
// or any other window's place in the stack changes. Prints "shown" once mapped
// and "raise" for every raise.
//   e2e-self-raising-window #RRGGBB X Y W H
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <xcb/xcb.h>

namespace {
void raise(xcb_connection_t* connection, xcb_window_t window) {
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_flush(connection);
    std::puts("raise");
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 6 || argv[1][0] != '#') {
        std::fprintf(stderr, "usage: e2e-self-raising-window #RRGGBB X Y W H\n");
        return 2;
    }
    // Line by line: the test waits for each line as it comes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    // Pixel values of the default 24-bit TrueColor visual are 0xRRGGBB.
    const uint32_t values[] = {uint32_t(std::strtoul(argv[1] + 1, nullptr, 16)), 1,
                               XCB_EVENT_MASK_VISIBILITY_CHANGE};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root,
                      int16_t(std::atoi(argv[2])), int16_t(std::atoi(argv[3])),
                      uint16_t(std::atoi(argv[4])), uint16_t(std::atoi(argv[5])), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    // The class's two strings: instance and class name.
    const char name[] = "e2e-self-raiser\0SelfRaiser";
    for (auto [property, length] : {std::pair{XCB_ATOM_WM_NAME, 15}, {XCB_ATOM_WM_CLASS, 27}})
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_STRING, 8,
                            length, name);
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_map_window(connection, window);
    xcb_flush(connection);
    std::puts("shown");

    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const int type = event->response_type & ~0x80;
        const bool obscured = type == XCB_VISIBILITY_NOTIFY &&
                              reinterpret_cast<xcb_visibility_notify_event_t*>(event)->state !=
                                  XCB_VISIBILITY_UNOBSCURED;
        const xcb_window_t other =
            type == XCB_CONFIGURE_NOTIFY
                ? reinterpret_cast<xcb_configure_notify_event_t*>(event)->window
            : type == XCB_MAP_NOTIFY ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window
                                     : window;
        if (obscured || other != window)
            raise(connection, window);
        std::free(event);
    }
    return 0;
}
