// PuzzlePlayTest.cpp: goals, undo, the pop-off of a solved board, and the progress a solution makes.
#include "LevelText.h"
#include "engine/core/GameRandom.h"
#include "engine/store/PlayerProfile.h"
#include "game/puzzle/PuzzleGame.h"
#include "game/puzzle/PuzzleProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(PuzzleGoals, GoldOutranksPrizesWhichOutrankPoppingEverything) {
    EXPECT_EQ(setupOf(levelOf({".......00......"})).goal, PuzzleGoal::PopAll);
    EXPECT_EQ(setupOf(levelOf({".......0A......"})).goal, PuzzleGoal::PrizesOnTargets);
    const PuzzleSetup both = setupOf(levelOf({"......*0A......", "......B*......."}));
    EXPECT_EQ(both.goal, PuzzleGoal::PopGold);
    EXPECT_EQ(both.goldCount, 2);
    EXPECT_EQ(both.prizeCount, 2);
    EXPECT_EQ(goalIndex(PuzzleGoal::PopGold), 0);
    EXPECT_EQ(goalIndex(PuzzleGoal::PrizesOnTargets), 1);
    EXPECT_EQ(goalIndex(PuzzleGoal::PopAll), 2);
}

TEST(PuzzleUndo, TakesBackClicksOneByOneAndTheFirstReloads) {
    PuzzleGame game;
    // Column 7 holds two prizes; the first click lets the lower one fall onto its target.
    const PuzzleLevel level = levelOf(
        {"......211......", "......200......", ".......A0......", ".......B0......"}, ".......1.......");
    game.load(level);
    EXPECT_EQ(game.undo(), PuzzleGame::Undo::Nothing) << "no clicks yet";
    EXPECT_EQ(game.click(0, 7), 2);
    game.settle();
    EXPECT_EQ(game.clicks(), 1);
    EXPECT_EQ(game.prizesReleased(), 1);
    EXPECT_EQ(game.click(0, 6), 2);
    game.settle();
    EXPECT_EQ(game.clicks(), 2);

    EXPECT_EQ(game.undo(), PuzzleGame::Undo::Restored);
    EXPECT_EQ(game.clicks(), 1);
    EXPECT_EQ(game.board().cellAt(0, 6).colour(), 2);
    EXPECT_EQ(game.prizesReleased(), 1) << "the prize left with the first click and stays out";
    EXPECT_TRUE(game.targetsRight());

    EXPECT_EQ(game.undo(), PuzzleGame::Undo::Reloaded);
    EXPECT_EQ(game.clicks(), 0);
    EXPECT_EQ(game.prizesReleased(), 0);
    EXPECT_FALSE(game.moveMade());
    EXPECT_EQ(game.board().cellAt(0, 7).colour(), 1);
    EXPECT_TRUE(game.board().cellAt(3, 7).holdsPrize());
}

TEST(PuzzleUndo, AWrongDropCanBeTakenBackAfterTheFailure) {
    PuzzleGame game;
    game.load(levelOf({".......A1......", ".......01......", ".......22......"}, "........0......"));
    EXPECT_EQ(game.click(0, 7), 2);
    game.settle();
    ASSERT_EQ(game.result(), puzzle_result::kWrongTarget);
    EXPECT_EQ(game.undo(), PuzzleGame::Undo::Nothing) << "over: the player has to answer first";
    game.clearOver();
    EXPECT_EQ(game.undo(), PuzzleGame::Undo::Reloaded);
    EXPECT_TRUE(game.targetsRight());
    EXPECT_FALSE(game.isOver());
}

TEST(PuzzlePopOff, PopsOnlyWhatCanStillPopAndAlwaysReturns) {
    seedGameRandom(5);
    PuzzleGame game;
    game.load(levelOf({"......001......"}));
    // Two of the three balloons are popping already; 0.05 s asks for eight.
    ASSERT_EQ(game.click(0, 6), 2);
    game.popOffStep(0.05f);
    EXPECT_EQ(game.popped().size(), 1u);
    EXPECT_EQ(game.popped()[0].row, 0);
    EXPECT_EQ(game.popped()[0].column, 8);
    EXPECT_TRUE(game.board().cellAt(0, 8).isPopping());
    game.popOffStep(0.05f);
    EXPECT_TRUE(game.popped().empty());
    EXPECT_EQ(game.popOffClock(), 0.0f) << "nothing left to pop";
}

TEST(PuzzlePopOff, TheRateGrowsWithTheClock) {
    seedGameRandom(9);
    PuzzleGame game;
    game.load(levelOf({"000000000000000", "111111111111111", "222222222222222"}));
    game.popOffStep(0.005f);
    EXPECT_TRUE(game.popped().empty()) << "below one step";
    game.popOffStep(0.005f); // clock 0.010: one balloon, clock back to 0.004
    EXPECT_EQ(game.popped().size(), 1u);
    game.popOffStep(0.021f); // clock 0.025: four balloons
    EXPECT_EQ(game.popped().size(), 4u);
}

class PuzzleProgressTest : public ::testing::Test {
protected:
    void SetUp() override { profile.reset(1, 6); }

    PuzzleSolution solve(int puzzle, int clicks) {
        return recordSolution(profile, puzzle, clicks, "Tiny", settings);
    }

