#pragma once

#include <cstdint>

// The 64-bit linear congruential generator behind the flicker and dust layers
// (the multiplier and increment of Knuth's MMIX). next() returns the raw state,
// unscrambled, so the patterns are reproducible from the seed alone.
class OverlayRandomGenerator {
public:
    explicit constexpr OverlayRandomGenerator(std::uint64_t seed)
        : m_state(seed) {}

    constexpr std::uint64_t next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return m_state;
    }

    constexpr std::uint64_t state() const { return m_state; }

private:
    std::uint64_t m_state;
};
