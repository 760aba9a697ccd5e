#include "app/NativeOverlay.h"

// Qt windows serve as overlay panels on this platform.
std::unique_ptr<NativeOverlay> NativeOverlay::open() {
    return nullptr;
}
