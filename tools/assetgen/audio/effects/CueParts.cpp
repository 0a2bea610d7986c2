// CueParts.cpp: sound pieces shared by several effects: pops, bells, brass, whooshes and thuds.
#include "CueParts.h"

#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"

#include <algorithm>
#include <cmath>

using namespace synth;

namespace cues {

Sound balloonPop(Random& random, float size) {
    const double s = std::clamp(static_cast<double>(size), 0.0, 1.0);
    const double length = 0.11 + 0.09 * s;
    Sound out(kRate, length);

    // The skin tearing: a broadband crack that is over within a few tens of milliseconds.
    Sound crack = noise(kRate, length, random.next(), strike(0.0004, 0.035 + 0.035 * s));
    applyFilter(crack, FilterKind::Bandpass, (2700.0 - 1200.0 * s) * random.range(0.85, 1.15), 0.6);
    Sound snap = noise(kRate, 0.02, random.next(), strike(0.0002, 0.008));
    applyFilter(snap, FilterKind::Highpass, 3000.0);

    // The air inside rushing out, heard as a fast downward glide: the cartoon "pok".
    const double from = (1000.0 - 480.0 * s) * random.range(0.9, 1.1);
    Sound pok = tone(
        kRate, length, Wave::Sine,
        Curve{{0.0, static_cast<float>(from)}, {0.035, static_cast<float>(from * 0.35), Glide::Exponential}},
        strike(0.0008, 0.055 + 0.035 * s));

    // Bigger balloons push more air: a low thump under the crack.
    Sound thump = tone(kRate, length, Wave::Sine, Curve{{0.0, 150.0f}, {0.06, 55.0f, Glide::Exponential}},
                       strike(0.001, 0.1));

    out.mix(crack, 0.0, 0.9f);
    out.mix(snap, 0.0, 0.5f);
    out.mix(pok, 0.0, 0.55f);
    out.mix(thump, 0.0, static_cast<float>(0.15 + 0.45 * s));
    return out;
}

Sound popCluster(uint32_t seed, int count, double spread, float size) {
    Random random(seed);
    Sound out(kRate, spread + 0.25);
    for (int k = 0; k < count; ++k) {
        // Square-root spacing: the first gaps are the longest, then the chain speeds up.
        const double u = count > 1 ? static_cast<double>(k) / (count - 1) : 0.0;
        const double at = std::max(0.0, spread * std::sqrt(u) + random.range(-0.006, 0.006));
        const float popSize = std::clamp(size + static_cast<float>(random.range(-0.15, 0.15)), 0.0f, 1.0f);
        out.mix(balloonPop(random, popSize), at, static_cast<float>(random.range(0.7, 1.0)));
    }
    return out;
}

Sound plink(double midiNote, double decay) {
    return struck(kRate, decay + 0.05, Curve(static_cast<float>(midiHz(midiNote))),
                  {{1.0, 1.0f, decay}, {2.0, 0.25f, decay * 0.5}, {3.0, 0.08f, decay * 0.3}}, 0.001);
}

Sound bell(double midiNote, double decay) {
    return struck(kRate, decay + 0.05, Curve(static_cast<float>(midiHz(midiNote))),
                  {{1.0, 1.0f, decay},
                   {2.0, 0.5f, decay * 0.6},
                   {3.0, 0.25f, decay * 0.4},
                   {4.16, 0.2f, decay * 0.25},
                   {5.43, 0.12f, decay * 0.18},
                   {6.8, 0.06f, decay * 0.12}},
                  0.0015);
}

Sound bellChord(std::initializer_list<double> midiNotes, double decay) {
    Sound out(kRate, decay);
    for (double note : midiNotes) {
        out.mix(bell(note, decay), 0.0, 1.0f / std::sqrt(static_cast<float>(midiNotes.size())));
    }
    return out;
}

Sound sparkles(uint32_t seed, double seconds, int count, double lowNote, double highNote) {
    // Major pentatonic steps: any two of them sound well together.
    constexpr int kPentatonic[] = {0, 2, 4, 7, 9};
    Random random(seed);
    Sound out(kRate, seconds + 0.4);
    for (int i = 0; i < count; ++i) {
        const double u = random.uniform();
        const double at = seconds * u * u; // denser at the start
        const int raw = static_cast<int>(random.range(lowNote, highNote));
        int note = raw;
        while (std::find(std::begin(kPentatonic), std::end(kPentatonic), ((note % 12) + 12) % 12) ==
               std::end(kPentatonic)) {
            --note;
        }
        const float gain = static_cast<float>(random.range(0.3, 0.7) * (1.0 - 0.6 * at / seconds));
        out.mix(plink(note, random.range(0.15, 0.35)), at, gain);
    }
    return out;
}

Sound brass(double midiNote, double seconds, float brightness, double vibrato) {
    const double hz = midiHz(midiNote);
    const Curve amp = swell(0.03, seconds - 0.08, 0.08);
    const Vibrato wobble{5.5, vibrato, 0.15};
    Sound out = tone(kRate, seconds, Wave::Saw, Curve(static_cast<float>(hz * 1.0035)), amp, wobble);
    out.mix(tone(kRate, seconds, Wave::Saw, Curve(static_cast<float>(hz / 1.0035)), amp, wobble), 0.0);
    out.mix(tone(kRate, seconds, Wave::Sine, Curve(static_cast<float>(hz * 0.5)), amp.scaled(0.4f)), 0.0);
    // The lips buzz brighter for a moment as the note speaks, then settle.
    const double open = hz * (3.0 + 5.0 * brightness);
    const double settle = hz * (2.0 + 3.0 * brightness);
    applySweep(out, FilterKind::Lowpass,
               Curve{{0.0, static_cast<float>(hz * 1.5)},
                     {0.06, static_cast<float>(open), Glide::Exponential},
                     {0.25, static_cast<float>(settle), Glide::Exponential}},
               1.1);
    out.scale(0.5f);
    return out;
}

Sound whoosh(uint32_t seed, double seconds, double fromHz, double toHz, double q) {
    Sound out = noise(kRate, seconds, seed, swell(seconds * 0.45, seconds * 0.55, seconds * 0.45));
    const Curve band{{0.0, static_cast<float>(fromHz)},
                     {seconds, static_cast<float>(toHz), Glide::Exponential}};
    applySweep(out, FilterKind::Bandpass, band, q);
    applySweep(out, FilterKind::Bandpass, band, q);
    return out;
}

Sound thud(uint32_t seed, double seconds, double fromHz, double toHz) {
    Sound out = tone(kRate, seconds, Wave::Sine,
                     Curve{{0.0, static_cast<float>(fromHz)},
                           {seconds * 0.5, static_cast<float>(toHz), Glide::Exponential}},
                     strike(0.002, seconds));
    Sound knock = noise(kRate, seconds, seed, strike(0.001, seconds * 0.35));
    applyFilter(knock, FilterKind::Lowpass, 350.0, 0.9);
    out.mix(knock, 0.0, 0.8f);
    return out;
}

Sound snareHit(Random& random) {
    Sound out = noise(kRate, 0.16, random.next(), strike(0.0008, 0.12));
    applyFilter(out, FilterKind::Bandpass, 3200.0, 0.6);
    out.mix(tone(kRate, 0.12, Wave::Triangle, Curve{{0.0, 240.0f}, {0.05, 180.0f, Glide::Exponential}},
                 strike(0.001, 0.08)),
            0.0, 0.5f);
    return out;
}

Sound cymbal(uint32_t seed, double decay) {
    Sound out = noise(kRate, decay + 0.05, seed, strike(0.002, decay));
    applyFilter(out, FilterKind::Highpass, 4500.0);
    // Inharmonic square partials give the metal its clang.
    for (double hz : {3150.0, 4410.0, 5570.0}) {
        out.mix(
            tone(kRate, decay * 0.6, Wave::Square, Curve(static_cast<float>(hz)), strike(0.001, decay * 0.5)),
            0.0, 0.05f);
    }
    applyFilter(out, FilterKind::Peak, 7000.0, 0.8, 4.0);
    return out;
}

} // namespace cues
