// Sound.h: a mono floating-point signal, the working material of every synthesised sound.
#pragma once

#include <cstddef>
#include <vector>

namespace synth {

inline constexpr int kEffectRate = 44100;

// Samples nominally within -1..1 at a fixed rate. Mixing grows the signal as needed, so sounds
// are built by laying layers over each other at given times.
struct Sound {
    int rate = kEffectRate;
    std::vector<float> samples;

    Sound() = default;
    // `seconds` of silence.
    Sound(int sampleRate, double seconds);

    std::size_t frames() const { return samples.size(); }
    double seconds() const { return static_cast<double>(samples.size()) / rate; }
    // The frame index nearest to `t` seconds (never negative).
    std::size_t frameAt(double t) const;

    // Adds `layer` (same rate) starting `atSeconds` in, scaled by `gain`.
    void mix(const Sound& layer, double atSeconds, float gain = 1.0f);
    // Multiplies every sample by `gain`.
    void scale(float gain);
    // The largest absolute sample value.
    float peak() const;
};

} // namespace synth
