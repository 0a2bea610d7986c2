// The board rules a player notices: groups, hits, balloons floating up, columns closing up.
#include "../BoardGrid.h"
#include "game/board/ActionBoard.h"
#include "game/board/BoardCueSink.h"
#include "game/board/ClassicBoard.h"
#include "game/board/PrizeShelf.h"
#include "game/board/PuzzleBoard.h"
#include "support/TestSupport.h"

#include <array>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

struct CueRecorder final : BoardCueSink {
    std::vector<std::string> cues;
    void requestCue(const char* name) override { cues.emplace_back(name); }
};

int groupAt(BalloonBoard& board, int row, int column) {
    board.selectCell(row, column);
    return board.findGroup();
}

// Centre of a place on screen.
std::array<int, 2> centreOf(const BalloonBoard& board, int row, int column) {
    return {board.columnX(column) + 14, board.rowY(row, column) + 18};
}

TEST(BoardGroups, FollowTheFourNeighboursOfOneColourButNeverCornersPoppingBalloonsOrTheShelf) {
    ClassicBoard board;
    fillGrid(board, {"0012", "0302", "1100"});
    EXPECT_EQ(groupAt(board, 0, 1), 3);
    EXPECT_EQ(&board.group()[0], &board.cellAt(0, 1)) << "the selected place comes first";
    EXPECT_EQ(groupAt(board, 0, 3), 2);
    EXPECT_EQ(groupAt(board, 2, 3), 3);
    EXPECT_EQ(groupAt(board, 2, 0), 2);
    EXPECT_EQ(groupAt(board, 0, 2), 1) << "a lone balloon";
    EXPECT_EQ(groupAt(board, 1, 1), 1) << "a lone balloon";
    EXPECT_EQ(groupAt(board, 5, 5), 0) << "an empty place";
    EXPECT_TRUE(board.group().empty());

    fillGrid(board, {"01", "10"});
    EXPECT_EQ(groupAt(board, 0, 0), 1) << "corners never join";
    EXPECT_EQ(groupAt(board, 1, 1), 1) << "corners never join";
    EXPECT_EQ(groupAt(board, 0, 1), 1) << "corners never join";
    fillGrid(board, {"000"});
    board.cellAt(0, 1).startPopping();
    EXPECT_EQ(groupAt(board, 0, 0), 1) << "a popping balloon never joins";
    EXPECT_EQ(groupAt(board, 0, 2), 1) << "a popping balloon never joins";
    PrizeShelf shelf;
    fillGrid(shelf, {"000000000000000"});
    EXPECT_EQ(groupAt(shelf, 0, 7), 1) << "prizes on the shelf never join";
}

TEST(BoardHitTest, BoxesIncludeTheirEdgesAndTiesGoToTheEarlierPlace) {
    ClassicBoard board;
    fillGrid(board, {"01", "23"});
    const int left = board.columnX(0);
    const int top = board.rowY(0, 0);
    // Column 0 sits 2 px below column 1 in the arch, so test within one column first.
    EXPECT_EQ(board.cellAtPoint(left, top), &board.cellAt(0, 0));
    EXPECT_EQ(board.cellAtPoint(left + 28, top + 37), &board.cellAt(0, 0)) << "29 x 38, edges included";
    EXPECT_EQ(board.selectedRow(), 0);
    EXPECT_EQ(board.cellAtPoint(left, top + 38), &board.cellAt(1, 0));
    EXPECT_EQ(board.selectedRow(), 1);
    // x = left + 28 is also column 1's left edge: row 0 of column 0 comes first in the scan.
    const int sharedX = board.columnX(1);
    ASSERT_EQ(sharedX, left + 28);
    EXPECT_EQ(board.cellAtPoint(sharedX, top + 10), &board.cellAt(0, 0));
    EXPECT_EQ(board.cellAtPoint(sharedX + 1, top + 10), &board.cellAt(0, 1));
}

TEST(BoardHitTest, EmptyPlacesAndMissesSelectNothingButPoppingBalloonsCatchThePointer) {
    ClassicBoard board;
    fillGrid(board, {"0.", "00"});
    const auto [x, y] = centreOf(board, 0, 1);
    EXPECT_EQ(board.cellAtPoint(x, y), nullptr);
    EXPECT_EQ(board.selectedRecord(), nullptr);
    EXPECT_EQ(board.findGroup(), 0);
    EXPECT_EQ(board.cellAtPoint(0, 0), nullptr);
    board.cellAt(0, 0).startPopping();
    const auto [px, py] = centreOf(board, 0, 0);
    EXPECT_EQ(board.cellAtPoint(px, py), &board.cellAt(0, 0));
}

