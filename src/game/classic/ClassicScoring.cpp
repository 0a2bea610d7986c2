// ClassicScoring.cpp: the points of freed prizes and of the end-of-game bonuses.
#include "ClassicScoring.h"

#include "engine/core/Numbers.h"

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
