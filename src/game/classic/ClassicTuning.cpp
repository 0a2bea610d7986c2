// ClassicTuning.cpp: the Classic tuning values, one per skill level, as read from the game settings.
#include "ClassicTuning.h"

#include "engine/core/Numbers.h"
#include "engine/core/ksLog.h"
#include "game/rules/TuningLookup.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr int32_t kMostRows = 10;
constexpr int32_t kMostPrizes = 15;
constexpr int32_t kLowestPrizeRow = 15;

} // namespace

ClassicTuning ClassicTuning::read(const TuningLookup& settings) {
    ClassicTuning tuning;
    const std::pair<const char*, PerSkill*> keys[] = {
        {"classicSuperPop3", &tuning.superPop[0]},
        {"classicSuperPop4", &tuning.superPop[1]},
        {"classicSuperPop5", &tuning.superPop[2]},
        {"classicSuperPop6", &tuning.superPop[3]},
        {"classicBigGroupBonus", &tuning.bigGroupBonus},
        {"classicGroupPopPoints", &tuning.groupPopPoints},
        {"classicExtraPopPoints", &tuning.extraPopPoints},
        {"classicPrizePoints", &tuning.prizePoints},
        {"classicLastPrize", &tuning.lastPrize},
        {"classicClearBonus", &tuning.clearBonus},
        {"classicNotClearBonus", &tuning.notClearBonus},
        {"classicBalloonPenalty", &tuning.balloonPenalty},
        {"classicRows", &tuning.rows},
        {"classicPrizes", &tuning.prizes},
        {"classicMinPrizeRow", &tuning.minPrizeRow},
        {"classicMaxPrizeRow", &tuning.maxPrizeRow},
    };
    for (const auto& [name, values] : keys) {
        settings.getIntArray(name, *values);
    }
    tuning.multiplier = readColourMultipliers(settings);
    tuning.clamp();
    return tuning;
}

void ClassicTuning::clamp() {
    for (int skill = 0; skill < kSkillLevels; ++skill) {
        rows[skill] = std::clamp(rows[skill], 1, kMostRows);
        prizes[skill] = std::clamp(prizes[skill], 1, kMostPrizes);
        const int32_t lowestAllowed = std::min(rows[skill], kLowestPrizeRow);
        maxPrizeRow[skill] = std::clamp(maxPrizeRow[skill], 1, lowestAllowed);
        minPrizeRow[skill] = std::clamp(minPrizeRow[skill], 1, lowestAllowed);
        if (minPrizeRow[skill] > maxPrizeRow[skill]) {
            std::swap(minPrizeRow[skill], maxPrizeRow[skill]);
        }
    }
}
