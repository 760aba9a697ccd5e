#pragma once

#include "app/FrameClock.h"

// A clock that shows whatever time the test sets, and counts how often it was
// read: once per frame tick.
class ManualFrameClock : public FrameClock {
public:
    double now() const override {
        ++reads;
        return time;
    }
    double time = 0;
    mutable int reads = 0;
};
