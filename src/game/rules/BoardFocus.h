// BoardFocus.h: the place the keyboard or a gamepad points at on a board.
#pragma once

#include "GroupClick.h"

class Balloon;
class BalloonBoard;

// The focus rests on a balloon, not on a grid position: when the board settles (balloons rise
// into gaps, emptied columns close up) it goes where that balloon goes. When its balloon pops it
// moves to the balloon nearest the place it left, which after the settle is the one that rose
// into it.
//
// Moving skips what cannot be clicked: empty places, popping balloons and empty columns. Up and
// Down go to the next balloon of the same column in that direction; Left and Right go to the
// nearest column in that direction holding a balloon, and there to the balloon in the row
// nearest the row the focus last took vertically (the upper one on a tie), so passing a short
// column does not pull a sweep along a row up for good. At an edge, with nothing further that
// way, the focus stays put; it never wraps.
//
// The group under the focus is found exactly as a click finds it: by the pointer at the centre
// of the focused place (groupUnderPointer), so a key press and a click there pop the same group.
class BoardFocus {
public:
    enum class Direction { Left, Right, Up, Down };

    // Puts the focus on the balloon nearest (row, column), or none on an empty board.
    void placeNear(const BalloonBoard& board, int row, int column);
    // Re-anchors after the board moved: keeps the balloon it was on while that one is still
    // clickable, else takes the one nearest the place it was last seen at. False (no focus) when
    // the board holds no clickable balloon.
    bool follow(const BalloonBoard& board);
    // Moves one step (following first); false when it could not move.
    bool move(const BalloonBoard& board, Direction direction);
    void clear() { m_record = nullptr; }

    bool hasFocus() const { return m_record != nullptr; }
    int row() const { return m_row; }
    int column() const { return m_column; }
    // The pointer at the centre of the focused place, as a click there would carry it.
    BoardPointer pointer(const BalloonBoard& board, bool held, bool released) const;
    // The group a click at the focus would pop (members in board.group()); 0 when none.
    int group(BalloonBoard& board) const;

private:
    void take(const BalloonBoard& board, int row, int column);

    const Balloon* m_record = nullptr;
    int m_row = 0;
    int m_column = 0;
    // The row Left and Right aim for: set by placing and by Up and Down.
    int m_goalRow = 0;
};

// Whether a place can be clicked: holding a balloon that is not on its way out.
bool isClickablePlace(const BalloonBoard& board, int row, int column);
