// main.cpp: zibbet-puzzles, the tool that solves, checks, draws and builds puzzle catalogues.
#include "PngWriter.h"
#include "PuzzleChecks.h"
#include "PuzzleGenerator.h"
#include "PuzzlePack.h"
#include "PuzzleRender.h"
#include "PuzzleSource.h"
#include "engine/core/FileIo.h"
#include "engine/core/ksLog.h"
#include "engine/resources/ksResources.h"
#include "game/puzzle/MoveRecordFile.h"
#include "game/puzzle/PuzzleCatalog.h"
#include "game/puzzle/PuzzleGoal.h"
#include "game/puzzle/PuzzleSolver.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: zibbet-puzzles COMMAND ...\n"
    "  solve SOURCE N|all [--budget STATES] [--beam WIDTH] [--write]\n"
    "      fewest clicks for puzzle N (from 1) of a catalogue source; --write stores the\n"
    "      solutions found in the source\n"
    "  verify DATADIR\n"
    "      checks every puzzle of a built pack (resource.txt, resources.dat, puzzle.rec)\n"
    "  render DATADIR N|N-M|all OUT.png\n"
    "      draws puzzle N as the game shows it, or a contact sheet of puzzles N to M or of all\n"
    "  build SOURCE OUTDIR\n"
    "      writes OUTDIR/zibbet_levels.dat, puzzle_names.txt and puzzle.rec\n"
    "  table SOURCE OUT.md\n"
    "      measures every puzzle and writes the difficulty table\n"
    "  generate OUT\n"
    "      deals the built-in designs into a new catalogue source (slow)\n";

int fail(const std::string& message) {
    std::fprintf(stderr, "zibbet-puzzles: %s\n", message.c_str());
    return 1;
}

bool readSource(const fs::path& path, std::vector<SourcePuzzle>& puzzles, std::string& error) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        error = "cannot read " + path.string();
        return false;
    }
    if (!parsePuzzleSource(std::string(bytes->begin(), bytes->end()), puzzles, error)) {
        error = path.string() + ": " + error;
        return false;
    }
    return true;
}

bool writeText(const fs::path& path, const std::string& text) {
    return writeFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// "N" from 1 to count, or "all" (answered as 0).
bool puzzleNumber(const std::string& text, int count, int& number) {
    if (text == "all") {
        number = 0;
        return true;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    return ec == std::errc() && end == text.data() + text.size() && number >= 1 && number <= count;
}

const char* goalName(PuzzleGoal goal) {
    switch (goal) {
    case PuzzleGoal::PopGold:
        return "gold stars";
    case PuzzleGoal::PrizesOnTargets:
        return "prizes";
    case PuzzleGoal::PopAll:
        break;
    }
    return "pop all";
}

std::string header() {
    return "# Zibbet's puzzle catalogue. `zibbet-puzzles build` turns it into the game's resources.\n"
           "#\n"
           "# One block per puzzle, in catalogue order. A grid cell is \".\" (no balloon) or a colour\n"
           "# letter: R red, Y yellow, G green, B blue, L lilac, W white, * gold star; a digit after\n"
           "# the letter (R3) is the prize that balloon's place holds. Every column hangs from the\n"
           "# top without gaps and the columns touch the seam between columns 7 and 8 (counting\n"
           "# from 0). The floor gives the target under each column: \".\" or a prize digit.\n"
           "# \"solution\" holds the fewest clicks known as row,column pairs (the par), \"proven\" when\n"
           "# the solver showed that no shorter one exists; \"search\" the states it expanded.\n"
           "# Titles: at most 40 characters, no commas or tabs. Backgrounds: act01 to act17.\n";
}

int solveCommand(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return fail("solve needs a source and a puzzle number");
    }
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    if (!readSource(args[0], puzzles, error)) {
        return fail(error);
    }
    int number = 0;
    if (!puzzleNumber(args[1], static_cast<int>(puzzles.size()), number)) {
        return fail("no puzzle \"" + args[1] + "\" in " + args[0]);
    }
    SolveOptions options;
    bool write = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--write") {
            write = true;
        } else if (args[i] == "--beam" && i + 1 < args.size()) {
            options.beamWidth = std::max(1, std::atoi(args[++i].c_str()));
        } else if (args[i] == "--budget" && i + 1 < args.size()) {
            options.nodeBudget = std::atoll(args[++i].c_str());
            if (options.nodeBudget < 0) {
                return fail("the budget must be 0 or more");
            }
        } else {
            return fail("unknown option \"" + args[i] + "\"");
        }
    }
    bool allSolved = true;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        if (number != 0 && static_cast<int>(i) + 1 != number) {
            continue;
        }
        SourcePuzzle& p = puzzles[i];
        const SolveResult result = solvePuzzle(p.level, options);
        std::printf("puzzle %zu \"%s\": ", i + 1, p.title.c_str());
        if (!result.solved) {
            std::printf("%s\n", result.proven ? "no solution exists" : "no solution found within the budget");
            allSolved = false;
            continue;
        }
        std::printf("%zu clicks, %s (%lld states searched):", result.moves.size(),
                    result.proven ? "proven fewest" : "best found", result.nodes);
        for (const PuzzleMove& move : result.moves) {
            std::printf(" %d,%d", move.row, move.column);
        }
        std::printf("\n");
        if (p.solution.empty() || result.moves.size() < p.solution.size() ||
            (result.moves.size() == p.solution.size() && result.proven)) {
            p.solution = result.moves;
            p.proven = result.proven;
            p.searchNodes = std::max<long long>(result.nodes, 1);
        }
    }
    if (write && !writeText(args[0], writePuzzleSource(puzzles, header()))) {
        return fail("cannot write " + args[0]);
    }
    return allSolved ? 0 : 1;
}

