// PuzzleGenerator.cpp: deals the designs into layouts, keeps solvable ones, orders them by difficulty.
#include "PuzzleGenerator.h"

#include "PuzzleChecks.h"
#include "game/puzzle/PuzzleSolver.h"
#include "game/puzzle/SolverBoard.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>

namespace {

struct Canvas {
    int first = 0; // leftmost column
    int width = 0;
    std::array<int, puzzle::kColumns> height{};
};

Canvas shapeOf(const PuzzleDesign& d, std::mt19937& random) {
    Canvas canvas;
    canvas.width = d.width;
    canvas.first = d.width % 2 == 1 ? 7 - (d.width - 1) / 2 : 8 - d.width / 2;
    const double mid = (d.width - 1) / 2.0;
    const int slope = std::uniform_int_distribution<int>(1, 2)(random);
    for (int i = 0; i < d.width; ++i) {
        const double off = std::fabs(i - mid);
        int h = d.height;
        switch (d.shape) {
        case 'V':
            h = d.height - static_cast<int>(std::lround(off * slope * 0.75));
            break;
        case 'U':
            h = d.height - static_cast<int>(std::lround((mid - off) * slope * 0.6));
            break;
        case 'W':
            h = d.height - static_cast<int>(std::lround(1.5 * (1.0 + std::cos(off * 1.4))));
            break;
        case 'S':
            h = d.height - static_cast<int>(off) / 2 * slope;
            break;
        default:
            break;
        }
        canvas.height[static_cast<std::size_t>(canvas.first + i)] = std::clamp(h, 1, puzzle::kRows);
    }
    return canvas;
}

} // namespace

