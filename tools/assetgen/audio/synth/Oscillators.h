// Oscillators.h: the tone sources: plain waveforms, struck partials and two-operator FM.
#pragma once

#include "Curve.h"
#include "Sound.h"

#include <initializer_list>

namespace synth {

enum class Wave { Sine, Triangle, Saw, Square };

// A periodic wobble of the pitch, fading in after `delay` seconds over `delay` more.
struct Vibrato {
    double rate = 0.0;      // Hz
    double semitones = 0.0; // peak deviation
    double delay = 0.0;
};

// One oscillator whose frequency (Hz) and amplitude follow curves. Saw and square are
// band-limited (polyBLEP), so sweeps stay free of aliasing whistles.
Sound tone(int rate, double seconds, Wave wave, const Curve& hz, const Curve& amp, Vibrato vibrato = {});

// One sine component of a struck sound: frequency ratio to the fundamental, level, and the
// seconds it takes to fade by 60 dB.
struct Partial {
    double ratio;
    float level;
    double decay;
};

// Bars, bells and chimes: every partial rings at `ratio` × hz(t) and fades on its own.
Sound struck(int rate, double seconds, const Curve& hz, std::initializer_list<Partial> partials,
             double attack = 0.002);

// Two-operator frequency modulation: a sine carrier at hz(t), its phase modulated by a sine at
// `ratio` × hz(t) with modulation index index(t). Good for electric pianos, brass and zaps.
Sound fm(int rate, double seconds, const Curve& hz, double ratio, const Curve& index, const Curve& amp);

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double midiHz(double note);

} // namespace synth
