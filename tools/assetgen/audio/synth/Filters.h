// Filters.h: second-order filters (fixed or swept) that colour noise and tame bright tones.
#pragma once

#include "Curve.h"
#include "Sound.h"

namespace synth {

enum class FilterKind { Lowpass, Highpass, Bandpass, Peak, HighShelf };

// A biquad section with the familiar cookbook responses. Bandpass has 0 dB gain at its centre;
// Peak and HighShelf use `gainDb`.
class Biquad {
public:
    Biquad(FilterKind kind, int rate, double hz, double q, double gainDb = 0.0);
    // Recomputes the coefficients and keeps the state, so a sweep does not click.
    void retune(double hz, double q, double gainDb = 0.0);
    float process(float x);

private:
    FilterKind m_kind;
    int m_rate;
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// Runs the whole sound through one fixed filter.
void applyFilter(Sound& sound, FilterKind kind, double hz, double q = 0.7071, double gainDb = 0.0);
// Runs the sound through a filter whose centre or corner follows `hz` (retuned every 32 frames).
void applySweep(Sound& sound, FilterKind kind, const Curve& hz, double q = 0.7071);

// Multiplies the sound by an envelope, sample by sample.
void applyEnvelope(Sound& sound, const Curve& amp);

} // namespace synth
