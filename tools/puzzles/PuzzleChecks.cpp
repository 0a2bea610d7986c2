// PuzzleChecks.cpp: what every puzzle of a pack must satisfy, and its replay on the game's own board.
#include "PuzzleChecks.h"

#include "game/puzzle/PuzzleGame.h"

#include <array>
#include <set>

std::vector<std::string> layoutProblems(const PuzzleLevel& level) {
    std::vector<std::string> problems;
    std::array<int, puzzle::kColumns> height{};
    for (int column = 0; column < puzzle::kColumns; ++column) {
        bool gap = false;
        for (int row = 0; row < puzzle::kRows; ++row) {
            const CellContent cell = level.cell(row, column);
            if (cell.colour < 0) {
                gap = true;
            } else if (gap) {
                problems.push_back("column " + std::to_string(column) + " has a gap above row " +
                                   std::to_string(row) + ": its balloons would rise");
                break;
            } else {
                ++height[static_cast<std::size_t>(column)];
            }
        }
    }
    int first = -1;
    int last = -1;
    for (int column = 0; column < puzzle::kColumns; ++column) {
        if (height[static_cast<std::size_t>(column)] > 0) {
            first = first < 0 ? column : first;
            last = column;
        }
    }
    if (first < 0) {
        problems.push_back("there are no balloons");
        return problems;
    }
    for (int column = first; column <= last; ++column) {
        if (height[static_cast<std::size_t>(column)] == 0) {
            problems.push_back("column " + std::to_string(column) + " is empty between balloons");
        }
    }
    if (first > 8 || last < 7) {
        problems.push_back("the balloons do not reach the seam between columns 7 and 8");
    }
    std::set<int> targets;
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        if (level.target(slot) >= 0) {
            targets.insert(level.target(slot));
        }
    }
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            const int prize = level.cell(row, column).prizeKind;
            if (prize >= 0 && !targets.contains(prize)) {
                problems.push_back("prize " + std::to_string(prize) + " has no target on the floor");
            }
        }
    }
    return problems;
}

bool replayOnPuzzleBoard(const PuzzleLevel& level, const std::vector<PuzzleMove>& moves, std::string& why) {
    PuzzleGame game;
    game.load(level);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (game.isOver()) {
            why = "the puzzle ended after click " + std::to_string(i);
            return false;
        }
        if (game.click(moves[i].row, moves[i].column) == 0) {
            why = "click " + std::to_string(i + 1) + " (" + std::to_string(moves[i].row) + "," +
                  std::to_string(moves[i].column) + ") pops no group";
            return false;
        }
        game.settle();
    }
    if (!game.solved()) {
        why = game.isOver() ? "the puzzle failed with result " + std::to_string(game.result())
                            : "the goal is not met after the last click";
        return false;
    }
    return true;
}

PuzzleLevel mirrored(const PuzzleLevel& level) {
    PuzzleLevel out;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            out.setCell(row, puzzle::kColumns - 1 - column, level.colour(row, column),
                        level.prize(row, column));
        }
    }
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        out.setTarget(puzzle::kFloorSlots - 1 - slot, level.target(slot));
    }
    return out;
}

bool alike(const PuzzleLevel& a, const PuzzleLevel& b) {
    return a == b || mirrored(a) == b;
}

int colourCount(const PuzzleLevel& level) {
    std::set<int> colours;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            if (level.cell(row, column).colour >= 0) {
                colours.insert(level.cell(row, column).colour);
            }
        }
    }
    return static_cast<int>(colours.size());
}

int balloonCount(const PuzzleLevel& level) {
    int count = 0;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            count += level.cell(row, column).colour >= 0 ? 1 : 0;
        }
    }
    return count;
}
