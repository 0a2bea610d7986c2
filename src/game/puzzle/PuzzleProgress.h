// PuzzleProgress.h: what a solved puzzle does to the player's profile, and which puzzle comes next.
#pragma once

#include <string>
#include <string_view>

class PlayerProfile;

// The settings the progress reads; values below 1 make the matching unlock never happen.
struct PuzzleUnlockSettings {
    int puzzlesUnlockAfter = 3;  // every this many first solutions unlock puzzles
    int themesUnlockedAfter = 8; // every this many first solutions unlock a prize theme
    int puzzlesUnlocked = 6;     // how many puzzles one unlock opens
};

struct PuzzleSolution {
    bool firstSolve = false;
    bool newBest = false;
    int best = 0; // the stored best after the solution
    bool puzzlesUnlocked = false;
    int unlockedFrom = 0; // puzzle numbers (index + 1) of the unlocked range
    int unlockedTo = 0;
    bool themeUnlocked = false;
    std::string message; // the success dialog's text
};

// Records a solution of `puzzle` in `clicks` into the profile: the best (a signed byte, so a
// solution of more than 127 clicks is never stored), then on a first solution the puzzles and
// the theme the settings unlock. The message names the puzzle by `title`.
PuzzleSolution recordSolution(PlayerProfile& profile, int puzzle, int clicks, std::string_view title,
                              const PuzzleUnlockSettings& settings);

// The puzzle after the current one: among the solved ones when every unlocked puzzle is solved,
// else among the unlocked ones (a prefix of the catalogue), wrapping; 0 when there are none.
int nextPuzzleIndex(const PlayerProfile& profile);
