// BoardFocus.cpp: the place the keyboard or a gamepad points at on a board.
#include "BoardFocus.h"

#include "game/board/BalloonBoard.h"

#include <cstdlib>
#include <limits>

bool isClickablePlace(const BalloonBoard& board, int row, int column) {
    const Balloon& place = board.cellAt(row, column);
    return place.isOccupied() && !place.isPopping();
}

namespace {

// The clickable row of `column` nearest `row` (the upper on a tie), or -1.
int nearestRowIn(const BalloonBoard& board, int column, int row) {
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    for (int r = 0; r < board.rows(); ++r) {
        if (isClickablePlace(board, r, column) && std::abs(r - row) < bestDistance) {
            best = r;
            bestDistance = std::abs(r - row);
        }
    }
    return best;
}

} // namespace

void BoardFocus::take(const BalloonBoard& board, int row, int column) {
    m_row = row;
    m_column = column;
    m_record = &board.cellAt(row, column);
}

void BoardFocus::placeNear(const BalloonBoard& board, int row, int column) {
    m_record = nullptr;
    m_goalRow = row;
    // Nearest by grid distance, columns weighing as much as rows; the scan order settles ties
    // toward the top and the left.
    int bestDistance = std::numeric_limits<int>::max();
    for (int c = 0; c < board.columns(); ++c) {
        for (int r = 0; r < board.rows(); ++r) {
            const int distance = std::abs(r - row) + std::abs(c - column);
            if (isClickablePlace(board, r, c) && distance < bestDistance) {
                bestDistance = distance;
                take(board, r, c);
            }
        }
    }
    if (m_record == nullptr) {
        m_row = row;
        m_column = column;
    }
}

bool BoardFocus::follow(const BalloonBoard& board) {
    if (m_record != nullptr && m_record->isOccupied() && !m_record->isPopping()) {
        // Records trade places as the board moves; the record knows where it sits now.
        m_row = m_record->row();
        m_column = m_record->column();
        return true;
    }
    placeNear(board, m_row, m_column);
    return hasFocus();
}

bool BoardFocus::move(const BalloonBoard& board, Direction direction) {
    if (!follow(board)) {
        return false;
    }
    switch (direction) {
    case Direction::Up:
    case Direction::Down: {
        const int step = direction == Direction::Up ? -1 : 1;
        for (int r = m_row + step; r >= 0 && r < board.rows(); r += step) {
            if (isClickablePlace(board, r, m_column)) {
                take(board, r, m_column);
                m_goalRow = r;
                return true;
            }
        }
        return false;
    }
    case Direction::Left:
    case Direction::Right: {
        const int step = direction == Direction::Left ? -1 : 1;
        for (int c = m_column + step; c >= 0 && c < board.columns(); c += step) {
            const int r = nearestRowIn(board, c, m_goalRow);
            if (r >= 0) {
                take(board, r, c);
                return true;
            }
        }
        return false;
    }
    }
    return false;
}

BoardPointer BoardFocus::pointer(const BalloonBoard& board, bool held, bool released) const {
    BoardPointer at;
    at.x = board.columnX(m_column) + BalloonBoard::kColumnPitch / 2;
    at.y = board.rowY(m_row, m_column) + BalloonBoard::kRowPitch / 2;
    at.leftHeld = held;
    at.leftReleased = released;
    return at;
}

int BoardFocus::group(BalloonBoard& board) const {
    if (!hasFocus()) {
        return 0;
    }
    return groupUnderPointer(board, pointer(board, false, false));
}
