#pragma once

#include <chrono>

// Frame time: seconds since 2001-01-01 00:00:00 UTC, as a double. Every animated
// layer reads time only through this value, so frames drawn for the same moment
// match on every screen.
double secondsSinceReferenceDate(std::chrono::system_clock::time_point time);

// The frame time of the present moment.
double currentFrameTime();