    PlayerProfile profile;
    PuzzleUnlockSettings settings{3, 8, 6};
};

TEST_F(PuzzleProgressTest, EveryThirdFirstSolutionUnlocksTheNextSix) {
    EXPECT_FALSE(solve(0, 4).puzzlesUnlocked);
    EXPECT_FALSE(solve(1, 4).puzzlesUnlocked);
    EXPECT_FALSE(solve(1, 3).puzzlesUnlocked) << "a repeat never unlocks";
    const PuzzleSolution third = solve(4, 2);
    EXPECT_TRUE(third.firstSolve);
    EXPECT_TRUE(third.puzzlesUnlocked);
    EXPECT_EQ(third.unlockedFrom, 7);
    EXPECT_EQ(third.unlockedTo, 12);
    EXPECT_EQ(third.message,
              "\"Tiny\" solved in 2 clicks.\nThis is your best solution!\nYou unlocked puzzles 7-12");
    EXPECT_EQ(profile.countUnlockedPuzzles(), 12);
    EXPECT_TRUE(profile.isPuzzleUnlocked(11));
    EXPECT_FALSE(profile.isPuzzleUnlocked(12));
    // Solving the third one again: solved is still 3, but it is no first solution.
    EXPECT_FALSE(solve(4, 2).puzzlesUnlocked);
    EXPECT_EQ(profile.countUnlockedPuzzles(), 12);
}

TEST_F(PuzzleProgressTest, ARepeatKeepsTheBetterBest) {
    solve(2, 5);
    const PuzzleSolution worse = solve(2, 9);
    EXPECT_FALSE(worse.newBest);
    EXPECT_EQ(worse.best, 5);
    EXPECT_EQ(worse.message, "\"Tiny\" solved in 9 clicks.\nYour best solution is 5 clicks.");
    const PuzzleSolution better = solve(2, 3);
    EXPECT_TRUE(better.newBest);
    EXPECT_FALSE(better.firstSolve);
    EXPECT_EQ(profile.best(2), 3);
}

TEST_F(PuzzleProgressTest, ASolutionTooLongForTheByteIsNotStored) {
    const PuzzleSolution solution = solve(0, 130);
    EXPECT_EQ(profile.best(0), 0);
    EXPECT_EQ(profile.countSolvedPuzzles(), 0);
    EXPECT_FALSE(solution.puzzlesUnlocked);
}

TEST_F(PuzzleProgressTest, UnlocksStopAtTheEndOfTheCatalogue) {
    profile.reset(1, 99);
    for (int i = 0; i < 98; ++i) {
        profile.setBest(i, 1);
    }
    const PuzzleSolution solution = solve(98, 1); // the 99th solved
    EXPECT_TRUE(solution.puzzlesUnlocked);
    EXPECT_EQ(solution.unlockedFrom, 100);
    EXPECT_EQ(solution.unlockedTo, 102);
    EXPECT_EQ(profile.countUnlockedPuzzles(), 102);
}

TEST_F(PuzzleProgressTest, ThemesUnlockInOrderEveryEighthFirstSolution) {
    profile.reset(1, 102);
    int unlockedAt = -1;
    for (int i = 0; i < 8; ++i) {
        if (solve(i, 2).themeUnlocked) {
            unlockedAt = i;
        }
    }
    EXPECT_EQ(unlockedAt, 7);
    EXPECT_TRUE(profile.isThemeUnlocked(1));
    EXPECT_FALSE(profile.isThemeUnlocked(2));
    for (int i = 8; i < 16; ++i) {
        solve(i, 2);
    }
    EXPECT_TRUE(profile.isThemeUnlocked(2));
    EXPECT_EQ(profile.countUnlockedThemes(), 3);
}

TEST_F(PuzzleProgressTest, SettingsBelowOneUnlockNothing) {
    settings = PuzzleUnlockSettings{0, 0, 6};
    for (int i = 0; i < 6; ++i) {
        const PuzzleSolution solution = solve(i, 2);
        EXPECT_FALSE(solution.puzzlesUnlocked);
        EXPECT_FALSE(solution.themeUnlocked);
    }
    EXPECT_EQ(profile.countUnlockedPuzzles(), 6);
}

TEST_F(PuzzleProgressTest, NextPuzzleWrapsOverUnlockedThenOverSolved) {
    profile.setCurrentPuzzle(4);
    EXPECT_EQ(nextPuzzleIndex(profile), 5);
    profile.setCurrentPuzzle(5);
    EXPECT_EQ(nextPuzzleIndex(profile), 0) << "six unlocked, not all solved";
    for (int i = 0; i < 6; ++i) {
        profile.setBest(i, 1);
    }
    EXPECT_EQ(nextPuzzleIndex(profile), 0) << "from the last solved back to puzzle 1";
    profile.setCurrentPuzzle(2);
    EXPECT_EQ(nextPuzzleIndex(profile), 3);

    PlayerProfile empty;
    empty.reset(0, 0);
    empty.setCurrentPuzzle(40);
    EXPECT_EQ(nextPuzzleIndex(empty), 0) << "no unlocked puzzle is no divisor";
}

} // namespace
