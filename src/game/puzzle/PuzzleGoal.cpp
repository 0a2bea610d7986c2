// PuzzleGoal.cpp: a puzzle's goal, read from its layout, and how a puzzle can end.
#include "PuzzleGoal.h"

PuzzleSetup setupOf(const PuzzleLevel& level) {
    PuzzleSetup setup;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            const CellContent cell = level.cell(row, column);
            if (cell.prizeKind >= 0) {
                ++setup.prizeCount;
                if (setup.goal != PuzzleGoal::PopGold) {
                    setup.goal = PuzzleGoal::PrizesOnTargets;
                }
            }
            if (cell.colour == puzzle::kGold) {
                ++setup.goldCount;
                setup.goal = PuzzleGoal::PopGold;
            }
        }
    }
    return setup;
}

int goalIndex(PuzzleGoal goal) {
    switch (goal) {
    case PuzzleGoal::PopGold:
        return 0;
    case PuzzleGoal::PrizesOnTargets:
        return 1;
    case PuzzleGoal::PopAll:
        break;
    }
    return 2;
}
