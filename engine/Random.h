#pragma once

#include <cstdint>

// The board generator's random numbers: a 32-bit linear congruential
// generator whose draws are bits 16 to 30 of each new state (0 .. 32767).
class CRandom {
public:
    void Seed(std::uint32_t seed) { m_state = seed; }

    int Draw() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    // A value in 0 .. n - 1, taken as draw % n with its small bias kept.
    // n must be positive.
    int Below(int n) { return Draw() % n; }

private:
    std::uint32_t m_state = 0;
};