int buildCommand(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return fail("build needs a source and an output directory");
    }
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    if (!readSource(args[0], puzzles, error)) {
        return fail(error);
    }
    const std::vector<std::string> problems = checkCatalogue(puzzles);
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "zibbet-puzzles: %s: %s\n", args[0].c_str(), problem.c_str());
    }
    if (!problems.empty()) {
        return 1;
    }
    const PuzzlePackFiles files = buildPackFiles(puzzles);
    const fs::path out(args[1]);
    std::error_code ec;
    fs::create_directories(out, ec);
    if (!writeFileAtomically(out / kLevelsFile, files.levels) || !writeText(out / kNamesFile, files.names) ||
        !writeFileAtomically(out / puzzle::kMoveRecordFileName, files.records)) {
        return fail("cannot write the puzzle files to " + out.string());
    }
    return 0;
}

int verifyCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return fail("verify needs the data directory of a built pack");
    }
    const auto start = std::chrono::steady_clock::now();
    const fs::path data(args[0]);
    if (!fs::is_regular_file(data / "resources.dat") && !fs::is_regular_file(data / "resource.txt")) {
        return fail(data.string() + " holds no resource pack");
    }
    const fs::path state = fs::temp_directory_path() / ("zibbet-puzzles-" + std::to_string(::getpid()));
    fs::create_directories(state);
    ksResources resources(nullptr, ResourceFile::Pack, data, state);
    std::fflush(stdout);
    const bool loaded = resources.load("resource.txt");
    std::vector<std::string> problems;
    if (!loaded) {
        problems.push_back("resource.txt cannot be read");
    }
    const std::string names = resources.getText(PuzzleCatalog::kNamesResource);
    const auto levels = resources.getCustom(PuzzleCatalog::kLevelsResource);
    if (levels.size() != puzzle::kLevelsBytes) {
        problems.push_back("zibbet_levels holds " + std::to_string(levels.size()) + " bytes, not 33660");
    }
    const auto records = readFileBytes(data / puzzle::kMoveRecordFileName);
    if (!records || records->size() != puzzle::kMoveRecordFileBytes) {
        problems.push_back("puzzle.rec is missing or not 36720 bytes");
    }
    const PuzzleCatalog catalog(names, levels, records ? *records : blankMoveRecordBytes());
    std::set<std::string> titles;
    const auto parsed = parsePuzzleNames(names, puzzle::kPuzzleCount + 1);
    if (!parsed.back().title.empty()) {
        problems.push_back("puzzle_names holds more than 102 puzzles");
    }
    for (int i = 0; i < puzzle::kPuzzleCount; ++i) {
        const std::string where = "puzzle " + std::to_string(i + 1);
        const std::string& title = catalog.name(i);
        if (title.empty() || title.size() > SourcePuzzle::kTitleLimit) {
            problems.push_back(where + ": the title must have 1 to 40 characters");
        }
        if (!titles.insert(title).second) {
            problems.push_back(where + ": the title \"" + title + "\" is taken");
        }
        if (resources.manager().find("IMAGE", catalog.backgroundName(i)) == nullptr) {
            problems.push_back(where + ": no picture " + catalog.backgroundName(i));
        }
        for (const std::string& problem : layoutProblems(catalog.level(i))) {
            problems.push_back(where + ": " + problem);
        }
        for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
            const int target = catalog.level(i).target(slot);
            if (target >= 0 &&
                resources.manager().find("IMAGE", "target" + std::to_string(target)) == nullptr) {
                problems.push_back(where + ": no picture target" + std::to_string(target));
            }
        }
        std::vector<PuzzleMove> moves;
        for (int m = 0; m < catalog.record(i).length(); ++m) {
            moves.push_back(catalog.record(i).at(m));
        }
        std::string why;
        if (moves.empty()) {
            problems.push_back(where + ": no stored solution");
        } else if (!replayOnPuzzleBoard(catalog.level(i), moves, why)) {
            problems.push_back(where + ": the stored solution fails: " + why);
        } else if (catalog.value(i) != static_cast<int>(moves.size())) {
            problems.push_back(where + ": the par " + std::to_string(catalog.value(i)) + " is not the " +
                               std::to_string(moves.size()) + " clicks of the stored solution");
        }
    }
    std::error_code ec;
    fs::remove_all(state, ec);
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "zibbet-puzzles: %s\n", problem.c_str());
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    if (!problems.empty()) {
        return 1;
    }
    std::printf("zibbet-puzzles: all %d puzzles verified in %lld ms\n", puzzle::kPuzzleCount,
                static_cast<long long>(ms));
    return 0;
}

