// The high-score screen: page arrows, the confirmed reset and closing.
#include "frontend/HighScoreScreen.h"

#include "FrontEndWorld.h"
#include "engine/core/FileIo.h"

#include <gtest/gtest.h>

namespace {

// The reset question is 340 x 200, centred on the screen.
constexpr int kResetYesX = 320 - 170 + 113, kResetNoX = 320 - 170 + 226, kResetButtonsY = 240 - 100 + 150;

struct HighScoreWorld : FrontEndWorld {
    std::unique_ptr<HighScoreScreen> scores;

    HighScoreWorld() {
        highScores.add(0, "ADA", 500);
        highScores.add(0, "BOB", 300);
        highScores.add(2, "CY", 9000);
        highScores.save();
        stats[0].recordResult(true);
        stats[0].recordGroup(12);
        stats[0].save();
        stats[2].recordResult(true);
        stats[2].recordResult(true);
        stats[2].recordGroup(20);
        stats[2].save();
    }
    void open() {
        scores = std::make_unique<HighScoreScreen>(*context);
        start(kHighScoreScreen, *scores, kTitleScreen);
        standIns[kTitleScreen].requestNext = kHighScoreScreen;
        frame();
        ASSERT_EQ(screens.current(), kHighScoreScreen);
        frames(20);
    }
    // The arrows' centres are relative to the dialog but were worked out from its place on the
    // screen, so on the screen they lie at twice the dialog's offset.
    void clickNextPage() { click(scores->left() * 2 + 520 - 110, scores->top() * 2 + 70); }
    void clickPreviousPage() { click(scores->left() * 2 + 10, scores->top() * 2 + 70); }
    void openResetQuestion() {
        click(scores->left() + 158, scores->top() + 410);
        ASSERT_TRUE(scores->isResetBoxOpen());
        frames(20);
    }
    std::vector<uint8_t> fileBytes(const std::string& name) {
        return readFileBytes(paths.dataDir / name, 4096).value_or(std::vector<uint8_t>{});
    }
};

TEST_F(HighScoreWorld, ThePageArrowsOfTheDialogTurnThePagesAndEveryVisitStartsOnTheClassicPage) {
    open();
    EXPECT_EQ(scores->page(), 0);
    clickNextPage();
    EXPECT_EQ(scores->page(), 2);
    clickNextPage();
    EXPECT_EQ(scores->page(), 0);
    clickPreviousPage();
    EXPECT_EQ(scores->page(), 2);
    clickPreviousPage();
    EXPECT_EQ(scores->page(), 0);
    clickNextPage();
    ASSERT_EQ(scores->page(), 2);
    EXPECT_EQ(screens.current(), kHighScoreScreen);

    input.typeChar('\r');
    frame();
    ASSERT_TRUE(runUntil([&] { return screens.current() == kTitleScreen; }, 30));
    standIns[kTitleScreen].requestNext = kHighScoreScreen;
    frame();
    EXPECT_EQ(screens.current(), kHighScoreScreen);
    EXPECT_EQ(scores->page(), 0) << "every visit starts on the Classic page";
}

TEST_F(HighScoreWorld, ResetThenNoChangesNothing) {
    open();
    const auto scoresBefore = fileBytes("hsinfo.bin");
    const auto statsBefore = fileBytes("stats0.bin");
    openResetQuestion();
    click(kResetNoX, kResetButtonsY);
    ASSERT_TRUE(runUntil([&] { return !scores->isResetBoxOpen(); }, 30));
    EXPECT_EQ(highScores.count(0), 2);
    EXPECT_EQ(stats[0].gamesWon(), 1);
    EXPECT_EQ(fileBytes("hsinfo.bin"), scoresBefore);
    EXPECT_EQ(fileBytes("stats0.bin"), statsBefore);
    EXPECT_EQ(screens.current(), kHighScoreScreen);
}

TEST_F(HighScoreWorld, ResetThenYesEmptiesOnlyThePagesListAndStatisticsAndWritesBothFiles) {
    open();
    clickNextPage();
    ASSERT_EQ(scores->page(), 2);
    openResetQuestion();
    click(kResetYesX, kResetButtonsY);
    ASSERT_TRUE(runUntil([&] { return !scores->isResetBoxOpen(); }, 30));

    EXPECT_EQ(highScores.count(2), 0);
    EXPECT_EQ(highScores.count(0), 2);
    EXPECT_EQ(stats[2].gamesWon(), 0);
    EXPECT_EQ(stats[2].biggestGroup(), 0);
    EXPECT_EQ(stats[0].gamesWon(), 1);

    HighScoreTable stored = HighScoreTable::forGame(paths.dataDir);
    stored.load();
    EXPECT_EQ(stored.count(2), 0);
    EXPECT_EQ(stored.count(0), 2);
    GameStats storedAction = GameStats::forMode(paths.dataDir, 2);
    ASSERT_TRUE(storedAction.load());
    EXPECT_EQ(storedAction.gamesWon(), 0);
    EXPECT_EQ(storedAction.biggestGroup(), 0);
    GameStats storedClassic = GameStats::forMode(paths.dataDir, 0);
    ASSERT_TRUE(storedClassic.load());
    EXPECT_EQ(storedClassic.biggestGroup(), 12);
    EXPECT_EQ(screens.current(), kHighScoreScreen);
}

class ScreenCloseKeys : public HighScoreWorld, public ::testing::WithParamInterface<char> {};

TEST_P(ScreenCloseKeys, CloseTheScreenButDoNothingWhileTheResetQuestionIsOpen) {
    open();
    openResetQuestion();
    input.typeChar(GetParam());
    frames(30);
    EXPECT_TRUE(scores->isResetBoxOpen());
    click(kResetNoX, kResetButtonsY);
    ASSERT_TRUE(runUntil([&] { return !scores->isResetBoxOpen(); }, 30));
    frames(2);

    const int redraws = standIns[kTitleScreen].redraws;
    input.typeChar(GetParam());
    frame();
    ASSERT_TRUE(runUntil([&] { return screens.current() == kTitleScreen; }, 30));
    EXPECT_EQ(standIns[kTitleScreen].redraws, redraws + 1) << "the screen below repaints itself";
}

INSTANTIATE_TEST_SUITE_P(EnterAndSpace, ScreenCloseKeys, ::testing::Values('\r', ' '));

} // namespace
