// The title screen: the menu, the exit and continue questions, the developer code and the web link.
#include "frontend/TitleScreen.h"

#include "FrontEndWorld.h"
#include "engine/video/ksImage.h"
#include "frontend/DeveloperCode.h"

#include <gtest/gtest.h>

namespace {

// Centres of the menu buttons on the screen.
constexpr int kClassicX = 78, kModeY = 297;
constexpr int kPuzzleX = 217;
constexpr int kActionX = 356;
constexpr int kMenuRowY = 419;
constexpr int kHighScoresX = 186;
constexpr int kOptionsX = 315;
constexpr int kExitX = 445;
constexpr int kWebX = 61, kWebY = 431;

// Button centres of the two questions, which are centred on the screen: YES / Continue first.
constexpr int kExitYesX = 320 - 195 + 130, kExitNoX = 320 - 195 + 260, kExitButtonsY = 240 - 99 + 148;
constexpr int kContinueX = 320 - 250 + 156, kNewGameX = 320 - 250 + 343, kContinueButtonsY = 240 - 135 + 220;

struct TitleWorld : FrontEndWorld {
    std::unique_ptr<TitleScreen> title;

    TitleWorld() {
        title = std::make_unique<TitleScreen>(*context);
        start(kTitleScreen, *title, kTitleScreen);
        frames(30); // the title has faded in
    }
    // Waits for the question to fade in, so it takes clicks and keys.
    void waitForQuestion() { frames(20); }
};

// The code typed on the title.

ksInput typedFrame(std::string_view characters) {
    ksInputState& state = ksInputState::instance();
    state.reset();
    for (char c : characters) {
        state.typeChar(static_cast<unsigned char>(c));
    }
    state.commit();
    ksInput input;
    input.poll();
    return input;
}

TEST(DeveloperCodeTest, TheWholeCodeCompletesAndAWrongLetterEmptiesTheBuffer) {
    DeveloperCode code;
    for (char c : std::string_view("TWIRl")) {
        code.append(typedFrame(std::string(1, c)));
        EXPECT_FALSE(code.takeCompleted());
    }
    EXPECT_EQ(code.typed(), "TWIRL") << "lower case counts as capitals";
    code.append(typedFrame("Y"));
    EXPECT_TRUE(code.takeCompleted());
    EXPECT_EQ(code.typed(), "");

    code.append(typedFrame("T"));
    code.takeCompleted();
    code.append(typedFrame("{"));
    EXPECT_EQ(code.typed(), "T") << "codes above 'Z' are not collected";
    code.append(typedFrame("X"));
    EXPECT_EQ(code.typed(), "TX") << "shown as typed until the frame ends";
    EXPECT_FALSE(code.takeCompleted());
    EXPECT_EQ(code.typed(), "");
    code.append(typedFrame("T"));
    EXPECT_FALSE(code.takeCompleted());
    EXPECT_EQ(code.typed(), "T");
}

TEST_F(TitleWorld, TypingTheCodeTwiceSwitchesDeveloperModeOnAndOffWithRecordingOff) {
    type("TWIRLY");
    EXPECT_TRUE(context->developerMode);
    EXPECT_EQ(context->moveRecordState, 0);

    type("TWIRL");
    EXPECT_EQ(context->moveRecordState, 2) << "the code's R is a record key while developer mode is on";
    type("Y");
    EXPECT_FALSE(context->developerMode);
    EXPECT_EQ(context->moveRecordState, 0) << "leaving developer mode must not leave recording on";
}

TEST_F(TitleWorld, RecordKeysWorkOnlyInDeveloperModeAndPlaybackWinsATie) {
    type("r");
    EXPECT_EQ(context->moveRecordState, 0);
    type("TWIRLY");
    input.typeChar('r');
    input.typeChar('P');
    frame();
    EXPECT_EQ(context->moveRecordState, 1);
    type("R");
    EXPECT_EQ(context->moveRecordState, 2);
}

TEST_F(TitleWorld, TheCodeAlsoCountsWhileTheExitQuestionIsOpen) {
    click(kExitX, kMenuRowY);
    ASSERT_TRUE(title->isExitBoxOpen());
    type("twirly");
    EXPECT_TRUE(context->developerMode);
}

// The exit question.

class ExitKeys : public TitleWorld, public ::testing::WithParamInterface<char> {};

TEST_P(ExitKeys, AnswerYesAndEndTheGameWithTheProfileSaved) {
    profile.setCurrentPuzzle(4);
    profile.addAttempt(4);
    click(kExitX, kMenuRowY);
    ASSERT_TRUE(title->isExitBoxOpen());
    EXPECT_EQ(screens.current(), kTitleScreen);
    waitForQuestion();
    input.typeChar(GetParam());
    frame();
    EXPECT_TRUE(runUntil([&] { return screens.isFinished(); }));
    const PlayerProfile stored = storedProfile();
    EXPECT_EQ(stored.currentPuzzle(), 4);
    EXPECT_EQ(stored.attempts(4), 1);
}

INSTANTIATE_TEST_SUITE_P(EnterAndSpace, ExitKeys, ::testing::Values('\r', ' '));

TEST_F(TitleWorld, NoClosesTheExitQuestionAndTheMenuWorksAgain) {
    click(kExitX, kMenuRowY);
    waitForQuestion();
    click(kExitNoX, kExitButtonsY);
    EXPECT_TRUE(runUntil([&] { return !title->isExitBoxOpen(); }));
    EXPECT_FALSE(screens.isFinished());
    click(kHighScoresX, kMenuRowY);
    EXPECT_EQ(screens.current(), kHighScoreScreen);
}

TEST_F(TitleWorld, EscapeAsksWhetherToExitAndEscapeAgainAnswersNo) {
    type("\x1b");
    ASSERT_TRUE(title->isExitBoxOpen());
    waitForQuestion();
    type("\x1b");
    EXPECT_TRUE(runUntil([&] { return !title->isExitBoxOpen(); }));
    EXPECT_FALSE(screens.isFinished());
    EXPECT_EQ(screens.current(), kTitleScreen);
    click(kHighScoresX, kMenuRowY);
    EXPECT_EQ(screens.current(), kHighScoreScreen) << "the menu works again";
}

TEST_F(TitleWorld, ClicksDuringTheFadeInOfTheExitQuestionAreIgnored) {
    click(kExitX, kMenuRowY);
    click(kExitYesX, kExitButtonsY);
    frames(40);
    EXPECT_FALSE(screens.isFinished());
    EXPECT_TRUE(title->isExitBoxOpen());
}

// The menu.

TEST_F(TitleWorld, TheTitleMusicPlaysAtTheProfileVolumesAndRestartsAfterAModeButNotAfterTheOptions) {
    EXPECT_EQ(mixer.lastOrder, 10);
    EXPECT_EQ(mixer.moduleVolume, static_cast<int>(profile.musicVolume() * 255.0));
    EXPECT_EQ(mixer.effectsVolume, static_cast<int>(profile.effectsVolume() * 255.0));
    const int stopsBefore = mixer.moduleStops, playsBefore = mixer.modulePlays;
    click(kPuzzleX, kModeY);
    ASSERT_EQ(screens.current(), kPuzzleScreen);
    mixer.lastOrder = -1;
    standIns[kPuzzleScreen].leave = true;
    frame();
    ASSERT_EQ(screens.current(), kTitleScreen);
    EXPECT_EQ(mixer.moduleStops, stopsBefore + 1);
    EXPECT_EQ(mixer.modulePlays, playsBefore + 1);
    EXPECT_EQ(mixer.lastOrder, 10);

    click(kOptionsX, kMenuRowY);
    ASSERT_EQ(screens.current(), kOptionsScreen);
    standIns[kOptionsScreen].leave = true;
    frame();
    EXPECT_EQ(screens.current(), kTitleScreen);
    EXPECT_EQ(mixer.moduleStops, stopsBefore + 1) << "coming back from the options leaves the music alone";

    click(kClassicX, kModeY);
    EXPECT_EQ(screens.current(), kClassicScreen);
}

TEST_F(TitleWorld, TheMascotShowsThePoseOfTheHoveredModeOnlyWhileItIsHovered) {
    const ksImage* strip = resources->getImage("spike_title");
    const ksImage* picture = resources->getImage("title");
    ASSERT_GE(strip->getWidth(), 280);
    // A point of the pose that differs from the title picture under it.
    int dx = -1, dy = -1;
    for (int y = 0; y < 83 && dx < 0; ++y) {
        for (int x = 0; x < 70; ++x) {
            if ((strip->pixelAt(140 + x, y) & 0xFFFFFF) != (picture->pixelAt(486 + x, 159 + y) & 0xFFFFFF)) {
                dx = x;
                dy = y;
                break;
            }
        }
    }
    ASSERT_GE(dx, 0);
    moveTo(kPuzzleX, kModeY);
    EXPECT_EQ(liveFrameAt(486 + dx, 159 + dy) & 0xFFFFFF, strip->pixelAt(140 + dx, dy) & 0xFFFFFF);
    moveTo(600, 100);
    EXPECT_EQ(liveFrameAt(486 + dx, 159 + dy) & 0xFFFFFF, picture->pixelAt(486 + dx, 159 + dy) & 0xFFFFFF);
}

// The saved Action game.

TEST_F(TitleWorld, ActionWithoutASavedGameStartsAFreshOneAtOnce) {
    profile.setDifficulty(1);
    profile.setColours(4);
    click(kActionX, kModeY);
    EXPECT_EQ(screens.current(), kActionScreen);
    const PlayerProfile stored = storedProfile();
    EXPECT_EQ(stored.savedRound(), 0);
    EXPECT_EQ(stored.savedSkill(), 1);
    EXPECT_EQ(stored.savedColours(), 4);
}

TEST_F(TitleWorld, ContinueKeepsTheSavedGameAndNewGameDeletesItKeepingTheCurrentOptions) {
    profile.setSavedGame(3, 0, 1234.0f, 6);
    profile.setDifficulty(2);
    profile.setColours(4);
    click(kActionX, kModeY);
    waitForQuestion();
    click(kContinueX, kContinueButtonsY);
    ASSERT_TRUE(runUntil([&] { return screens.current() == kActionScreen; }));
    EXPECT_EQ(profile.savedRound(), 3);
    EXPECT_EQ(profile.savedColours(), 6);
    standIns[kActionScreen].leave = true;
    frame();
    ASSERT_EQ(screens.current(), kTitleScreen);

    click(kActionX, kModeY);
    ASSERT_TRUE(title->isContinueBoxOpen());
    EXPECT_EQ(screens.current(), kTitleScreen);
    waitForQuestion();
    click(kNewGameX, kContinueButtonsY);
    ASSERT_TRUE(runUntil([&] { return screens.current() == kActionScreen; }));
    for (const PlayerProfile& p : {profile, storedProfile()}) {
        EXPECT_EQ(p.savedRound(), 0);
        EXPECT_EQ(p.savedScore(), 0.0f);
        EXPECT_EQ(p.savedSkill(), 2);
        EXPECT_EQ(p.savedColours(), 4);
    }
    EXPECT_FALSE(title->isContinueBoxOpen());
}

// The web link.

struct WebLinkCase {
    const char* address;
    bool opened;
};

class WebLinkAddresses : public TitleWorld, public ::testing::WithParamInterface<WebLinkCase> {};

TEST_P(WebLinkAddresses, OnlyWebAddressesAreHandedOverAndExactlyAsWritten) {
    settings.setGameSettings(std::string("zundoURL=\n") + GetParam().address + "\n");
    click(kWebX, kWebY);
    if (GetParam().opened) {
        EXPECT_EQ(os.openedUrls, std::vector<std::string>{GetParam().address});
    } else {
        EXPECT_TRUE(os.openedUrls.empty());
    }
    EXPECT_EQ(screens.current(), kTitleScreen);
}

TEST_F(TitleWorld, WithoutABrowserTheAddressIsShownInAMessageThatOkCloses) {
    settings.setGameSettings("zundoURL=\nhttps://zibbet.example.org/\n");
    os.browserOpens = false;
    click(kWebX, kWebY);
    EXPECT_EQ(os.openedUrls.size(), 1u);
    ASSERT_TRUE(title->isNoticeOpen());
    EXPECT_NE(title->notice().message.find("https://zibbet.example.org/"), std::string::npos);
    waitForQuestion();
    type("\r");
    EXPECT_TRUE(runUntil([&] { return !title->isNoticeOpen(); }));
    EXPECT_FALSE(screens.isFinished()) << "Enter answered the message, not the exit question";
    click(kHighScoresX, kMenuRowY);
    EXPECT_EQ(screens.current(), kHighScoreScreen);
}

TEST_F(TitleWorld, AnOpenedOrRefusedAddressShowsNoMessage) {
    settings.setGameSettings("zundoURL=\nhttps://zibbet.example.org/\n");
    click(kWebX, kWebY);
    EXPECT_FALSE(title->isNoticeOpen());
    os.browserOpens = false;
    settings.setGameSettings("zundoURL=\nfile:///etc/passwd\n");
    click(kWebX, kWebY);
    EXPECT_FALSE(title->isNoticeOpen()) << "only web addresses are shown";
}

INSTANTIATE_TEST_SUITE_P(Addresses, WebLinkAddresses,
                         ::testing::Values(WebLinkCase{"http://example.invalid/;touch /tmp/x", true},
                                           WebLinkCase{"https://zibbet.example.org/", true},
                                           WebLinkCase{"", false}, WebLinkCase{"file:///etc/passwd", false},
                                           WebLinkCase{"xdg-open http://a.example/", false},
                                           WebLinkCase{"ftp://a.example/", false},
                                           WebLinkCase{" http://a.example/", false}));

// The first start in full screen.

struct FirstStartWorld : FrontEndWorld {
    std::unique_ptr<TitleScreen> title;