int renderCommand(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        return fail("render needs a data directory, a puzzle number or \"all\", and a PNG file");
    }
    std::string error;
    auto pictures = PackPictures::open(args[0], error);
    if (!pictures) {
        return fail(error);
    }
    const fs::path state = fs::temp_directory_path() / ("zibbet-puzzles-" + std::to_string(::getpid()));
    fs::create_directories(state);
    ksResources resources(nullptr, ResourceFile::Pack, args[0], state);
    std::fflush(stdout);
    resources.load("resource.txt");
    const PuzzleCatalog catalog(resources.getText(PuzzleCatalog::kNamesResource),
                                resources.getCustom(PuzzleCatalog::kLevelsResource), blankMoveRecordBytes());
    std::error_code ec;
    fs::remove_all(state, ec);
    int number = 0;
    int first = 1;
    int last = puzzle::kPuzzleCount;
    const auto dash = args[1].find('-');
    if (dash != std::string::npos) {
        if (!puzzleNumber(args[1].substr(0, dash), puzzle::kPuzzleCount, first) ||
            !puzzleNumber(args[1].substr(dash + 1), puzzle::kPuzzleCount, last) || first < 1 ||
            last < first) {
            return fail("no puzzles \"" + args[1] + "\"");
        }
    } else if (!puzzleNumber(args[1], puzzle::kPuzzleCount, number)) {
        return fail("no puzzle \"" + args[1] + "\"");
    }
    Raster picture;
    if (number > 0) {
        picture =
            renderPuzzle(*pictures, catalog.level(number - 1), catalog.backgroundNumber(number - 1) + 1);
    } else {
        std::vector<PuzzleLevel> levels;
        std::vector<int> backgrounds;
        std::vector<std::string> labels;
        for (int i = first - 1; i < last; ++i) {
            levels.push_back(catalog.level(i));
            backgrounds.push_back(catalog.backgroundNumber(i) + 1);
            labels.push_back(std::to_string(i + 1) + ". " + catalog.name(i) + " (" +
                             goalName(setupOf(catalog.level(i)).goal) + ", par " +
                             std::to_string(catalog.value(i)) + ")");
        }
        picture = renderContactSheet(*pictures, levels, backgrounds, labels);
    }
    if (!writeFileAtomically(args[2], encodePng(picture))) {
        return fail("cannot write " + args[2]);
    }
    return 0;
}

