// End-to-end runs of the Action screen in the real binary: the built-in player wins a round and
// leaves, the next start continues the saved game from the title's continue box, and the game
// that follows is lost into the statistics and the high-score list.
#include "GameRun.h"

#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

namespace {

struct Area {
    int left, top, width, height;
};
constexpr Area kScorePlaque{505, 449, 120, 28};
constexpr Area kRoundPlaque{70, 55, 64, 36};
constexpr ScreenPoint kActionCard{356, 297};
constexpr ScreenPoint kMainMenuButton{80, 435};

double differingShare(const Screenshot& a, const Screenshot& b, const Area& area) {
    int differing = 0;
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            differing += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (area.width * area.height);
}

int32_t readInt32(const std::string& bytes, std::size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return static_cast<int32_t>(value);
}

float readFloat(const std::string& bytes, std::size_t at) {
    const int32_t bits = readInt32(bytes, at);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

ProcessResult runAction(const TempDir& home, const std::string& script, int frames) {
    writeText(home / "script.txt", script);
    return runGame(home, {"--autoplay", "--seed", "7", "--frames", std::to_string(frames), "--script",
                          (home / "script.txt").string()});
}

TEST(ActionRun, AWonRoundIsSavedContinuedFromTheTitleAndTheLostGameIsCounted) {
    TempDir home;
    // First visit: the built-in player plays (the intro and the result dialogs answered with
    // Enter) until MAIN MENU takes it back to the title.
    std::string first = clickAt(25, kActionCard);
    first += shotAt(200, home / "fresh.png");
    first += clickAt(3600, kMainMenuButton); // answered with YES by the player
    first += shotAt(3790, home / "title.png");
    ProcessResult run = runAction(home, first, 3800);
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::string custom = readTextFile(home / "config" / "Custom");
    ASSERT_EQ(custom.size(), 496u);
    const int32_t savedRound = readInt32(custom, 56);
    const float savedScore = readFloat(custom, 64);
    EXPECT_GE(savedRound, 1) << "at least one round won and saved";
    EXPECT_GT(savedScore, 0.0f);
    const int32_t savedColours = readInt32(custom, 68);
    EXPECT_GE(savedColours, 3);
    EXPECT_LE(savedColours, 6);

    // Second visit: the Action card asks to continue; Enter is "Continue". The player then plays
    // the saved game on until it is lost, enters its name and plays the next game; MAIN MENU
    // ends the visit.
    std::string second = clickAt(25, kActionCard);
    second += shotAt(70, home / "asked.png");
    second += "80 key Enter\n";
    second += shotAt(200, home / "continued.png");
    second += clickAt(59000, kMainMenuButton);
    run = runAction(home, second, 59300);
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const auto fresh = readScreenshot(home / "fresh.png");
    const auto title = readScreenshot(home / "title.png");
    const auto asked = readScreenshot(home / "asked.png");
    const auto continued = readScreenshot(home / "continued.png");
    ASSERT_TRUE(fresh && title && asked && continued);
    EXPECT_GT(differingShare(*title, *asked, Area{100, 150, 440, 180}), 0.5) << "the continue box is up";
    EXPECT_GT(differingShare(*fresh, *continued, kScorePlaque), 0.0) << "the saved score is shown";
    EXPECT_GT(differingShare(*fresh, *continued, kRoundPlaque), 0.0) << "and the saved round";

    const std::string stats = readTextFile(home / "data" / "stats2.bin");
    ASSERT_EQ(stats.size(), 16u);
    EXPECT_GE(readInt32(stats, 0), 1 + savedRound) << "a lost game counts itself and its won rounds";
    EXPECT_GE(readInt32(stats, 4), savedRound);
    const std::string scores = readTextFile(home / "data" / "hsinfo.bin");
    ASSERT_EQ(scores.size(), 1440u);
    EXPECT_GE(readInt32(scores, 960), 1) << "the Action list holds the lost game's score";
    EXPECT_EQ(scores.substr(964, 9), std::string("Autoplay\0", 9));
}

} // namespace
