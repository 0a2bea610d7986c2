// The Action screen's glue around the rules: the saved game, statistics and high scores at the
// end of a round, the result dialogs and the new-game question.
#include "play/action/ActionScreen.h"

#include "PlayWorld.h"
#include "engine/store/PlayerProfile.h"
#include "engine/video/ksFont.h"
#include "play/SettingsTuning.h"

#include <string>

#include <gtest/gtest.h>

namespace {

constexpr int kNewGameButtonX = 80, kNewGameButtonY = 377;

class ActionScreenTest : public PlayWorld {
protected:
    // Into Action with `profile`'s saved game; answers the intro and waits for play.
    void enterAction() {
        start(screen, kActionScreen);
        ASSERT_TRUE(runUntil([&] { return screen.introDialog().isOpen(); }));
        answerWithEnter(screen, screen.introDialog());
        ASSERT_TRUE(runUntil([&] { return screen.state() == PlayScreen::kPlaying; }));
    }
    // A board whose top rows hold a gold group of `gold` at the left and pairs elsewhere.
    void goldBoard(int gold) {
        ActionBoard& board = screen.game().board();
        for (int row = 0; row < board.rows(); ++row) {
            for (int column = 0; column < board.columns(); ++column) {
                int colour = -1;
                if (row < 2) {
                    colour = column < gold && row == 0 ? kGoldColour : column % 2;
                }
                board.cellAt(row, column).setContent(colour, -1);
            }
        }
    }
    void clickPlace(int row, int column) {
        const ActionBoard& board = screen.game().board();
        click(board.columnX(column) + 14, board.rowY(row, column) + 18);
    }
    // Wins the round with a gold pair and waits for its dialog.
    void winRound() {
        goldBoard(2);
        clickPlace(0, 0);
        ASSERT_TRUE(runUntil([&] { return screen.state() == ActionScreen::kRoundOver; }, 60));
        ASSERT_TRUE(runUntil([&] { return screen.roundWonDialog().isOpen(); }, 600));
    }

    ActionScreen screen{*m_context};
};

TEST_F(ActionScreenTest, AWonRoundIsSavedAndNextRoundResumesFasterWithItsScore) {
    enterAction();
    EXPECT_EQ(screen.game().round(), 0);
    winRound();
    const int32_t score = screen.game().score();
    EXPECT_GT(score, 0);
    // The profile keeps the next round, skill, score and colours (the end-to-end run reads them
    // back from the stored profile).
    EXPECT_EQ(m_profile.savedRound(), 1);
    EXPECT_FLOAT_EQ(m_profile.savedScore(), static_cast<float>(score));
    EXPECT_EQ(m_profile.savedSkill(), screen.game().skill());
    EXPECT_EQ(m_profile.savedColours(), screen.game().colourCount());
    EXPECT_EQ(screen.roundWonDialog().layout().title, "YOU WON ROUND 1");
    EXPECT_EQ(screen.roundWonDialog().layout().message,
              "You've finished 1 round\nand earned " + ksFont::formatNumber(score) + " points so far!");
    answerWithEnter(screen, screen.roundWonDialog());
    EXPECT_EQ(screen.game().round(), 1);
    EXPECT_EQ(screen.state(), ActionScreen::kFilling);
    EXPECT_EQ(screen.game().score(), score);
}

TEST_F(ActionScreenTest, ALostGameCountsItsRoundsAndClearsTheSavedGame) {
    m_profile.setSavedGame(3, 0, 500.0f, 5);
    enterAction();
    EXPECT_EQ(screen.game().round(), 3);
    EXPECT_EQ(screen.game().score(), 500);
    // A board full to row 8 loses with the next row.
    ActionBoard& board = screen.game().board();
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            board.cellAt(row, column).setContent(row < 9 ? (row + column) % 2 : -1, -1);
        }
    }
    click(300, 20); // the cord
    ASSERT_TRUE(runUntil([&] { return screen.state() == ActionScreen::kRoundOver; }, 30));
    EXPECT_EQ(m_profile.savedRound(), 0);
    EXPECT_EQ(m_stats[kActionMode].gamesPlayed(), 4) << "one lost game and three won rounds";
    EXPECT_EQ(m_stats[kActionMode].gamesWon(), 3);
    ASSERT_TRUE(runUntil([&] { return screen.highScoreDialog().isOpen(); }, 600));
    EXPECT_EQ(screen.highScoreDialog().layout().title, "GREAT GAME!");
    waitUntilInteractive(screen);
    for (const char c : std::string("Ann")) {
        typeKey(c);
        frame();
    }
    typeKey(kEnter);
    ASSERT_TRUE(runUntil([&] { return !screen.highScoreDialog().isOpen(); }, 60));
    EXPECT_STREQ(m_highScores.nameAt(kActionMode, 0), "Ann");
    EXPECT_EQ(screen.game().round(), 0) << "New Game starts over";
}

TEST_F(ActionScreenTest, ANewGameAfterAWonRoundStartsOverWhenTheScoreDoesNotQualify) {
    enterAction();
    winRound();
    answerWithEnter(screen, screen.roundWonDialog());
    ASSERT_EQ(m_profile.savedRound(), 1);
    // Better scores fill the Action list, so this one does not enter it.
    for (int i = 0; i < 7; ++i) {
        m_highScores.add(kActionMode, "Best", 1000000);
    }
    ASSERT_TRUE(runUntil([&] { return screen.state() == PlayScreen::kPlaying; }));
    click(kNewGameButtonX, kNewGameButtonY);
    ASSERT_TRUE(runUntil([&] { return screen.newGameDialog().isOpen(); }, 30));
    answerWithEnter(screen, screen.newGameDialog());
    EXPECT_EQ(screen.game().round(), 0);
    EXPECT_EQ(screen.game().score(), 0);
    EXPECT_EQ(m_profile.savedRound(), 0);
}

TEST_F(ActionScreenTest, ALostGameWhoseScoreDoesNotQualifyOffersANewGameOrTheMenu) {
    m_profile.setSavedGame(0, 0, 0.0f, 5);
    for (int i = 0; i < 7; ++i) {
        m_highScores.add(kActionMode, "Best", 1000000);
    }
    enterAction();
    ActionBoard& board = screen.game().board();
    for (int row = 0; row < board.rows(); ++row) {
        for (int column = 0; column < board.columns(); ++column) {
            board.cellAt(row, column).setContent(row < 9 ? (row / 2 + column) % 3 : -1, -1);
        }
    }
    clickPlace(0, 0); // a pair: points, then the next row loses
    ASSERT_TRUE(runUntil([&] { return screen.game().score() > 0; }, 10));
    click(300, 20);
    ASSERT_TRUE(runUntil([&] { return screen.gameOverDialog().isOpen(); }, 900));
    EXPECT_EQ(screen.gameOverDialog().layout().title, "GREAT GAME!");
    EXPECT_EQ(screen.gameOverDialog().layout().message, "You've played 1 round and\nearned " +
                                                            ksFont::formatNumber(screen.game().score()) +
                                                            " points!");
    EXPECT_EQ(m_stats[kActionMode].gamesPlayed(), 1);
    EXPECT_EQ(m_stats[kActionMode].gamesWon(), 0);
    answerWithEnter(screen, screen.gameOverDialog());
    EXPECT_EQ(screen.state(), ActionScreen::kFilling) << "New Game is the default";
    EXPECT_EQ(screen.game().score(), 0);
}

} // namespace
