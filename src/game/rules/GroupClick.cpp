// GroupClick.cpp: the pointer over a board: the group it shows, presses and pops.
#include "GroupClick.h"

#include "game/board/BalloonBoard.h"

int groupUnderPointer(BalloonBoard& board, const BoardPointer& pointer) {
    const Balloon* hit = board.cellAtPoint(pointer.x, pointer.y);
    if (hit == nullptr || hit->isEmpty() || hit->isPopping()) {
        return 0;
    }
    return board.findGroup();
}

void showGroupUnderPointer(BalloonBoard& board, const BoardPointer& pointer) {
    for (Balloon* member : board.group()) {
        member->requestJiggle();
        if (pointer.leftHeld) {
            member->refreshImage(true, true);
        } else if (pointer.leftReleased) {
            member->clearImage();
            member->startPopping();
        } else {
            member->refreshImage(true, false);
        }
    }
}

MovesTest testMoves(BalloonBoard& board) {
    MovesTest test;
    int balloons = 0;
    for (int column = 0; column < board.columns(); ++column) {
        for (int row = 0; row < board.rows(); ++row) {
            const Balloon& place = board.cellAt(row, column);
            if (place.isRising() || place.isPopping()) {
                return test; // the board is still moving; ask again later
            }
            if (!place.isOccupied()) {
                continue;
            }
            ++balloons;
            board.selectCell(row, column);
            if (board.findGroup() >= 2) {
                return test;
            }
        }
    }
    test.movesRemain = false;
    test.balloons = balloons;
    return test;
}
