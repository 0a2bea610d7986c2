// PuzzleNames.cpp: the title, background number and value of every puzzle, from `puzzle_names`.
#include "PuzzleNames.h"

#include "engine/core/Numbers.h"
#include "engine/core/StringTokenizer.h"

#include <algorithm>
#include <cstdio>

std::vector<PuzzleName> parsePuzzleNames(std::string_view text, int count) {
    std::vector<PuzzleName> names(static_cast<std::size_t>(std::max(count, 0)));
    StringTokenizer tokens(text, ",\n\r\t");
    for (PuzzleName& name : names) {
        name.title = tokens.nextToken();
        if (name.title.size() > PuzzleName::kTitleCapacity) {
            name.title.resize(PuzzleName::kTitleCapacity);
        }
        name.background = parseDecimalInt(tokens.nextToken());
        name.value = parseDecimalInt(tokens.nextToken());
    }
    return names;
}

std::string backgroundImageName(int background) {
    char name[24];
    const long long number = static_cast<long long>(background) + 1;
    std::snprintf(name, sizeof name, number < 10 ? "act0%lld" : "act%lld", number);
    return name;
}
