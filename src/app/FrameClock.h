#pragma once

// Source of frame times, seconds since 2001-01-01 00:00:00 UTC. Injectable so
// tests can drive frames at chosen times.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual double now() const = 0;

    // The wall clock.
    static FrameClock& system();
};
