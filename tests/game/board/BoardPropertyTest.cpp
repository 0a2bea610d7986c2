// Over many random boards and pops, settling never loses or duplicates a balloon or a prize.
#include "../BoardGrid.h"
#include "engine/core/GameRandom.h"
#include "game/board/ActionBoard.h"
#include "game/board/ClassicBoard.h"
#include "game/board/PuzzleBoard.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace {

struct Census {
    int balloons = 0;
    int markers = 0;
    std::map<int, int> coloursOf; // colour -> balloons (popping ones included)
    std::map<int, int> prizeKinds;
};

Census takeCensus(const BalloonBoard& board) {
    Census census;
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            const Balloon& place = board.cellAt(row, column);
            if (place.isOccupied()) {
                ++census.balloons;
                ++census.coloursOf[place.colour()];
            }
            if (place.holdsPrize()) {
                ++census.markers;
                ++census.prizeKinds[place.prizeKind()];
            }
        }
    }
    return census;
}

// Every record sits at exactly one grid position, and knows which.
void expectRecordsInPlace(const BalloonBoard& board) {
    std::set<const Balloon*> seen;
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            const Balloon& place = board.cellAt(row, column);
            ASSERT_TRUE(seen.insert(&place).second)
                << "record at " << row << "," << column << " appears twice";
            ASSERT_EQ(place.row(), row);
            ASSERT_EQ(place.column(), column);
        }
    }
}

// Settled: no gap below a balloon, and the empty columns all on the side they close away from.
void expectSettled(const BalloonBoard& board, bool towardSeam) {
    std::string columns;
    for (int column = 0; column < board.columns(); ++column) {
        bool gapSeen = false;
        for (int row = 0; row < board.rows(); ++row) {
            const bool occupied = board.cellAt(row, column).isOccupied();
            ASSERT_FALSE(gapSeen && occupied) << "gap above a balloon in column " << column;
            gapSeen = gapSeen || !occupied;
        }
        columns += board.isColumnEmpty(column) ? '.' : '#';
    }
    // Columns close up toward column 0, or toward the seam between columns 7 and 8.
    if (towardSeam) {
        EXPECT_EQ(columns.substr(0, 8).find("#."), std::string::npos) << columns;
        EXPECT_EQ(columns.substr(8).find(".#"), std::string::npos) << columns;
    } else {
        EXPECT_EQ(columns.find(".#"), std::string::npos) << columns;
    }
}

// Deals a random board, then pops random groups until none is left, settling after each pop
// with frames of random length. Counts the pops into `pops`.
void playRandomly(BalloonBoard& board, bool towardSeam, int colours, int& pops) {
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            const int colour = gameRandom() % 10 < 8 ? gameRandom() % colours : -1;
            const int prize = gameRandom() % 4 == 0 ? gameRandom() % 6 : -1;
            board.cellAt(row, column).setContent(colour, prize);
        }
    }
    settleFully(board);
    Census expected = takeCensus(board);
    for (int pop = 0; pop < 200; ++pop) {
        std::vector<std::pair<int, int>> candidates;
        for (int row = 0; row < board.rows(); ++row) {
            for (int column = 0; column < board.columns(); ++column) {
                board.selectCell(row, column);
                if (board.cellAt(row, column).isOccupied() && board.findGroup() >= 2) {
                    candidates.emplace_back(row, column);
                }
            }
        }
        if (candidates.empty()) {
            break;
        }
        const auto [row, column] = candidates[static_cast<std::size_t>(gameRandom()) % candidates.size()];
        board.selectCell(row, column);
        const int size = board.findGroup();
        const int colour = board.cellAt(row, column).colour();
        for (Balloon* member : board.group()) {
            member->startPopping();
        }
        ++pops;
        expected.balloons -= size;
        expected.coloursOf[colour] -= size;
        for (int frame = 0; frame < 3000 && isMoving(board); ++frame) {
            board.update(0.004f + 0.03f * static_cast<float>(gameRandom()) / kGameRandomMax);
            board.settle();
            const Census now = takeCensus(board);
            ASSERT_EQ(now.markers, expected.markers);
            ASSERT_EQ(now.prizeKinds, expected.prizeKinds);
            ASSERT_NO_FATAL_FAILURE(expectRecordsInPlace(board));
        }
        ASSERT_FALSE(isMoving(board));
        const Census settled = takeCensus(board);
        ASSERT_EQ(settled.balloons, expected.balloons);
        std::erase_if(expected.coloursOf, [](const auto& entry) { return entry.second == 0; });
        ASSERT_EQ(settled.coloursOf, expected.coloursOf);
        ASSERT_NO_FATAL_FAILURE(expectSettled(board, towardSeam));
    }
}

TEST(BoardProperty, SettlingKeepsEveryBalloonAndPrizeMarker) {
    int pops = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        seedGameRandom(seed);
        const int colours = 3 + static_cast<int>(seed % 4);
        ClassicBoard classic;
        ASSERT_NO_FATAL_FAILURE(playRandomly(classic, false, colours, pops));
        PuzzleBoard puzzle;
        ASSERT_NO_FATAL_FAILURE(playRandomly(puzzle, true, colours, pops));
        ActionBoard action;
        ASSERT_NO_FATAL_FAILURE(playRandomly(action, true, colours, pops));
    }
    EXPECT_GT(pops, 40 * 3 * 20) << "whole games were played, not just a pop or two";
}

} // namespace
