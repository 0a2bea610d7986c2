// Curve.cpp: a value that changes over time, given by breakpoints.
#include "Curve.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace synth {

Curve::Curve(float value)
    : m_points{{0.0, value}} {}

Curve::Curve(std::initializer_list<Breakpoint> points)
    : Curve(std::vector<Breakpoint>(points)) {}

Curve::Curve(std::vector<Breakpoint> points)
    : m_points(std::move(points)) {
    assert(!m_points.empty());
    assert(std::is_sorted(m_points.begin(), m_points.end(),
                          [](const Breakpoint& a, const Breakpoint& b) { return a.time < b.time; }));
}

float Curve::at(double t) const {
    if (t <= m_points.front().time) {
        return m_points.front().value;
    }
    if (t >= m_points.back().time) {
        return m_points.back().value;
    }
    const auto next = std::upper_bound(m_points.begin(), m_points.end(), t,
                                       [](double time, const Breakpoint& p) { return time < p.time; });
    const Breakpoint& b = *next;
    const Breakpoint& a = *(next - 1);
    const double span = b.time - a.time;
    const double u = span > 0.0 ? (t - a.time) / span : 1.0;
    if (b.glide == Glide::Exponential && a.value > 0.0f && b.value > 0.0f) {
        return static_cast<float>(a.value * std::pow(static_cast<double>(b.value) / a.value, u));
    }
    return static_cast<float>(a.value + (b.value - a.value) * u);
}

Curve Curve::scaled(float factor) const {
    std::vector<Breakpoint> points = m_points;
    for (Breakpoint& p : points) {
        p.value *= factor;
    }
    return Curve(std::move(points));
}

Curve strike(double attack, double decay) {
    constexpr float kSilent = 0.001f; // -60 dB
    return Curve{{0.0, 0.0f},
                 {attack, 1.0f},
                 {attack + decay, kSilent, Glide::Exponential},
                 {attack + decay + 0.005, 0.0f}};
}

Curve swell(double attack, double holdEnd, double release) {
    return Curve{{0.0, 0.0f},
                 {attack, 1.0f},
                 {std::max(attack, holdEnd), 1.0f},
                 {std::max(attack, holdEnd) + release, 0.0f}};
}

} // namespace synth
