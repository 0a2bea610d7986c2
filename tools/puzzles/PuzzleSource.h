// PuzzleSource.h: the catalogue as a text a person can edit, one block per puzzle.
#pragma once

#include "game/puzzle/MoveRecord.h"
#include "game/puzzle/PuzzleLevel.h"

#include <string>
#include <string_view>
#include <vector>

// One puzzle as written in the source:
//
//   puzzle 12
//   title      Candy Stripes
//   background act02
//   solution   proven 3,7 0,7 ...        (or "best", or "none")
//   search     52114                     (states the solver expanded; optional)
//   grid
//    R  R  Y3 .  ...                      (10 lines of 15 cells)
//   floor
//    .  .  3  .  ...                      (15 slots)
//   end
//
// A cell is "." (no balloon) or a colour letter (R red, Y yellow, G green, B blue, L lilac,
// W white, * gold star) with an optional prize digit 0-5. A floor slot is "." or a target digit.
struct SourcePuzzle {
    static constexpr std::size_t kTitleLimit = 40;
    std::string title;
    int background = 1; // the act number: 1 draws "act01"
    PuzzleLevel level;
    std::vector<PuzzleMove> solution;
    bool proven = false;
    long long searchNodes = 0; // states the solver expanded ("search N" line), 0 when unknown
    int line = 0;              // where the block starts in the source, for messages
};

// The colour letter of a colour index, and back (-2 for an unknown letter).
char colourLetter(int colour);
int colourOfLetter(char letter);

// Parses every block. On the first error: false, with "line N: what is wrong" in `error`.
bool parsePuzzleSource(std::string_view text, std::vector<SourcePuzzle>& puzzles, std::string& error);

// The source text of the puzzles, numbered from 1, after `header` (comment lines).
std::string writePuzzleSource(const std::vector<SourcePuzzle>& puzzles, std::string_view header);
