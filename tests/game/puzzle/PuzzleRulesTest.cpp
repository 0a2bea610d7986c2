// PuzzleRulesTest.cpp: the Puzzle rules on the real board, and the solver's compact copy kept in step.
#include "LevelText.h"
#include "game/puzzle/PuzzleGame.h"
#include "game/puzzle/PuzzleSolver.h"
#include "game/puzzle/SolverBoard.h"

#include <random>

#include <gtest/gtest.h>

namespace {

// A layout at rest: columns hang from the top around the seam, with a few prizes, targets and
// (sometimes) gold balloons.
PuzzleLevel randomLevel(std::mt19937& random) {
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    PuzzleLevel level;
    const int first = pick(0, 8);
    const int last = pick(std::max(first, 7), 14);
    const int colours = pick(2, 5);
    const bool gold = pick(0, 3) == 0;
    const int prizeChance = pick(0, 2) * 6; // percent
    for (int column = first; column <= last; ++column) {
        const int height = pick(1, 10);
        for (int row = 0; row < height; ++row) {
            int colour = pick(0, colours - 1);
            if (gold && pick(0, 15) == 0) {
                colour = puzzle::kGold;
            }
            const int prize = pick(0, 99) < prizeChance ? pick(0, 5) : -1;
            level.setCell(row, column, colour, prize);
        }
    }
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        level.setTarget(slot, pick(0, 2) == 0 ? pick(0, 5) : -1);
    }
    return level;
}

void expectSameBoards(const PuzzleGame& game, const SolverBoard& solver, int step) {
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            const Balloon& place = game.board().cellAt(row, column);
            ASSERT_EQ(place.isOccupied() ? place.colour() : -1, solver.colour(row, column))
                << "colour at " << row << ", " << column << " after click " << step;
            ASSERT_EQ(place.holdsPrize() ? place.prizeKind() : -1, solver.prize(row, column))
                << "prize at " << row << ", " << column << " after click " << step;
        }
    }
    ASSERT_EQ(game.prizesReleased(), solver.prizesReleased()) << "after click " << step;
    ASSERT_EQ(game.targetsRight(), solver.targetsRight()) << "after click " << step;
    ASSERT_EQ(game.isOver(), solver.isOver()) << "after click " << step;
    ASSERT_EQ(game.solved(), solver.outcome() == SolverBoard::Outcome::Solved) << "after click " << step;
}

TEST(PuzzleRules, TheSolversBoardPlaysExactlyLikeThePuzzleBoard) {
    std::mt19937 random(20261206);
    PuzzleGame game;
    int finished = 0;
    int solved = 0;
    int prizesSeen = 0;
    for (int round = 0; round < 400; ++round) {
        const PuzzleLevel level = randomLevel(random);
        game.load(level);
        SolverBoard solver(level);
        expectSameBoards(game, solver, 0);
        for (int step = 1; step <= 60 && !game.isOver(); ++step) {
            // Mostly clicks on real groups, sometimes anywhere (lone balloons, empty places).
            int row = std::uniform_int_distribution<int>(0, puzzle::kRows - 1)(random);
            int column = std::uniform_int_distribution<int>(0, puzzle::kColumns - 1)(random);
            std::array<SolverBoard::Group, SolverBoard::kCells / 2> groups;
            const int count = solver.groups(groups);
            if (count > 0 && std::uniform_int_distribution<int>(0, 4)(random) != 0) {
                const auto& group = groups[std::uniform_int_distribution<int>(0, count - 1)(random)];
                row = group.row;
                column = group.column;
            }
            const int popped = game.click(row, column);
            const auto outcome = solver.click(row, column);
            ASSERT_EQ(popped == 0, outcome == SolverBoard::Outcome::Ignored) << "click " << step;
            game.settle();
            expectSameBoards(game, solver, step);
            if (HasFatalFailure()) {
                return;
            }
        }
        finished += game.isOver() ? 1 : 0;
        solved += game.solved() ? 1 : 0;
        prizesSeen += game.setup().prizeCount > 0 ? 1 : 0;
    }
    // The sample reaches every kind of ending.
    EXPECT_GT(finished, 200);
    EXPECT_GT(solved, 5);
    EXPECT_GT(prizesSeen, 100);
}

