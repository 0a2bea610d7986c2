// Filters.cpp: second-order filters (fixed or swept) that colour noise and tame bright tones.
#include "Filters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

Biquad::Biquad(FilterKind kind, int rate, double hz, double q, double gainDb)
    : m_kind(kind)
    , m_rate(rate) {
    retune(hz, q, gainDb);
}

void Biquad::retune(double hz, double q, double gainDb) {
    const double f = std::clamp(hz, 10.0, 0.45 * m_rate);
    const double w0 = 2.0 * std::numbers::pi * f / m_rate;
    const double cosw = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * q);
    const double a = std::pow(10.0, gainDb / 40.0);
    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
    switch (m_kind) {
    case FilterKind::Lowpass:
        b0 = (1 - cosw) / 2, b1 = 1 - cosw, b2 = (1 - cosw) / 2;
        a0 = 1 + alpha, a1 = -2 * cosw, a2 = 1 - alpha;
        break;
    case FilterKind::Highpass:
        b0 = (1 + cosw) / 2, b1 = -(1 + cosw), b2 = (1 + cosw) / 2;
        a0 = 1 + alpha, a1 = -2 * cosw, a2 = 1 - alpha;
        break;
    case FilterKind::Bandpass:
        b0 = alpha, b1 = 0, b2 = -alpha;
        a0 = 1 + alpha, a1 = -2 * cosw, a2 = 1 - alpha;
        break;
    case FilterKind::Peak:
        b0 = 1 + alpha * a, b1 = -2 * cosw, b2 = 1 - alpha * a;
        a0 = 1 + alpha / a, a1 = -2 * cosw, a2 = 1 - alpha / a;
        break;
    case FilterKind::HighShelf: {
        const double s = 2 * std::sqrt(a) * alpha;
        b0 = a * ((a + 1) + (a - 1) * cosw + s);
        b1 = -2 * a * ((a - 1) + (a + 1) * cosw);
        b2 = a * ((a + 1) + (a - 1) * cosw - s);
        a0 = (a + 1) - (a - 1) * cosw + s;
        a1 = 2 * ((a - 1) - (a + 1) * cosw);
        a2 = (a + 1) - (a - 1) * cosw - s;
        break;
    }
    }
    m_b0 = b0 / a0, m_b1 = b1 / a0, m_b2 = b2 / a0, m_a1 = a1 / a0, m_a2 = a2 / a0;
}

float Biquad::process(float x) {
    const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1, m_x1 = x;
    m_y2 = m_y1, m_y1 = y;
    return static_cast<float>(y);
}

void applyFilter(Sound& sound, FilterKind kind, double hz, double q, double gainDb) {
    Biquad filter(kind, sound.rate, hz, q, gainDb);
    for (float& s : sound.samples) {
        s = filter.process(s);
    }
}

void applySweep(Sound& sound, FilterKind kind, const Curve& hz, double q) {
    constexpr std::size_t kRetuneEvery = 32;
    Biquad filter(kind, sound.rate, hz.at(0.0), q);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        if (i % kRetuneEvery == 0) {
            filter.retune(hz.at(static_cast<double>(i) / sound.rate), q);
        }
        sound.samples[i] = filter.process(sound.samples[i]);
    }
}

void applyEnvelope(Sound& sound, const Curve& amp) {
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        sound.samples[i] *= amp.at(static_cast<double>(i) / sound.rate);
    }
}

} // namespace synth
