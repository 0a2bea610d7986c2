// MusicModule.cpp: lays the four tunes out as sections of one module, at the order numbers the
// screens jump to, each looping on itself for ever.
#include "Arrangement.h"
#include "Instruments.h"
#include "ItModule.h"
#include "Tunes.h"
#include "assetgen/audio/AudioAssets.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tracker {

namespace {

// Where each section starts and how many orders it may fill before the next one begins. The
// last section may grow freely.
struct SectionPlacement {
    Tune (*compose)();
    int firstOrder;
    int orderSlots;
    // Mastering: every note's volume is multiplied by `noteGain` (notes stop at full volume),
    // and the section plays at `level` (0..128), so the sections sit at one loudness under the
    // effects at the player's default volumes.
    double noteGain;
    uint8_t level;
};

constexpr SectionPlacement kSections[] = {
    {puzzleTune, 0, 10, 1.8, 128},
    {titleTune, 10, 11, 1.39, 124},
    {classicTune, 21, 9, 1.0, 128},
    {actionTune, 30, 0, 1.2, 128},
};

void applyNoteGain(Pattern& pattern, double gain) {
    for (Cell& cell : pattern.cells) {
        if (cell.volume) {
            cell.volume = static_cast<uint8_t>(std::min(64L, std::lround(*cell.volume * gain)));
        }
    }
}

// Sets speed, tempo and level on the first row: a jump into the section keeps whatever played
// before it, so the section must state its own.
void stampTiming(Pattern& pattern, const Tune& tune, uint8_t level) {
    pattern.at(0, channel::kSpeedControl).effect = Effect::SetSpeed;
    pattern.at(0, channel::kSpeedControl).param = static_cast<uint8_t>(tune.speed);
    pattern.at(0, channel::kTempoControl).effect = Effect::SetTempo;
    pattern.at(0, channel::kTempoControl).param = static_cast<uint8_t>(tune.tempo);
    pattern.at(0, channel::kLevelControl).effect = Effect::SetGlobalVolume;
    pattern.at(0, channel::kLevelControl).param = level;
}

void stampJump(Pattern& pattern, int row, int order) {
    pattern.at(row, channel::kJumpControl).effect = Effect::JumpToOrder;
    pattern.at(row, channel::kJumpControl).param = static_cast<uint8_t>(order);
}

// Identical patterns are stored once and shared by their orders.
uint8_t addPattern(Module& module, Pattern pattern) {
    const auto found = std::find(module.patterns.begin(), module.patterns.end(), pattern);
    if (found != module.patterns.end()) {
        return static_cast<uint8_t>(found - module.patterns.begin());
    }
    module.patterns.push_back(std::move(pattern));
    return static_cast<uint8_t>(module.patterns.size() - 1);
}

void addSection(Module& module, const SectionPlacement& placement) {
    const Tune tune = placement.compose();
    std::vector<Pattern> patterns = tune.music.patterns(tune.rowsPerPattern);
    for (Pattern& p : patterns) {
        applyNoteGain(p, placement.noteGain);
    }
    stampTiming(patterns.front(), tune, placement.level);
    stampJump(patterns.back(), patterns.back().rows - 1, placement.firstOrder);

    assert(static_cast<int>(module.orders.size()) == placement.firstOrder);
    assert(placement.orderSlots == 0 || static_cast<int>(patterns.size()) <= placement.orderSlots);
    for (Pattern& p : patterns) {
        module.orders.push_back(addPattern(module, std::move(p)));
    }
    // Orders left over before the next section jump straight back to this section's start,
    // with its timing, so even a jump to one of them plays the right music.
    if (placement.orderSlots > 0 &&
        static_cast<int>(module.orders.size()) < placement.firstOrder + placement.orderSlots) {
        constexpr int kFillerRows = 32;
        Pattern filler(kFillerRows, channel::kCount);
        stampTiming(filler, tune, placement.level);
        stampJump(filler, 0, placement.firstOrder);
        const uint8_t index = addPattern(module, std::move(filler));
        while (static_cast<int>(module.orders.size()) < placement.firstOrder + placement.orderSlots) {
            module.orders.push_back(index);
        }
    }
}

} // namespace

} // namespace tracker

GeneratedFile generateMusicModule() {
    using namespace tracker;
    Module module;
    module.songName = "Zibbet";
    module.channelPan = channelPanning();
    module.samples = makeInstrumentSamples();
    module.initialSpeed = 6;
    module.initialTempo = 84;
    module.mixVolume = 127;
    for (const SectionPlacement& placement : kSections) {
        addSection(module, placement);
    }
    return {"music.it", writeIt(module)};
}
