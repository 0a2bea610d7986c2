// End-to-end runs of the Classic screen in the real binary: a dialog answered by script, and a
// whole visit played by the built-in player.
#include "GameRun.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

struct Area {
    int left, top, width, height;
};
// The score plaque, and the NEW GAME dialog (470 x 220 around the centre).
constexpr Area kScorePlaque{512, 449, 120, 28};
constexpr Area kNewGameDialog{85, 130, 470, 220};
constexpr ScreenPoint kNewGameButton{80, 377};

ProcessResult runClassic(const TempDir& home, const std::string& script, std::vector<std::string> extra) {
    writeText(home / "script.txt", script);
    extra.insert(extra.end(), {"--seed", "7", "--script", (home / "script.txt").string()});
    return runGame(home, extra);
}

// The share of the area's pixels that differ between the two pictures.
double differingShare(const Screenshot& a, const Screenshot& b, const Area& area) {
    int differing = 0;
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            differing += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (area.width * area.height);
}

// The title's Classic button, once the title has faded in; the screen itself fades in over the
// next half second.
std::string openClassic() {
    return clickAt(25, {78, 297});
}

TEST(ClassicRun, TheNewGameQuestionIsAskedByItsPodiumButtonAndAnsweredByScript) {
    TempDir home;
    std::string script = openClassic();
    script += "100 key Enter\n"; // the intro picture, shown once per run
    script += shotAt(120, home / "fresh.png");
    // A sweep of clicks along the second row pops at least one group.
    for (int i = 0; i < 14; ++i) {
        script += clickAt(130 + 4 * i, {188 + 28 * i, 70});
    }
    script += "190 move 620 300\n";
    script += shotAt(250, home / "before.png");
    script += clickAt(260, kNewGameButton);
    script += shotAt(300, home / "asked.png");
    script += clickAt(310, {85 + 313, 130 + 170}); // NO
    script += "320 move 620 300\n";
    script += shotAt(360, home / "kept.png");
    script += clickAt(370, kNewGameButton);
    script += "410 key Enter\n"; // YES, the default answer
    script += shotAt(460, home / "dealt.png");

    const ProcessResult run = runClassic(home, script, {"--frames", "470"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const auto fresh = readScreenshot(home / "fresh.png");
    const auto before = readScreenshot(home / "before.png");
    const auto asked = readScreenshot(home / "asked.png");
    const auto kept = readScreenshot(home / "kept.png");
    const auto dealt = readScreenshot(home / "dealt.png");
    ASSERT_TRUE(fresh && before && asked && kept && dealt);

    EXPECT_GT(differingShare(*fresh, *before, kScorePlaque), 0.0) << "the sweep scored";
    EXPECT_GT(differingShare(*before, *asked, kNewGameDialog), 0.9) << "the dialog covers the board";
    EXPECT_GT(differingShare(*asked, *kept, kNewGameDialog), 0.9) << "NO closed it";
    EXPECT_GT(differingShare(*fresh, *kept, kScorePlaque), 0.0) << "and the game went on";
    EXPECT_EQ(differingShare(*fresh, *dealt, kScorePlaque), 0.0) << "YES dealt a new game: the score is 0";
}

TEST(ClassicRun, AWholeVisitFromTheTitleToAHighScoreAndOutThroughTheExitBox) {
    TempDir home;
    // Into Classic; the built-in player plays, wins its first game with this seed, types its name
    // into the high-score entry and plays the next deals. Then back to the title, a look at the
    // high scores, and out.
    std::string script = openClassic();
    script += clickAt(3700, {80, 435}); // MAIN MENU on the podium (answered by the player if asked)
    script += shotAt(3780, home / "title.png");
    script += clickAt(3800, {186, 419}); // HIGH SCORES
    script += shotAt(3900, home / "scores.png");
    script += "3910 key Enter\n";        // CLOSE
    script += clickAt(4000, {445, 419}); // EXIT
    script += "4060 key Enter\n";        // YES
    script += shotAt(4990, home / "never.png");

    const ProcessResult run = runClassic(home, script, {"--autoplay", "--frames", "5000"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_FALSE(std::filesystem::exists(home / "never.png")) << "the exit box ended the game";
    EXPECT_TRUE(std::filesystem::exists(home / "scores.png"));

    const std::string scores = readTextFile(home / "data" / "hsinfo.bin");
    ASSERT_EQ(scores.size(), 1440u);
    EXPECT_GE(static_cast<uint8_t>(scores[0]), 1) << "the Classic list holds an entry";
    EXPECT_EQ(scores.substr(4, 9), std::string("Autoplay\0", 9));
    const std::string stats = readTextFile(home / "data" / "stats0.bin");
    ASSERT_EQ(stats.size(), 16u);
    EXPECT_GE(static_cast<uint8_t>(stats[0]), 2)
        << "games played: one ended and the next was dealt and ended";
    EXPECT_GE(static_cast<uint8_t>(stats[4]), 1) << "games won";
    EXPECT_GE(static_cast<uint8_t>(stats[12]), 2) << "the biggest group";
    EXPECT_NE(readTextFile(home / "config" / "Custom").find("Autoplay"), std::string::npos)
        << "the name is kept in the profile";
}

} // namespace
