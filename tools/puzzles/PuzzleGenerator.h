// PuzzleGenerator.h: deals the designs into layouts, keeps solvable ones, orders them by difficulty.
#pragma once

#include "PuzzleDesigns.h"
#include "PuzzleSource.h"

#include <cstdint>
#include <functional>
#include <optional>

// One layout of the design from `seed`, at rest, with its gold stars or prizes and, for a prize
// design, targets where one way of playing drops the prizes. Nothing when the seed gives no
// usable layout.
std::optional<PuzzleLevel> dealDesign(const PuzzleDesign& design, uint32_t seed);

struct GeneratorOptions {
    int seedsPerDesign = 8;
    int randomTries = 300;
    long long solveBudget = 600'000;
    std::function<void(const std::string&)> progress;
};

// Every design dealt, checked solvable and solved; the catalogue ordered so that difficulty
// (random play) rises page by page, each page with its own background.
std::vector<SourcePuzzle> generateCatalogue(const GeneratorOptions& options);

// The random players every measurement of a finished puzzle uses.
inline constexpr int kMeasureTries = 2000;
inline constexpr uint32_t kMeasureSeed = 2026u;

// How hard a puzzle plays: higher is harder. Mostly the share of random players who solve it
// (a tenfold drop adds 1), a little the balloons to clear and the clicks the par needs.
double difficultyScore(double randomRate, int balloons, int par);
