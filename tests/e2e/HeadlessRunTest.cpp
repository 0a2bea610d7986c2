// End-to-end runs of the real game binary, headless.
#include "GameRun.h"

#include <csignal>
#include <thread>

#include <gtest/gtest.h>

namespace {

TEST(HeadlessRun, FirstRunStoresSettingsAndACompleteLog) {
    TempDir home;
    const ProcessResult run = runGame(home, {"--frames", "120"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(std::filesystem::file_size(home / "config/Version"), 2u);
    EXPECT_EQ(std::filesystem::file_size(home / "config/Settings"), 36u);
    EXPECT_EQ(std::filesystem::file_size(home / "config/Custom"), 496u);
    const std::string log = readTextFile(home / "state/log.txt");
    EXPECT_EQ(log.rfind("Start of log: ", 0), 0u) << log;
    EXPECT_TRUE(log.ends_with("\nEnd of log\n")) << log;
    EXPECT_TRUE(std::filesystem::is_directory(home / "data"));
}

TEST(HeadlessRun, ScriptedClicksReachTheScreensLikeRealOnes) {
    TempDir home;
    // The Puzzle button of the title; Enter answers the Puzzle intro and then cancels the puzzle
    // selector, which goes back to the title; then the title's exit question answered with Enter.
    writeText(home / "script.txt",
              "10 move 217 297\n11 down left\n"
              "11 up left\n" // same frame: the release waits for the next commit
                  + shotAt(20, home / "mode.png") + "100 key Enter\n150 key Enter\n" +
                  shotAt(230, home / "back.png") + clickAt(240, {445, 419}) + "270 key Enter\n" +
                  shotAt(900, home / "never.png"));
    const ProcessResult run =
        runGame(home, {"--frames", "1000", "--shot", "5:" + (home / "title.png").string(), "--script",
                       (home / "script.txt").string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const auto title = readScreenshot(home / "title.png");
    const auto mode = readScreenshot(home / "mode.png");
    const auto back = readScreenshot(home / "back.png");
    ASSERT_TRUE(title && mode && back);
    EXPECT_EQ(title->width, 640);
    EXPECT_EQ(title->height, 480);
    EXPECT_NE(title->at(5, 5), mode->at(5, 5)) << "the click opened another screen";
    EXPECT_NE(mode->at(5, 5), back->at(5, 5)) << "cancelling the selector went back to the title";
    EXPECT_FALSE(std::filesystem::exists(home / "never.png"));
}

TEST(HeadlessRun, SecondStartHandsOverAndExitsAtOnce) {
    TempDir home;
    const pid_t first =
        startProcess(kGame, {"--headless", "--home", home.path().string(), "--frames", "100000000"});
    ASSERT_GT(first, 0);
    // Wait until the first has taken the lock and written its log.
    for (int i = 0; i < 200 && readTextFile(home / "state/log.txt").empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const ProcessResult second = runGame(home, {"--frames", "100000000"});
    EXPECT_EQ(second.exitCode, 0) << second.output;
    EXPECT_LT(second.elapsed, std::chrono::seconds(1));
    EXPECT_EQ(readTextFile(home / "state/log.txt").rfind("Start of log: ", 0), 0u)
        << "the first log is intact";

    TempDir otherHome; // another home is another, independent game
    const ProcessResult independent = runGame(otherHome, {"--frames", "5"});
    EXPECT_EQ(independent.exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(otherHome / "config/Custom"));

    ::kill(first, SIGKILL);
    finishProcess(first, std::chrono::seconds(5));
}

TEST(HeadlessRun, HelpVersionAndBadArguments) {
    const ProcessResult help = runProcess(kGame, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--headless"), std::string::npos);
    const ProcessResult version = runProcess(kGame, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_NE(version.output.find("zibbet"), std::string::npos);
    const ProcessResult bad = runProcess(kGame, {"--frames", "lots"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.output.find("--frames"), std::string::npos);
    TempDir home;
    writeText(home / "bad.txt", "3 wiggle\n");
    const ProcessResult badScript = runGame(home, {"--script", (home / "bad.txt").string()});
    EXPECT_EQ(badScript.exitCode, 2);
    EXPECT_NE(badScript.output.find("line 1"), std::string::npos);
}

TEST(HeadlessRun, NoDisplayIsAFailedStart) {
    TempDir home;
    const ProcessResult run = runProcess(kGame, {"--home", home.path().string(), "--frames", "5"},
                                         std::chrono::seconds(30), {"SDL_VIDEODRIVER=nonexistent"});
    EXPECT_EQ(run.exitCode, 1) << run.output;
}

const std::filesystem::path kCheckSet = std::filesystem::path(ZIBBET_TEST_DATA_DIR) / "checkset";

// The check set loads whole, but it is not the game's data: the names the game asks for are
// missing, which fails the check (the installed game's data passes it, see InstallTest).
TEST(CheckResources, LoadsAGoodSetAndNamesEveryBrokenEntry) {
    TempDir home;
    const ProcessResult good = runProcess(
        kGame, {"--check-resources", "--data", kCheckSet.string(), "--home", home.path().string()});
    EXPECT_EQ(good.exitCode, 1) << good.output;
    EXPECT_NE(good.output.find("0 failed"), std::string::npos);
    EXPECT_NE(good.output.find("missing: IMAGE title"), std::string::npos);
    EXPECT_EQ(good.output.find("failed: "), std::string::npos) << good.output;

    TempDir broken;
    std::filesystem::copy(kCheckSet, broken.path(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(broken / "glyphs.gif");
    const ProcessResult bad = runProcess(
        kGame, {"--check-resources", "--data", broken.path().string(), "--home", home.path().string()});
    EXPECT_EQ(bad.exitCode, 1) << bad.output;
    EXPECT_NE(bad.output.find("failed: IMAGE glyph_sheet"), std::string::npos) << bad.output;
    EXPECT_NE(bad.output.find("failed: FONT font_test"), std::string::npos) << bad.output;

    TempDir empty;
    const ProcessResult none = runProcess(
        kGame, {"--check-resources", "--data", empty.path().string(), "--home", home.path().string()});
    EXPECT_EQ(none.exitCode, 1);
}

} // namespace
