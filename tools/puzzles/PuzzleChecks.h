// PuzzleChecks.h: what every puzzle of a pack must satisfy, and its replay on the game's own board.
#pragma once

#include "PuzzleSource.h"

#include <string>
#include <vector>

// Problems with a layout as dealt: every column hangs from the top without gaps, the columns
// with balloons touch the seam side by side (nothing the closing-up would move), balloons and
// targets exist, and each prize has a target of its number.
std::vector<std::string> layoutProblems(const PuzzleLevel& level);

// Plays the clicks through PuzzleGame on a real PuzzleBoard, letting the board come to rest after
// each: true when the last click meets the goal and no earlier one ended the puzzle.
bool replayOnPuzzleBoard(const PuzzleLevel& level, const std::vector<PuzzleMove>& moves, std::string& why);

// The layout mirrored across the middle column (column c becomes 14 - c).
PuzzleLevel mirrored(const PuzzleLevel& level);

// The same layout, or its mirror image.
bool alike(const PuzzleLevel& a, const PuzzleLevel& b);

// Colours used and balloons dealt.
int colourCount(const PuzzleLevel& level);
int balloonCount(const PuzzleLevel& level);
