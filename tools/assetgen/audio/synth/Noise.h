// Noise.h: a small seeded random source, so every noisy sound comes out the same on every build.
#pragma once

#include "Curve.h"
#include "Sound.h"

#include <cstdint>

namespace synth {

// xorshift32: fast, tiny state, and identical everywhere; quality is ample for audio noise.
class Random {
public:
    explicit Random(uint32_t seed)
        : m_state(seed == 0 ? 0x9E3779B9u : seed) {}

    uint32_t next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    // Uniform in [0, 1).
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform in [-1, 1).
    float white() { return static_cast<float>(2.0 * uniform() - 1.0); }

private:
    uint32_t m_state;
};

// White noise shaped by an amplitude curve.
Sound noise(int rate, double seconds, uint32_t seed, const Curve& amp);

} // namespace synth