TEST(BoardRise, BalloonsFloatUpIntoGapsAndSlideFromWhereTheyWere) {
    ClassicBoard board;
    fillGrid(board, {"0.", ".1", "2.", "31"});
    Balloon& three = board.cellAt(3, 0);
    board.raiseBalloons();
    EXPECT_THAT(gridOf(board), ElementsAre("01", "21", "3"));
    EXPECT_EQ(&board.cellAt(2, 0), &three);
    EXPECT_EQ(three.row(), 2);
    EXPECT_TRUE(three.isRising());
    EXPECT_FLOAT_EQ(three.offsetY(), 37.0f);
    EXPECT_FLOAT_EQ(board.cellAt(1, 1).offsetY(), 74.0f) << "the bottom 1 rose two rows";
}

TEST(BoardRise, APrizeMarkerStaysAtItsPlaceWhileBalloonsFloatPast) {
    ClassicBoard board;
    fillGrid(board, {"0", "1", "2", "3", "4", "5"});
    board.cellAt(3, 0).placePrize(4);
    auto markerRows = [&] {
        std::vector<int> rows;
        for (int row = 0; row < board.rows(); ++row) {
            if (board.cellAt(row, 0).holdsPrize()) {
                rows.push_back(row);
            }
        }
        return rows;
    };
    auto popAndSettle = [&](int row) {
        board.cellAt(row, 0).startPopping();
        settleFully(board);
    };
    popAndSettle(0);
    EXPECT_THAT(markerRows(), ElementsAre(3));
    EXPECT_TRUE(board.cellAt(3, 0).isOccupied()) << "5 balloons still cover row 3";
    popAndSettle(4);
    EXPECT_THAT(markerRows(), ElementsAre(3));
    EXPECT_TRUE(board.cellAt(3, 0).isOccupied()) << "4 balloons still cover row 3";
    EXPECT_EQ(board.cellAt(3, 0).prizeKind(), 4);
    popAndSettle(1);
    EXPECT_THAT(markerRows(), ElementsAre(3));
    EXPECT_TRUE(board.cellAt(3, 0).isEmpty()) << "3 balloons uncover it";
    EXPECT_EQ(board.cellAt(3, 0).prizeKind(), 4);
}

TEST(BoardCollapse, WaitsUntilTheLastPopHasEnded) {
    ClassicBoard board;
    fillGrid(board, {"0.1", "0.1"});
    board.cellAt(0, 2).startPopping();
    board.collapseColumns();
    EXPECT_THAT(gridOf(board), ElementsAre("0.*", "0.1"));
    board.update(0.1f);
    board.collapseColumns();
    EXPECT_THAT(gridOf(board), ElementsAre("0", "01")) << "once popped, the 1 moves left";
}

TEST(BoardCollapse, ClassicClosesUpLeftThenCentresWhenColumnsTwoAndFiveEmpty) {
    ClassicBoard board;
    fillGrid(board, {"01.34.601234501"});
    const float startX = board.currentColumnPosition(6).x;
    board.collapseColumns();
    EXPECT_EQ(board.nonEmptyColumns(), 13);
    EXPECT_TRUE(board.isColumnEmpty(13));
    EXPECT_TRUE(board.isColumnEmpty(14));
    EXPECT_EQ(board.cellAt(0, 4).colour(), 6) << "column 6 moved two places left";
    EXPECT_EQ(board.cellAt(0, 4).column(), 4);
    for (int slot = 0; slot < 13; ++slot) {
        EXPECT_FLOAT_EQ(board.targetColumnPosition(slot).x, 28.0f + 28.0f * slot) << "slot " << slot;
        EXPECT_FLOAT_EQ(board.targetColumnPosition(slot).y, 2.0f * std::abs(6 - slot))
            << "the arch, slot " << slot;
    }
    EXPECT_FLOAT_EQ(board.currentColumnPosition(4).x, startX) << "the slot slides from where the column was";
    board.update(0.1f);
    EXPECT_FLOAT_EQ(board.currentColumnPosition(4).x, startX - 21.0f) << "210 px/s";
    settleFully(board);
    EXPECT_FLOAT_EQ(board.currentColumnPosition(4).x, 28.0f + 28.0f * 4);
}

TEST(BoardCollapse, CentreVariantsPullTheOuterColumnsTowardTheSeam) {
    auto check = [](BalloonBoard& board) {
        fillGrid(board, {"0123456.0123456"});
        board.collapseColumns();
        EXPECT_THAT(gridOf(board), ElementsAre(".01234560123456"));
        EXPECT_EQ(board.nonEmptyColumns(), 14);
        EXPECT_EQ(board.cellAt(0, 7).column(), 7);
    };
    PuzzleBoard puzzle;
    check(puzzle);
    ActionBoard action;
    check(action);

    PuzzleBoard rightSide;
    fillGrid(rightSide, {"0123456601.3456"});
    rightSide.collapseColumns();
    EXPECT_THAT(gridOf(rightSide), ElementsAre("01234566013456"));
}

