// End-to-end runs of the front end: options kept across runs, the high scores, the exit question.
#include "GameRun.h"
#include "engine/core/FileIo.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ksRegistry.h"

#include <gtest/gtest.h>

namespace {

// Screen points of the title's buttons and of the options panel (its dialog's top-left corner
// is at (140, 5)).
constexpr ScreenPoint kOptionsButton{315, 419};
constexpr ScreenPoint kHighScoresButton{186, 419};
constexpr ScreenPoint kExitButton{445, 419};
constexpr ScreenPoint kMusicAtAFifth{329, 83}; // the music track runs from x 295, 170 wide
constexpr ScreenPoint kHardestSkill{408, 273};
constexpr ScreenPoint kEnhancedCursor{175, 207};

ProcessResult runScript(const TempDir& home, const std::string& name, const std::string& script) {
    writeText(home / name, script);
    return runGame(home, {"--frames", "2000", "--script", (home / name).string()});
}

std::optional<PlayerProfile> storedProfile(const TempDir& home) {
    const auto bytes = readFileBytes(home / "config/Custom", 4096);
    if (!bytes || bytes->size() != PlayerProfile::kSize) {
        return std::nullopt;
    }
    PlayerProfile profile;
    profile.decode(std::span<const uint8_t, PlayerProfile::kSize>(bytes->data(), PlayerProfile::kSize));
    return profile;
}

TEST(FrontEndRun, OptionsAreKeptAcrossRunsAndTheExitQuestionEndsTheGame) {
    TempDir home;
    // Open the options, set the music to a fifth, the hardest skill and the enhanced cursor, close
    // with Enter; look at the high scores and close them; leave through the exit question.
    const std::string first = clickAt(10, kOptionsButton) + clickAt(30, kMusicAtAFifth) +
                              clickAt(40, kHardestSkill) + clickAt(50, kEnhancedCursor) +
                              shotAt(60, home / "options.png") + "70 key Enter\n" +
                              clickAt(100, kHighScoresButton) + shotAt(140, home / "scores.png") +
                              "150 key Space\n" + clickAt(200, kExitButton) + shotAt(240, home / "exit.png") +
                              "250 key Enter\n" + shotAt(1500, home / "never.png");
    const ProcessResult run = runScript(home, "first.txt", first);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(home / "scores.png"));
    EXPECT_TRUE(std::filesystem::exists(home / "exit.png"));
    EXPECT_FALSE(std::filesystem::exists(home / "never.png")) << "the exit question ended the game";

    const auto changed = storedProfile(home);
    ASSERT_TRUE(changed);
    EXPECT_NEAR(changed->musicVolume(), 34.0f / 170.0f, 1e-6);
    EXPECT_EQ(changed->difficulty(), 2);

    // A second run opens the options on what the first one stored, and saves it unchanged.
    const std::string second = clickAt(10, kOptionsButton) + shotAt(40, home / "again.png") +
                               "50 key Enter\n" + clickAt(80, kExitButton) + "120 key Enter\n";
    const ProcessResult again = runScript(home, "second.txt", second);
    ASSERT_EQ(again.exitCode, 0) << again.output;
    const auto kept = storedProfile(home);
    ASSERT_TRUE(kept);
    EXPECT_NEAR(kept->musicVolume(), changed->musicVolume(), 1e-6);
    EXPECT_EQ(kept->difficulty(), 2);
    ksRegistry settings("Zibbet", 0, 3, home / "config");
    ASSERT_TRUE(settings.loadSettings());
    EXPECT_TRUE(settings.isEnhancedCursor());
}

} // namespace
