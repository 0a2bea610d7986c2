// GroupClick.h: the pointer over a board: the group it shows, presses and pops.
#pragma once

class BalloonBoard;

// This frame's pointer over the board.
struct BoardPointer {
    int x = 0;
    int y = 0;
    bool leftHeld = false;
    bool leftReleased = false; // released in this frame: a click
};

// A group the built-in player may click.
struct BoardMove {
    int row = 0;
    int column = 0;
    int groupSize = 0;
    // Where to click: the middle of the place at (row, column) on screen.
    int x = 0;
    int y = 0;
};

// The size of the group under the pointer, its members in board.group(); 0 when the pointer is
// not over a balloon that could pop (none, or one already popping).
int groupUnderPointer(BalloonBoard& board, const BoardPointer& pointer);

// The group in board.group() answers the pointer: each member jiggles, looks pressed while the
// left button is held, starts popping on a click and looks hovered otherwise. The mode calls it
// only for a group big enough to pop, after scoring a click (the group is still whole then).
void showGroupUnderPointer(BalloonBoard& board, const BoardPointer& pointer);

// The moves test: whether a group of two is left. While any balloon still rises or pops the
// board is not settled, and moves count as remaining for now; `balloons` is then not counted.
struct MovesTest {
    bool movesRemain = true;
    int balloons = 0;
};
MovesTest testMoves(BalloonBoard& board);
