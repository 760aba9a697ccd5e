#pragma once

#include <cstdint>

// Counts the calls to operator new made by this thread between start() and
// stop(), to check that a warm frame allocates nothing. Only for the benchmark
// executable, which replaces the global operator new.
class FrameAllocationCounter {
public:
    void start();
    void stop();
    std::uint64_t count() const { return m_count; }

private:
    std::uint64_t m_count = 0;
    std::uint64_t m_startedAt = 0;
};
