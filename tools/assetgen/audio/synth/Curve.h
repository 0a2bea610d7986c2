// Curve.h: a value that changes over time, given by breakpoints (pitches, envelopes, cutoffs).
#pragma once

#include <initializer_list>
#include <vector>

namespace synth {

// How a segment travels from the previous breakpoint to its own.
enum class Glide {
    Linear,
    // Constant ratio per second: the natural shape for pitch sweeps and decays. Falls back to
    // Linear when either end is not positive.
    Exponential,
};

struct Breakpoint {
    double time;
    float value;
    Glide glide = Glide::Linear;
};

// Holds its first value before the first breakpoint and its last value after the last one.
class Curve {
public:
    // A constant.
    Curve(float value = 0.0f);
    // Breakpoints in increasing time order.
    Curve(std::initializer_list<Breakpoint> points);
    explicit Curve(std::vector<Breakpoint> points);

    float at(double t) const;
    // Time of the last breakpoint (0 for a constant).
    double end() const { return m_points.empty() ? 0.0 : m_points.back().time; }
    // The same curve with every value multiplied by `factor`.
    Curve scaled(float factor) const;

private:
    std::vector<Breakpoint> m_points;
};

// Envelope shapes used throughout: a linear rise to 1 in `attack` seconds, then an exponential
// fall reaching -60 dB after `decay` more seconds, then silence.
Curve strike(double attack, double decay);
// Rise in `attack`, hold 1 until `release` starts at `holdEnd`, fall to 0 in `release`.
Curve swell(double attack, double holdEnd, double release);

} // namespace synth
