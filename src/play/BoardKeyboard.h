// BoardKeyboard.h: playing a board from the keyboard (and a gamepad, which arrives as keys).
#pragma once

#include "game/rules/BoardFocus.h"
#include "ui/FocusRing.h"

class BalloonBoard;
class ksCanvas;
class ksInput;

// The arrows move a focus over the board, Enter or Space clicks the focused balloon, and
// Backspace or U asks for an undo. The focus shows as a ring only while the keyboard is in use:
// the first key shows it (and the group under it) without acting, the next mouse move or button
// hides it and hands the board back to the pointer.
class BoardKeyboard {
public:
    struct Step {
        // What the rules should take for this frame's pointer: the mouse, or a click at the focus.
        BoardPointer pointer;
        // Backspace or U was typed.
        bool undo = false;
        // An arrow took the keys back from the screen's menu focus.
        bool tookFocus = false;
    };

    // Once a frame on the freshly polled snapshot, before any dialog runs.
    void watchPointer(const ksInput& now);
    // After the dialogs had their turn: the keys of this frame move or press the focus. While
    // `menuHasFocus` (Tab went to the screen's buttons) only an arrow brings the ring back.
    Step step(const BalloonBoard& board, const ksInput& now, const ksInput& before,
              bool menuHasFocus = false);
    // The ring around the focused balloon, following its rise; nothing while the mouse plays.
    void draw(ksCanvas& canvas, const BalloonBoard& board);
    // A new deal: the ring hides, and the next key shows it at the top of the board.
    void reset();
    // After a board was rebuilt in place (undo): the focus keeps its grid position.
    void keepPlace(const BalloonBoard& board);

    bool isActive() const { return m_active; }
    const BoardFocus& focus() const { return m_focus; }

private:
    BoardFocus m_focus;
    PointerWatch m_pointer;
    bool m_active = false;
    ScreenRect m_drawn;
};
