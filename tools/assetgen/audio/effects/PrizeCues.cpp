// PrizeCues.cpp: the thirty prize jingles: five themes with a voice of their own, six tunes each.
#include "Cue.h"
#include "CueParts.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Reverb.h"

#include <array>
#include <string>

using namespace synth;

namespace cues {

namespace {

// Each theme has its own instrument, home note and pace, so a player can tell the themes apart
// by ear:
//   0 music box: tiny steel tines, high and delicate
//   1 woodland: a wooden marimba, warm and round
//   2 seaside: water bubbles that rise in pitch as they ring
//   3 starship: buzzy synth zaps with an echo
//   4 carnival: a bright steel pan in a small hall
struct Theme {
    int homeNote;
    double beat; // seconds per eighth note
};
constexpr std::array<Theme, 5> kThemes = {{{79, 0.11}, {72, 0.09}, {74, 0.10}, {76, 0.075}, {77, 0.10}}};

// Six little tunes in scale degrees (1 = home note, 8 = its octave) and eighths.
struct MotifNote {
    int degree;
    double eighths;
};
using Motif = std::array<MotifNote, 5>;
constexpr std::array<Motif, 6> kMotifs = {{
    {{{1, 1}, {3, 1}, {5, 1}, {8, 3}, {0, 0}}},         // straight up the chord
    {{{5, 1}, {3, 1}, {5, 1}, {8, 3}, {0, 0}}},         // a bounce before the top
    {{{1, 1}, {2, 1}, {3, 1}, {5, 3}, {0, 0}}},         // climbing steps
    {{{8, 1}, {5, 1}, {6, 1}, {8, 3}, {0, 0}}},         // down and back up
    {{{3, 0.5}, {5, 0.5}, {3, 0.5}, {5, 0.5}, {8, 3}}}, // a quick trill, then the top
    {{{1, 1}, {5, 1}, {8, 1}, {10, 3}, {0, 0}}},        // wide leaps
}};

int degreeToSemitones(int degree) {
    constexpr int kMajor[] = {0, 2, 4, 5, 7, 9, 11};
    const int index = degree - 1;
    return 12 * (index / 7) + kMajor[index % 7];
}

Sound musicBoxNote(double note, double length) {
    Sound out = struck(kRate, length + 0.6, Curve(static_cast<float>(midiHz(note))),
                       {{1.0, 1.0f, 0.9}, {2.0, 0.15f, 0.45}, {5.4, 0.12f, 0.08}}, 0.0005);
    out.mix(noise(kRate, 0.01, static_cast<uint32_t>(note), strike(0.0002, 0.004)), 0.0, 0.15f);
    return out;
}

Sound marimbaNote(double note, double length) {
    Sound out = struck(kRate, length + 0.4, Curve(static_cast<float>(midiHz(note))),
                       {{1.0, 1.0f, 0.5}, {3.93, 0.3f, 0.12}, {9.2, 0.1f, 0.04}}, 0.001);
    Sound mallet = noise(kRate, 0.03, static_cast<uint32_t>(note) + 7, strike(0.0005, 0.012));
    applyFilter(mallet, FilterKind::Lowpass, 1200.0);
    out.mix(mallet, 0.0, 0.4f);
    return out;
}

Sound bubbleNote(double note, double length) {
    const float hz = static_cast<float>(midiHz(note));
    const double ring = length + 0.15;
    return tone(
        kRate, ring, Wave::Sine,
        Curve{{0.0, hz * 0.7f}, {0.03, hz, Glide::Exponential}, {ring, hz * 1.15f, Glide::Exponential}},
        strike(0.002, ring - 0.01));
}

Sound zapNote(double note, double length) {
    const float hz = static_cast<float>(midiHz(note));
    const double ring = length + 0.2;
    Sound out = tone(kRate, ring, Wave::Square, Curve{{0.0, hz * 1.5f}, {0.015, hz, Glide::Exponential}},
                     strike(0.003, ring - 0.01), Vibrato{7.0, 0.3, 0.05});
    applyFilter(out, FilterKind::Lowpass, 2500.0);
    return out;
}

Sound steelPanNote(double note, double length) {
    return struck(
        kRate, length + 0.7, Curve(static_cast<float>(midiHz(note))),
        {{1.0, 1.0f, 0.8}, {1.003, 0.3f, 0.8}, {2.0, 0.55f, 0.5}, {3.0, 0.25f, 0.3}, {4.0, 0.12f, 0.2}},
        0.002);
}

Sound themeNote(int theme, double note, double length) {
    switch (theme) {
    case 0:
        return musicBoxNote(note, length);
    case 1:
        return marimbaNote(note, length);
    case 2:
        return bubbleNote(note, length);
    case 3:
        return zapNote(note, length);
    default:
        return steelPanNote(note, length);
    }
}

Sound jingle(int theme, int prize) {
    const Theme& t = kThemes[theme];
    Sound out(kRate, 0.1);
    double at = 0.0;
    for (const MotifNote& n : kMotifs[prize]) {
        if (n.degree == 0) {
            break;
        }
        const double length = n.eighths * t.beat;
        out.mix(themeNote(theme, t.homeNote + degreeToSemitones(n.degree), length), at, 0.5f);
        at += length;
    }
    if (theme == 3) {
        Sound echoed = out;
        out.mix(echoed, 0.09, 0.4f);
        out.mix(echoed, 0.18, 0.16f);
    }
    if (theme == 0 || theme == 4) {
        addRoom(out, {0.5f, 0.5f, 0.15f, 0.4});
    }
    return out;
}

} // namespace

std::vector<Cue> prizeCues() {
    std::vector<Cue> out;
    for (int theme = 0; theme < 5; ++theme) {
        for (int prize = 0; prize < 6; ++prize) {
            out.push_back({"P_" + std::to_string(theme) + std::to_string(prize),
                           jingle(theme, prize),
                           {.loudnessDb = -21.0}});
        }
    }
    return out;
}

} // namespace cues
