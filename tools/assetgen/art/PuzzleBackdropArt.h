// PuzzleBackdropArt.h: the Puzzle screen's backdrops, one scene for each page of six puzzles.
#pragma once

#include "Raster.h"

// The acts of the catalogue's journey: act01 (dawn at the fairground gates) to act17 (the
// fireworks of the last night).
inline constexpr int kPuzzleActs = 17;

// The full 640 x 480 backdrop of act `act` (1 to 17): the scene, the board frame where the
// balloons hang (x 174-594, y 16-390), the side panel with its "Par" and "Best" labels, the floor
// strip with the 15 target places at (174 + 28 i, 414), the mascot's stand and the clicks plaque.
// The stand carries the menu buttons ("Puzzles", "Options", "Main Menu", "Pause", "?") where
// Classic has them, and a dark plaque under the floor strip holds "Undo" (180, 450, 72 x 30) and
// "Reset" (252, 450, 72 x 30).
Raster paintPuzzleBackdrop(int act);

// The pictures the Puzzle menu buttons are cut from (as podiumPicture cuts them): the stand and
// the undo plaque are the same in every act, so act 1's serve all. The hover faces are the lit
// buttons alone on a clear picture (podiumHoverPicture), their rounded outlines as alpha.
Raster paintPuzzlePodium();
Raster paintPuzzlePodiumHover();
