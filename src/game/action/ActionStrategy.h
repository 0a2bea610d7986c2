// ActionStrategy.h: the built-in player's choice in an Action round.
#pragma once

#include "game/rules/GroupClick.h"

#include <cstdint>
#include <optional>

class BalloonBoard;

// What the player does now: pop a group, or pull the cord.
struct ActionMove {
    enum class Kind { Pop, PullCord };
    Kind kind = Kind::Pop;
    BoardMove group; // for Pop
};

// A gold group first (it wins the round), else the largest group; while the board is less than
// half full, groups smaller than `worthClicking` are not worth a click, and the cord brings the
// next row instead (once it is half full, any pair is worth it). `variation`
// breaks ties between groups of one size, so a seeded game always plays the same. Nothing while
// no balloon rests on the board. The board's selection is changed.
std::optional<ActionMove> chooseActionMove(BalloonBoard& board, int worthClicking, uint32_t variation);

// Where the cord hangs: a click here pulls it.
inline constexpr int kCordClickX = 200;
inline constexpr int kCordClickY = 30;
