// InterfaceCues.cpp: the small sounds of the menus and controls: clicks, undo, refusal, curtain.
#include "Cue.h"
#include "CueParts.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Reverb.h"

using namespace synth;

namespace cues {

namespace {

// A crisp, soft button: a short bright tick over a small wooden "tok".
Sound buttonClick() {
    Sound out = tone(kRate, 0.06, Wave::Sine, Curve(1800.0f), strike(0.0005, 0.015));
    Sound tick = noise(kRate, 0.02, 701, strike(0.0003, 0.005));
    applyFilter(tick, FilterKind::Highpass, 2000.0);
    out.mix(tick, 0.0, 0.5f);
    out.mix(tone(kRate, 0.05, Wave::Sine, Curve{{0.0, 450.0f}, {0.03, 330.0f}}, strike(0.001, 0.025)), 0.0,
            0.6f);
    return out;
}

// Taking a move back: a quick downward "zwip", like a tape spun backwards. Also heard when a
// puzzle prize bounces, so it stays short.
Sound undo() {
    const Curve sweep{{0.0, 1200.0f}, {0.12, 400.0f, Glide::Exponential}};
    Sound out = tone(kRate, 0.16, Wave::Sine, sweep, strike(0.002, 0.14));
    out.mix(tone(kRate, 0.16, Wave::Triangle, sweep.scaled(0.5f), strike(0.002, 0.12)), 0.0, 0.3f);
    return out;
}

// Nothing more to do: a friendly two-note "uh-oh", falling a major third.
Sound noMoves() {
    Sound out(kRate, 0.1);
    const double notes[] = {67, 63};
    for (int i = 0; i < 2; ++i) {
        Sound note = tone(kRate, 0.2, Wave::Square, Curve(static_cast<float>(midiHz(notes[i]))),
                          swell(0.01, 0.15, 0.05));
        applyFilter(note, FilterKind::Lowpass, 1500.0);
        out.mix(note, 0.22 * i, 0.5f);
    }
    addRoom(out, {0.4f, 0.5f, 0.1f, 0.3});
    return out;
}

// A stage curtain drawn aside: a long swish of cloth and the rings clinking along the rail.
Sound curtainOpen() {
    Sound out = whoosh(711, 1.1, 1500.0, 600.0, 0.8);
    Random random(712);
    for (int i = 0; i < 8; ++i) {
        const double hz = random.range(4200, 6000);
        out.mix(struck(kRate, 0.12, Curve(static_cast<float>(hz)), {{1.0, 1.0f, 0.08}, {1.5, 0.4f, 0.05}}),
                0.05 + 0.07 * i + random.range(0.0, 0.02), 0.08f);
    }
    return out;
}

} // namespace

std::vector<Cue> interfaceCues() {
    return {
        {"button_click", buttonClick(), {.loudnessDb = -24.0, .fadeIn = 0.0005}},
        {"undo", undo(), {.loudnessDb = -23.0}},
        {"no_moves", noMoves(), {.loudnessDb = -22.0}},
        {"curtain_open", curtainOpen(), {.loudnessDb = -23.0}},
    };
}

} // namespace cues
