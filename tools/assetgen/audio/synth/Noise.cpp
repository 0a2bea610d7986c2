// Noise.cpp: seeded white noise, so every noisy sound comes out the same on every build.
#include "Noise.h"

namespace synth {

Sound noise(int rate, double seconds, uint32_t seed, const Curve& amp) {
    Sound out(rate, seconds);
    Random random(seed);
    for (std::size_t i = 0; i < out.frames(); ++i) {
        out.samples[i] = random.white() * amp.at(static_cast<double>(i) / rate);
    }
    return out;
}

} // namespace synth
