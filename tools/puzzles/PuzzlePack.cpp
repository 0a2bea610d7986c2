// PuzzlePack.cpp: the catalogue source turned into the game's resources and its shipped solutions.
#include "PuzzlePack.h"

#include "PuzzleChecks.h"
#include "game/puzzle/MoveRecordFile.h"

#include <set>

std::vector<std::string> checkCatalogue(const std::vector<SourcePuzzle>& puzzles) {
    std::vector<std::string> problems;
    if (puzzles.size() != static_cast<std::size_t>(puzzle::kPuzzleCount)) {
        problems.push_back("the catalogue holds " + std::to_string(puzzles.size()) + " puzzles, not 102");
    }
    std::set<std::string> titles;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const SourcePuzzle& p = puzzles[i];
        const std::string where =
            "puzzle " + std::to_string(i + 1) + " (line " + std::to_string(p.line) + ")";
        if (!titles.insert(p.title).second) {
            problems.push_back(where + ": the title \"" + p.title + "\" is taken");
        }
        for (const std::string& problem : layoutProblems(p.level)) {
            problems.push_back(where + ": " + problem);
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (alike(p.level, puzzles[j].level)) {
                problems.push_back(where + ": the same layout as puzzle " + std::to_string(j + 1) +
                                   " (or its mirror image)");
            }
        }
        std::string why;
        if (p.solution.empty()) {
            problems.push_back(where + ": no solution");
        } else if (p.solution.size() > 127) {
            problems.push_back(where + ": the solution is longer than a stored best can be (127)");
        } else if (!replayOnPuzzleBoard(p.level, p.solution, why)) {
            problems.push_back(where + ": the solution does not solve it: " + why);
        }
    }
    return problems;
}

PuzzlePackFiles buildPackFiles(const std::vector<SourcePuzzle>& puzzles) {
    PuzzlePackFiles files;
    files.levels.reserve(puzzle::kLevelsBytes);
    files.records = blankMoveRecordBytes();
    for (std::size_t i = 0; i < puzzles.size() && i < static_cast<std::size_t>(puzzle::kPuzzleCount); ++i) {
        const SourcePuzzle& p = puzzles[i];
        files.levels.insert(files.levels.end(), p.level.bytes.begin(), p.level.bytes.end());
        files.names +=
            p.title + "," + std::to_string(p.background - 1) + "," + std::to_string(p.solution.size()) + "\n";
        for (std::size_t m = 0; m < p.solution.size() && m < static_cast<std::size_t>(MoveRecord::kCapacity);
             ++m) {
            files.records[i * MoveRecord::kBytes + m * 2] = static_cast<uint8_t>(p.solution[m].row);
            files.records[i * MoveRecord::kBytes + m * 2 + 1] = static_cast<uint8_t>(p.solution[m].column);
        }
    }
    return files;
}