std::optional<PuzzleLevel> dealDesign(const PuzzleDesign& design, uint32_t seed) {
    // Later seeds of a design that deals nothing solvable get a little more noise.
    PuzzleDesign d = design;
    d.noise += 0.04 * static_cast<double>(seed / 9);
    std::mt19937 random(seed * 2654435761u + static_cast<uint32_t>(d.title.size()));
    auto chance = [&random](double p) {
        return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p;
    };
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::array<int, 6> palette{0, 1, 2, 3, 4, 5};
    std::shuffle(palette.begin(), palette.end(), random);
    if (d.pattern == 'm') {
        // A motif keeps its own colours; the rest follow in shuffled order.
        const std::string& hint = motifColours()[static_cast<std::size_t>(d.extra) % motifColours().size()];
        std::array<int, 6> ordered{};
        std::size_t n = 0;
        for (char letter : hint) {
            ordered[n++] = colourOfLetter(letter);
        }
        for (int colour : palette) {
            if (std::find(ordered.begin(), ordered.begin() + static_cast<std::ptrdiff_t>(n), colour) ==
                ordered.begin() + static_cast<std::ptrdiff_t>(n)) {
                ordered[n++] = colour;
            }
        }
        palette = ordered;
    }
    const int k = std::clamp(d.colours, 1, 6);
    auto colourAt = [&](int index) { return palette[static_cast<std::size_t>(((index % k) + k) % k)]; };

    Canvas canvas = shapeOf(d, random);
    const double mid = (d.width - 1) / 2.0;
    const int t = std::max(d.thickness, 1);
    PuzzleLevel level;
    std::vector<std::string> motif;
    if (d.pattern == 'm') {
        motif = motifs()[static_cast<std::size_t>(d.extra) % motifs().size()];
    }
    const int motifRows = static_cast<int>(motif.size());
    const int motifWidth = motif.empty() ? 0 : static_cast<int>(motif[0].size());
    const int motifTop = std::max(0, (d.height - motifRows) / 2);
    const int motifLeft = (d.width - motifWidth) / 2;
    const int phase = pick(0, k - 1);
    for (int i = 0; i < d.width; ++i) {
        const int column = canvas.first + i;
        const int off = static_cast<int>(std::floor(std::fabs(i - mid)));
        for (int row = 0; row < canvas.height[static_cast<std::size_t>(column)]; ++row) {
            int index = 0;
            switch (d.pattern) {
            case 'h':
                index = row / t + phase;
                break;
            case 'v':
                index = off / t + phase;
                break;
            case 'd':
                index = (row + i) / t + phase;
                break;
            case 'x':
                index = (std::abs(row - d.height / 2) + off) / t + phase;
                break;
            case 'c':
                index = row / t + i / t + phase;
                break;
            case 'f':
                index = std::min({row, d.height - 1 - row, i, d.width - 1 - i}) / t + phase;
                break;
            case 'm': {
                index = 0;
                const int mr = row - motifTop;
                const int mc = i - motifLeft;
                if (mr >= 0 && mr < motifRows && mc >= 0 && mc < motifWidth) {
                    const char p = motif[static_cast<std::size_t>(mr)][static_cast<std::size_t>(mc)];
                    index = p == 'a'   ? 1
                            : p == 'b' ? (k > 2 ? 2 : 0)
                            : p == 'c' ? (k > 3 ? 3 : 1)
                            : p == 'g' ? -99
                                       : 0;
                }
                break;
            }
            default:
                index = pick(0, k - 1);
                // Scattered balloons clump a little, as a hand would place them.
                if (row > 0 && chance(0.35)) {
                    index = -100; // copy the balloon above
                }
                break;
            }
            int colour = index == -99    ? (d.goal == 'g' ? puzzle::kGold : colourAt(1))
                         : index == -100 ? level.colour(row - 1, column)
                                         : colourAt(index);
            if (d.noise > 0.0 && chance(d.noise)) {
                colour = colourAt(pick(0, k - 1));
            }
            // Everything but a motif is dealt mirror-symmetric, so the layout reads as composed.
            const int mirror = canvas.first + d.width - 1 - i;
            if (d.pattern != 'm' && mirror < column && level.colour(row, mirror) >= 0 &&
                canvas.height[static_cast<std::size_t>(mirror)] ==
                    canvas.height[static_cast<std::size_t>(column)]) {
                colour = level.colour(row, mirror);
            }
            level.setCell(row, column, colour, -1);
        }
    }
    std::vector<std::pair<int, int>> places;
    for (int column = 0; column < puzzle::kColumns; ++column) {
        for (int row = 0; row < puzzle::kRows; ++row) {
            if (level.colour(row, column) >= 0) {
                places.emplace_back(row, column);
            }
        }
    }
    if (places.size() < 2) {
        return std::nullopt;
    }
    if (d.goal == 'g') {
        int gold = 0;
        const int wantedGold = d.pattern == 'm' ? 2 : std::max(d.extra, 2);
        for (const auto& [row, column] : places) {
            gold += level.colour(row, column) == puzzle::kGold ? 1 : 0;
        }
        // Gold stars in mirrored pairs, so the picture stays balanced.
        for (int tries = 0; gold < wantedGold && tries < 200; ++tries) {
            const auto [row, column] =
                places[static_cast<std::size_t>(pick(0, static_cast<int>(places.size()) - 1))];
            const int mirror = 2 * canvas.first + d.width - 1 - column;
            if (level.colour(row, column) == puzzle::kGold || mirror < 0 || mirror >= puzzle::kColumns ||
                level.colour(row, mirror) < 0) {
                continue;
            }
            level.setCell(row, column, puzzle::kGold, -1);
            ++gold;
            if (mirror != column && gold < wantedGold) {
                level.setCell(row, mirror, puzzle::kGold, -1);
                ++gold;
            }
        }
    }
    if (d.goal == 'p') {
        const int prizes = std::clamp(d.extra, 1, 6);
        std::array<int, 6> kinds{0, 1, 2, 3, 4, 5};
        std::shuffle(kinds.begin(), kinds.end(), random);
        std::vector<std::pair<int, int>> carriers;
        for (int tries = 0; static_cast<int>(carriers.size()) < prizes && tries < 200; ++tries) {
            const auto place = places[static_cast<std::size_t>(pick(0, static_cast<int>(places.size()) - 1))];
            if (std::find(carriers.begin(), carriers.end(), place) == carriers.end()) {
                carriers.push_back(place);
            }
        }
        for (std::size_t i = 0; i < carriers.size(); ++i) {
            level.setCell(carriers[i].first, carriers[i].second,
                          level.colour(carriers[i].first, carriers[i].second), kinds[i]);
        }
        // Targets where one way of playing drops the prizes: the way that moves them furthest.
        int bestSpread = -1;
        std::array<int, puzzle::kFloorSlots> bestTargets{};
        for (int play = 0; play < 60; ++play) {
            SolverBoard board(level);
            board.ignoreEndTests();
            std::array<int, puzzle::kFloorSlots> targets;
            targets.fill(-1);
            bool clash = false;
            int spread = 0;
            for (int click = 0; click < 200 && board.prizesReleased() < board.prizeCount(); ++click) {
                std::array<SolverBoard::Group, SolverBoard::kCells / 2> groups;
                const int count = board.groups(groups);
                if (count == 0) {
                    break;
                }
                // Note each prize's column before the click, to see where it drops.
                std::map<int, int> before;
                for (int row = 0; row < puzzle::kRows; ++row) {
                    for (int column = 0; column < puzzle::kColumns; ++column) {
                        if (board.prize(row, column) >= 0) {
                            before[board.prize(row, column)] = column;
                        }
                    }
                }
                const auto& g = groups[static_cast<std::size_t>(pick(0, count - 1))];
                // Which prizes leave with this click, and where: compare before and after.
                SolverBoard next = board;
                next.click(g.row, g.column);
                std::map<int, int> after;
                for (int row = 0; row < puzzle::kRows; ++row) {
                    for (int column = 0; column < puzzle::kColumns; ++column) {
                        if (next.prize(row, column) >= 0) {
                            after[next.prize(row, column)] = column;
                        }
                    }
                }
                for (const auto& [kind, column] : before) {
                    if (after.contains(kind)) {
                        continue;
                    }
                    // The prize left from the column it was in before the columns closed up.
                    int& slot = targets[static_cast<std::size_t>(column)];
                    if (slot >= 0 && slot != kind) {
                        clash = true;
                    }
                    slot = kind;
                    for (std::size_t i = 0; i < carriers.size(); ++i) {
                        if (kinds[i] == kind) {
                            spread += std::abs(column - carriers[i].second);
                        }
                    }
                }
                board = next;
            }
            if (!clash && board.prizesReleased() == board.prizeCount() && spread > bestSpread) {
                bestSpread = spread;
                bestTargets = targets;
            }
        }
        if (bestSpread < 0) {
            return std::nullopt;
        }
        for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
            level.setTarget(slot, bestTargets[static_cast<std::size_t>(slot)]);
        }
    }
    if (!layoutProblems(level).empty()) {
        return std::nullopt;
    }
    return level;
}

