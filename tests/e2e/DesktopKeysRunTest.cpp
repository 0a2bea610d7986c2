// End-to-end runs of the desktop keys and messages: Escape, F11 and Alt+Enter, the first
// full-screen start and the web badge without a browser.
#include "GameRun.h"
#include "engine/store/ksRegistry.h"

#include <gtest/gtest.h>

namespace {

constexpr ScreenPoint kWebBadge{61, 431};
// A point of the title where no button lights up.
constexpr ScreenPoint kNowhere{600, 20};

ProcessResult runScript(const TempDir& home, const std::string& script, std::vector<std::string> extra = {}) {
    writeText(home / "script.txt", script);
    extra.insert(extra.end(), {"--frames", "400", "--script", (home / "script.txt").string()});
    return runGame(home, extra);
}

// Both pictures were written and show the same pixels.
void expectSamePicture(const std::filesystem::path& a, const std::filesystem::path& b) {
    ASSERT_TRUE(std::filesystem::exists(a) && std::filesystem::exists(b));
    EXPECT_TRUE(readTextFile(a) == readTextFile(b)) << a << " and " << b << " differ";
}

void expectOtherPicture(const std::filesystem::path& a, const std::filesystem::path& b) {
    ASSERT_TRUE(std::filesystem::exists(a) && std::filesystem::exists(b));
    EXPECT_FALSE(readTextFile(a) == readTextFile(b)) << a << " and " << b << " are the same";
}

TEST(DesktopKeysRun, EscapeOpensTheExitQuestionEscapeClosesItAndEnterThenEndsTheGame) {
    TempDir home;
    const std::string script = "5 move 600 20\n" + shotAt(40, home / "title.png") + "41 key Escape\n" +
                               shotAt(70, home / "question.png") + "71 key Escape\n" +
                               shotAt(110, home / "closed.png") + "111 key Escape\n" + "140 key Enter\n" +
                               shotAt(390, home / "never.png");
    const ProcessResult run = runScript(home, script);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    expectOtherPicture(home / "title.png", home / "question.png");
    expectSamePicture(home / "title.png", home / "closed.png");
    EXPECT_FALSE(std::filesystem::exists(home / "never.png")) << "Escape, then Enter, ended the game";
}

TEST(DesktopKeysRun, F11AndAltEnterSwitchTheModeKeepThePictureAndTheLastChoiceIsStored) {
    TempDir home;
    const std::string script = "5 move 600 20\n" + shotAt(40, home / "before.png") + "41 key F11\n" +
                               "60 key Alt\n60 key Enter\n" + "80 key F11\n" +
                               shotAt(100, home / "after.png") + "101 quit\n";
    const ProcessResult run = runScript(home, script);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    expectSamePicture(home / "before.png", home / "after.png");
    ksRegistry stored("Zibbet", 0, 3, home / "config");
    ASSERT_TRUE(stored.loadSettings());
    EXPECT_FALSE(stored.isWindowed()) << "window, full screen, window, full screen";
}

TEST(DesktopKeysRun, TheFirstStartInFullScreenShowsItsTipOnceAndARunInAWindowNever) {
    TempDir windowed;
    const std::string plain = shotAt(60, windowed / "title.png") + "61 quit\n";
    ASSERT_EQ(runScript(windowed, plain).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(windowed / "config/fullscreen-tip"));

    TempDir home;
    const std::string first =
        shotAt(60, home / "tip.png") + "61 key Enter\n" + shotAt(100, home / "after.png") + "101 quit\n";
    const ProcessResult run = runScript(home, first, {"--fullscreen"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    expectOtherPicture(windowed / "title.png", home / "tip.png");
    expectSamePicture(windowed / "title.png", home / "after.png");
    EXPECT_TRUE(std::filesystem::exists(home / "config/fullscreen-tip"));

    const std::string second = shotAt(60, home / "again.png") + "61 quit\n";
    ASSERT_EQ(runScript(home, second, {"--fullscreen"}).exitCode, 0);
    expectSamePicture(windowed / "title.png", home / "again.png");
}

TEST(DesktopKeysRun, TheWebBadgeWithoutABrowserShowsTheAddressUntilOk) {
    TempDir home;
    const std::string script = "5 move 600 20\n" + shotAt(40, home / "title.png") + clickAt(41, kWebBadge) +
                               "50 move 600 20\n" + shotAt(80, home / "address.png") + "81 key Enter\n" +
                               shotAt(120, home / "closed.png") + "121 quit\n";
    const ProcessResult run = runScript(home, script);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    expectOtherPicture(home / "title.png", home / "address.png");
    expectSamePicture(home / "title.png", home / "closed.png");
    EXPECT_NE(readTextFile(home / "state/log.txt").find("no browser"), std::string::npos);
}

} // namespace
