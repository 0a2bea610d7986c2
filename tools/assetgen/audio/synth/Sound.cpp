// Sound.cpp: a mono floating-point signal, the working material of every synthesised sound.
#include "Sound.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace synth {

Sound::Sound(int sampleRate, double seconds)
    : rate(sampleRate)
    , samples(static_cast<std::size_t>(std::max(0.0, std::round(seconds * sampleRate))), 0.0f) {}

std::size_t Sound::frameAt(double t) const {
    return static_cast<std::size_t>(std::max(0.0, std::round(t * rate)));
}

void Sound::mix(const Sound& layer, double atSeconds, float gain) {
    assert(layer.rate == rate);
    const std::size_t start = frameAt(atSeconds);
    if (samples.size() < start + layer.samples.size()) {
        samples.resize(start + layer.samples.size(), 0.0f);
    }
    for (std::size_t i = 0; i < layer.samples.size(); ++i) {
        samples[start + i] += gain * layer.samples[i];
    }
}

void Sound::scale(float gain) {
    for (float& s : samples) {
        s *= gain;
    }
}

float Sound::peak() const {
    float p = 0.0f;
    for (float s : samples) {
        p = std::max(p, std::fabs(s));
    }
    return p;
}

} // namespace synth
