// GamepadKeys.cpp: a game controller's buttons and stick as the keys the game already answers.
#include "GamepadKeys.h"

#include "engine/input/InputEventQueue.h"
#include "engine/input/TypedKeys.h"

namespace {

// Virtual-key codes of the arrows (left, up, right, down) and Shift.
constexpr std::array<int, 4> kArrowKeys{37, 38, 39, 40};
constexpr int kShiftKey = 16;
constexpr int kTabCharacter = 9;
constexpr int kEscapeCharacter = 27;
constexpr int kDpad = 0;
constexpr int kStick = 1;
constexpr int kLeft = 0;
constexpr int kUp = 1;
constexpr int kRight = 2;
constexpr int kDown = 3;

} // namespace

void GamepadKeys::setArrow(int arrow, int source, bool down, InputEventQueue& queue) {
    auto& held = m_held[static_cast<std::size_t>(arrow)];
    const bool before = held[0] || held[1];
    held[static_cast<std::size_t>(source)] = down;
    const bool after = held[0] || held[1];
    if (before != after) {
        queue.push(InputEvent::key(kArrowKeys[static_cast<std::size_t>(arrow)], after));
    }
}

void GamepadKeys::button(Button button, bool down, InputEventQueue& queue) {
    switch (button) {
    case Button::Up:
        setArrow(kUp, kDpad, down, queue);
        return;
    case Button::Down:
        setArrow(kDown, kDpad, down, queue);
        return;
    case Button::Left:
        setArrow(kLeft, kDpad, down, queue);
        return;
    case Button::Right:
        setArrow(kRight, kDpad, down, queue);
        return;
    default:
        break;
    }
    if (button == Button::LeftShoulder) {
        // Shift is held with the shoulder, so the frame of its Tab sees Shift+Tab.
        queue.push(InputEvent::key(kShiftKey, down));
    }
    if (!down) {
        return; // the rest type a character once, when pressed
    }
    switch (button) {
    case Button::A:
        queue.push(InputEvent::character(kEnterKey));
        break;
    case Button::B:
        queue.push(InputEvent::character(kBackspaceKey));
        break;
    case Button::Start:
        queue.push(InputEvent::character(kEscapeCharacter));
        break;
    case Button::Back:
    case Button::LeftShoulder:
    case Button::RightShoulder:
        queue.push(InputEvent::character(kTabCharacter));
        break;
    default:
        break;
    }
}

void GamepadKeys::stickAxis(int value, int negativeArrow, int positiveArrow, InputEventQueue& queue) {
    const auto& negative = m_held[static_cast<std::size_t>(negativeArrow)];
    const auto& positive = m_held[static_cast<std::size_t>(positiveArrow)];
    const bool negativeHeld = negative[kStick];
    const bool positiveHeld = positive[kStick];
    setArrow(negativeArrow, kStick, negativeHeld ? value < -kReleased : value < -kPushed, queue);
    setArrow(positiveArrow, kStick, positiveHeld ? value > kReleased : value > kPushed, queue);
}

void GamepadKeys::stickX(int value, InputEventQueue& queue) {
    stickAxis(value, kLeft, kRight, queue);
}

void GamepadKeys::stickY(int value, InputEventQueue& queue) {
    stickAxis(value, kUp, kDown, queue);
}

void GamepadKeys::releaseAll(InputEventQueue& queue) {
    for (int arrow = 0; arrow < 4; ++arrow) {
        setArrow(arrow, kDpad, false, queue);
        setArrow(arrow, kStick, false, queue);
    }
}
