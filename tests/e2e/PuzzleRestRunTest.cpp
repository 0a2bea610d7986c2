// PuzzleRestRunTest.cpp: a puzzle started with the pointer resting on its balloons asks for the
// frames of the hover jiggle: the run's rest watch finds no frame that changed the picture
// while the game rested.
#include "GameRun.h"
#include "SavedProfile.h"

#include <gtest/gtest.h>

namespace {

constexpr ScreenPoint kPuzzleCard{217, 297};
// Puzzle 21, the third picture on the selector's page of the current puzzle.
constexpr ScreenPoint kPuzzle21{448, 155};
// A group of white balloons on puzzle 21's board.
constexpr ScreenPoint kOnAGroup{448, 261};

ProcessResult run(const TempDir& home, const std::string& script, int frames) {
    std::vector<std::string> args = {"--seed", "3", "--frames", std::to_string(frames)};
    if (!script.empty()) {
        writeText(home / "script.txt", script);
        args.push_back("--script");
        args.push_back((home / "script.txt").string());
    }
    return runGame(home, args);
}

TEST(PuzzleRestRun, APuzzleStartedUnderAStillPointerAsksForItsHoverFrames) {
    TempDir home;
    ASSERT_EQ(run(home, "", 30).exitCode, 0);
    ASSERT_EQ(readTextFile(home / "config" / "Custom").size(), PlayerProfile::kSize);
    PlayerProfile profile = readProfile(home);
    profile.unlockPuzzles(15);
    profile.setCurrentPuzzle(20);
    writeProfile(home, profile);

    // The Puzzle card, OK under the intro picture, then puzzle 21 in the selector. The pointer
    // moves onto a group while the goal banner is up and rests there as play starts, so the
    // group's highlight and jiggle begin in a frame without input.
    std::string script = clickAt(25, kPuzzleCard);
    script += clickAt(130, {320, 412});
    script += clickAt(200, kPuzzle21);
    script += "205 move " + std::to_string(kOnAGroup.x) + " " + std::to_string(kOnAGroup.y) + "\n";
    const ProcessResult result = run(home, script, 600);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output.find("RestWatch"), std::string::npos) << result.output;
}

} // namespace
