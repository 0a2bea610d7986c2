// FocusCycle.h: one keyboard focus stepping through a screen's or a dialog's controls.
#pragma once

#include "FocusRing.h"

#include <array>
#include <cstdint>
#include <span>

class MenuButton;
class ksCanvas;

// Items are counted 0 to count - 1. Tab steps forward and Shift+Tab back, and so do the arrows
// (Right and Down forward, Left and Up back) unless the owner keeps them for something else;
// stepping wraps. The first key while the focus is hidden only shows it, on the owner's starting
// item, so the player sees what Enter would press before pressing it. A pointer move or a mouse
// button hides it again: the mouse then works as if the keyboard had never been touched.
class FocusCycle {
public:
    // One frame on a freshly polled snapshot. True when the focused item changed (shown,
    // moved or hidden), so the owner's picture changes.
    bool step(const ksInput& now, int count, int start, bool arrowsMove = true);
    // -1 while hidden.
    int focused() const { return m_index; }
    bool isShown() const { return m_index >= 0; }
    void hide() { m_index = -1; }

private:
    std::array<uint8_t, 4> m_arrowsHeld{};
    PointerWatch m_pointer;
    int m_index = -1;
};

// A screen's menu buttons under one focus cycle. The focused button looks hovered (its own hover
// face) inside a focus ring; Enter or Space press it. Buttons placed off the screen are skipped.
class MenuFocus {
public:
    // One frame; answers the id of the button Enter or Space pressed, or -1. Call it before the
    // buttons' own update, so a mouse button hides the focus before they look at the pointer.
    int32_t step(const ksInput& now, std::span<MenuButton> buttons, bool arrowsMove = true);
    // The ring around the focused button; nothing while hidden.
    void draw(ksCanvas& canvas, std::span<const MenuButton> buttons) const;
    bool isShown() const { return m_cycle.isShown(); }
    void hide(std::span<MenuButton> buttons);

private:
    FocusCycle m_cycle;
    std::array<int, 16> m_order{};
    int m_count = 0;
};
