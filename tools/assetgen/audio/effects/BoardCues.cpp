// BoardCues.cpp: what happens on and around the board: wind, prizes, parachutes, rows and alarms.
#include "Cue.h"
#include "CueParts.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Reverb.h"

using namespace synth;

namespace cues {

namespace {

// A gust passing through: two bands of noise whose centres wander, rising and settling.
Sound breeze() {
    constexpr double kLength = 3.0;
    const Curve shape = swell(0.9, 1.8, 1.2);
    Sound out = noise(kRate, kLength, 601, shape);
    applySweep(out, FilterKind::Bandpass, Curve{{0.0, 320.0f}, {1.1, 720.0f}, {2.0, 480.0f}, {3.0, 380.0f}},
               0.9);
    Sound air = noise(kRate, kLength, 602, shape);
    applySweep(air, FilterKind::Bandpass, Curve{{0.0, 1800.0f}, {1.3, 2600.0f}, {3.0, 1900.0f}}, 1.5);
    out.mix(air, 0.0, 0.3f);
    return out;
}

// The prize leaves the board: air rushing upwards and a soft slide-whistle rise.
Sound prizeFlyOff() {
    Sound out = whoosh(611, 0.45, 600.0, 3500.0);
    out.mix(tone(kRate, 0.4, Wave::Sine, Curve{{0.0, 700.0f}, {0.35, 1800.0f, Glide::Exponential}},
                 swell(0.05, 0.28, 0.1)),
            0.0, 0.12f);
    return out;
}

// The prize touches the shelf: a soft landing, a small bounce and the canopy settling.
Sound prizeLands() {
    Sound out = thud(621, 0.25, 140.0, 60.0);
    out.mix(thud(622, 0.12, 170.0, 90.0), 0.12, 0.35f);
    Sound cloth = noise(kRate, 0.3, 623, swell(0.05, 0.1, 0.15));
    applyFilter(cloth, FilterKind::Lowpass, 1000.0);
    out.mix(cloth, 0.05, 0.15f);
    return out;
}

// The canopy snaps open with a low "fwump", then flutters gently as it drifts down.
Sound parachute() {
    Sound out = noise(kRate, 0.3, 631, strike(0.006, 0.25));
    applySweep(out, FilterKind::Bandpass, Curve{{0.0, 200.0f}, {0.1, 500.0f, Glide::Exponential}}, 1.0);
    out.mix(tone(kRate, 0.3, Wave::Sine, Curve{{0.0, 95.0f}, {0.2, 70.0f}}, strike(0.005, 0.25)), 0.0, 0.6f);
    constexpr double kFlutter = 2.6;
    std::vector<Breakpoint> flaps;
    Random random(632);
    for (double t = 0.0; t < kFlutter; t += random.range(0.07, 0.12)) {
        flaps.push_back({t, static_cast<float>(random.range(0.2, 1.0) * (1.0 - t / kFlutter))});
    }
    flaps.push_back({kFlutter, 0.0f});
    Sound flutter = noise(kRate, kFlutter, 633, Curve(std::move(flaps)));
    applyFilter(flutter, FilterKind::Bandpass, 700.0, 0.8);
    out.mix(flutter, 0.15, 0.35f);
    return out;
}

// A new row is pushed into the board: a rubbery slide down ending in a soft whump.
Sound rowRelease() {
    Sound out = tone(kRate, 0.15, Wave::Triangle, Curve{{0.0, 900.0f}, {0.15, 480.0f, Glide::Exponential}},
                     swell(0.01, 0.1, 0.04), Vibrato{30.0, 0.3, 0.0});
    applyFilter(out, FilterKind::Lowpass, 2500.0);
    out.scale(0.3f);
    out.mix(thud(641, 0.22, 180.0, 70.0), 0.1);
    return out;
}

// One step of a balloon filling up: a puff of air and a tiny rubber squeak. Fifteen balloons
// fill together, so this is kept very short and quiet.
Sound inflate() {
    Sound out = noise(kRate, 0.07, 651, swell(0.01, 0.03, 0.03));
    applyFilter(out, FilterKind::Bandpass, 3000.0, 1.0);
    out.mix(tone(kRate, 0.06, Wave::Triangle, Curve{{0.0, 600.0f}, {0.06, 760.0f}}, swell(0.01, 0.03, 0.02)),
            0.01, 0.4f);
    return out;
}

// The round is lost: the balloons sag like one big balloon letting its air out.
Sound greyOut() {
    constexpr double kLength = 1.2;
    std::vector<Breakpoint> flaps;
    Random random(661);
    for (double t = 0.0; t < kLength; t += 1.0 / random.range(22.0, 30.0)) {
        flaps.push_back({t, static_cast<float>(random.range(0.55, 1.0))});
    }
    flaps.push_back({kLength, 0.6f});
    Sound out = tone(kRate, kLength, Wave::Saw, Curve{{0.0, 190.0f}, {kLength, 85.0f, Glide::Exponential}},
                     Curve(std::move(flaps)));
    applyEnvelope(out, swell(0.03, 0.8, 0.4));
    applyFilter(out, FilterKind::Lowpass, 1500.0, 1.2);
    Sound hiss = noise(kRate, kLength, 662, swell(0.02, 0.5, 0.7));
    applyFilter(hiss, FilterKind::Bandpass, 2500.0, 0.8);
    out.mix(hiss, 0.0, 0.25f);
    return out;
}

// The board is nearly full: a two-tone chime, high then low, that loops seamlessly: the file is
// exactly one cycle and both beeps end in silence before the cycle does.
Sound alarm() {
    constexpr double kCycle = 1.0;
    Sound out(kRate, kCycle);
    auto beep = [](double hz) {
        const Curve amp = swell(0.02, 0.28, 0.04);
        Sound b = tone(kRate, 0.32, Wave::Sine, Curve(static_cast<float>(hz)), amp);
        b.mix(tone(kRate, 0.32, Wave::Sine, Curve(static_cast<float>(3.0 * hz)), amp.scaled(0.2f)), 0.0);
        return b;
    };
    out.mix(beep(880.0), 0.0);
    out.mix(beep(698.46), 0.5);
    out.samples.resize(out.frameAt(kCycle));
    return out;
}

// The referee's pea whistle: a short "tweet" then a long one, the pea making the tone trill.
Sound whistle() {
    auto blast = [](uint32_t seed, double length) {
        std::vector<Breakpoint> trill;
        for (int i = 0; i * 0.018 <= length; ++i) {
            trill.push_back({i * 0.018, i % 2 == 0 ? 2750.0f : 2930.0f});
        }
        const Curve amp = swell(0.015, length - 0.04, 0.04);
        Sound b = tone(kRate, length, Wave::Sine, Curve(std::move(trill)), amp);
        Sound breath = noise(kRate, length, seed, amp);
        applyFilter(breath, FilterKind::Bandpass, 2850.0, 3.0);
        b.mix(breath, 0.0, 0.4f);
        return b;
    };
    Sound out = blast(671, 0.12);
    out.mix(blast(672, 0.5), 0.2);
    addRoom(out, {0.5f, 0.5f, 0.12f, 0.4});
    return out;
}

} // namespace

std::vector<Cue> boardCues() {
    return {
        {"breeze", breeze(), {.loudnessDb = -26.0, .fadeIn = 0.05, .fadeOut = 0.1}},
        {"prize_flyoff", prizeFlyOff(), {.loudnessDb = -22.0}},
        {"prize_lands", prizeLands(), {.loudnessDb = -22.0}},
        {"parachute", parachute(), {.loudnessDb = -23.0}},
        {"balloon_row_release", rowRelease(), {.loudnessDb = -21.0}},
        {"balloon_inflate", inflate(), {.loudnessDb = -30.0}},
        {"balloon_greyout", greyOut(), {.loudnessDb = -21.0}},
        {"alarm", alarm(), {.loudnessDb = -22.0, .trimTail = false}},
        {"whistle", whistle(), {.loudnessDb = -21.0}},
    };
}

} // namespace cues
