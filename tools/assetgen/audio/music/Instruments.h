// Instruments.h: the synthesised instrument samples of the music module.
#pragma once

#include "ItModule.h"

#include <cstdint>
#include <vector>

namespace tracker {

// Sample numbers in the module (1-based, as cells refer to them). Every pitched instrument is
// tuned so that note n sounds at the pitch of MIDI note n (60 = middle C); drums sound as
// recorded at note 60.
enum class Instrument : uint8_t {
    Marimba = 1, // wooden bars, warm and short
    Glock,       // bright metal bars with a long ring
    EPiano,      // a soft electric piano for chords
    Bass,        // round plucked bass
    Pad,         // a slow, wide string-like pad (looped)
    Flute,       // a breathy, nearly pure lead (looped)
    SquareLead,  // a hollow, woody lead (looped)
    SawLead,     // a bright, buzzy lead (looped)
    Kick,
    Snare,
    Clap,
    ClosedHat,
    OpenHat,
    Shaker,
    Crash,
    Rim,
};

inline uint8_t sampleNumber(Instrument instrument) {
    return static_cast<uint8_t>(instrument);
}

// All instrument samples in sample-number order. Deterministic.
std::vector<Sample> makeInstrumentSamples();

} // namespace tracker
