// PuzzleNames.h: the title, background number and value of every puzzle, from `puzzle_names`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PuzzleName {
    static constexpr std::size_t kTitleCapacity = 63;
    std::string title;  // at most 63 characters
    int background = 0; // selects "act01" for 0, "act10" for 9
    int value = 0;      // shown in the side panel: the puzzle's par
};

// Three fields per puzzle in index order, separated by any run of ",", line feed, carriage
// return and tab (blanks belong to the fields). Always answers `count` entries: a short text
// leaves the later titles empty and their numbers 0.
std::vector<PuzzleName> parsePuzzleNames(std::string_view text, int count);

// The image of background number n: "act0%d" with n + 1 below 10, else "act%d".
std::string backgroundImageName(int background);