double difficultyScore(double randomRate, int balloons, int par) {
    return -std::log10(std::max(randomRate, 0.0005)) + 0.004 * balloons + 0.01 * par;
}

std::vector<SourcePuzzle> generateCatalogue(const GeneratorOptions& options) {
    const std::vector<PuzzleDesign>& designs = puzzleDesigns();
    struct Candidate {
        SourcePuzzle puzzle;
        double score = 0.0;
        std::size_t design = 0;
    };
    std::vector<Candidate> chosen;
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const PuzzleDesign& design = designs[i];
        // The design's place asks for a share of random players: all of them at the start, one in
        // a thousand at the end.
        const double wanted = -3.0 * static_cast<double>(i) / static_cast<double>(designs.size() - 1);
        std::optional<Candidate> best;
        double bestDistance = 1e9;
        for (int seed = 1; seed <= options.seedsPerDesign * 6 && (!best || seed <= options.seedsPerDesign);
             ++seed) {
            const auto level = dealDesign(design, static_cast<uint32_t>(seed));
            if (!level) {
                continue;
            }
            bool taken = false;
            for (const Candidate& c : chosen) {
                taken = taken || alike(c.puzzle.level, *level);
            }
            if (taken) {
                continue;
            }
            const RandomPlay play = randomPlay(*level, options.randomTries, 12345u);
            if (play.successes == 0) {
                // Random play may never find the way; a quick beam search tells whether one exists.
                const SolveResult quick = solvePuzzle(*level, SolveOptions{0, 40, 0});
                if (!quick.solved) {
                    continue;
                }
            }
            const double distance = std::fabs(std::log10(std::max(play.rate(), 0.0005)) - wanted);
            if (distance < bestDistance) {
                bestDistance = distance;
                Candidate c;
                c.puzzle.title = design.title;
                c.puzzle.level = *level;
                c.design = i;
                best = c;
            }
        }
        if (!best) {
            if (options.progress) {
                options.progress("design \"" + design.title + "\" gave no solvable layout");
            }
            continue;
        }
        const SolveResult solved = solvePuzzle(best->puzzle.level, SolveOptions{options.solveBudget, 300});
        if (!solved.solved) {
            if (options.progress) {
                options.progress("design \"" + design.title + "\" was not solved in full");
            }
            continue;
        }
        best->puzzle.solution = solved.moves;
        best->puzzle.proven = solved.proven;
        best->puzzle.searchNodes = std::max<long long>(solved.nodes, 1);
        const RandomPlay play = randomPlay(best->puzzle.level, kMeasureTries, kMeasureSeed);
        best->score = difficultyScore(play.rate(), balloonCount(best->puzzle.level),
                                      static_cast<int>(solved.moves.size()));
        if (options.progress) {
            char line[160];
            std::snprintf(line, sizeof line, "%3zu %-28s par %3zu %s  random %.3f  score %.2f", i + 1,
                          design.title.c_str(), solved.moves.size(), solved.proven ? "proven" : "best  ",
                          play.rate(), best->score);
            options.progress(line);
        }
        chosen.push_back(std::move(*best));
    }
    // The first design opens the catalogue; the rest rise by measured difficulty.
    std::stable_sort(chosen.begin() + (chosen.empty() ? 0 : 1), chosen.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    std::vector<SourcePuzzle> out;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        chosen[i].puzzle.background = static_cast<int>(i / 6) + 1;
        out.push_back(chosen[i].puzzle);
    }
    return out;
}
