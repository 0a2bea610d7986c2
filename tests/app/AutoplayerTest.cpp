// The built-in player: what it feeds into the input queue for what the screen shows.
#include "app/Autoplayer.h"

#include "engine/input/InputEventQueue.h"
#include "ui/AutoplayTarget.h"
#include "ui/ScreenManager.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A playable screen that shows whatever the test sets.
struct ShownScreen final : GameScreen, AutoplayTarget {
    AutoplayView view;
    std::string entry;
    void enter() override {}
    bool update() override { return false; }
    void setFocusLost(bool) override {}
    void draw() override {}
    void redraw() override {}
    AutoplayView autoplayView() override {
        AutoplayView shown = view;
        shown.entryText = entry;
        return shown;
    }
};

struct AutoplayerTest : ::testing::Test {
    ShownScreen screen;
    ScreenManager screens;
    Autoplayer player{screens};
    InputEventQueue queue;
    int64_t pass = 0;

    void SetUp() override {
        ScreenManager::ScreenTable table{};
        table.fill(&screen);
        screens.start(table, kClassicScreen);
    }
    // One pass: what the player pushed, drained as the main loop drains it.
    std::vector<InputEvent> feed() {
        player.feed(pass++, queue);
        std::vector<InputEvent> events;
        while (!queue.empty()) {
            queue.drainPass([&](const InputEvent& event) { events.push_back(event); });
        }
        return events;
    }
};

TEST_F(AutoplayerTest, ClicksWhereTheScreenSaysEveryFewPassesAndNothingToDoMeansNoInput) {
    EXPECT_TRUE(feed().empty());
    screen.view.click = AutoplayPoint{300, 200};
    const std::vector<InputEvent> first = feed();
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].kind, InputEvent::Kind::PointerMove);
    EXPECT_EQ(first[0].x, 300.0f);
    EXPECT_EQ(first[0].y, 200.0f);
    EXPECT_EQ(first[1].kind, InputEvent::Kind::ButtonDown);
    EXPECT_EQ(first[2].kind, InputEvent::Kind::ButtonUp);
    int quiet = 0;
    while (feed().empty()) {
        ++quiet;
    }
    EXPECT_EQ(quiet, Autoplayer::kPassesBetweenMoves);
}

TEST_F(AutoplayerTest, TypesItsNameOneCharacterAtATimeThenPressesEnter) {
    screen.view.dialog = AutoplayView::Dialog::Enter;
    screen.view.hasEntry = true;
    screen.entry = "Xy";
    std::string typed;
    for (int i = 0; i < 100 && typed.find('\r') == std::string::npos; ++i) {
        for (const InputEvent& event : feed()) {
            ASSERT_EQ(event.kind, InputEvent::Kind::Character);
            typed += static_cast<char>(event.code);
            // The field applies what arrives.
            if (event.code == 8) {
                screen.entry.pop_back();
            } else if (event.code != 13) {
                screen.entry += static_cast<char>(event.code);
            }
        }
    }
    EXPECT_EQ(typed, "\b\bAutoplay\r");
    EXPECT_EQ(screen.entry, "Autoplay");
}

TEST_F(AutoplayerTest, AnswersADialogWithEnterAndThePauseBoxWithAClick) {
    screen.view.dialog = AutoplayView::Dialog::Enter;
    const std::vector<InputEvent> answer = feed();
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].kind, InputEvent::Kind::Character);
    EXPECT_EQ(answer[0].code, 13);

    screen.view.dialog = AutoplayView::Dialog::Click;
    std::vector<InputEvent> resume;
    for (int i = 0; i < 20 && resume.empty(); ++i) {
        resume = feed();
    }
    ASSERT_EQ(resume.size(), 3u);
    EXPECT_EQ(resume[1].kind, InputEvent::Kind::ButtonDown);
}

} // namespace
