// InputEvent.h: one event from the window or a test script, in game terms.
#pragma once

#include <cstdint>

// The platform layer turns its window-system events into these; scripted test input produces
// the same events, so the game cannot tell the two apart.
struct InputEvent {
    enum class Kind : uint8_t {
        PointerMove, // x, y in game coordinates
        ButtonDown,  // code: 0 left, 1 right
        ButtonUp,    // code: 0 left, 1 right
        DoubleClick, // code: 0 left, 1 right
        KeyDown,     // code: virtual-key code of a key that yields no character
        KeyUp,       // code: virtual-key code
        Character,   // code: character 0..255 (Enter 13, Backspace 8, Tab 9, Escape 27)
        FocusGained,
        FocusLost,
        Exposed, // the window needs repainting
        Maximized,
        Moved, // x, y: the window's new top-left corner on the desktop
        Raise, // another start of the game asked for the focus
        Quit,
    };

    Kind kind = Kind::Quit;
    int code = 0;
    float x = 0;
    float y = 0;

    static InputEvent pointerMove(float x, float y) { return {Kind::PointerMove, 0, x, y}; }
    static InputEvent button(int index, bool down) {
        return {down ? Kind::ButtonDown : Kind::ButtonUp, index, 0, 0};
    }
    static InputEvent key(int vk, bool down) { return {down ? Kind::KeyDown : Kind::KeyUp, vk, 0, 0}; }
    static InputEvent character(int c) { return {Kind::Character, c, 0, 0}; }
    static InputEvent simple(Kind kind) { return {kind, 0, 0, 0}; }
};