TEST(BoardCollapse, CentreVariantsKeepEverySlotInItsOwnPlace) {
    PuzzleBoard puzzle;
    ActionBoard action;
    for (int slot = 0; slot < 15; ++slot) {
        EXPECT_FLOAT_EQ(puzzle.targetColumnPosition(slot).x, 28.0f * slot);
        EXPECT_FLOAT_EQ(puzzle.targetColumnPosition(slot).y, 2.0f * std::abs(7.5f - slot));
        EXPECT_FLOAT_EQ(action.targetColumnPosition(slot).y, 74.0f);
    }
    PrizeShelf shelf;
    EXPECT_EQ(shelf.columnX(0), 179 + 15);
    EXPECT_EQ(shelf.columnX(14), 179 + 15 + 30 * 14);
    EXPECT_EQ(shelf.rowY(0, 3), 436);
}

TEST(BoardGoldCue, GoldBalloonsMeetingRequestItOncePerPass) {
    CueRecorder cues;
    ActionBoard board(nullptr, &cues);
    fillGrid(board, {"66", ".6", "66"});
    board.raiseBalloons(); // the bottom-left gold rises beside the golds of column 1
    EXPECT_THAT(cues.cues, ElementsAre("pop_golden"));

    CueRecorder seam;
    PuzzleBoard puzzle(nullptr, &seam);
    fillGrid(puzzle, {"......6.6......"});
    puzzle.collapseColumns();
    EXPECT_THAT(seam.cues, ElementsAre("pop_golden"));
}

TEST(BoardInsert, ColumnSlidesDownAndTheModelDropsInAtTheTop) {
    ActionBoard board;
    fillGrid(board, {"0", "1", "2", "3", "4", "5", "0", "1", "2", "3"});
    Balloon& bottom = board.cellAt(9, 0);
    Balloon model(0, 0, nullptr);
    model.setContent(6, -1);
    board.insertAtTop(0, model);
    EXPECT_THAT(gridOf(board), ElementsAre("6", "0", "1", "2", "3", "4", "5", "0", "1", "2"));
    EXPECT_EQ(&board.cellAt(0, 0), &bottom) << "the bottom record is reused for the new balloon";
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(board.cellAt(row, 0).row(), row);
        EXPECT_FLOAT_EQ(board.cellAt(row, 0).offsetY(), -37.0f) << "drops in from a row above, row " << row;
    }
    board.finishRising();
    EXPECT_FLOAT_EQ(board.cellAt(4, 0).offsetY(), 0.0f);
    EXPECT_EQ(board.cellAt(4, 0).state(), BalloonState::Resting);
}

TEST(BoardLayout, RecountSnapsTheCountedSlotsToTheirTargets) {
    ClassicBoard board;
    fillGrid(board, {"0123"});
    board.recountColumns();
    EXPECT_EQ(board.nonEmptyColumns(), 4);
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_FLOAT_EQ(board.currentColumnPosition(slot).x, 154.0f + 28.0f * slot);
    }
}

TEST(BoardReset, GivesBackAFreshBoard) {
    ClassicBoard board;
    fillGrid(board, {"0.1"});
    board.setTitle("Somewhere");
    settleFully(board);
    board.reset();
    EXPECT_TRUE(gridOf(board).empty());
    EXPECT_EQ(board.nonEmptyColumns(), 15);
    EXPECT_STREQ(board.title(), "(puzzle title)");
    for (int slot = 0; slot < 15; ++slot) {
        EXPECT_FLOAT_EQ(board.currentColumnPosition(slot).x, 28.0f * slot);
        EXPECT_FLOAT_EQ(board.currentColumnPosition(slot).y, 2.0f * std::abs(7 - slot));
        EXPECT_EQ(board.cellAt(0, slot).column(), slot);
    }
}

TEST(BoardFromCells, OutOfRangeColoursAndPrizesBecomeEmptyWithOneLogLine) {
    LogCapture log;
    PuzzleBoard board;
    std::vector<int8_t> cells(300, -1);
    cells[0] = 9; // colour 9, prize 7
    cells[1] = 7;
    cells[2] = -3; // colour -3, prize 2
    cells[3] = 2;
    cells[4] = 6; // a gold balloon with prize 5
    cells[5] = 5;
    EXPECT_EQ(board.fillFromCells(cells, "puzzle 1"), 2);
    EXPECT_TRUE(board.cellAt(0, 0).isEmpty());
    EXPECT_FALSE(board.cellAt(0, 0).holdsPrize());
    EXPECT_TRUE(board.cellAt(0, 1).isEmpty());
    EXPECT_EQ(board.cellAt(0, 1).prizeKind(), 2);
    EXPECT_EQ(board.cellAt(0, 2).colour(), 6);
    EXPECT_EQ(board.cellAt(0, 2).prizeKind(), 5);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.count("puzzle 1"), 1);

    EXPECT_EQ(board.fillFromCells(std::vector<int8_t>(300, -1), "puzzle 2"), 0);
    EXPECT_EQ(log.lines().size(), 1u);
}

} // namespace
