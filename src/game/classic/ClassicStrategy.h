// ClassicStrategy.h: the built-in player's choice of the next group to pop in a Classic game.
#pragma once

#include "game/rules/GroupClick.h"

#include <cstdint>
#include <optional>

class BalloonBoard;

// A prize-minded player: among the groups of at least `minimumGroup` balloons, it takes the one
// that removes the most balloons still standing over an unreleased prize marker (each prize is
// freed once its column holds no more balloons than the marker's row number), then the largest,
// with `variation` (any number, e.g. from the game's random generator) breaking ties, so repeated
// runs with the same seed play the same game. Nothing while the board is still moving or when no
// group is left. The board's selection is changed.
std::optional<BoardMove> chooseClassicMove(BalloonBoard& board, int minimumGroup, uint32_t variation);
