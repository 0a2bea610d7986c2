// Oscillators.cpp: the tone sources: plain waveforms, struck partials and two-operator FM.
#include "Oscillators.h"

#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The polynomial correction that removes the step aliasing of a naive saw or square.
double polyBlep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double vibratoFactor(const Vibrato& v, double t) {
    if (v.rate <= 0.0 || v.semitones == 0.0 || t < v.delay) {
        return 1.0;
    }
    const double fadeIn = v.delay > 0.0 ? std::min(1.0, (t - v.delay) / v.delay) : 1.0;
    const double semis = v.semitones * fadeIn * std::sin(kTwoPi * v.rate * (t - v.delay));
    return std::exp2(semis / 12.0);
}

} // namespace

double midiHz(double note) {
    return 440.0 * std::exp2((note - 69.0) / 12.0);
}

Sound tone(int rate, double seconds, Wave wave, const Curve& hz, const Curve& amp, Vibrato vibrato) {
    Sound out(rate, seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double step = std::min(0.49, hz.at(t) * vibratoFactor(vibrato, t) / rate);
        double v = 0.0;
        switch (wave) {
        case Wave::Sine:
            v = std::sin(kTwoPi * phase);
            break;
        case Wave::Triangle:
            v = 4.0 * std::fabs(phase - 0.5) - 1.0;
            break;
        case Wave::Saw:
            v = 2.0 * phase - 1.0 - polyBlep(phase, step);
            break;
        case Wave::Square:
            v = (phase < 0.5 ? 1.0 : -1.0) + polyBlep(phase, step) -
                polyBlep(std::fmod(phase + 0.5, 1.0), step);
            break;
        }
        out.samples[i] = static_cast<float>(v * amp.at(t));
        phase += step;
        phase -= std::floor(phase);
    }
    return out;
}

Sound struck(int rate, double seconds, const Curve& hz, std::initializer_list<Partial> partials,
             double attack) {
    Sound out(rate, seconds);
    const double nyquist = 0.45 * rate;
    for (const Partial& p : partials) {
        const double decayPerSecond = std::log(1000.0) / p.decay; // reaches -60 dB at p.decay
        double phase = 0.0;
        for (std::size_t i = 0; i < out.frames(); ++i) {
            const double t = static_cast<double>(i) / rate;
            const double f = p.ratio * hz.at(t);
            if (f < nyquist) {
                const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
                out.samples[i] += static_cast<float>(p.level * rise * std::exp(-decayPerSecond * t) *
                                                     std::sin(kTwoPi * phase));
            }
            phase += f / rate;
            phase -= std::floor(phase);
        }
    }
    return out;
}

Sound fm(int rate, double seconds, const Curve& hz, double ratio, const Curve& index, const Curve& amp) {
    Sound out(rate, seconds);
    double carrier = 0.0;
    double modulator = 0.0;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double f = hz.at(t);
        const double mod = index.at(t) * std::sin(kTwoPi * modulator);
        out.samples[i] = static_cast<float>(amp.at(t) * std::sin(kTwoPi * carrier + mod));
        carrier += f / rate;
        carrier -= std::floor(carrier);
        modulator += ratio * f / rate;
        modulator -= std::floor(modulator);
    }
    return out;
}

} // namespace synth
