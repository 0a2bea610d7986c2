// A controller's buttons and stick arrive as the keys the game already answers.
#include "platform/GamepadKeys.h"

#include "engine/input/InputEventQueue.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using Button = GamepadKeys::Button;

std::string word(char kind, int code) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%d", kind, code);
    return text;
}

// The queued events as short words: "+37" a key down, "-37" a key up, "c13" a typed character.
std::vector<std::string> drain(InputEventQueue& queue) {
    std::vector<std::string> words;
    while (!queue.empty()) {
        queue.drainPass([&words](const InputEvent& event) {
            switch (event.kind) {
            case InputEvent::Kind::KeyDown:
                words.push_back(word('+', event.code));
                break;
            case InputEvent::Kind::KeyUp:
                words.push_back(word('-', event.code));
                break;
            case InputEvent::Kind::Character:
                words.push_back(word('c', event.code));
                break;
            default:
                words.push_back("?");
                break;
            }
        });
    }
    return words;
}

TEST(GamepadKeys, ButtonsTypeTheKeysOfTheirJobs) {
    InputEventQueue queue;
    GamepadKeys pad;
    for (const Button button : {Button::A, Button::B, Button::Start, Button::Back, Button::RightShoulder}) {
        pad.button(button, true, queue);
        pad.button(button, false, queue);
    }
    EXPECT_THAT(drain(queue), ElementsAre("c13", "c8", "c27", "c9", "c9"));
    // The left shoulder holds Shift around its Tab; other buttons say nothing.
    pad.button(Button::LeftShoulder, true, queue);
    pad.button(Button::Other, true, queue);
    pad.button(Button::LeftShoulder, false, queue);
    EXPECT_THAT(drain(queue), ElementsAre("+16", "c9", "-16"));
}

TEST(GamepadKeys, TheDpadAndTheStickShareTheArrows) {
    InputEventQueue queue;
    GamepadKeys pad;
    pad.button(Button::Left, true, queue);
    pad.stickX(-30000, queue); // the stick pushes the same way: the arrow is down already
    pad.button(Button::Left, false, queue);
    EXPECT_THAT(drain(queue), ElementsAre("+37"));
    pad.stickX(0, queue);
    EXPECT_THAT(drain(queue), ElementsAre("-37"));
    pad.button(Button::Up, true, queue);
    pad.button(Button::Up, false, queue);
    pad.button(Button::Down, true, queue);
    EXPECT_THAT(drain(queue), ElementsAre("+38", "-38", "+40"));
    // A pulled controller lets go of everything it held.
    pad.releaseAll(queue);
    EXPECT_THAT(drain(queue), ElementsAre("-40"));
}

TEST(GamepadKeys, TheStickPressesPastHalfItsTravelAndLetsGoOnlyNearTheMiddle) {
    InputEventQueue queue;
    GamepadKeys pad;
    pad.stickY(GamepadKeys::kPushed - 1, queue);
    EXPECT_TRUE(drain(queue).empty()) << "not far enough";
    pad.stickY(GamepadKeys::kPushed + 1, queue);
    EXPECT_THAT(drain(queue), ElementsAre("+40"));
    // Wobbling between the two thresholds neither lets go nor presses again.
    for (const int value :
         {GamepadKeys::kReleased + 1, GamepadKeys::kPushed + 500, GamepadKeys::kReleased + 100}) {
        pad.stickY(value, queue);
    }
    EXPECT_TRUE(drain(queue).empty());
    pad.stickY(GamepadKeys::kReleased - 1, queue);
    // Straight across to the other side: down is let go, up pressed.
    pad.stickY(-32768, queue);
    EXPECT_THAT(drain(queue), ElementsAre("-40", "+38"));
}

} // namespace
