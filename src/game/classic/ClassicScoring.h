// ClassicScoring.h: the points of freed prizes and of the end-of-game bonuses.
#pragma once

#include "game/rules/PopScoring.h"

#include <cstdint>

// The points of a freed prize that has landed, multiplier applied: prizePoints x T(rows - row)
// by the row it left (row 0 at the top scores most), or lastPrize for the last prize of a game.
float prizeLandingPoints(int32_t prizePoints, int32_t lastPrize, int sourceRow, int rows, bool lastOfGame,
                         float multiplier);

// End-of-game bonus when every balloon was popped: trunc(clearBonus x multiplier).
int32_t clearBonusPoints(int32_t clearBonus, float multiplier);
// End-of-game bonus with 1 to 10 balloons left: trunc((notClearBonus - penalty x left) x
// multiplier); the caller adds it only when positive.
int32_t fewLeftBonusPoints(int32_t notClearBonus, int32_t balloonPenalty, int balloonsLeft, float multiplier);
