// FocusRing.h: the ring that shows what the keyboard or a gamepad points at, and the keys that move it.
#pragma once

#include "engine/core/ScreenRect.h"

class ksCanvas;
class ksInput;

// A rounded ring in three bands (dark, bright, dark) just outside `rect`, so it stands out on
// every balloon colour, on light buttons and on the dark veil behind dialogs alike.
void drawFocusRing(ksCanvas& canvas, const ScreenRect& rect);

// The navigation keys of one frame, each set in the frame its key went down (or was typed).
// Enter and Space are not here: the screens read them as they always have.
struct NavigationKeys {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    bool next = false;     // Tab
    bool previous = false; // Shift+Tab

    bool any() const { return left || right || up || down || next || previous; }
};

// Reads the edges between two successive snapshots of one screen.
NavigationKeys readNavigationKeys(const ksInput& now, const ksInput& before);

// Whether the pointer moved since the last look: the focus ring gives way to the mouse. Looked
// at once a frame on a freshly polled snapshot (a dialog may clear snapshots later in a frame).
class PointerWatch {
public:
    bool moved(const ksInput& now);

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    bool m_seen = false;
};

// Virtual-key codes of the arrows and Shift.
inline constexpr int kLeftArrowKey = 37;
inline constexpr int kUpArrowKey = 38;
inline constexpr int kRightArrowKey = 39;
inline constexpr int kDownArrowKey = 40;
inline constexpr int kShiftKey = 16;
inline constexpr int kTabKey = 9;
