// The keyboard focus on a board: moving over holes and edges, following its balloon as the board
// settles, and the group under it being the group a click would pop.
#include "game/rules/BoardFocus.h"

#include "../BoardGrid.h"
#include "game/board/ClassicBoard.h"

#include <set>
#include <utility>

#include <gtest/gtest.h>

namespace {

using Direction = BoardFocus::Direction;

std::set<std::pair<int, int>> membersOf(const BalloonBoard& board) {
    std::set<std::pair<int, int>> members;
    for (const Balloon* member : board.group()) {
        members.emplace(member->row(), member->column());
    }
    return members;
}

// Pops the group under the focus the way a click does, then lets the board come to rest.
void popAtFocus(BalloonBoard& board, const BoardFocus& focus) {
    const BoardPointer click = focus.pointer(board, false, true);
    ASSERT_GE(groupUnderPointer(board, click), 2);
    showGroupUnderPointer(board, click);
}

TEST(BoardFocusTest, MovesSkipHolesAndEmptyColumnsAndStopAtEdges) {
    ClassicBoard board;
    fillGrid(board, {"1.2..3", "1.2...", "4....."});
    BoardFocus focus;
    focus.placeNear(board, 0, 0);
    ASSERT_TRUE(focus.hasFocus());

    // Column 1 is empty: Right jumps over it; then over the holes of row 0 to column 5.
    EXPECT_TRUE(focus.move(board, Direction::Right));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(0, 2));
    EXPECT_TRUE(focus.move(board, Direction::Right));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(0, 5));
    // Nothing further right: the focus stays, it does not wrap.
    EXPECT_FALSE(focus.move(board, Direction::Right));
    EXPECT_EQ(focus.column(), 5);
    EXPECT_FALSE(focus.move(board, Direction::Up));
    EXPECT_FALSE(focus.move(board, Direction::Down)); // column 5 holds one balloon

    // Left from row 0 of column 5 lands on column 2; Down then walks the column to its end.
    EXPECT_TRUE(focus.move(board, Direction::Left));
    EXPECT_TRUE(focus.move(board, Direction::Down));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(1, 2));
    EXPECT_FALSE(focus.move(board, Direction::Down));
    // Left into a taller column keeps the row; into a shorter one takes its nearest row.
    EXPECT_TRUE(focus.move(board, Direction::Left));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(1, 0));
    EXPECT_TRUE(focus.move(board, Direction::Down));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(2, 0));
    EXPECT_FALSE(focus.move(board, Direction::Down));
    EXPECT_TRUE(focus.move(board, Direction::Right));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(1, 2));
}

TEST(BoardFocusTest, ASweepAlongARowComesBackToItAfterAShortColumn) {
    ClassicBoard board;
    fillGrid(board, {"1.23", "1..3", "4..3"});
    BoardFocus focus;
    focus.placeNear(board, 2, 0);
    EXPECT_TRUE(focus.move(board, Direction::Right));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(0, 2));
    EXPECT_TRUE(focus.move(board, Direction::Right));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(2, 3));
    // A vertical step sets the row a sweep aims for.
    EXPECT_TRUE(focus.move(board, Direction::Up));
    EXPECT_TRUE(focus.move(board, Direction::Left));
    EXPECT_TRUE(focus.move(board, Direction::Left));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(1, 0));
}

TEST(BoardFocusTest, AnEmptyBoardHasNoFocus) {
    ClassicBoard board;
    BoardFocus focus;
    focus.placeNear(board, 3, 3);
    EXPECT_FALSE(focus.hasFocus());
    EXPECT_FALSE(focus.move(board, Direction::Left));
    EXPECT_EQ(focus.group(board), 0);
}

TEST(BoardFocusTest, FollowsItsBalloonWhenTheBoardSettles) {
    ClassicBoard board;
    // The 1s at the top of column 0 pop; the 5 below floats up two rows. Column 1 empties
    // entirely and closes up, so the 7 in column 2 moves to column 1.
    fillGrid(board, {"1122", "1133", "5.6."});
    board.recountColumns();
    BoardFocus focus;
    focus.placeNear(board, 2, 0); // the 5
    ASSERT_EQ(board.cellAt(2, 0).colour(), 5);
    BoardFocus onSix;
    onSix.placeNear(board, 2, 2); // the 6

    BoardFocus popper;
    popper.placeNear(board, 0, 0);
    popAtFocus(board, popper);
    settleFully(board);

    ASSERT_TRUE(focus.follow(board));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(0, 0));
    EXPECT_EQ(board.cellAt(focus.row(), focus.column()).colour(), 5);
    ASSERT_TRUE(onSix.follow(board));
    EXPECT_EQ(board.cellAt(onSix.row(), onSix.column()).colour(), 6);
    // Column 1 closed up: the 6 sits in column 1 now.
    EXPECT_EQ(std::make_pair(onSix.row(), onSix.column()), std::make_pair(2, 1));
}

TEST(BoardFocusTest, APoppedBalloonHandsTheFocusToTheOneThatRoseIntoItsPlace) {
    ClassicBoard board;
    fillGrid(board, {"11", "23", "45"});
    board.recountColumns();
    BoardFocus focus;
    focus.placeNear(board, 0, 1);
    popAtFocus(board, focus);
    // While the group pops the focus already leaves it for a balloon that can be clicked.
    ASSERT_TRUE(focus.follow(board));
    EXPECT_FALSE(board.cellAt(focus.row(), focus.column()).isPopping());
    settleFully(board);
    focus.placeNear(board, 0, 1);
    ASSERT_TRUE(focus.follow(board));
    EXPECT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(0, 1));
    EXPECT_EQ(board.cellAt(0, 1).colour(), 3);
}

TEST(BoardFocusTest, TheGroupUnderTheFocusIsTheGroupAClickThereFinds) {
    ClassicBoard board;
    fillGrid(board, {"1122334", "1223344", "5566000", "0123456"});
    board.recountColumns();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column) {
            BoardFocus focus;
            focus.placeNear(board, row, column);
            ASSERT_EQ(std::make_pair(focus.row(), focus.column()), std::make_pair(row, column));
            const int size = focus.group(board);
            const auto viaFocus = membersOf(board);
            // The click a player would make on that balloon's picture.
            const int clickSize = groupUnderPointer(
                board, BoardPointer{board.columnX(column) + 5, board.rowY(row, column) + 30, false, false});
            EXPECT_EQ(size, clickSize) << row << "," << column;
            EXPECT_EQ(viaFocus, membersOf(board)) << row << "," << column;
            EXPECT_TRUE(viaFocus.count({row, column}) == 1);
        }
    }
}

} // namespace
