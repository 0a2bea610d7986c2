// The Classic screen's glue around the rules: prize landings, undo with the shelf, statistics,
// the end of a game and the high-score entry, and the questions a new game asks.
#include "play/classic/ClassicScreen.h"

#include "PlayWorld.h"
#include "engine/core/Numbers.h"
#include "game/classic/ClassicScoring.h"
#include "play/SettingsTuning.h"
#include "stage/FloatingScore.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

// The 520 x 220 out-of-moves dialog around the screen's centre: its "UNDO LAST MOVE" button.
constexpr int kUndoLastMoveX = 60 + 361, kUndoLastMoveY = 130 + 170;
constexpr int kNewGameButtonX = 80, kNewGameButtonY = 377;

// One filled row of cells: a colour (or -1) and a prize kind (or -1) per column from the left.
struct Cell {
    int colour = -1;
    int prize = -1;
};

class ClassicScreenTest : public PlayWorld {
protected:
    void SetUp() override { startPlaying(screen, kClassicScreen); }

    // A game of `prizes` prizes on a board whose top row is `row` and whose other places are
    // empty.
    void deal(std::initializer_list<Cell> row, int prizes) {
        ClassicTuning tuning = ClassicTuning::read(SettingsTuning(settings()));
        tuning.rows.fill(1);
        tuning.prizes.fill(prizes);
        tuning.minPrizeRow.fill(1);
        tuning.maxPrizeRow.fill(1);
        m_tuning = tuning;
        screen.game().newGame(tuning, ClassicOptions{0, 5, 0});
        ClassicBoard& board = screen.game().board();
        board.reset();
        int column = 0;
        for (const Cell& cell : row) {
            board.cellAt(0, column++).setContent(cell.colour, cell.prize);
        }
        board.recountColumns();
    }
    // Clicks the middle of the place at (row, column) as it is shown now.
    void clickPlace(int row, int column) {
        const ClassicBoard& board = screen.game().board();
        click(board.columnX(column) + 14, board.rowY(row, column) + 18);
    }
    // The column where the top row shows `colour`, or -1.
    int columnOf(int colour) {
        const ClassicBoard& board = screen.game().board();
        for (int column = 0; column < board.columns(); ++column) {
            if (board.cellAt(0, column).isOccupied() && board.cellAt(0, column).colour() == colour) {
                return column;
            }
        }
        return -1;
    }
    void settle() { frames(60); }
    int floatingScoresShowing(std::string_view text) {
        int found = 0;
        for (ksDrawable* entry : screen.scene().list().entries()) {
            const auto* score = dynamic_cast<const FloatingScore*>(entry);
            found += score != nullptr && score->isActive() && score->text() == text ? 1 : 0;
        }
        return found;
    }
    // Plays the one-prize game that is won with every balloon popped, up to its end dialog.
    void winUpToTheEndDialog() {
        deal({{0, 0}, {0, -1}}, 1);
        clickPlace(0, 0);
        ASSERT_TRUE(runUntil([&] { return screen.state() == ClassicScreen::kGameOver; }, 1200));
        ASSERT_TRUE(runUntil([&] { return screen.endDialog().isOpen(); }, 600));
        waitUntilInteractive(screen);
    }

    ClassicScreen screen{*m_context};
    ClassicTuning m_tuning;
};

TEST_F(ClassicScreenTest, ALandedPrizeScoresOnceAndFliesItsPointsToTheScore) {
    deal({{0, 2}, {0, -1}, {1, -1}, {2, 3}, {3, -1}, {3, -1}}, 2);
    clickPlace(0, 0);
    ASSERT_EQ(screen.game().releasedCount(), 0) << "the balloons are still popping";
    settle();
    ASSERT_EQ(screen.game().releasedCount(), 1);
    Prize& prize = screen.prize(0);
    EXPECT_TRUE(screen.scene().list().contains(&prize));
    const int32_t beforeLanding = screen.game().score();
    ASSERT_TRUE(runUntil([&] { return !prize.isActive(); }, 600));
    const int32_t points = truncSat(prizeLandingPoints(m_tuning.prizePoints[0], m_tuning.lastPrize[0], 0, 10,
                                                       false, m_tuning.multiplierFor(5)));
    ASSERT_GT(points, 0);
    EXPECT_EQ(screen.game().score(), beforeLanding + points);
    char shown[16];
    std::snprintf(shown, sizeof shown, "+%d", points);
    EXPECT_EQ(floatingScoresShowing(shown), 1);
    frames(30);
    EXPECT_EQ(screen.game().score(), beforeLanding + points) << "a landing is scored once";
    EXPECT_TRUE(screen.scene().list().contains(&prize)) << "the prize rests on the shelf";
}

