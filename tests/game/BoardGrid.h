// BoardGrid.h: boards written as text in tests: one string per row, '.' for an empty place and
// the digits 0 to 6 for balloon colours.
#pragma once

#include "game/board/BalloonBoard.h"

#include <initializer_list>
#include <string>
#include <vector>

// Fills the board from the top: row strings shorter than the board and missing rows are empty.
inline void fillGrid(BalloonBoard& board, std::initializer_list<const char*> rows) {
    std::vector<std::string> lines(rows.begin(), rows.end());
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            char c = '.';
            if (row < static_cast<int>(lines.size()) && column < static_cast<int>(lines[row].size())) {
                c = lines[row][column];
            }
            board.cellAt(row, column).setContent(c == '.' ? -1 : c - '0', -1);
        }
    }
}

// The board as text, with popping places shown as '*'. Empty places at the end of a row and
// trailing empty rows are left out.
inline std::vector<std::string> gridOf(const BalloonBoard& board) {
    std::vector<std::string> lines;
    for (int row = 0; row < board.rows(); ++row) {
        std::string line;
        for (int column = 0; column < board.columns(); ++column) {
            const Balloon& place = board.cellAt(row, column);
            line += place.isEmpty() ? '.' : place.isPopping() ? '*' : static_cast<char>('0' + place.colour());
        }
        line.erase(line.find_last_not_of('.') + 1);
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

// Whether any place is still popping or rising, or any column slot still sliding.
inline bool isMoving(const BalloonBoard& board) {
    for (int column = 0; column < board.columns(); ++column) {
        const auto current = board.currentColumnPosition(column);
        const auto target = board.targetColumnPosition(column);
        if (current.x != target.x || current.y != target.y) {
            return true;
        }
        for (int row = 0; row < board.rows(); ++row) {
            if (board.cellAt(row, column).isPopping() || board.cellAt(row, column).isRising()) {
                return true;
            }
        }
    }
    return false;
}

// Runs frames of `seconds`, settling after each, until nothing moves (at most `frames`).
inline int settleFully(BalloonBoard& board, float seconds = 1.0f / 60.0f, int frames = 2000) {
    int frame = 0;
    board.settle();
    while (isMoving(board) && frame < frames) {
        board.update(seconds);
        board.settle();
        ++frame;
    }
    return frame;
}
