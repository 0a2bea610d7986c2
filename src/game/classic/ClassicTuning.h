// ClassicTuning.h: the Classic tuning values, one per skill level, as read from the game settings.
#pragma once

#include "game/rules/GameConstants.h"
#include "game/rules/TuningLookup.h"

#include <array>
#include <cstdint>

// Every value is zero until read, so a key missing from the settings reads as 0 rather than as
// whatever memory held. Reading clamps the board-shape values into what a board can hold.
struct ClassicTuning {
    static constexpr int kColourCounts = kMostColours - kFewestColours + 1;
    using PerSkill = std::array<int32_t, kSkillLevels>;

    std::array<PerSkill, kColourCounts> superPop{}; // classicSuperPop3 .. classicSuperPop6
    PerSkill bigGroupBonus{};                       // classicBigGroupBonus
    PerSkill groupPopPoints{};                      // classicGroupPopPoints
    PerSkill extraPopPoints{};                      // classicExtraPopPoints
    PerSkill prizePoints{};                         // classicPrizePoints
    PerSkill lastPrize{};                           // classicLastPrize
    PerSkill clearBonus{};                          // classicClearBonus
    PerSkill notClearBonus{};                       // classicNotClearBonus
    PerSkill balloonPenalty{};                      // classicBalloonPenalty
    PerSkill rows{};                                // classicRows: filled rows from the top, 1..10
    PerSkill prizes{};                              // classicPrizes: 1..15
    PerSkill minPrizeRow{};                         // classicMinPrizeRow: counted from 1 at the top
    PerSkill maxPrizeRow{};                         // classicMaxPrizeRow: counted from 1 at the top
    // "%dBalloonsMultiplier" for 3 to 6 colours: the factor applied to all points of a game.
    ColourMultipliers multiplier{};

    // Reads every Classic key and the four multipliers, then clamps. A multiplier that does not
    // parse to a finite number reads as 0, with one trace line.
    static ClassicTuning read(const TuningLookup& settings);

    // For each skill level: rows into 1..10; prizes into 1..15; both prize rows into 1..rows
    // (and at most 15), exchanged when the lowest lies above the highest.
    void clamp();

    int32_t superPopThreshold(int colourCount, int skill) const {
        return superPop[colourCount - kFewestColours][skill];
    }
    float multiplierFor(int colourCount) const { return multiplier[colourCount - kFewestColours]; }
};
