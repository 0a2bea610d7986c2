// PopCues.cpp: the pops: a muffled dud, single pops climbing a scale, and group pops that grow.
#include "Cue.h"
#include "CueParts.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Reverb.h"

#include <string>

using namespace synth;

namespace cues {

namespace {

// A click on a group too small to pop: a soft, low knock that says "nothing happened".
Sound dud() {
    Sound out = tone(kRate, 0.09, Wave::Sine, Curve{{0.0, 420.0f}, {0.04, 260.0f, Glide::Exponential}},
                     strike(0.001, 0.05));
    Sound knock = noise(kRate, 0.05, 90, strike(0.0005, 0.015));
    applyFilter(knock, FilterKind::Lowpass, 900.0);
    out.mix(knock, 0.0, 0.6f);
    return out;
}

// One balloon, with a plink that climbs the pentatonic scale as the index grows.
Sound singlePop(int index) {
    constexpr double kPlinkNotes[] = {72, 74, 76, 79, 81, 84};
    Random random(100 + index);
    Sound out = balloonPop(random, 0.2f + 0.1f * index);
    out.mix(plink(kPlinkNotes[index - 1], 0.16 + 0.02 * index), 0.012, 0.35f);
    return out;
}

// A group: more balloons over a longer burst, crowned by a rising run of plinks whose top note
// climbs with the size of the group.
Sound groupPop(uint32_t seed, int balloons, double spread, float size, std::initializer_list<double> run) {
    Sound out = popCluster(seed, balloons, spread, size);
    double at = 0.02;
    const double step = run.size() > 1 ? spread * 0.7 / (run.size() - 1) : 0.0;
    for (double note : run) {
        out.mix(plink(note, 0.22), at, 0.3f);
        at += step;
    }
    return out;
}

Sound goldenPop() {
    Sound out = popCluster(301, 2, 0.03, 0.5f);
    out.mix(bellChord({84, 88, 91}, 1.3), 0.02, 0.6f);
    out.mix(sparkles(302, 0.8, 10, 88, 103), 0.05, 0.5f);
    addRoom(out, {0.6f, 0.5f, 0.18f, 0.6});
    return out;
}

Sound superPop() {
    Sound out = popCluster(401, 6, 0.07, 0.85f);
    out.mix(whoosh(402, 0.6, 500.0, 5000.0), 0.05, 0.5f);
    constexpr double kRun[] = {72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 7; ++i) {
        out.mix(plink(kRun[i], 0.25), 0.12 + 0.045 * i, 0.35f);
    }
    out.mix(bellChord({84, 88, 91, 96}, 1.4), 0.45, 0.55f);
    out.mix(sparkles(403, 1.0, 14, 86, 103), 0.45, 0.4f);
    addRoom(out, {0.65f, 0.45f, 0.2f, 0.7});
    return out;
}

} // namespace

std::vector<Cue> popCues() {
    std::vector<Cue> out;
    out.push_back({"pop0", dud(), {.loudnessDb = -25.0}});
    for (int i = 1; i <= 6; ++i) {
        out.push_back({"pop" + std::to_string(i), singlePop(i)});
    }
    out.push_back({"pop23", groupPop(23, 2, 0.045, 0.35f, {76})});
    out.push_back({"pop46", groupPop(46, 5, 0.12, 0.45f, {76, 79})});
    out.push_back({"pop610", groupPop(610, 8, 0.22, 0.55f, {79, 84, 88})});
    out.push_back({"pop11", groupPop(11, 12, 0.32, 0.65f, {84, 88, 91, 96})});
    out.push_back({"pop_golden", goldenPop()});
    out.push_back({"superpop", superPop()});
    return out;
}

} // namespace cues
