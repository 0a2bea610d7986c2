// PuzzleRunTest.cpp: the Puzzle screen in the real binary: the built-in player replays the stored
// solutions from the selector on, the profile keeps the bests and the unlocks, and the selector
// of the next start shows the solved puzzles as passed.
#include "GameRun.h"
#include "SavedProfile.h"

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

namespace {

constexpr ScreenPoint kPuzzleCard{217, 297};
// The selector fading in, before the built-in player's first click in it.
constexpr int kSelectorShown = 100;
constexpr int kPuzzles = 102;
constexpr std::size_t kRecordBytes = 360;

struct Area {
    int left, top, width, height;
};
// The selector's first picture (puzzle 1 on the first page) and its third.
constexpr Area kFirstPicture{78 + 120 - 54, 155 - 49, 108, 98};
constexpr Area kThirdPicture{78 + 370 - 54, 155 - 49, 108, 98};
// The title's High Scores, Options and Exit buttons.
constexpr Area kTitleButtons{123, 396, 385, 46};

bool sameArea(const Screenshot& a, const Screenshot& b, const Area& area) {
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            if (a.at(x, y) != b.at(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The length of every stored solution in the player's "puzzle.rec": the pars.
std::array<int, kPuzzles> storedPars(const TempDir& home) {
    const std::string bytes = readTextFile(home / "data" / "puzzle.rec");
    std::array<int, kPuzzles> pars{};
    for (std::size_t puzzle = 0; puzzle < kPuzzles && bytes.size() >= (puzzle + 1) * kRecordBytes; ++puzzle) {
        int length = 0;
        while (length < 180) {
            const std::size_t at = puzzle * kRecordBytes + static_cast<std::size_t>(length) * 2;
            if (static_cast<uint8_t>(bytes[at]) == 255 || static_cast<uint8_t>(bytes[at + 1]) == 255) {
                break;
            }
            ++length;
        }
        pars[puzzle] = length;
    }
    return pars;
}

ProcessResult run(const TempDir& home, const std::string& script, int frames, bool autoplay) {
    std::vector<std::string> args = {"--seed", "3", "--frames", std::to_string(frames)};
    if (!script.empty()) {
        writeText(home / "script.txt", script);
        args.push_back("--script");
        args.push_back((home / "script.txt").string());
    }
    if (autoplay) {
        args.insert(args.begin(), "--autoplay");
    }
    return runGame(home, args);
}

TEST(PuzzleRun, TheBuiltInPlayerSolvesTheOpenPuzzlesAndTheirUnlocksAtPar) {
    TempDir home;
    // A first start makes the profile (six puzzles open) and copies the shipped solutions.
    ProcessResult result = run(home, "", 30, false);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    PlayerProfile profile = readProfile(home);
    ASSERT_EQ(profile.countUnlockedPuzzles(), 6);
    const std::array<int, kPuzzles> pars = storedPars(home);
    for (int i = 0; i < kPuzzles; ++i) {
        ASSERT_GT(pars[static_cast<std::size_t>(i)], 0) << "puzzle " << i + 1 << " has a stored solution";
    }

    // A player near the end of the catalogue, so that the run stays short: 99 puzzles open, all
    // but the first solved. Solving it is the 99th solution, which opens the last three.
    profile.unlockPuzzles(93);
    for (int i = 1; i < 99; ++i) {
        profile.setBest(i, pars[static_cast<std::size_t>(i)] + 1);
    }
    profile.setCurrentPuzzle(0);
    writeProfile(home, profile);

    // The player chooses puzzle 1 in the selector, goes on to the unlocked ones through the
    // selector and, with every open puzzle solved, leaves for the title (about 4,100 frames).
    std::string script = clickAt(25, kPuzzleCard);
    script += shotAt(kSelectorShown, home / "selector-before.png");
    script += shotAt(4490, home / "left.png");
    result = run(home, script, 4500, true);
    ASSERT_EQ(result.exitCode, 0) << result.output;

    profile = readProfile(home);
    EXPECT_EQ(profile.countUnlockedPuzzles(), kPuzzles) << "puzzles 100-102 unlocked";
    for (int i : {0, 99, 100, 101}) {
        EXPECT_EQ(profile.best(i), pars[static_cast<std::size_t>(i)]) << "puzzle " << i + 1;
    }
    // Attempts count choices in the selector (puzzles 1 and 100), not "NEXT PUZZLE".
    EXPECT_EQ(profile.attempts(0), 1);
    EXPECT_EQ(profile.attempts(99), 1);
    EXPECT_EQ(profile.attempts(100), 0);
    EXPECT_EQ(profile.best(1), pars[1] + 1) << "a puzzle solved before is not played again";
    EXPECT_EQ(profile.countSolvedPuzzles(), kPuzzles);

    // The next start: the same steps up to the selector (on the page of puzzle 1), which marks
    // puzzle 1 as passed now. The title it started from is the one the first run left for.
    std::string again = shotAt(20, home / "title.png");
    again += clickAt(25, kPuzzleCard);
    again += shotAt(kSelectorShown, home / "selector-after.png");
    result = run(home, again, kSelectorShown + 5, true);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto before = readScreenshot(home / "selector-before.png");
    const auto after = readScreenshot(home / "selector-after.png");
    ASSERT_TRUE(before && after);
    EXPECT_FALSE(sameArea(*before, *after, kFirstPicture)) << "puzzle 1 gained its passed mark";
    EXPECT_TRUE(sameArea(*before, *after, kThirdPicture)) << "puzzle 3 was passed before and after";
    const auto left = readScreenshot(home / "left.png");
    const auto title = readScreenshot(home / "title.png");
    ASSERT_TRUE(left && title);
    EXPECT_TRUE(sameArea(*left, *title, kTitleButtons)) << "the first run ended on the title";
}

} // namespace
