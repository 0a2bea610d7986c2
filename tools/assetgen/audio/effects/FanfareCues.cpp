// FanfareCues.cpp: the musical moments: fanfares, the sad trombone, the till and the gold chime.
#include "Cue.h"
#include "CueParts.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Reverb.h"

#include <initializer_list>

using namespace synth;

namespace cues {

namespace {

Sound brassChord(std::initializer_list<double> notes, double seconds, float brightness, double vibrato) {
    Sound out(kRate, seconds);
    for (double note : notes) {
        out.mix(brass(note, seconds, brightness, vibrato), 0.0, 0.5f);
    }
    return out;
}

// "Ta-daa!": a short pickup chord, then the full chord held, with a cymbal and glitter on top.
Sound tada() {
    Sound out = brassChord({60, 64, 67, 72}, 0.14, 0.8f, 0.0);
    out.mix(brassChord({60, 64, 67, 72, 76}, 1.1, 1.0f, 0.15), 0.17);
    out.mix(cymbal(501, 1.2), 0.17, 0.25f);
    out.mix(bellChord({84, 88, 91}, 1.0), 0.17, 0.25f);
    addRoom(out, {0.6f, 0.4f, 0.18f, 0.6});
    return out;
}

// A new board: a bright run up the chord, ending on a ringing chord.
Sound newGame() {
    Sound out(kRate, 0.1);
    constexpr double kRun[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        out.mix(bell(kRun[i], 0.5), 0.075 * i, 0.45f);
    }
    out.mix(bellChord({79, 84, 88}, 1.0), 0.3, 0.6f);
    out.mix(whoosh(511, 0.35, 800.0, 4000.0), 0.0, 0.25f);
    addRoom(out, {0.5f, 0.5f, 0.15f, 0.5});
    return out;
}

// One note of a muted trombone: the mute opens and closes ("wah"), and the pitch sags at the end.
Sound trombone(double note, double seconds, double sag, double vibrato) {
    const float hz = static_cast<float>(midiHz(note));
    const float sagged = static_cast<float>(midiHz(note - sag));
    const Curve pitch{{0.0, hz}, {seconds * 0.7, hz}, {seconds, sagged, Glide::Exponential}};
    const Curve amp = swell(0.04, seconds - 0.07, 0.07);
    Sound out = tone(kRate, seconds, Wave::Saw, pitch, amp, Vibrato{5.5, vibrato, 0.2});
    out.mix(tone(kRate, seconds, Wave::Square, pitch, amp.scaled(0.3f), Vibrato{5.5, vibrato, 0.2}), 0.0);
    applySweep(out, FilterKind::Lowpass, Curve{{0.0, 350.0f}, {0.12, 1500.0f}, {seconds, 500.0f}}, 2.0);
    return out;
}

// The sad trombone: four sagging notes down by semitones, the last one long and wobbling.
Sound looseTrumpet() {
    Sound out(kRate, 0.1);
    constexpr double kNotes[] = {58, 57, 56};
    for (int i = 0; i < 3; ++i) {
        out.mix(trombone(kNotes[i], 0.34, 0.4, 0.0), 0.38 * i);
    }
    out.mix(trombone(55, 1.25, 1.0, 0.45), 0.38 * 3);
    addRoom(out, {0.4f, 0.5f, 0.1f, 0.4});
    return out;
}

// "Cha-ching": the till's drawer rattles out, then its bell rings.
Sound chaChing() {
    Random random(521);
    Sound out(kRate, 0.1);
    for (int i = 0; i < 3; ++i) {
        Sound click = noise(kRate, 0.03, random.next(), strike(0.0005, 0.02));
        applyFilter(click, FilterKind::Bandpass, random.range(3000, 5000), 2.0);
        out.mix(click, 0.02 * i, 0.7f);
    }
    out.mix(thud(522, 0.12, 220.0, 120.0), 0.06, 0.5f);
    out.mix(bell(96, 1.0), 0.13, 0.55f);
    out.mix(bell(100, 0.9), 0.13, 0.45f);
    out.mix(sparkles(523, 0.5, 6, 96, 108), 0.15, 0.25f);
    addRoom(out, {0.5f, 0.5f, 0.12f, 0.4});
    return out;
}

// A gold star is on its way: a twinkling run up the scale into a held, glittering chord.
Sound goldUnite() {
    Sound out(kRate, 0.1);
    constexpr double kRun[] = {79, 81, 84, 86, 88, 91, 93, 96, 98, 100, 103};
    for (int i = 0; i < 11; ++i) {
        out.mix(plink(kRun[i], 0.3), 0.032 * i, 0.3f);
    }
    out.mix(bellChord({88, 91, 96}, 1.2), 0.36, 0.5f);
    out.mix(sparkles(531, 0.9, 12, 91, 108), 0.36, 0.35f);
    addRoom(out, {0.7f, 0.4f, 0.2f, 0.6});
    return out;
}

// A sideshow reveal: a snare roll swelling up, then a cymbal and a spooky-fun organ chord.
Sound freakshowReveal() {
    Random random(541);
    Sound out(kRate, 0.1);
    constexpr int kStrokes = 26;
    for (int i = 0; i < kStrokes; ++i) {
        const float swellGain = 0.15f + 0.7f * i / kStrokes;
        out.mix(snareHit(random), 0.028 * i, swellGain);
    }
    const double hit = 0.028 * kStrokes;
    out.mix(cymbal(542, 1.1), hit, 0.35f);
    // A minor chord with an added sixth, with a fast tremolo like a fairground organ.
    const Curve tremolo = [] {
        std::vector<Breakpoint> points;
        for (int i = 0; i <= 24; ++i) {
            points.push_back({i * 0.05, i % 2 == 0 ? 1.0f : 0.55f});
        }
        points.push_back({1.25, 0.0f});
        return Curve(std::move(points));
    }();
    Sound organ(kRate, 1.3);
    for (double note : {60.0, 63.0, 67.0, 69.0, 72.0}) {
        organ.mix(tone(kRate, 1.3, Wave::Square, Curve(static_cast<float>(midiHz(note))), tremolo), 0.0,
                  0.12f);
        organ.mix(tone(kRate, 1.3, Wave::Sine, Curve(static_cast<float>(midiHz(note - 12))), tremolo), 0.0,
                  0.12f);
    }
    applyFilter(organ, FilterKind::Lowpass, 2200.0);
    out.mix(organ, hit, 1.0f);
    out.mix(brassChord({48, 55, 60, 63}, 0.25, 1.0f, 0.0), hit, 0.6f);
    addRoom(out, {0.6f, 0.4f, 0.18f, 0.6});
    return out;
}

} // namespace

std::vector<Cue> fanfareCues() {
    return {
        {"tada", tada()},
        {"classic_newgame", newGame()},
        {"loosetrumpet", looseTrumpet()},
        {"chaching", chaChing()},
        {"balloon_gold_unite", goldUnite()},
        {"freakshow_reveal", freakshowReveal()},
    };
}

} // namespace cues
