// PuzzleGoal.h: a puzzle's goal, read from its layout, and how a puzzle can end.
#pragma once

#include "PuzzleLevel.h"

enum class PuzzleGoal : int { PopAll = 1, PopGold = 2, PrizesOnTargets = 4 };

// 0 while the puzzle goes on; the goal's value when it is met; 16 and above are failures.
namespace puzzle_result {
inline constexpr int kNone = 0;
inline constexpr int kNoMoves = 32;
inline constexpr int kWrongTarget = 128;
inline constexpr int kFirstFailure = 16;
} // namespace puzzle_result

struct PuzzleSetup {
    PuzzleGoal goal = PuzzleGoal::PopAll;
    int prizeCount = 0; // balloons carrying a prize
    int goldCount = 0;  // gold star balloons
};

// Gold outranks prizes, and prizes outrank popping everything. Cells with out-of-range values
// count as empty, as they do on the board.
PuzzleSetup setupOf(const PuzzleLevel& level);

// 0 gold, 1 prizes, 2 all: which goal banner shows.
int goalIndex(PuzzleGoal goal);
