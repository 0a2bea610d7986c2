// PuzzleKeysRunTest.cpp: a puzzle chosen and solved in the real binary with keys alone.
#include "GameRun.h"
#include "SavedProfile.h"

#include <gtest/gtest.h>

namespace {

ProcessResult runKeys(const TempDir& home, const std::string& name, const std::string& script, int frames) {
    writeText(home / name, script);
    return runGame(home,
                   {"--seed", "3", "--frames", std::to_string(frames), "--script", (home / name).string()});
}

TEST(PuzzleKeysRun, ThePuzzleCardTheSelectorAndTheFirstPuzzleAnswerTheKeys) {
    TempDir home;
    // Down shows the title's focus on Classic and Down again moves it to Puzzle; Enter opens it
    // and closes the intro picture. In the selector the arrows step over CANCEL and the two page
    // buttons to the first picture, and Enter chooses it. Once the goal banner has gone, Down
    // shows the ring on the top middle balloon, and Enter pops the one group puzzle 1 holds.
    const std::string script = "40 key Down\n44 key Down\n50 key Enter\n130 key Enter\n"
                               "200 key Right\n204 key Right\n208 key Right\n212 key Right\n220 key Enter\n"
                               "700 key Down\n710 key Enter\n";
    ASSERT_EQ(script.find(" move "), std::string::npos);
    const ProcessResult run = runKeys(home, "keys.txt", script, 1000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readProfile(home).best(0), 1) << "puzzle 1 solved in one click";
    EXPECT_FALSE(std::filesystem::exists(home / "data" / "puzzle.resume")) << "a solved puzzle is not kept";
}

TEST(PuzzleKeysRun, APuzzleLeftAfterOneClickIsContinuedAfterARestartAndSolvedWithTheNext) {
    TempDir home;
    // Puzzle 4 ("Two Scoops") takes two clicks on the top middle balloon. The first run makes
    // one and closes the window.
    const std::string first = "40 key Down\n44 key Down\n50 key Enter\n130 key Enter\n"
                              "200 key Right\n204 key Right\n208 key Right\n212 key Right\n216 key Right\n"
                              "220 key Right\n224 key Right\n230 key Enter\n700 key Down\n710 key Enter\n"
                              "900 quit\n";
    ASSERT_EQ(runKeys(home, "first.txt", first, 920).exitCode, 0);
    ASSERT_TRUE(std::filesystem::exists(home / "data" / "puzzle.resume"));
    EXPECT_EQ(readProfile(home).best(3), 0);

    // The second run is asked before the selector; Enter continues, the click is replayed, and
    // the second click solves the puzzle: in two clicks, the first made in the run before.
    const std::string second = "40 key Down\n44 key Down\n50 key Enter\n130 key Enter\n200 key Enter\n"
                               "810 key Down\n820 key Enter\n";
    const ProcessResult run = runKeys(home, "second.txt", second, 1100);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readProfile(home).best(3), 2);
    EXPECT_FALSE(std::filesystem::exists(home / "data" / "puzzle.resume"));
}

} // namespace
