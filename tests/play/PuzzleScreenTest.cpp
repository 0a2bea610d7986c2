// The Puzzle screen's glue around the rules: the selector on entry, a solution with its message
// and profile fields, a failure answered with UNDO MOVE, and the Puzzles button mid-puzzle.
#include "play/puzzle/PuzzleScreen.h"

#include "PlayWorld.h"
#include "engine/core/GamePaths.h"
#include "engine/input/TypedKeys.h"

#include <gtest/gtest.h>

namespace {

// The selector stands centred on the screen; its pictures' centres, by slot.
constexpr int kSelectorLeft = 320 - 484 / 2;
constexpr std::array<int, 3> kPictureX = {kSelectorLeft + 120, kSelectorLeft + 245, kSelectorLeft + 370};
constexpr std::array<int, 2> kPictureY = {155, 261};
// The 540 x 220 failure dialog around the screen's centre: its "UNDO MOVE" button.
constexpr int kUndoMoveX = 50 + 270, kUndoMoveY = 130 + 170;
constexpr int kPuzzlesButtonX = 82, kPuzzlesButtonY = 378;

class PuzzleScreenTest : public PlayWorld {
protected:
    // The screen copies "puzzle.rec" into the data folder when it is built and saves the profile
    // as the player chooses and solves: the folders have to exist, or the save-failure notice
    // would stand in the way.
    static bool makeFolders(const std::filesystem::path& home) {
        std::filesystem::create_directories(s_world->state.path() / "config");
        return GamePaths::underHome(home).createAll();
    }

    // Enters the screen, answers its intro and waits for the selector to take clicks.
    void enterToSelector() {
        start(screen, kPuzzleScreen);
        ASSERT_TRUE(runUntil([&] { return screen.introDialog().isOpen(); }));
        answerWithEnter(screen, screen.introDialog());
        ASSERT_TRUE(runUntil([&] { return screen.selector().dialog().isOpen(); }));
        ASSERT_EQ(screen.state(), PuzzleScreen::kSelecting);
        waitUntilInteractive(screen);
    }
    // Chooses the puzzle in slot `slot` of the page shown and waits until it can be played.
    void choose(int slot) {
        click(kPictureX[static_cast<std::size_t>(slot % 3)], kPictureY[static_cast<std::size_t>(slot / 3)]);
        ASSERT_TRUE(runUntil([&] { return screen.state() == PuzzleScreen::kPlaying; }));
    }
    // Clicks the middle of the place at (row, column) once the board is still.
    void clickPlace(int row, int column) {
        ASSERT_TRUE(runUntil([&] { return screen.game().isStill() && !screen.isPrizeFalling(); }));
        const PuzzleBoard& board = screen.game().board();
        click(board.columnX(column) + 14, board.rowY(row, column) + 18);
    }

    bool m_folders = makeFolders(dataDir());
    PuzzleScreen screen{*m_context};
};

TEST_F(PuzzleScreenTest, TheSelectorFollowsTheIntroAndCancellingItOnEntryLeaves) {
    enterToSelector();
    EXPECT_TRUE(screen.selector().wasOpenedOnEntry());
    EXPECT_EQ(screen.selector().pageFirst(), 0);
    typeKey(kEnter); // the selector's Enter is CANCEL
    ASSERT_TRUE(runUntil([&] { return screen.state() == PlayScreen::kFinished; }));
    EXPECT_EQ(m_profile.attempts(0), 0);
}

TEST_F(PuzzleScreenTest, ASolutionAtParIsStoredAndNextPuzzleFollows) {
    enterToSelector();
    choose(0);
    EXPECT_EQ(screen.currentPuzzle(), 0);
    EXPECT_EQ(m_profile.attempts(0), 1) << "chosen in the selector";
    const PuzzleMove move = screen.catalog().record(0).at(0);
    clickPlace(move.row, move.column);

    ASSERT_TRUE(runUntil([&] { return screen.successDialog().isOpen(); }));
    EXPECT_EQ(screen.successDialog().layout().title, "GREAT JOB!!!");
    EXPECT_EQ(screen.successDialog().layout().message,
              "\"" + screen.catalog().name(0) + "\" solved in 1 clicks.\nThis is your best solution!");
    EXPECT_EQ(m_profile.best(0), 1);
    answerWithEnter(screen, screen.successDialog());
    EXPECT_EQ(screen.currentPuzzle(), 1);
    EXPECT_EQ(m_profile.currentPuzzle(), 1);
    EXPECT_EQ(m_profile.attempts(1), 0) << "NEXT PUZZLE is no attempt";
}

TEST_F(PuzzleScreenTest, AStuckBoardFailsAndUndoMoveTakesTheLastClickBack) {
    // "Icicle" (puzzle 27): popping the red row and then the lilac ones leaves one lone red.
    m_profile.unlockPuzzles(24);
    m_profile.setCurrentPuzzle(26);
    enterToSelector();
    EXPECT_EQ(screen.selector().pageFirst(), 24);
    choose(2);
    ASSERT_EQ(screen.currentPuzzle(), 26);
    clickPlace(1, 5);
    clickPlace(0, 5);
    ASSERT_TRUE(runUntil([&] { return screen.failureDialog().isOpen(); }));
    EXPECT_EQ(screen.game().result(), puzzle_result::kNoMoves);
    waitUntilInteractive(screen);
    click(kUndoMoveX, kUndoMoveY);
    ASSERT_TRUE(runUntil([&] { return !screen.failureDialog().isOpen(); }));
    EXPECT_EQ(screen.state(), PlayScreen::kPlaying);
    EXPECT_EQ(screen.game().clicks(), 1);
    EXPECT_FALSE(screen.game().isOver());
    // The undo key takes the first click back too: the puzzle is as loaded.
    typeKey(kBackspaceKey);
    frames(2);
    EXPECT_EQ(screen.game().clicks(), 0);
    EXPECT_FALSE(screen.game().moveMade());
}

TEST_F(PuzzleScreenTest, ThePuzzlesButtonCancelledReturnsToTheSameBoard) {
    m_profile.unlockPuzzles(24);
    m_profile.setCurrentPuzzle(26);
    enterToSelector();
    choose(2);
    clickPlace(1, 5);
    ASSERT_TRUE(runUntil([&] { return screen.game().isStill(); }));
    movePointer(kPuzzlesButtonX, kPuzzlesButtonY);
    frames(2);
    click(kPuzzlesButtonX, kPuzzlesButtonY);
    ASSERT_TRUE(runUntil([&] { return screen.selector().dialog().isOpen(); }));
    EXPECT_FALSE(screen.selector().wasOpenedOnEntry());
    waitUntilInteractive(screen);
    typeKey(kEnter);
    ASSERT_TRUE(runUntil([&] { return !screen.selector().dialog().isOpen(); }));
    EXPECT_EQ(screen.state(), PlayScreen::kPlaying);
    EXPECT_EQ(screen.currentPuzzle(), 26);
    EXPECT_EQ(screen.game().clicks(), 1);
    EXPECT_EQ(m_profile.attempts(26), 1) << "only the first choice counted";
}

} // namespace
