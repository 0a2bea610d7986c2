// Screen switching: requests, going back, the bounded history and the end of the game.
#include "ui/ScreenManager.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A screen that answers its update with whatever the test set.
struct ScriptedScreen final : GameScreen {
    int entered = 0, drawn = 0, redrawn = 0;
    bool done = false;
    void enter() override { ++entered; }
    bool update() override {
        const bool answer = done;
        done = false;
        return answer;
    }
    void setFocusLost(bool) override {}
    void draw() override { ++drawn; }
    void redraw() override { ++redrawn; }
};

struct ScreenManagerFixture : ::testing::Test {
    std::array<ScriptedScreen, kScreenCount> screens;
    ScreenManager manager;

    void SetUp() override {
        ScreenManager::ScreenTable table{};
        for (int i = 0; i < kScreenCount; ++i) {
            table[i] = &screens[i];
        }
        manager.start(table, kTitleScreen);
    }
    // The current screen finishes, optionally asking for `next`.
    void finish(int next = -1) {
        if (next >= 0) {
            manager.requestSwitch(next);
        }
        screens[manager.current()].done = true;
        manager.update();
    }
};

TEST_F(ScreenManagerFixture, ForwardThenBackThroughTheHistoryEndsTheGame) {
    EXPECT_EQ(screens[kTitleScreen].entered, 1);
    finish(kClassicScreen);
    finish(kOptionsScreen);
    EXPECT_EQ(manager.current(), kOptionsScreen);
    finish();
    EXPECT_EQ(manager.current(), kClassicScreen);
    EXPECT_EQ(screens[kClassicScreen].entered, 2);
    finish();
    EXPECT_EQ(manager.current(), kTitleScreen);
    EXPECT_FALSE(manager.isFinished());
    finish();
    EXPECT_TRUE(manager.isFinished());
    manager.update(); // nothing runs any more
}

TEST_F(ScreenManagerFixture, ASwitchDrawsNothingThatFrame) {
    manager.update();
    EXPECT_EQ(screens[kTitleScreen].drawn, 1);
    finish(kClassicScreen);
    EXPECT_EQ(screens[kTitleScreen].drawn, 1);
    EXPECT_EQ(screens[kClassicScreen].drawn, 0);
}

TEST_F(ScreenManagerFixture, TheLaterOfTwoRequestsWinsAndUnknownIdsAreIgnoredAndLogged) {
    LogCapture log;
    manager.requestSwitch(kPuzzleScreen);
    manager.requestSwitch(kActionScreen);
    manager.requestSwitch(42);
    manager.requestSwitch(-3);
    finish();
    EXPECT_EQ(manager.current(), kActionScreen);
    EXPECT_EQ(log.count("ScreenManager::requestSwitch"), 2);
    manager.requestSwitch(42);
    finish(); // no valid request: back to the title
    EXPECT_EQ(manager.current(), kTitleScreen);
}

TEST_F(ScreenManagerFixture, HistoryKeepsTheHundredMostRecentScreens) {
    for (int i = 0; i < 101; ++i) {
        finish(i % 2 == 0 ? kClassicScreen : kPuzzleScreen);
    }
    EXPECT_EQ(manager.historyDepth(), 100) << "the bottom marker was pushed out";
    for (int i = 0; i < 100; ++i) {
        ASSERT_FALSE(manager.isFinished()) << i;
        finish();
    }
    EXPECT_FALSE(manager.isFinished());
    finish();
    EXPECT_TRUE(manager.isFinished());
}

TEST_F(ScreenManagerFixture, RedrawNextPaintsTheScreenToCome) {
    finish(kClassicScreen);
    manager.redrawNext();
    EXPECT_EQ(screens[kTitleScreen].redrawn, 1) << "going back leads to the title";
    manager.requestSwitch(kHighScoreScreen);
    manager.redrawNext();
    EXPECT_EQ(screens[kHighScoreScreen].redrawn, 1);
}

} // namespace