TEST_F(ClassicScreenTest, UndoPutsPrizesAndShelfPicturesBackAsTheyWere) {
    deal({{0, 2}, {0, -1}, {1, -1}, {1, -1}, {2, 4}, {3, -1}, {4, -1}, {4, -1}}, 2);
    clickPlace(0, 0);
    settle();
    ASSERT_EQ(screen.game().releasedCount(), 1);
    ASSERT_TRUE(runUntil([&] { return !screen.prize(0).isActive(); }, 600));
    const int slot = screen.game().release(0).shelfSlot;
    const Balloon& shelfPlace = screen.game().shelf().cellAt(0, slot);
    EXPECT_TRUE(shelfPlace.holdsPrize());

    clickPlace(0, columnOf(1));
    settle();
    screen.undoMove();
    EXPECT_EQ(screen.game().releasedCount(), 1);
    EXPECT_TRUE(shelfPlace.holdsPrize());
    EXPECT_EQ(shelfPlace.prizeKind(), 2);
    EXPECT_EQ(shelfPlace.image(), resources().getImage("present0_2")) << "the slot shows its prize again";
    EXPECT_TRUE(screen.scene().list().contains(&screen.prize(0)));

    screen.undoMove();
    EXPECT_EQ(screen.game().releasedCount(), 0);
    EXPECT_FALSE(shelfPlace.holdsPrize());
    EXPECT_EQ(shelfPlace.image(), nullptr);
    EXPECT_FALSE(screen.scene().list().contains(&screen.prize(0)));
    EXPECT_TRUE(screen.game().board().cellAt(0, 0).holdsPrize());
    EXPECT_EQ(screen.game().score(), 0);
}

TEST_F(ClassicScreenTest, StatisticsAreSavedAtEveryPopAndAtTheEndAndALossCountsEvenIfUndone) {
    const auto stored = [&] {
        GameStats stats = GameStats::forMode(dataDir(), 0);
        EXPECT_TRUE(stats.load());
        return stats;
    };
    deal({{0, -1}, {0, -1}, {0, -1}, {1, 0}}, 1);
    clickPlace(0, 0);
    EXPECT_EQ(stored().biggestGroup(), 3);
    EXPECT_EQ(stored().gamesPlayed(), 0);

    ASSERT_TRUE(runUntil([&] { return screen.state() == ClassicScreen::kGameOver; }, 300));
    EXPECT_EQ(screen.endState(), ClassicScreen::kEndLost);
    EXPECT_EQ(stored().gamesPlayed(), 1);
    EXPECT_EQ(stored().gamesWon(), 0);

    ASSERT_TRUE(runUntil([&] { return screen.outOfMovesDialog().isOpen(); }, 300));
    waitUntilInteractive(screen);
    click(kUndoLastMoveX, kUndoLastMoveY);
    ASSERT_TRUE(runUntil([&] { return !screen.outOfMovesDialog().isOpen(); }, 60));
    EXPECT_EQ(screen.state(), PlayScreen::kPlaying);
    EXPECT_EQ(screen.game().board().cellAt(0, 0).colour(), 0) << "the last move was taken back";
    EXPECT_EQ(stored().gamesPlayed(), 1) << "the loss stays counted";
}

