// ClassicStrategy.cpp: the built-in player's choice of the next group to pop in a Classic game.
#include "ClassicStrategy.h"

#include "game/board/BalloonBoard.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kMaxColumns = 32;
constexpr int kMaxPlaces = 32 * 32;

} // namespace

std::optional<BoardMove> chooseClassicMove(BalloonBoard& board, int minimumGroup, uint32_t variation) {
    const int rows = board.rows(), columns = std::min(board.columns(), kMaxColumns);
    if (rows * columns > kMaxPlaces) {
        return std::nullopt;
    }
    std::array<int, kMaxColumns> standing{}; // balloons in each column
    std::array<int, kMaxColumns> excess{};   // balloons to remove before the column's prize is free
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const Balloon& place = board.cellAt(r, c);
            if (place.isPopping() || place.isRising()) {
                return std::nullopt; // decide on a settled board only
            }
            standing[c] += place.isOccupied() ? 1 : 0;
        }
        for (int r = 0; r < rows; ++r) {
            if (board.cellAt(r, c).holdsPrize()) {
                excess[c] = std::max(excess[c], standing[c] - r);
            }
        }
    }
    for (int c = 0; c < columns; ++c) {
        const auto position = board.currentColumnPosition(c);
        const auto target = board.targetColumnPosition(c);
        if (position.x != target.x || position.y != target.y) {
            return std::nullopt; // columns are still sliding: the click could miss
        }
    }

    std::array<bool, kMaxPlaces> seen{};
    std::optional<BoardMove> best;
    int64_t bestScore = -1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (seen[r * columns + c] || !board.cellAt(r, c).isOccupied()) {
                continue;
            }
            board.selectCell(r, c);
            const int size = board.findGroup();
            std::array<int, kMaxColumns> removed{};
            for (const Balloon* member : board.group()) {
                seen[member->row() * columns + member->column()] = true;
                ++removed[member->column()];
            }
            if (size < minimumGroup) {
                continue;
            }
            int freeing = 0;
            for (int col = 0; col < columns; ++col) {
                freeing += std::min(removed[col], std::max(excess[col], 0));
            }
            // Variation only orders groups that are otherwise equal.
            const uint32_t tie = (variation ^ static_cast<uint32_t>(r * 131 + c * 17)) * 2654435761u;
            const int64_t score = (int64_t{freeing} << 40) | (int64_t{size} << 24) | (tie >> 8);
            if (score > bestScore) {
                bestScore = score;
                best = BoardMove{r, c, size, board.columnX(c) + 14, board.rowY(r, c) + 18};
            }
        }
    }
    return best;
}
