// ClassicScoring.cpp: the points of pops, super pops, prizes and end-of-game bonuses.
#include "ClassicScoring.h"

#include "engine/core/Numbers.h"

#include <cmath>

namespace {

float usableMultiplier(float multiplier) {
    return std::isfinite(multiplier) ? multiplier : 0.0f;
}

} // namespace

int64_t triangular(int m) {
    return m <= 0 ? 0 : int64_t{m} * (m + 1) / 2;
}

GroupScore scoreGroup(const GroupScoreRule& rule, int groupSize, int32_t& superPopRun) {
    const float multiplier = usableMultiplier(rule.multiplier);
    GroupScore score;
    float base = static_cast<float>(rule.groupPopPoints);
    float directBonus = 0.0f;
    if (groupSize >= rule.superPopThreshold) {
        superPopRun += 1;
        score.superPop = true;
        score.bonus = truncSat(static_cast<double>(rule.bigGroupBonus) * superPopRun);
        if (multiplier != 0.0f) {
            // Divided here so that the multiplication below gives the bonus back unchanged.
            base += static_cast<float>(rule.bigGroupBonus) / multiplier * static_cast<float>(superPopRun);
        } else {
            directBonus = static_cast<float>(rule.bigGroupBonus) * static_cast<float>(superPopRun);
        }
    } else {
        superPopRun = 0;
    }
    const float extra = static_cast<float>(rule.extraPopPoints * triangular(groupSize - 2));
    score.points = (extra + base) * multiplier + directBonus;
    return score;
}

float prizeLandingPoints(int32_t prizePoints, int32_t lastPrize, int sourceRow, int rows, bool lastOfGame,
                         float multiplier) {
    const float points = lastOfGame ? static_cast<float>(lastPrize)
                                    : static_cast<float>(prizePoints * triangular(rows - sourceRow));
    return points * usableMultiplier(multiplier);
}

int32_t clearBonusPoints(int32_t clearBonus, float multiplier) {
    return truncSat(static_cast<float>(clearBonus) * usableMultiplier(multiplier));
}

int32_t fewLeftBonusPoints(int32_t notClearBonus, int32_t balloonPenalty, int balloonsLeft,
                           float multiplier) {
    const int64_t base = int64_t{notClearBonus} - int64_t{balloonPenalty} * balloonsLeft;
    return truncSat(static_cast<float>(base) * usableMultiplier(multiplier));
}

int32_t addPoints(int32_t score, double points) {
    return truncSat(static_cast<double>(score) + points);
}
