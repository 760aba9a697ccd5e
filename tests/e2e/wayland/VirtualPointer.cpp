// A pointer for headless compositors, which have no input devices: reads
// "move X Y" and "click X Y" (layout coordinates) from stdin and answers "ok"
// once the compositor has handled each. Uses wlroots' virtual pointer, or
// KDE's fake input where that is what the compositor offers.
//   e2e-virtual-pointer LAYOUT_WIDTH LAYOUT_HEIGHT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fake-input-client-protocol.h>
#include <iostream>
#include <string>
#include <wayland-client.h>
#include <wlr-virtual-pointer-unstable-v1-client-protocol.h>

namespace {
zwlr_virtual_pointer_manager_v1* manager = nullptr;
org_kde_kwin_fake_input* fakeInput = nullptr;
wl_seat* seat = nullptr;

void onGlobal(void*, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 3)
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 3));
    else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
}

void onGlobalRemove(void*, wl_registry*, uint32_t) {}

constexpr uint32_t buttonLeft = 0x110; // BTN_LEFT
// A click is a press and a release.
constexpr uint32_t states[] = {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED};
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: e2e-virtual-pointer LAYOUT_WIDTH LAYOUT_HEIGHT\n";
        return 2;
    }
    const uint32_t width = uint32_t(std::atoi(argv[1]));
    const uint32_t height = uint32_t(std::atoi(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::cerr << "no Wayland display\n";
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    static const wl_registry_listener listener = {&onGlobal, &onGlobalRemove};
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    zwlr_virtual_pointer_v1* pointer = nullptr;
    if (manager)
        pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    else if (fakeInput)
        org_kde_kwin_fake_input_authenticate(fakeInput, "retroglimmer tests", "clicks");
    else {
        std::cerr << "the compositor offers no virtual pointer\n";
        return 1;
    }
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;

    uint32_t time = 0;
    std::string command;
    uint32_t x = 0, y = 0;
    while (std::cin >> command >> x >> y) {
        const bool click = command == "click";
        if (pointer) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, time += 10, x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
            for (int i = 0; click && i < 2; ++i) {
                zwlr_virtual_pointer_v1_button(pointer, time += 10, buttonLeft, states[i]);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
        } else {
            org_kde_kwin_fake_input_pointer_motion_absolute(fakeInput, wl_fixed_from_int(int(x)),
                                                            wl_fixed_from_int(int(y)));
            for (int i = 0; click && i < 2; ++i)
                org_kde_kwin_fake_input_button(fakeInput, buttonLeft, states[i]);
        }
        wl_display_roundtrip(display);
        std::cout << "ok" << std::endl;
    }
    wl_display_disconnect(display);
    return 0;
}
