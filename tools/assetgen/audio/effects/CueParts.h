// CueParts.h: sound pieces shared by several effects: pops, bells, brass, whooshes and thuds.
#pragma once

#include "assetgen/audio/synth/Noise.h"
#include "assetgen/audio/synth/Sound.h"

#include <cstdint>
#include <initializer_list>

namespace cues {

inline constexpr int kRate = synth::kEffectRate;

// One balloon bursting: a bright crack, a quick falling "pok" and, for bigger balloons, a low
// thump. `size` runs from 0 (a small balloon) to 1 (a big one); `random` varies each pop.
synth::Sound balloonPop(synth::Random& random, float size);
// `count` balloons bursting over `spread` seconds, the gaps shrinking as in a chain reaction.
synth::Sound popCluster(uint32_t seed, int count, double spread, float size);

// A short, round, pitched drop of sound: sine with a touch of octave, quick decay.
synth::Sound plink(double midiNote, double decay = 0.25);
// A struck metal bar: bright attack, long shimmering decay.
synth::Sound bell(double midiNote, double decay = 1.2);
// Several bells struck together.
synth::Sound bellChord(std::initializer_list<double> midiNotes, double decay = 1.2);
// Random high plinks thinning out over `seconds`: glitter for gold and big moments.
synth::Sound sparkles(uint32_t seed, double seconds, int count, double lowNote, double highNote);

// A brass-like note: two slightly detuned saws whose brightness opens with the attack.
synth::Sound brass(double midiNote, double seconds, float brightness = 1.0f, double vibrato = 0.0);
// Air rushing past: noise through a band that glides from `fromHz` to `toHz`.
synth::Sound whoosh(uint32_t seed, double seconds, double fromHz, double toHz, double q = 1.2);
// Something soft landing: a falling low sine with a muffled knock.
synth::Sound thud(uint32_t seed, double seconds, double fromHz, double toHz);

// One stroke on a snare drum: a rattle of wires over a short drum tone.
synth::Sound snareHit(synth::Random& random);
// A crash cymbal: a wash of bright noise with a metallic ring, fading over `decay` seconds.
synth::Sound cymbal(uint32_t seed, double decay);

} // namespace cues
