// PuzzleKeysRunTest.cpp: a puzzle chosen and solved in the real binary with keys alone.
#include "GameRun.h"
#include "engine/store/PlayerProfile.h"

#include <span>

#include <gtest/gtest.h>

namespace {

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
    writeText(home / "keys.txt", script);
    const ProcessResult run =
        runGame(home, {"--seed", "3", "--frames", "1000", "--script", (home / "keys.txt").string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::string bytes = readTextFile(home / "config" / "Custom");
    ASSERT_EQ(bytes.size(), PlayerProfile::kSize);
    PlayerProfile profile;
    profile.decode(std::span<const uint8_t, PlayerProfile::kSize>(
        reinterpret_cast<const uint8_t*>(bytes.data()), PlayerProfile::kSize));
    EXPECT_EQ(profile.best(0), 1) << "puzzle 1 solved in one click";
    EXPECT_FALSE(std::filesystem::exists(home / "data" / "puzzle.resume")) << "a solved puzzle is not kept";
}

} // namespace
