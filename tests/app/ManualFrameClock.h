#pragma once

#include "app/FrameClock.h"

// A clock that shows whatever time the test sets.
class ManualFrameClock : public FrameClock {
public:
    double now() const override { return time; }
    double time = 0;
};
