// PuzzleSolver.h: fewest-click solutions, replays and random play over the compact Puzzle rules.
#pragma once

#include "MoveRecord.h"
#include "PuzzleLevel.h"

#include <cstdint>
#include <vector>

struct SolveOptions {
    // States the exhaustive search may expand before it settles for the best solution found.
    long long nodeBudget = 2'000'000;
    // States kept per click by the beam search that finds the first solution.
    int beamWidth = 300;
    // Random players tried alongside it; the shortest success also bounds the search.
    int randomTries = 2000;
};

struct SolveResult {
    bool solved = false;
    // The search finished: no solution with fewer clicks exists (or, unsolved, none at all).
    bool proven = false;
    std::vector<PuzzleMove> moves;
    long long nodes = 0; // states expanded by the exhaustive search
};

// A beam search and random players find a solution; an iterative-deepening search with a table
// of states seen then looks for shorter ones, from the lower bound up, until the budget runs out.
SolveResult solvePuzzle(const PuzzleLevel& level, const SolveOptions& options = {});

// Plays `moves` on the compact board: true when the last move meets the goal and every move
// popped a group.
bool replaySolves(const PuzzleLevel& level, const std::vector<PuzzleMove>& moves);

struct RandomPlay {
    int tries = 0;
    int successes = 0;
    std::vector<PuzzleMove> shortest; // the shortest success, empty when none
    double rate() const { return tries > 0 ? static_cast<double>(successes) / tries : 0.0; }
};

// A player who clicks a random group of two or more until the puzzle ends, `tries` times from
// a seeded generator (the same seed gives the same answer).
RandomPlay randomPlay(const PuzzleLevel& level, int tries, uint32_t seed);
