// PuzzlePack.h: the catalogue source turned into the game's resources and its shipped solutions.
#pragma once

#include "PuzzleSource.h"

#include <cstdint>
#include <string>
#include <vector>

struct PuzzlePackFiles {
    std::vector<uint8_t> levels;  // zibbet_levels: 102 layouts of 330 bytes
    std::string names;            // puzzle_names: "title,background,par" lines
    std::vector<uint8_t> records; // puzzle.rec: every puzzle's solution
};

inline constexpr const char* kLevelsFile = "zibbet_levels.dat";
inline constexpr const char* kNamesFile = "puzzle_names.txt";

// Every check a pack must pass before it ships: 102 puzzles, layouts at rest with a target for
// every prize, distinct titles, no two layouts alike (mirror images count), and a solution that
// the game's own board confirms. Answers the problems, one line each.
std::vector<std::string> checkCatalogue(const std::vector<SourcePuzzle>& puzzles);

PuzzlePackFiles buildPackFiles(const std::vector<SourcePuzzle>& puzzles);
