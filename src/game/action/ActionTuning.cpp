// ActionTuning.cpp: the Action tuning values, one per skill level, and the round arithmetic on them.
#include "ActionTuning.h"

#include "engine/core/Numbers.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr float kMillisecondsPerSecond = 1000.0f;

// Saturates into int32.
int32_t saturate(long double value) {
    constexpr long double lowest = std::numeric_limits<int32_t>::min();
    constexpr long double highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(value, lowest, highest));
}

// base + step x count, saturated into int32.
int32_t plusTimes(int64_t base, int64_t step, int64_t count) {
    // long double holds int32 x int64 products exactly enough to decide the saturation.
    return saturate(static_cast<long double>(base) +
                    static_cast<long double>(step) * static_cast<long double>(count));
}

int clampSkill(int skill) {
    return std::clamp(skill, 0, kSkillLevels - 1);
}

} // namespace

ActionTuning ActionTuning::read(const TuningLookup& settings) {
    ActionTuning tuning;
    const std::pair<const char*, PerSkill*> keys[] = {
        {"actionGoldGroupBonus", &tuning.goldGroupBonus},
        {"actionSuperPop3", &tuning.superPop[0]},
        {"actionSuperPop4", &tuning.superPop[1]},
        {"actionSuperPop5", &tuning.superPop[2]},
        {"actionSuperPop6", &tuning.superPop[3]},
        {"actionBalloons4", &tuning.colourRound[1]},
        {"actionBalloons5", &tuning.colourRound[2]},
        {"actionBalloons6", &tuning.colourRound[3]},
        {"actionBigGroupBonus", &tuning.bigGroupBonus},
        {"actionGroupPopPoints", &tuning.groupPopPoints},
        {"actionExtraPopPoints", &tuning.extraPopPoints},
        {"actionRowFillTime", &tuning.rowFillTime},
        {"actionRowFillDeduct", &tuning.rowFillDeduct},
        {"actionRowFillMinTime", &tuning.rowFillMinTime},
        {"actionNumsRowsConstRate", &tuning.rowsConstRate},
        {"actionNumsRowsConstRateDeduct", &tuning.rowsConstRateDeduct},
        {"actionRowFillDeductInLevel", &tuning.rowFillDeductInLevel},
        {"actionRowFillDeductInLevelMod", &tuning.rowFillDeductInLevelMod},
        {"actionRows", &tuning.rows},
        {"actionRowsToAdd", &tuning.rowsToAdd},
        {"actionNumBalloonsToPop", &tuning.balloonsToPop},
        {"actionNumBalloonsToAdd", &tuning.balloonsToAdd},
        {"actionNumBalloonsToSub", &tuning.balloonsToSub},
        {"actionMinBalloonsToPop", &tuning.minBalloonsToPop},
    };
    for (const auto& [name, values] : keys) {
        settings.getIntArray(name, *values);
    }
    for (int32_t& rows : tuning.rows) {
        rows = std::clamp(rows, int32_t{1}, kMostStartingRows);
    }
    tuning.multiplier = readColourMultipliers(settings);
    return tuning;
}

int ActionTuning::colourCount(int skill, int64_t round) const {
    skill = clampSkill(skill);
    int count = kFewestColours;
    // The round counted from 1, kept from overflowing for the largest rounds.
    const int64_t playing = round < std::numeric_limits<int64_t>::max() ? round + 1 : round;
    for (int colours = kFewestColours + 1; colours <= kMostColours; ++colours) {
        const int32_t first = colourRound[static_cast<std::size_t>(colours - kFewestColours)][skill];
        if (first != 0 && playing >= first) {
            count = colours;
        }
    }
    return count;
}

int32_t ActionTuning::superPopThreshold(int skill, int colourCount) const {
    colourCount = std::clamp(colourCount, kFewestColours, kMostColours);
    return superPop[static_cast<std::size_t>(colourCount - kFewestColours)][clampSkill(skill)];
}

float ActionTuning::multiplierFor(int colourCount) const {
    colourCount = std::clamp(colourCount, kFewestColours, kMostColours);
    return multiplier[static_cast<std::size_t>(colourCount - kFewestColours)];
}

int32_t ActionTuning::popsNeeded(int skill, int64_t round, int64_t given) const {
    skill = clampSkill(skill);
    const long double needed =
        static_cast<long double>(balloonsToPop[skill]) +
        static_cast<long double>(balloonsToAdd[skill]) * static_cast<long double>(round) -
        static_cast<long double>(balloonsToSub[skill]) * static_cast<long double>(given);
    // At least one pop, so settings without a floor never hand out a star every frame.
    return std::max({saturate(needed), minBalloonsToPop[skill], int32_t{1}});
}

float ActionTuning::rowSeconds(int skill, int64_t round) const {
    skill = clampSkill(skill);
    const int32_t ms =
        std::max(plusTimes(rowFillTime[skill], -int64_t{rowFillDeduct[skill]}, round), rowFillMinTime[skill]);
    return static_cast<float>(ms) / kMillisecondsPerSecond;
}

float ActionTuning::shortenedRowSeconds(int skill, int64_t round, float seconds) const {
    skill = clampSkill(skill);
    const int32_t deductMs = plusTimes(rowFillDeductInLevel[skill], rowFillDeductInLevelMod[skill], round);
    const float shortened = seconds - static_cast<float>(deductMs) / kMillisecondsPerSecond;
    return std::max(shortened, shortestRowSeconds(skill));
}

float ActionTuning::shortestRowSeconds(int skill) const {
    return static_cast<float>(rowFillMinTime[clampSkill(skill)]) / kMillisecondsPerSecond;
}

int32_t ActionTuning::constantRateRows(int skill, int64_t round) const {
    skill = clampSkill(skill);
    return std::max(plusTimes(rowsConstRate[skill], -int64_t{rowsConstRateDeduct[skill]}, round), int32_t{0});
}

int32_t ActionTuning::startingRows(int skill, int64_t round) const {
    skill = clampSkill(skill);
    return plusTimes(rows[skill], rowsToAdd[skill], round);
}

int32_t ActionTuning::goldBonus(int skill, int64_t round, int groupSize) const {
    skill = clampSkill(skill);
    const long double bonus = (static_cast<long double>(round) + 1.0L) *
                              static_cast<long double>(goldGroupBonus[skill]) *
                              static_cast<long double>(groupSize);
    return saturate(bonus);
}
