#include "render/FrameTime.h"

double secondsSinceReferenceDate(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    constexpr sys_days referenceDate = year{2001} / January / 1;
    // Subtract in the clock's integer ticks first so no precision is lost to a
    // large double offset.
    return duration<double>(time - referenceDate).count();
}

double currentFrameTime() {
    return secondsSinceReferenceDate(std::chrono::system_clock::now());
}
