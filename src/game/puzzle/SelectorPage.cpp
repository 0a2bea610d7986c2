// SelectorPage.cpp: the pages of the puzzle selector and the lines of text it shows.
#include "SelectorPage.h"

#include <algorithm>
#include <cstdio>

namespace selector_page {
namespace {

template <typename... Args>
SelectorLine format(const char* pattern, Args... args) {
    SelectorLine line;
    std::snprintf(line.text.data(), line.text.size(), pattern, args...);
    return line;
}

} // namespace

int firstOf(int puzzle) {
    const int clamped = std::clamp(puzzle, 0, kPuzzles - 1);
    return clamped / kSlots * kSlots;
}

SelectorLine pageTitle(int first) {
    return format("Puzzles %d-%d", first + 1, first + kSlots);
}

SelectorLine prompt() {
    return format("%s", "Click on a puzzle to play it");
}

SelectorLine puzzleNumber(int index) {
    return format("Puzzle %d", index + 1);
}

SelectorLine history(int best, int attempts) {
    if (best > 0) {
        return format("Best Solution: %d clicks", best);
    }
    if (attempts > 0) {
        return format("You've attempted this puzzle %d %s", attempts, attempts == 1 ? "time." : "times.");
    }
    return format("%s", "You haven't played this puzzle yet.");
}

int toNextUnlock(int solved, int unlockAfter) {
    if (unlockAfter < 1) {
        return 0;
    }
    return unlockAfter - std::max(solved, 0) % unlockAfter;
}

SelectorLine nextUnlock(int unlockedAtOpen, int toNext, int unlockAfter) {
    if (unlockedAtOpen >= kPuzzles) {
        return format("%s", "All puzzles unlocked!");
    }
    if (unlockAfter < 1) {
        return {};
    }
    return format(toNext == 1 ? "Next Unlock in %d puzzle" : "Next Unlock in %d puzzles", toNext);
}

} // namespace selector_page
