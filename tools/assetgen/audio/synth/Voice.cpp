// Voice.cpp: a small formant speech synthesiser for the mascot's calls and the crowd's cheers.
#include "Voice.h"

#include "Filters.h"
#include "Noise.h"

#include <array>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr int kFormants = 4;

struct Tract {
    std::array<double, kFormants> hz;
    std::array<double, kFormants> width;
};

Tract tractOf(Vowel vowel) {
    switch (vowel) {
    case Vowel::Ah:
        return {{730, 1090, 2440, 3400}, {90, 110, 160, 250}};
    case Vowel::Ae:
        return {{660, 1720, 2410, 3400}, {80, 100, 150, 250}};
    case Vowel::Eh:
        return {{530, 1840, 2480, 3500}, {70, 100, 150, 250}};
    case Vowel::Ee:
        return {{290, 2250, 3000, 3600}, {60, 100, 150, 250}};
    case Vowel::Oh:
        return {{570, 840, 2410, 3300}, {80, 90, 150, 250}};
    case Vowel::Oo:
        return {{310, 870, 2240, 3300}, {60, 90, 150, 250}};
    case Vowel::Uh:
        return {{520, 1190, 2390, 3400}, {80, 100, 150, 250}};
    case Vowel::GlideW:
        return {{290, 620, 2200, 3300}, {60, 80, 150, 250}};
    case Vowel::GlideY:
        return {{260, 2300, 3100, 3700}, {60, 100, 150, 250}};
    }
    return tractOf(Vowel::Uh);
}

Tract tractAt(const std::vector<VowelTarget>& targets, double t) {
    if (t <= targets.front().time) {
        return tractOf(targets.front().vowel);
    }
    for (std::size_t i = 1; i < targets.size(); ++i) {
        if (t < targets[i].time) {
            const Tract a = tractOf(targets[i - 1].vowel);
            const Tract b = tractOf(targets[i].vowel);
            const double u = (t - targets[i - 1].time) / (targets[i].time - targets[i - 1].time);
            // Smoothstep: articulators accelerate and settle rather than move at constant speed.
            const double s = u * u * (3.0 - 2.0 * u);
            Tract mixed{};
            for (int k = 0; k < kFormants; ++k) {
                mixed.hz[k] = a.hz[k] + (b.hz[k] - a.hz[k]) * s;
                mixed.width[k] = a.width[k] + (b.width[k] - a.width[k]) * s;
            }
            return mixed;
        }
    }
    return tractOf(targets.back().vowel);
}

// One formant: a two-pole resonator with unity gain at 0 Hz, retuned as the tract moves.
class Resonator {
public:
    void tune(double hz, double width, int rate) {
        const double t = 1.0 / rate;
        m_c = -std::exp(-2.0 * std::numbers::pi * width * t);
        m_b = 2.0 * std::exp(-std::numbers::pi * width * t) * std::cos(2.0 * std::numbers::pi * hz * t);
        m_a = 1.0 - m_b - m_c;
    }
    double process(double x) {
        const double y = m_a * x + m_b * m_y1 + m_c * m_y2;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_a = 1, m_b = 0, m_c = 0, m_y1 = 0, m_y2 = 0;
};

// Rosenberg's glottal flow over one period: a smooth opening, a quicker closing, then rest.
double glottalFlow(double phase) {
    constexpr double kOpen = 0.40;
    constexpr double kClose = 0.16;
    if (phase < kOpen) {
        return 0.5 * (1.0 - std::cos(std::numbers::pi * phase / kOpen));
    }
    if (phase < kOpen + kClose) {
        return std::cos(0.5 * std::numbers::pi * (phase - kOpen) / kClose);
    }
    return 0.0;
}

} // namespace

Sound speak(int rate, const VoiceSpec& layout) {
    Sound out(rate, layout.seconds);
    Random random(layout.seed);
    std::array<Resonator, kFormants> formants{};
    double phase = 0.0;
    double wobble = 1.0;
    double previousFlow = 0.0;
    constexpr std::size_t kRetuneEvery = 16;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / rate;
        if (i % kRetuneEvery == 0) {
            const Tract tract = tractAt(layout.vowels, t);
            for (int k = 0; k < kFormants; ++k) {
                formants[k].tune(tract.hz[k] * layout.tractScale, tract.width[k] * layout.tractScale, rate);
            }
        }
        const double f0 = layout.pitch.at(t) * wobble;
        phase += f0 / rate;
        if (phase >= 1.0) {
            phase -= 1.0;
            wobble = 1.0 + layout.jitter * random.white();
        }
        const double flow = glottalFlow(phase);
        // The derivative of the flow: what the lips radiate, and where the buzz gets its edge.
        const double voiced = (flow - previousFlow) * rate / std::max(f0, 1.0) * 0.2;
        previousFlow = flow;
        const double breath =
            random.white() * (layout.breathNoise.at(t) + 0.04 * flow * layout.loudness.at(t));
        double y = voiced * layout.loudness.at(t) + breath;
        for (Resonator& r : formants) {
            y = r.process(y);
        }
        out.samples[i] = static_cast<float>(y);
    }
    applyFilter(out, FilterKind::Highpass, 90.0);
    return out;
}

} // namespace synth