int tableCommand(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return fail("table needs a source and a Markdown file");
    }
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    if (!readSource(args[0], puzzles, error)) {
        return fail(error);
    }
    constexpr int kTries = kMeasureTries;
    std::string out =
        "# The puzzle catalogue\n\n"
        "Written by `zibbet-puzzles table tools/puzzles/catalogue.txt docs/puzzles.md`; do not edit by "
        "hand.\n\n"
        "Each puzzle's par is the fewest clicks known: *proven* when the solver searched every shorter\n"
        "way, *best found* when its budget ran out first. *Random play* is the share of " +
        std::to_string(kTries) +
        " seeded players\nwho click a random group of two or more until the puzzle ends and still solve it; "
        "*search* is the\nnumber of states the solver expanded. *Difficulty* is -log10(random play) + 0.004 "
        "x "
        "balloons +\n0.01 x par, and the catalogue is ordered by it. The catalogue opens with six puzzles "
        "and "
        "unlocks six\nmore at a time, so each tier below is one page of the selector (and one backdrop).\n\n";
    char line[400];
    std::string rows;
    std::string tiers =
        "| tier | puzzles | backdrop | mean difficulty | mean random play | mean par | mean balloons "
        "| mean colours | goals (all / gold / prizes) |\n"
        "|---|---|---|---|---|---|---|---|---|\n";
    struct Sums {
        double score = 0.0, rate = 0.0, par = 0.0, balloons = 0.0, colours = 0.0;
        int goals[3] = {};
    } tier;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const SourcePuzzle& p = puzzles[i];
        const PuzzleSetup setup = setupOf(p.level);
        const RandomPlay play = randomPlay(p.level, kTries, kMeasureSeed);
        const double score =
            difficultyScore(play.rate(), balloonCount(p.level), static_cast<int>(p.solution.size()));
        std::snprintf(line, sizeof line, "| %zu | %s | %s | %d | %d | %zu | %s | %.2f %% | %lld | %.2f |\n",
                      i + 1, p.title.c_str(), goalName(setup.goal), colourCount(p.level),
                      balloonCount(p.level), p.solution.size(), p.proven ? "proven" : "best found",
                      100.0 * play.rate(), p.searchNodes, score);
        rows += line;
        tier.score += score;
        tier.rate += play.rate();
        tier.par += static_cast<double>(p.solution.size());
        tier.balloons += balloonCount(p.level);
        tier.colours += colourCount(p.level);
        ++tier.goals[setup.goal == PuzzleGoal::PopAll ? 0 : setup.goal == PuzzleGoal::PopGold ? 1 : 2];
        if (i % 6 == 5 || i + 1 == puzzles.size()) {
            const std::size_t n = i % 6 + 1;
            const double count = static_cast<double>(n);
            std::snprintf(
                line, sizeof line,
                "| %zu | %zu-%zu | act%02d | %.2f | %.1f %% | %.1f | %.0f | %.1f | %d / %d / %d |\n",
                i / 6 + 1, i + 2 - n, i + 1, p.background, tier.score / count, 100.0 * tier.rate / count,
                tier.par / count, tier.balloons / count, tier.colours / count, tier.goals[0], tier.goals[1],
                tier.goals[2]);
            tiers += line;
            tier = Sums{};
        }
    }
    out += "## By unlock tier\n\n" + tiers + "\n## Every puzzle\n\n" +
           "| # | title | goal | colours | balloons | par | par is | random play | search | difficulty |\n"
           "|---|---|---|---|---|---|---|---|---|---|\n" +
           rows;
    if (!writeText(args[1], out)) {
        return fail("cannot write " + args[1]);
    }
    return 0;
}

int generateCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return fail("generate needs the source file to write");
    }
    GeneratorOptions options;
    options.progress = [](const std::string& line) {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    };
    const std::vector<SourcePuzzle> puzzles = generateCatalogue(options);
    if (!writeText(args[0], writePuzzleSource(puzzles, header()))) {
        return fail("cannot write " + args[0]);
    }
    std::printf("%zu puzzles written to %s\n", puzzles.size(), args[0].c_str());
    return puzzles.size() == static_cast<std::size_t>(puzzle::kPuzzleCount) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    ksLog::attach(stderr);
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "solve") {
        return solveCommand(args);
    }
    if (command == "verify") {
        return verifyCommand(args);
    }
    if (command == "render") {
        return renderCommand(args);
    }
    if (command == "build") {
        return buildCommand(args);
    }
    if (command == "table") {
        return tableCommand(args);
    }
    if (command == "generate") {
        return generateCommand(args);
    }
    if (command == "--help" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fprintf(stderr, "zibbet-puzzles: unknown command \"%s\"\n", command.c_str());
    std::fputs(kUsage, stderr);
    return 1;
}
