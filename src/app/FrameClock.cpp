#include "app/FrameClock.h"

#include "render/FrameTime.h"

namespace {
class SystemFrameClock final : public FrameClock {
public:
    double now() const override { return currentFrameTime(); }
};
} // namespace

FrameClock& FrameClock::system() {
    static SystemFrameClock clock;
    return clock;
}