// Row strings: '.' empty, a digit a colour, '*' gold; a capital letter A-F is colour 0 carrying
// prize 0-5.
TEST(PuzzleRules, ALoneBalloonIsNoMove) {
    PuzzleGame game;
    game.load(levelOf({".......01......"}));
    EXPECT_EQ(game.click(0, 7), 0);
    game.settle();
    EXPECT_FALSE(game.moveMade());
    EXPECT_FALSE(game.isOver()); // the end tests wait for the first move
}

TEST(PuzzleRules, EmptiedColumnsCloseTowardTheSeamAndPrizesMoveWithTheirColumn) {
    PuzzleGame game;
    // Column 7 (two 1s) pops; columns 5 and 6 close up one place to the right.
    game.load(levelOf({".....0A1.......", ".....001.......", ".....2........."}, "......0........"));
    EXPECT_EQ(game.click(0, 7), 2);
    game.settle();
    EXPECT_TRUE(game.board().isColumnEmpty(5));
    EXPECT_EQ(game.board().cellAt(2, 6).colour(), 2);
    EXPECT_TRUE(game.board().cellAt(0, 7).holdsPrize());
    // The prize now hangs over column 7, whose floor slot has no target: a wrong drop.
    EXPECT_EQ(game.click(0, 6), 4);
    EXPECT_EQ(game.releases().size(), 1u);
    EXPECT_EQ(game.releases()[0].column, 7);
    game.settle();
    EXPECT_EQ(game.result(), puzzle_result::kWrongTarget);
}

TEST(PuzzleRules, APrizeLeftUncoveredFallsInItsColumn) {
    PuzzleGame game;
    // The prize sits at row 2 of column 7 behind a 0; popping the 1s above lets the column shrink
    // to two balloons, so nothing covers row 2 any more.
    game.load(levelOf({".......11......", ".......00......", ".......A0......"}, ".......0......."));
    EXPECT_EQ(game.click(0, 7), 2);
    EXPECT_TRUE(game.releases().empty());
    game.settle();
    EXPECT_EQ(game.prizesReleased(), 1);
    EXPECT_TRUE(game.solved());
    EXPECT_EQ(game.result(), static_cast<int>(PuzzleGoal::PrizesOnTargets));
}

TEST(PuzzleRules, GoldIsMetAsSoonAsTheLastGoldPops) {
    PuzzleGame game;
    game.load(levelOf({"......**1......", "......001......"}));
    EXPECT_EQ(game.click(0, 6), 2);
    game.advance(0.01f);
    EXPECT_EQ(game.result(), static_cast<int>(PuzzleGoal::PopGold));
}

TEST(PuzzleRules, NoGroupLeftIsAFailure) {
    PuzzleGame game;
    game.load(levelOf({"......001......", "......2........"}));
    EXPECT_EQ(game.click(0, 6), 2);
    game.settle();
    EXPECT_EQ(game.result(), puzzle_result::kNoMoves);
}

TEST(PuzzleSolver, FindsTheFewestClicksAndProvesThem) {
    // Popping the 1 pair first joins the two 0 pairs: two clicks, where the greedy way takes three.
    const PuzzleLevel level = levelOf({"......010......", "......010......"});
    const SolveResult result = solvePuzzle(level);
    ASSERT_TRUE(result.solved);
    EXPECT_TRUE(result.proven);
    EXPECT_EQ(result.moves.size(), 2u);
    EXPECT_TRUE(replaySolves(level, result.moves));
    EXPECT_FALSE(replaySolves(level, {result.moves[0]}));
}

TEST(PuzzleSolver, ProvesALayoutUnsolvable) {
    const SolveResult result = solvePuzzle(levelOf({"......01.......", "......10......."}));
    EXPECT_FALSE(result.solved);
    EXPECT_TRUE(result.proven);
}

TEST(PuzzleSolver, RandomPlayIsRepeatableAndMeasuresDifficulty) {
    const PuzzleLevel easy = levelOf({"......000......"});
    EXPECT_EQ(randomPlay(easy, 50, 1).successes, 50);
    // Only popping the 1s first lets the 0s meet: half of all random players succeed.
    const PuzzleLevel twoWays = levelOf({"......010......", "......01......."});
    const RandomPlay first = randomPlay(twoWays, 400, 7);
    EXPECT_EQ(first.successes, randomPlay(twoWays, 400, 7).successes);
    EXPECT_GT(first.rate(), 0.4);
    EXPECT_LT(first.rate(), 0.6);
}

} // namespace
