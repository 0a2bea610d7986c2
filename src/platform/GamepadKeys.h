// GamepadKeys.h: a game controller's buttons and stick as the keys the game already answers.
#pragma once

#include <array>
#include <cstdint>

class InputEventQueue;

// Nothing above the platform layer knows about controllers: the d-pad and the left stick are the
// arrow keys, A is Enter, B is Backspace (undo on a board, one letter back in a name), Start is
// Escape (the pause and main-menu question), Back and the right shoulder are Tab and the left
// shoulder Shift+Tab (the screen's buttons; Shift is held as long as the shoulder). Kept free of SDL so the
// mapping is tested alone.
class GamepadKeys {
public:
    enum class Button : uint8_t {
        A,
        B,
        Back,
        Start,
        LeftShoulder,
        RightShoulder,
        Up,
        Down,
        Left,
        Right,
        Other
    };

    // The stick counts as pushed past this share of its travel and as let go below the second,
    // so a stick resting near the line does not chatter.
    static constexpr int kPushed = 16000;
    static constexpr int kReleased = 8000;

    void button(Button button, bool down, InputEventQueue& queue);
    // Axis values as SDL reports them, -32768 to 32767; y grows downward.
    void stickX(int value, InputEventQueue& queue);
    void stickY(int value, InputEventQueue& queue);
    // A controller went away: every arrow it held is let go.
    void releaseAll(InputEventQueue& queue);

private:
    // Held arrows by source (d-pad, stick), in the order left, up, right, down: an arrow is down
    // while either holds it.
    void setArrow(int arrow, int source, bool down, InputEventQueue& queue);
    void stickAxis(int value, int negativeArrow, int positiveArrow, InputEventQueue& queue);

    std::array<std::array<bool, 2>, 4> m_held{};
};
