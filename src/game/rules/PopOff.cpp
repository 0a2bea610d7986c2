// PopOff.cpp: the balloons left on a won board popped one by one in random places.
#include "PopOff.h"

#include "engine/core/GameRandom.h"
#include "game/board/BalloonBoard.h"

namespace {

bool poppable(const Balloon& place) {
    return place.isOccupied() && !place.isPopping();
}

} // namespace

int countPoppable(const BalloonBoard& board) {
    int count = 0;
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            count += poppable(board.cellAt(row, column)) ? 1 : 0;
        }
    }
    return count;
}

std::optional<BoardPlace> findRandomPoppable(const BalloonBoard& board) {
    const int rows = board.rows();
    const int columns = board.columns();
    if (rows <= 0 || columns <= 0) {
        return std::nullopt;
    }
    const int startRow = gameRandom() % rows;
    int row = startRow;
    int column = gameRandom() % columns;
    for (int visited = 0; visited < rows * columns; ++visited) {
        if (poppable(board.cellAt(row, column))) {
            return BoardPlace{row, column};
        }
        row = (row + 1) % rows;
        if (row == startRow) {
            column = (column + 1) % columns;
        }
    }
    return std::nullopt;
}