    void startTitle(bool windowed) {
        settings.setWindowed(windowed);
        title = std::make_unique<TitleScreen>(*context);
        start(kTitleScreen, *title, kTitleScreen);
        frames(60);
    }
};

TEST_F(FirstStartWorld, InFullScreenTheFirstStartSaysOnceHowToLeaveIt) {
    startTitle(false);
    ASSERT_TRUE(title->isNoticeOpen());
    EXPECT_NE(title->notice().message.find("F11 or Alt+Enter"), std::string::npos);
    type("\x1b");
    EXPECT_TRUE(runUntil([&] { return !title->isNoticeOpen(); }));
    EXPECT_FALSE(title->isExitBoxOpen()) << "Escape only closed the message";
    EXPECT_TRUE(std::filesystem::is_regular_file(paths.configDir / "fullscreen-tip"));

    // The next start, the same player: not again.
    TitleScreen again(*context);
    start(kTitleScreen, again, kTitleScreen);
    frames(60);
    EXPECT_FALSE(again.isNoticeOpen());
}

TEST_F(FirstStartWorld, InAWindowTheTipIsNotShown) {
    startTitle(true);
    EXPECT_FALSE(title->isNoticeOpen());
    EXPECT_FALSE(std::filesystem::exists(paths.configDir / "fullscreen-tip"));
}

} // namespace
