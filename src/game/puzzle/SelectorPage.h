// SelectorPage.h: the pages of the puzzle selector and the lines of text it shows.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// One line of the selector, formatted into a fixed buffer so a frame never allocates.
struct SelectorLine {
    std::array<char, 96> text{};

    std::string_view view() const { return text.data(); }
    bool empty() const { return text[0] == '\0'; }
};

// The selector shows six puzzles to a page; pages start at 0, 6, ... 96.
namespace selector_page {
inline constexpr int kSlots = 6;
inline constexpr int kPuzzles = 102;
inline constexpr int kLastFirst = kPuzzles - kSlots; // 96

// The first puzzle of the page holding `puzzle` (clamped into the catalogue first).
int firstOf(int puzzle);
// Whether the page buttons turn from the page starting at `first`.
inline bool hasPrevious(int first) {
    return first - kSlots >= 0;
}
inline bool hasNext(int first) {
    return first + kSlots <= kLastFirst;
}

// "Puzzles %d-%d" with first + 1 and first + 6.
SelectorLine pageTitle(int first);
// "Click on a puzzle to play it".
SelectorLine prompt();
// "Puzzle %d" with index + 1.
SelectorLine puzzleNumber(int index);
// "Best Solution: %d clicks" with a best above 0; otherwise "You've attempted this puzzle %d
// time." / "times." with attempts; otherwise "You haven't played this puzzle yet.".
SelectorLine history(int best, int attempts);
// Solutions still needed for the next unlock: `unlockAfter` - (solved mod `unlockAfter`); 0 when
// `unlockAfter` is below 1 (nothing ever unlocks then).
int toNextUnlock(int solved, int unlockAfter);
// "All puzzles unlocked!" once all 102 are unlocked; otherwise "Next Unlock in %d puzzles" (or
// "puzzle" for 1). Empty when unlocking is off (`unlockAfter` below 1).
SelectorLine nextUnlock(int unlockedAtOpen, int toNext, int unlockAfter);
} // namespace selector_page

// What the selector records when it opens.
struct SelectorProgress {
    int unlockedAtOpen = 0;
    int toNextUnlock = 0;
    int unlockAfter = 0;
};

// The three lines about the hovered puzzle.
struct SelectorInfo {
    SelectorLine number;
    SelectorLine title;
    SelectorLine history;
};
