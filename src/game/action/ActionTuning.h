// ActionTuning.h: the Action tuning values, one per skill level, and the round arithmetic on them.
#pragma once

#include "game/rules/GameConstants.h"
#include "game/rules/TuningLookup.h"

#include <array>
#include <cstdint>

// Every value is zero until read. Times are stored in milliseconds as the settings hold them.
// The round arithmetic below works in 64 bits and saturates, so a huge saved round (the profile
// comes from a file) gives the limits of each value rather than a wrapped one.
struct ActionTuning {
    using PerSkill = std::array<int32_t, kSkillLevels>;
    static constexpr int kColourCounts = kMostColours - kFewestColours + 1;
    static constexpr int32_t kMostStartingRows = 10;

    PerSkill goldGroupBonus{};                      // actionGoldGroupBonus
    std::array<PerSkill, kColourCounts> superPop{}; // actionSuperPop3 .. actionSuperPop6
    // actionBalloons4 .. actionBalloons6: the first round (counted from 1) with that many
    // colours; 0 never. Index 0 is unused (3 colours from the start).
    std::array<PerSkill, kColourCounts> colourRound{};
    PerSkill bigGroupBonus{};           // actionBigGroupBonus
    PerSkill groupPopPoints{};          // actionGroupPopPoints
    PerSkill extraPopPoints{};          // actionExtraPopPoints
    PerSkill rowFillTime{};             // actionRowFillTime, ms
    PerSkill rowFillDeduct{};           // actionRowFillDeduct, ms per round
    PerSkill rowFillMinTime{};          // actionRowFillMinTime, ms
    PerSkill rowsConstRate{};           // actionNumsRowsConstRate
    PerSkill rowsConstRateDeduct{};     // actionNumsRowsConstRateDeduct
    PerSkill rowFillDeductInLevel{};    // actionRowFillDeductInLevel, ms per row
    PerSkill rowFillDeductInLevelMod{}; // actionRowFillDeductInLevelMod, ms per row and round
    PerSkill rows{};                    // actionRows: starting rows of round 0, 1..10
    PerSkill rowsToAdd{};               // actionRowsToAdd
    PerSkill balloonsToPop{};           // actionNumBalloonsToPop
    PerSkill balloonsToAdd{};           // actionNumBalloonsToAdd
    PerSkill balloonsToSub{};           // actionNumBalloonsToSub
    PerSkill minBalloonsToPop{};        // actionMinBalloonsToPop
    ColourMultipliers multiplier{};

    // Reads every Action key and the multipliers; the starting rows are clamped into 1..10.
    static ActionTuning read(const TuningLookup& settings);

    // The round arithmetic for round `round` (0-based) at skill level `skill` (0..2).
    int colourCount(int skill, int64_t round) const;
    int32_t superPopThreshold(int skill, int colourCount) const;
    float multiplierFor(int colourCount) const;
    // Pops needed for the next gold star once `given` gold stars were given in the round.
    int32_t popsNeeded(int skill, int64_t round, int64_t given) const;
    // The row time of the round's first rows, in seconds, never below the shortest row time.
    float rowSeconds(int skill, int64_t round) const;
    // The row time after one more row in a round that has gone past its constant-rate rows.
    float shortenedRowSeconds(int skill, int64_t round, float seconds) const;
    float shortestRowSeconds(int skill) const;
    int32_t constantRateRows(int skill, int64_t round) const;
    // The rows the fill phase pushes in at the start of the round.
    int32_t startingRows(int skill, int64_t round) const;
    // The bonus of a popped gold group: (round + 1) x goldGroupBonus x size.
    int32_t goldBonus(int skill, int64_t round, int groupSize) const;
};
