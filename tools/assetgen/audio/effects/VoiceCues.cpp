// VoiceCues.cpp: the mascot's "yeah" and "woo", and the crowd that cheers at the end of a board.
#include "Cue.h"
#include "CueParts.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Reverb.h"
#include "assetgen/audio/synth/Voice.h"

#include <algorithm>

using namespace synth;

namespace cues {

namespace {

// The mascot is small and excitable: a high voice with a short vocal tract.
constexpr double kMascotTract = 1.22;

Sound yeah() {
    VoiceSpec v;
    v.seconds = 0.58;
    v.pitch = Curve{{0.0, 290.0f}, {0.12, 390.0f}, {0.3, 340.0f}, {0.58, 240.0f}};
    v.loudness = Curve{{0.0, 0.0f}, {0.04, 1.0f}, {0.36, 0.9f}, {0.58, 0.0f}};
    v.vowels = {{0.0, Vowel::GlideY}, {0.08, Vowel::Eh}, {0.24, Vowel::Ae}, {0.5, Vowel::Uh}};
    v.tractScale = kMascotTract;
    v.seed = 71;
    Sound out = speak(kRate, v);
    addRoom(out, {0.4f, 0.5f, 0.1f, 0.3});
    return out;
}

Sound woo() {
    VoiceSpec v;
    v.seconds = 0.72;
    v.pitch = Curve{{0.0, 250.0f}, {0.35, 540.0f, Glide::Exponential}, {0.72, 460.0f}};
    v.loudness = Curve{{0.0, 0.0f}, {0.07, 1.0f}, {0.5, 0.95f}, {0.72, 0.0f}};
    v.breathNoise = Curve{{0.0, 0.08f}, {0.06, 0.0f}};
    v.vowels = {{0.0, Vowel::GlideW}, {0.1, Vowel::Oo}, {0.72, Vowel::Oo}};
    v.tractScale = kMascotTract;
    v.seed = 72;
    Sound out = speak(kRate, v);
    addRoom(out, {0.4f, 0.5f, 0.1f, 0.3});
    return out;
}

// One member of the crowd calling out "yay", "woo", "hey", "ah" or "oh".
Sound crowdVoice(Random& random) {
    VoiceSpec v;
    const bool deep = random.uniform() < 0.45;
    const float base = static_cast<float>(deep ? random.range(105, 165) : random.range(190, 330));
    v.tractScale = deep ? random.range(0.95, 1.05) : random.range(1.12, 1.28);
    v.seconds = random.range(0.5, 1.3);
    const double s = v.seconds;
    v.pitch =
        Curve{{0.0, base}, {s * 0.3, base * static_cast<float>(random.range(1.15, 1.5))}, {s, base * 0.8f}};
    v.loudness = Curve{{0.0, 0.0f}, {0.05, 1.0f}, {s * 0.6, 0.8f}, {s, 0.0f}};
    v.jitter = 0.02f;
    v.seed = random.next();
    switch (random.next() % 5) {
    case 0: // yay
        v.vowels = {{0.0, Vowel::GlideY}, {0.08, Vowel::Eh}, {s * 0.8, Vowel::Ee}};
        break;
    case 1: // woo
        v.vowels = {{0.0, Vowel::GlideW}, {0.1, Vowel::Oo}};
        v.pitch = Curve{{0.0, base}, {s * 0.5, base * 1.7f, Glide::Exponential}, {s, base * 1.4f}};
        break;
    case 2: // hey
        v.breathNoise = Curve{{0.0, 0.15f}, {0.07, 0.0f}};
        v.vowels = {{0.0, Vowel::Eh}, {s * 0.7, Vowel::Ee}};
        break;
    case 3: // ah
        v.vowels = {{0.0, Vowel::Ah}};
        break;
    default: // oh
        v.vowels = {{0.0, Vowel::Oh}, {s, Vowel::Uh}};
        break;
    }
    Sound out = speak(kRate, v);
    const float peak = out.peak();
    if (peak > 0.0f) {
        out.scale(1.0f / peak);
    }
    return out;
}

// One pair of hands: a short band of noise, each clap a little different.
Sound clap(Random& random) {
    Sound out = noise(kRate, 0.05, random.next(), strike(0.0005, 0.03));
    applyFilter(out, FilterKind::Bandpass, random.range(900, 2200), 1.4);
    return out;
}

// A fan's two-finger whistle: a bright tone that swoops up and wavers.
Sound fanWhistle(Random& random) {
    const double length = random.range(0.45, 0.75);
    const float hz = static_cast<float>(random.range(1900, 2600));
    return tone(kRate, length, Wave::Sine, Curve{{0.0, hz * 0.8f}, {0.12, hz * 1.1f}, {length, hz}},
                swell(0.04, length - 0.12, 0.12), Vibrato{6.0, 0.25, 0.1});
}

struct CrowdSize {
    int voices;
    double seconds;
    int claps;
    int whistles;
};

Sound crowd(uint32_t seed, const CrowdSize& size) {
    Random random(seed);
    Sound out(kRate, size.seconds);
    // The murmur under the calls: broadband noise shaped into the voice range.
    Sound murmur =
        noise(kRate, size.seconds, random.next(), swell(0.15, size.seconds * 0.5, size.seconds * 0.5));
    applyFilter(murmur, FilterKind::Bandpass, 900.0, 0.6);
    out.mix(murmur, 0.0, 0.25f);
    for (int i = 0; i < size.voices; ++i) {
        const double at = random.range(0.0, 0.35);
        out.mix(crowdVoice(random), at, static_cast<float>(random.range(0.25, 0.6)));
    }
    for (int i = 0; i < size.claps; ++i) {
        // Applause thins out: most claps early, fewer towards the end.
        const double u = random.uniform();
        const double at = 0.05 + (size.seconds - 0.1) * u * u;
        out.mix(clap(random), at, static_cast<float>(random.range(0.3, 0.8)));
    }
    for (int i = 0; i < size.whistles; ++i) {
        out.mix(fanWhistle(random), random.range(0.1, 0.8), 0.18f);
    }
    addRoom(out, {0.8f, 0.45f, 0.22f, 0.8});
    return out;
}

} // namespace

std::vector<Cue> voiceCues() {
    return {
        {"yeah", yeah()},
        {"woo", woo()},
        {"cheer_all_clear", crowd(81, {30, 3.2, 140, 3})},
        {"cheer_1-5_left", crowd(82, {20, 2.6, 90, 1})},
        {"cheer_6-10_left", crowd(83, {12, 2.0, 55, 0})},
    };
}

} // namespace cues
