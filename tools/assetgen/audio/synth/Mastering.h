// Mastering.h: the last steps every effect goes through: clean edges, common loudness, safe peaks.
#pragma once

#include "Sound.h"

#include <cstdint>
#include <vector>

namespace synth {

// The effects are normalised to this loudness; a few soft interface sounds sit below it.
inline constexpr double kCueLoudnessDb = -20.0;
// No sample of a finished sound goes above this level (-1 dBFS).
inline constexpr float kPeakCeiling = 0.89f;

struct Finish {
    double loudnessDb = kCueLoudnessDb;
    double fadeIn = 0.0015; // seconds; short enough to keep a pop's snap
    double fadeOut = 0.02;
    // Loops must keep their exact length, silence included.
    bool trimTail = true;
};

// Loudness in dB relative to a full-scale square wave: the mean square of the loudest window
// of 0.4 s (or the whole sound when shorter), after a weighting that discounts rumble and
// favours the presence range, as the ear does.
double loudnessDb(const Sound& sound);

// Removes any DC offset and rumble, trims the silent tail, brings the sound to the target
// loudness, limits peaks to kPeakCeiling smoothly and fades both edges to exact zero.
void finish(Sound& sound, const Finish& finish = {});

// 16-bit PCM, rounded and clamped.
std::vector<int16_t> toPcm16(const Sound& sound);

} // namespace synth
