// ActionStrategy.cpp: the built-in player's choice in an Action round.
#include "ActionStrategy.h"

#include "game/board/BalloonBoard.h"
#include "game/rules/GameConstants.h"

#include <algorithm>

std::optional<ActionMove> chooseActionMove(BalloonBoard& board, int worthClicking, uint32_t variation) {
    std::optional<BoardMove> best;
    bool bestGold = false;
    uint32_t bestTie = 0;
    bool anyResting = false;
    int lowestRow = -1;
    for (int column = 0; column < board.columns(); ++column) {
        for (int row = 0; row < board.rows(); ++row) {
            const Balloon& place = board.cellAt(row, column);
            if (place.isEmpty() || place.isPopping()) {
                continue;
            }
            anyResting = true;
            lowestRow = std::max(lowestRow, row);
            board.selectCell(row, column);
            const int size = board.findGroup();
            if (size < 2) {
                continue;
            }
            const bool gold = place.colour() == kGoldColour;
            // A cheap mix of the place and the variation, so equal groups are picked evenly.
            const uint32_t tie = (static_cast<uint32_t>(row * 31 + column) * 2654435761u) ^ variation;
            const bool better =
                !best || (gold && !bestGold) ||
                (gold == bestGold && (size > best->groupSize || (size == best->groupSize && tie > bestTie)));
            if (better) {
                best = BoardMove{row, column, size, board.columnX(column) + 14, board.rowY(row, column) + 18};
                bestGold = gold;
                bestTie = tie;
            }
        }
    }
    if (!anyResting) {
        return std::nullopt;
    }
    // Once the board is half full, any pair is worth a click: bringing a row now only hurts.
    const int worth = lowestRow >= board.rows() / 2 ? 2 : worthClicking;
    if (!best || (!bestGold && best->groupSize < worth)) {
        return ActionMove{ActionMove::Kind::PullCord, {}};
    }
    return ActionMove{ActionMove::Kind::Pop, *best};
}
