// Instruments.cpp: the synthesised instrument samples of the music module.
#include "Instruments.h"

#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Mastering.h"
#include "assetgen/audio/synth/Noise.h"
#include "assetgen/audio/synth/Oscillators.h"

#include <cmath>
#include <functional>
#include <numbers>

using namespace synth;

namespace tracker {

namespace {

constexpr int kToneRate = 22050;
constexpr int kDrumRate = 22050;
constexpr int kMetalRate = 44100; // hats and cymbals keep their air
constexpr float kSamplePeak = 0.9f;

// Looped tones repeat every kLoopPeriod × kLoopCycles frames: one cycle of 84 frames is
// 262.5 Hz at kToneRate, and 128 cycles leave room for detuned voices that drift against each
// other by whole beats within the loop, so the loop point is seamless.
constexpr int kLoopPeriod = 84;
constexpr int kLoopCycles = 128;
constexpr int kLoopFrames = kLoopPeriod * kLoopCycles;

uint32_t c5SpeedFor(int rate, double recordedHz) {
    return static_cast<uint32_t>(std::lround(rate * midiHz(60) / recordedHz));
}

std::vector<int16_t> toSampleData(Sound sound, bool fadeOut) {
    const float p = sound.peak();
    if (p > 0.0f) {
        sound.scale(kSamplePeak / p);
    }
    if (fadeOut) {
        const std::size_t fade = std::min(sound.frames(), sound.frameAt(0.01));
        for (std::size_t i = 0; i < fade; ++i) {
            sound.samples[sound.frames() - 1 - i] *= static_cast<float>(i) / fade;
        }
    }
    return toPcm16(sound);
}

// Drums are mostly noise with sharp peaks; a soft saturation (`drive` > 1) rounds the peaks off
// so a hit carries more weight at the same peak level.
void saturate(Sound& sound, float drive) {
    const float p = sound.peak();
    if (p <= 0.0f) {
        return;
    }
    const float norm = 1.0f / std::tanh(drive);
    for (float& x : sound.samples) {
        x = norm * std::tanh(drive * x / p);
    }
}

// The click of a mallet or the sizzle of a drum skin: a short burst of noise above 6 kHz, up to
// the top of the sample rate. It gives the instruments their brightness over 8 kHz.
Sound air(int rate, double decay, uint32_t seed) {
    Sound s = noise(rate, decay + 0.01, seed, strike(0.0004, decay));
    applyFilter(s, FilterKind::Highpass, 6000.0);
    applyFilter(s, FilterKind::Highpass, 6000.0);
    return s;
}

Sample oneShot(const char* name, Sound sound, uint32_t c5Speed, float drive = 1.0f) {
    if (drive > 1.0f) {
        saturate(sound, drive);
    }
    Sample s;
    s.name = name;
    s.c5Speed = c5Speed;
    s.pcm = toSampleData(std::move(sound), true);
    return s;
}

// One voice of an additive looped tone: its fundamental in loop bins (128 = in tune) and level.
struct LoopVoice {
    int bin;
    float level;
};

// An additive tone that settles after `attack` seconds into an exactly periodic loop. Breath
// noise, if any, lives only in the attack so the loop stays clean.
Sample loopedTone(const char* name, std::initializer_list<LoopVoice> voices,
                  const std::function<double(int)>& harmonic, double maxHz, double attack, float breath,
                  uint32_t seed) {
    const int attackFrames = static_cast<int>(attack * kToneRate);
    Sound sound(kToneRate, static_cast<double>(attackFrames + kLoopFrames) / kToneRate);
    Random random(seed);
    for (const LoopVoice& voice : voices) {
        for (int h = 1; h * voice.bin * static_cast<double>(kToneRate) / kLoopFrames < maxHz; ++h) {
            const double level = voice.level * harmonic(h);
            const double phase = random.uniform();
            const double cyclesPerFrame = static_cast<double>(h * voice.bin) / kLoopFrames;
            for (std::size_t n = 0; n < sound.frames(); ++n) {
                sound.samples[n] += static_cast<float>(
                    level * std::sin(2.0 * std::numbers::pi * (cyclesPerFrame * n + phase)));
            }
        }
    }
    Sound air =
        noise(kToneRate, attack, seed + 1, Curve{{0.0, 0.0f}, {attack * 0.3, breath}, {attack, 0.0f}});
    applyFilter(air, FilterKind::Bandpass, 2500.0, 0.8);
    for (int n = 0; n < attackFrames; ++n) {
        const double u = static_cast<double>(n) / attackFrames;
        sound.samples[n] = static_cast<float>(sound.samples[n] * u * u * (3.0 - 2.0 * u)) + air.samples[n];
    }
    Sample s;
    s.name = name;
    s.c5Speed = c5SpeedFor(kToneRate, static_cast<double>(kToneRate) / kLoopPeriod);
    s.pcm = toSampleData(std::move(sound), false);
    s.loop = true;
    s.loopBegin = static_cast<uint32_t>(attackFrames);
    s.loopEnd = static_cast<uint32_t>(attackFrames + kLoopFrames);
    return s;
}

Sample marimba() {
    const double hz = midiHz(60);
    Sound s = struck(kToneRate, 1.2, Curve(static_cast<float>(hz)),
                     {{1.0, 1.0f, 1.0}, {3.93, 0.35f, 0.15}, {9.2, 0.12f, 0.05}}, 0.001);
    Sound mallet = noise(kToneRate, 0.03, 11, strike(0.0005, 0.012));
    applyFilter(mallet, FilterKind::Lowpass, 1500.0);
    s.mix(mallet, 0.0, 0.25f);
    s.mix(air(kToneRate, 0.02, 12), 0.0, 0.5f);
    // Saturated a little, the bar's ring carries more weight at the same peak.
    return oneShot("marimba", std::move(s), c5SpeedFor(kToneRate, hz), 1.8f);
}

Sample glock() {
    const double hz = midiHz(72);
    Sound s = struck(kToneRate, 1.8, Curve(static_cast<float>(hz)),
                     {{1.0, 1.0f, 1.6}, {2.76, 0.3f, 0.5}, {5.4, 0.12f, 0.2}, {8.93, 0.08f, 0.12}}, 0.001);
    s.mix(air(kToneRate, 0.02, 13), 0.0, 0.25f);
    return oneShot("glockenspiel", std::move(s), c5SpeedFor(kToneRate, hz));
}

Sample ePiano() {
    const double hz = midiHz(60);
    Sound s = fm(kToneRate, 1.8, Curve(static_cast<float>(hz)), 1.0,
                 Curve{{0.0, 2.0f}, {0.6, 0.3f, Glide::Exponential}}, strike(0.002, 1.7));
    s.mix(struck(kToneRate, 0.2, Curve(static_cast<float>(hz)), {{7.1, 0.08f, 0.08}, {19.0, 0.05f, 0.05}}),
          0.0);
    s.mix(air(kToneRate, 0.03, 14), 0.0, 0.5f);
    return oneShot("electric piano", std::move(s), c5SpeedFor(kToneRate, hz), 1.5f);
}

Sample bass() {
    const double hz = midiHz(36);
    Sound s = tone(kToneRate, 2.2, Wave::Sine, Curve(static_cast<float>(hz)), strike(0.004, 2.1));
    // A little edge for the pluck, filtered hard: the sample is also played two octaves up.
    Sound edge = tone(kToneRate, 2.2, Wave::Saw, Curve(static_cast<float>(hz)), strike(0.003, 1.6));
    applySweep(edge, FilterKind::Lowpass, Curve{{0.0, 500.0f}, {0.3, 200.0f, Glide::Exponential}}, 0.8);
    applyFilter(edge, FilterKind::Lowpass, 900.0, 0.7);
    s.mix(edge, 0.0, 0.45f);
    return oneShot("bass", std::move(s), c5SpeedFor(kToneRate, hz));
}

Sample pad() {
    return loopedTone(
        "pad", {{127, 0.33f}, {128, 0.4f}, {129, 0.33f}}, [](int h) { return 1.0 / h / (1.0 + h / 8.0); },
        10500.0, 0.35, 0.0f, 21);
}

Sample flute() {
    return loopedTone(
        "flute", {{128, 1.0f}, {129, 0.12f}},
        [](int h) {
            constexpr double kLevels[] = {1.0, 0.3, 0.12, 0.05, 0.03};
            // Above them, a faint breathy shimmer.
            return h <= 5 ? kLevels[h - 1] : 0.07 / (h - 4.0);
        },
        10500.0, 0.06, 0.15f, 22);
}

Sample squareLead() {
    return loopedTone(
        "square lead", {{128, 1.0f}, {129, 0.25f}},
        [](int h) { return (h % 2 == 1 ? 1.0 : 0.1) / h / (1.0 + h / 9.0); }, 10500.0, 0.015, 0.0f, 23);
}

Sample sawLead() {
    return loopedTone(
        "saw lead", {{127, 0.6f}, {128, 0.5f}, {129, 0.6f}}, [](int h) { return 1.0 / h / (1.0 + h / 12.0); },
        10500.0, 0.01, 0.0f, 24);
}

Sample kick() {
    Sound s =
        tone(kDrumRate, 0.4, Wave::Sine,
             Curve{{0.0, 160.0f}, {0.05, 52.0f, Glide::Exponential}, {0.4, 45.0f}}, strike(0.001, 0.35));
    Sound click = noise(kDrumRate, 0.01, 31, strike(0.0002, 0.005));
    applyFilter(click, FilterKind::Lowpass, 3000.0);
    s.mix(click, 0.0, 0.3f);
    return oneShot("kick", std::move(s), kDrumRate, 1.5f);
}

Sample snare() {
    Sound s = noise(kDrumRate, 0.25, 32, strike(0.0008, 0.18));
    applyFilter(s, FilterKind::Bandpass, 3500.0, 0.7);
    s.mix(tone(kDrumRate, 0.15, Wave::Triangle, Curve{{0.0, 200.0f}, {0.05, 170.0f}}, strike(0.001, 0.1)),
          0.0, 0.6f);
    s.mix(air(kDrumRate, 0.12, 33), 0.0, 0.5f);
    return oneShot("snare", std::move(s), kDrumRate, 4.0f);
}

Sample clap() {
    Sound s(kDrumRate, 0.3);
    for (int i = 0; i < 3; ++i) {
        s.mix(noise(kDrumRate, 0.02, 40 + i, strike(0.0003, 0.01)), 0.011 * i);
    }
    s.mix(noise(kDrumRate, 0.25, 44, strike(0.001, 0.15)), 0.022, 0.8f);
    applyFilter(s, FilterKind::Bandpass, 1300.0, 1.2);
    s.mix(air(kDrumRate, 0.08, 45), 0.022, 0.12f);
    return oneShot("clap", std::move(s), kDrumRate, 4.0f);
}

Sample hat(const char* name, double decay, uint32_t seed) {
    Sound s = noise(kMetalRate, decay + 0.03, seed, strike(0.0005, decay));
    applyFilter(s, FilterKind::Highpass, 7000.0);
    applyFilter(s, FilterKind::Peak, 10000.0, 1.0, 5.0);
    return oneShot(name, std::move(s), kMetalRate, 3.0f);
}

Sample shaker() {
    Sound s = noise(kMetalRate, 0.12, 51, swell(0.015, 0.03, 0.07));
    applyFilter(s, FilterKind::Bandpass, 8000.0, 0.8);
    return oneShot("shaker", std::move(s), kMetalRate, 3.0f);
}

Sample crash() {
    Sound s = noise(kMetalRate, 1.65, 52, strike(0.002, 1.6));
    applyFilter(s, FilterKind::Highpass, 4000.0);
    for (double hz : {3150.0, 4410.0, 5570.0}) {
        s.mix(tone(kMetalRate, 1.0, Wave::Square, Curve(static_cast<float>(hz)), strike(0.001, 0.8)), 0.0,
              0.04f);
    }
    return oneShot("crash", std::move(s), kMetalRate, 2.0f);
}

Sample rim() {
    Sound s = struck(kDrumRate, 0.08, Curve(1700.0f), {{1.0, 1.0f, 0.05}, {2.3, 0.4f, 0.03}}, 0.0003);
    s.mix(noise(kDrumRate, 0.01, 53, strike(0.0002, 0.004)), 0.0, 0.3f);
    return oneShot("rim", std::move(s), kDrumRate, 2.0f);
}

} // namespace

// The mix: the kick and the hand-drums' attacks set the peaks of the music far more than its
// loudness, so they sit a little lower and the tunes can be louder without clipping.
Sample withFader(Sample sample, uint8_t globalVolume) {
    sample.globalVolume = globalVolume;
    return sample;
}

std::vector<Sample> makeInstrumentSamples() {
    return {marimba(),
            glock(),
            ePiano(),
            withFader(bass(), 38),
            pad(),
            flute(),
            squareLead(),
            sawLead(),
            withFader(kick(), 34),
            withFader(snare(), 44),
            withFader(clap(), 40),
            hat("closed hat", 0.05, 61),
            hat("open hat", 0.4, 62),
            shaker(),
            withFader(crash(), 40),
            rim()};
}

} // namespace tracker
