// Voice.h: a small formant speech synthesiser for the mascot's calls and the crowd's cheers.
#pragma once

#include "Curve.h"
#include "Sound.h"

#include <cstdint>
#include <vector>

namespace synth {

// Vocal-tract shapes, by their usual formant frequencies for an adult voice.
enum class Vowel {
    Ah,     // "father"
    Ae,     // "cat"
    Eh,     // "bed"
    Ee,     // "see"
    Oh,     // "law"
    Oo,     // "boot"
    Uh,     // the neutral "a" of "about"
    GlideW, // the lips rounded for "w"
    GlideY, // the tongue raised for "y"
};

// The tract reaches `vowel` at `time` and moves smoothly between successive targets.
struct VowelTarget {
    double time;
    Vowel vowel;
};

struct VoiceSpec {
    double seconds = 0.5;
    Curve pitch{200.0f};     // Hz of the voice
    Curve loudness{1.0f};    // voiced level
    Curve breathNoise{0.0f}; // unvoiced breath through the same tract, as in "h"
    std::vector<VowelTarget> vowels{{0.0, Vowel::Ah}};
    double tractScale = 1.0; // formants multiplied: 1 adult, about 1.2 for a small cartoon voice
    float jitter = 0.01f;    // random pitch wobble from period to period
    uint32_t seed = 1;
};

// A glottal pulse train through a cascade of four moving formant resonators.
Sound speak(int rate, const VoiceSpec& layout);

} // namespace synth
