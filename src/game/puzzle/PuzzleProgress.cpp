// PuzzleProgress.cpp: what a solved puzzle does to the player's profile, and which puzzle comes next.
#include "PuzzleProgress.h"

#include "engine/store/PlayerProfile.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr int kLargestBest = 127;

bool isMultiple(int count, int divisor) {
    return divisor >= 1 && count % divisor == 0;
}

} // namespace

PuzzleSolution recordSolution(PlayerProfile& profile, int puzzle, int clicks, std::string_view title,
                              const PuzzleUnlockSettings& settings) {
    PuzzleSolution solution;
    const int best = profile.best(puzzle);
    solution.firstSolve = best <= 0;
    solution.newBest = solution.firstSolve || best > clicks;
    if (solution.newBest && clicks >= 1 && clicks <= kLargestBest) {
        profile.setBest(puzzle, clicks);
    }
    solution.best = profile.best(puzzle);
    const int solved = profile.countSolvedPuzzles();
    const int unlocked = profile.countUnlockedPuzzles();

    // Counted only when the best was stored: a solution too long to keep changes nothing.
    const bool counts = solution.firstSolve && solution.best > 0;
    if (counts && unlocked < PlayerProfile::kPuzzles && isMultiple(solved, settings.puzzlesUnlockAfter) &&
        settings.puzzlesUnlocked >= 1) {
        solution.puzzlesUnlocked = true;
        solution.unlockedFrom = unlocked + 1;
        solution.unlockedTo = std::min(unlocked + settings.puzzlesUnlocked, PlayerProfile::kPuzzles);
        profile.unlockPuzzles(settings.puzzlesUnlocked);
    }
    if (counts && isMultiple(solved, settings.themesUnlockedAfter) &&
        profile.countUnlockedThemes() < PlayerProfile::kThemes) {
        solution.themeUnlocked = profile.unlockNextTheme();
    }

    const std::string name(title);
    std::array<char, 256> text{};
    if (solution.newBest) {
        std::snprintf(text.data(), text.size(), "\"%s\" solved in %d clicks.\nThis is your best solution!",
                      name.c_str(), clicks);
    } else {
        std::snprintf(text.data(), text.size(),
                      "\"%s\" solved in %d clicks.\nYour best solution is %d clicks.", name.c_str(), clicks,
                      best);
    }
    solution.message = text.data();
    if (solution.puzzlesUnlocked) {
        std::snprintf(text.data(), text.size(), "\nYou unlocked puzzles %d-%d", solution.unlockedFrom,
                      solution.unlockedTo);
        solution.message += text.data();
    }
    return solution;
}

int nextPuzzleIndex(const PlayerProfile& profile) {
    const int unlocked = profile.countUnlockedPuzzles();
    const int solved = profile.countSolvedPuzzles();
    int unsolvedUnlocked = 0;
    for (int i = 0; i < PlayerProfile::kPuzzles; ++i) {
        unsolvedUnlocked += profile.isPuzzleUnlocked(i) && profile.best(i) <= 0 ? 1 : 0;
    }
    const int divisor = unsolvedUnlocked == 0 ? solved : unlocked;
    if (divisor < 1) {
        return 0;
    }
    return (std::max(profile.currentPuzzle(), -1) + 1) % divisor;
}