TEST_F(ClassicScreenTest, PrizesFreedByTheLosingPopLandBeforeTheGameEndsAndNoneHangsInTheAir) {
    deal({{0, 0}, {0, 1}, {1, 2}}, 3);
    clickPlace(0, 0);
    ASSERT_TRUE(runUntil([&] { return screen.game().releasedCount() == 2; }, 120));
    EXPECT_TRUE(screen.game().noMoves()) << "the verdict and the release in one frame";
    EXPECT_NE(screen.state(), ClassicScreen::kGameOver) << "the released prizes are in flight";
    ASSERT_TRUE(runUntil([&] { return screen.state() == ClassicScreen::kGameOver; }, 600));
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(screen.prize(i).isActive()) << "prize " << i << " has landed";
        EXPECT_FALSE(screen.prize(i).isFlyingOff());
        EXPECT_GT(screen.prize(i).y(), 400.0f) << "on the shelf";
    }
    EXPECT_EQ(screen.endState(), ClassicScreen::kEndLost);
}

TEST_F(ClassicScreenTest, ADealWithoutAPairEndsAndEndsAgainAfterAnUndoOfNothing) {
    deal({{0, 0}, {1, -1}, {0, -1}}, 1);
    ASSERT_TRUE(runUntil([&] { return screen.state() == ClassicScreen::kGameOver; }, 10));
    EXPECT_EQ(screen.endState(), ClassicScreen::kEndLost);
    ASSERT_TRUE(runUntil([&] { return screen.outOfMovesDialog().isOpen(); }, 300));
    waitUntilInteractive(screen);
    click(kUndoLastMoveX, kUndoLastMoveY);
    ASSERT_TRUE(runUntil([&] { return !screen.outOfMovesDialog().isOpen(); }, 60));
    ASSERT_TRUE(runUntil([&] { return screen.state() == ClassicScreen::kGameOver; }, 10))
        << "nothing to take back: the verdict comes again";
}

TEST_F(ClassicScreenTest, AWinningScoreEntersTheHighScoresUnderTheTypedName) {
    winUpToTheEndDialog();
    const DialogSpec& layout = screen.endDialog().layout();
    EXPECT_EQ(layout.title, "AMAZING POPPING!");
    EXPECT_EQ(layout.entryCount, 1);
    EXPECT_EQ(layout.height, 300);
    EXPECT_NE(layout.message.find("You got a High Score, enter your name."), std::string::npos);
    const int32_t score = screen.game().score();

    for (const char c : std::string("Tester")) {
        typeKey(c);
    }
    typeKey(kEnter);
    ASSERT_TRUE(runUntil([&] { return !screen.endDialog().isOpen(); }, 60));
    HighScoreTable saved = HighScoreTable::forGame(dataDir());
    saved.load();
    ASSERT_EQ(saved.count(0), 1);
    EXPECT_STREQ(saved.nameAt(0, 0), "Tester");
    EXPECT_EQ(saved.scoreAt(0, 0), score);
    EXPECT_EQ(m_profile.name(), "Tester");
    EXPECT_EQ(screen.state(), PlayScreen::kPlaying) << "the next deal starts at once";
    EXPECT_EQ(screen.game().score(), 0);
    GameStats stats = GameStats::forMode(dataDir(), 0);
    stats.load();
    EXPECT_EQ(stats.gamesWon(), 1);
}

TEST_F(ClassicScreenTest, AnEmptyNameStillEntersTheScore) {
    winUpToTheEndDialog();
    typeKey(kEnter);
    ASSERT_TRUE(runUntil([&] { return !screen.endDialog().isOpen(); }, 60));
    HighScoreTable saved = HighScoreTable::forGame(dataDir());
    saved.load();
    ASSERT_EQ(saved.count(0), 1);
    EXPECT_STREQ(saved.nameAt(0, 0), "");
}

TEST_F(ClassicScreenTest, NewGameAsksOnlyOnceAMoveHasBeenMade) {
    const BoardSnapshot dealt = BoardSnapshot::take(screen.game().board(), screen.game().shelf());
    click(kNewGameButtonX, kNewGameButtonY);
    EXPECT_FALSE(screen.newGameDialog().isOpen());
    EXPECT_NE(BoardSnapshot::take(screen.game().board(), screen.game().shelf()).bytes, dealt.bytes)
        << "an untouched game is dealt anew at once";

    deal({{0, -1}, {0, -1}, {1, 0}, {2, -1}, {2, -1}}, 1);
    clickPlace(0, 0);
    settle();
    click(kNewGameButtonX, kNewGameButtonY);
    EXPECT_TRUE(screen.newGameDialog().isOpen());
}

TEST_F(ClassicScreenTest, AfterANewGameADialogStillLeavesTheBareBackdropBehindIt) {
    screen.askNewGame(); // untouched: dealt at once, the fader back at its start
    ASSERT_FALSE(screen.newGameDialog().isOpen());
    frame();
    click(109, 463); // the help button
    ASSERT_TRUE(screen.helpDialog().isOpen());
    answerWithEnter(screen, screen.helpDialog());
    // The board is drawn afresh every frame; the background must not keep a picture of it.
    const ClassicBoard& board = screen.game().board();
    const int x = board.columnX(0) + 14, y = board.rowY(0, 0) + 18;
    EXPECT_EQ(backgroundAt(x, y), resources().getImage("main")->pixelAt(x, y));
}

TEST_F(ClassicScreenTest, TheBuiltInPlayerOnlyClicksWhenTheBoardIsStill) {
    deal({{0, 0}, {0, -1}, {1, -1}}, 1);
    const AutoplayView still = screen.autoplayView();
    ASSERT_TRUE(still.click.has_value());
    const ClassicBoard& board = screen.game().board();
    EXPECT_GE(still.click->x, board.columnX(0));
    EXPECT_LE(still.click->x, board.columnX(1) + BalloonBoard::kColumnPitch) << "on the one pair";
    clickPlace(0, 0);
    EXPECT_FALSE(screen.autoplayView().click.has_value()) << "balloons are popping";
    screen.askNewGame();
    ASSERT_TRUE(screen.newGameDialog().isOpen());
    frames(2);
    EXPECT_EQ(screen.autoplayView().dialog, AutoplayView::Dialog::None) << "still fading in";
    waitUntilInteractive(screen);
    EXPECT_EQ(screen.autoplayView().dialog, AutoplayView::Dialog::Enter);
}

TEST_F(ClassicScreenTest, KeysRingABalloonAndEnterPopsItsGroupAsAClickWould) {
    deal({{0, 3}, {2, -1}, {1, -1}, {1, -1}, {3, -1}, {3, -1}}, 1);
    auto tap = [this](int virtualKey) {
        ksInputState::instance().setKey(virtualKey, true);
        frame();
        ksInputState::instance().setKey(virtualKey, false);
        frame();
    };
    tap(37); // the first key shows the ring (on the balloon nearest the top middle) and moves nothing
    ASSERT_TRUE(screen.boardKeys().isActive());
    EXPECT_EQ(screen.boardKeys().focus().column(), 5);
    EXPECT_FLOAT_EQ(screen.game().board().cellAt(0, 4).highlight(), Balloon::kHoverHighlight)
        << "the group under the ring shows as under the pointer";
    for (int step = 0; step < 4; ++step) {
        tap(37);
    }
    EXPECT_EQ(screen.boardKeys().focus().column(), 1);
    typeKey(kEnterKey);
    EXPECT_EQ(screen.game().score(), 0) << "a lone balloon does not pop";
    tap(39);
    typeKey(kEnterKey);
    EXPECT_TRUE(screen.game().board().cellAt(0, 2).isPopping());
    EXPECT_TRUE(screen.game().board().cellAt(0, 3).isPopping());
    EXPECT_GT(screen.game().score(), 0);
    settle();
    // The ring followed to a balloon still there; Backspace takes the pop back.
    EXPECT_TRUE(screen.game()
                    .board()
                    .cellAt(screen.boardKeys().focus().row(), screen.boardKeys().focus().column())
                    .isOccupied());
    typeKey(kBackspaceKey);
    EXPECT_EQ(screen.game().score(), 0);
    EXPECT_EQ(screen.game().board().cellAt(0, 3).colour(), 1);
    // A mouse move hands the board back to the pointer.
    movePointer(5, 5);
    frame();
    EXPECT_FALSE(screen.boardKeys().isActive());
}

} // namespace
