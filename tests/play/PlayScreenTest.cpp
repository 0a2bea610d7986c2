// The play-screen base: fades, the intro, the pause, help pages, the main-menu question, dialogs
// one at a time, effect pools and the sound cues.
#include "play/PlayScreen.h"

#include "PlayWorld.h"
#include "engine/core/FileIo.h"
#include "engine/core/WakeRequests.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/video/ksImage.h"
#include "game/board/BalloonBoard.h"
#include "play/PlayPieces.h"
#include "play/SoundCues.h"
#include "support/TestSupport.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

// The help dialog (600 x 440 around the centre) has its buttons on row 410 of the screen.
constexpr int kPrevPageX = 130, kNextPageX = 510, kHelpButtonsY = 410;
constexpr int kHelpButtonX = 109, kHelpButtonY = 463;

PlayScreenDesign testDesign() {
    PlayScreenDesign design;
    design.backdrop = "main";
    design.introPicture = "hint_classic";
    design.buttonDepth = 111;
    for (int id = 0; id < PlayScreenDesign::kMenuButtons; ++id) {
        design.buttons[static_cast<std::size_t>(id)] = {
            ScreenRect::fromPositionSize(200 + 30 * id, 774, 20, 20), "podium_classic_up",
            "podium_classic_over", 0, 0};
    }
    design.buttons[5] = {ScreenRect::fromPositionSize(97, 451, 24, 26), "podium_classic_up",
                         "podium_classic_over", 97, 123};
    return design;
}

// The base with a board and no rules: it starts a fade-in whenever a finished screen is entered,
// and counts the play steps and the clicks that reach them.
class TestPlayScreen final : public PlayScreen {
public:
    explicit TestPlayScreen(GameContext& context)
        : PlayScreen(context, testDesign()) {}

    void enter() override {
        const bool fresh = state() == kFinished;
        PlayScreen::enter();
        if (fresh) {
            startFadeIn();
        }
    }
    BalloonBoard& getBoard() override { return m_board; }
    void playStep() override {
        ++playSteps;
        clicksSeen += input().isReleased() ? 1 : 0;
        runMenuButtons();
    }

    using PlayScreen::openDialog;
    using PlayScreen::spawnBanner;
    using PlayScreen::spawnPopEffect;

    int playSteps = 0;
    int clicksSeen = 0;

private:
    BalloonBoard m_board{10, 15, 174, 16};
};

class PlayScreenTest : public PlayWorld {
protected:
    bool buttonsInScene() {
        for (int id = 0; id < PlayScreenDesign::kMenuButtons; ++id) {
            if (!screen.scene().list().contains(&screen.menuButton(id))) {
                return false;
            }
        }
        return true;
    }

    TestPlayScreen screen{*m_context};
};

TEST_F(PlayScreenTest, FadesInOverHalfASecondThenPlaysAndShowsTheIntroOncePerRun) {
    start(screen, kClassicScreen);
    EXPECT_EQ(screen.state(), PlayScreen::kFadingIn);
    EXPECT_TRUE(screen.fader().isRunning());
    frames(15);
    EXPECT_NEAR(screen.fader().value(), 0.5f, 0.03f) << "a quarter of a second is half the fade";
    ASSERT_TRUE(runUntil([&] { return screen.state() == PlayScreen::kPlaying; }, 40));
    EXPECT_TRUE(screen.isBackdropReady());
    const ksImage* backdrop = resources().getImage("main");
    EXPECT_EQ(backgroundAt(600, 5), backdrop->pixelAt(600, 5)) << "the backdrop is painted for good";
    EXPECT_TRUE(screen.introDialog().isOpen());
    EXPECT_TRUE(screen.wasIntroShown());
    answerWithEnter(screen, screen.introDialog());

    // Leaving through the main menu and coming back fades in again from the start, repainting
    // the backdrop, without the intro.
    screen.askMainMenu();
    answerWithEnter(screen, screen.mainMenuDialog());
    ASSERT_TRUE(runUntil([&] { return m_screens.current() == kTitleScreen; }, 60));
    EXPECT_EQ(backgroundAt(600, 5), StandInScreen::kColour);
    m_title->switchTo = kClassicScreen;
    frame();
    EXPECT_EQ(screen.state(), PlayScreen::kFadingIn);
    EXPECT_FALSE(screen.isBackdropReady());
    EXPECT_LT(screen.fader().value(), 0.05f);
    ASSERT_TRUE(runUntil([&] { return screen.state() == PlayScreen::kPlaying; }, 60));
    EXPECT_EQ(backgroundAt(600, 5), backdrop->pixelAt(600, 5));
    frames(2);
    EXPECT_FALSE(screen.introDialog().isOpen());
}

TEST_F(PlayScreenTest, LosingTheFocusPausesAndOnlyAClickResumesWithoutReachingTheGame) {
    startPlaying(screen, kClassicScreen);
    const int steps = screen.playSteps;
    screen.setFocusLost(true);
    EXPECT_TRUE(screen.isPaused());
    EXPECT_TRUE(screen.pauseDialog().isOpen());
    EXPECT_TRUE(mixer().modulePaused);
    frames(3);
    EXPECT_EQ(screen.playSteps, steps) << "the state steps stop while paused";

    screen.setFocusLost(false);
    EXPECT_TRUE(screen.isPaused()) << "regaining the focus keeps the pause box";
    typeKey('x');
    typeKey(kEnter);
    EXPECT_TRUE(screen.isPaused()) << "a key does not resume";
    EXPECT_TRUE(screen.pauseDialog().isOpen());

    click(320, 240);
    EXPECT_FALSE(screen.isPaused());
    EXPECT_FALSE(screen.pauseDialog().isOpen());
    EXPECT_FALSE(mixer().modulePaused);
    frames(2);
    EXPECT_GT(screen.playSteps, steps);
    EXPECT_EQ(screen.clicksSeen, 0) << "the click that resumed did not reach the game";
    EXPECT_TRUE(buttonsInScene());
}

TEST_F(PlayScreenTest, FocusLossUnderAnotherDialogPausesWithoutThePauseBox) {
    startPlaying(screen, kClassicScreen);
    click(kHelpButtonX, kHelpButtonY);
    ASSERT_TRUE(screen.helpDialog().isOpen());
    const int steps = screen.playSteps;
    screen.setFocusLost(true);
    EXPECT_TRUE(screen.isPaused());
    EXPECT_FALSE(screen.pauseDialog().isOpen());
    frames(3);
    EXPECT_EQ(screen.playSteps, steps);
    // With no pause box up, regaining the focus resumes at once.
    screen.setFocusLost(false);
    EXPECT_FALSE(screen.isPaused());
    frame();
    EXPECT_GT(screen.playSteps, steps);
}

// A full disk fails every later save; the player hears of it once, in a small dialog shown while
// the game waits for a move, and play goes on after OK.
TEST_F(PlayScreenTest, AFailedSaveIsToldOnceInASmallDialog) {
    resetSaveFailureReports();
    startPlaying(screen, kClassicScreen);
    frames(2);
    EXPECT_FALSE(screen.saveFailedDialog().isOpen());

    TempDir dir;
    injectWriteFailureAfter(0);
    EXPECT_FALSE(writeFileAtomically(dir / "stats0.bin", bytesOf("sixteen bytes...")));
    frame();
    EXPECT_TRUE(screen.saveFailedDialog().isOpen());
    answerWithEnter(screen, screen.saveFailedDialog());
    EXPECT_TRUE(buttonsInScene());

    EXPECT_FALSE(writeFileAtomically(dir / "stats0.bin", bytesOf("sixteen bytes...")));
    EXPECT_FALSE(writeFileAtomically(dir / "hsinfo.bin", bytesOf("scores")));
    injectWriteFailureAfter(-1);
    const int steps = screen.playSteps;
    frames(3);
    EXPECT_FALSE(screen.saveFailedDialog().isOpen()) << "told once per run";
    EXPECT_GT(screen.playSteps, steps);
    resetSaveFailureReports();
}

TEST_F(PlayScreenTest, HelpPagesWrapBothWays) {
    startPlaying(screen, kClassicScreen);
    click(kHelpButtonX, kHelpButtonY);
    ASSERT_TRUE(screen.helpDialog().isOpen());
    EXPECT_FALSE(buttonsInScene()) << "menu buttons step aside while a dialog shows";
    EXPECT_EQ(screen.helpPage(), 0);
    waitUntilInteractive(screen);
    for (const auto& [x, page] : {std::pair{kPrevPageX, 3},
                                  {kNextPageX, 0},
                                  {kNextPageX, 1},
                                  {kNextPageX, 2},
                                  {kNextPageX, 3},
                                  {kNextPageX, 0}}) {
        click(x, kHelpButtonsY);
        EXPECT_EQ(screen.helpPage(), page);
    }
    EXPECT_TRUE(screen.helpDialog().isOpen()) << "the page buttons do not close the dialog";
    answerWithEnter(screen, screen.helpDialog());
    EXPECT_TRUE(buttonsInScene());
}

TEST_F(PlayScreenTest, ConfirmingTheMainMenuFadesOutIntoTheScreenBeforeAndGoesBack) {
    startPlaying(screen, kClassicScreen);
    frame();
    const uint32_t played = shownPixel(600, 5);
    screen.askMainMenu();
    ASSERT_TRUE(screen.mainMenuDialog().isOpen());
    EXPECT_EQ(screen.mainMenuDialog().layout().message, "This will end your current game.\nAre you sure?");
    const int redrawsBefore = m_title->redrawn;
    answerWithEnter(screen, screen.mainMenuDialog());
    EXPECT_EQ(screen.state(), PlayScreen::kFadingOut);
    EXPECT_EQ(m_title->redrawn, redrawsBefore + 1) << "the screen to come paints itself under the fade";
    frames(15);
    const uint32_t halfway = shownPixel(600, 5);
    const auto green = [](uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); };
    const int titleGreen = green(StandInScreen::kColour);
    EXPECT_GT(std::abs(green(halfway) - titleGreen), 3) << "not the next screen yet";
    EXPECT_GT(std::abs(green(halfway) - green(played)), 3) << "no longer this screen";
    int fadeFrames = 15;
    while (screen.state() == PlayScreen::kFadingOut && fadeFrames < 100) {
        frame();
        ++fadeFrames;
    }
    EXPECT_NEAR(fadeFrames, 31, 1) << "half a second, and the frame that sees the end";
    EXPECT_EQ(screen.state(), PlayScreen::kFinished);
    EXPECT_EQ(m_title->redrawn, redrawsBefore + 2) << "and once more before the switch";
    frame();
    EXPECT_EQ(m_screens.current(), kTitleScreen);
    EXPECT_EQ(shownPixel(600, 5), StandInScreen::kColour & 0xFFFFFFu);
}

TEST_F(PlayScreenTest, NoAnswersTheMainMenuQuestionAndPlayGoesOn) {
    startPlaying(screen, kClassicScreen);
    screen.askMainMenu();
    waitUntilInteractive(screen);
    // "NO" at (318, 170) of the 478 x 220 dialog around the centre.
    click(81 + 318, 130 + 170);
    ASSERT_TRUE(runUntil([&] { return !screen.mainMenuDialog().isOpen(); }, 60));
    EXPECT_EQ(screen.state(), PlayScreen::kPlaying);
}

TEST_F(PlayScreenTest, EscapeAsksTheMainMenuQuestionAndEscapeAgainGoesBackToTheGame) {
    startPlaying(screen, kClassicScreen);
    typeKey(kEscapeKey);
    ASSERT_TRUE(screen.mainMenuDialog().isOpen());
    waitUntilInteractive(screen);
    typeKey(kEscapeKey);
    ASSERT_TRUE(runUntil([&] { return !screen.mainMenuDialog().isOpen(); }, 60));
    EXPECT_EQ(screen.state(), PlayScreen::kPlaying);
    EXPECT_FALSE(screen.isLeaving());
    EXPECT_TRUE(buttonsInScene());
}

TEST_F(PlayScreenTest, EscapeUnderAnotherDialogLeavesThatDialogAlone) {
    startPlaying(screen, kClassicScreen);
    screen.openDialog(screen.helpDialog());
    waitUntilInteractive(screen);
    typeKey(kEscapeKey);
    frames(3);
    EXPECT_TRUE(screen.helpDialog().isOpen());
    EXPECT_FALSE(screen.mainMenuDialog().isOpen());
}

TEST_F(PlayScreenTest, OnlyOneDialogOpensAtATime) {
    startPlaying(screen, kClassicScreen);
    screen.askNewGame();
    ASSERT_TRUE(screen.newGameDialog().isOpen());
    screen.askMainMenu();
    screen.openDialog(screen.helpDialog());
    EXPECT_FALSE(screen.mainMenuDialog().isOpen());
    EXPECT_FALSE(screen.helpDialog().isOpen());
    EXPECT_EQ(screen.dialogs().dialogCount(), 1);
    frames(3);
    EXPECT_EQ(screen.dialogs().dialogCount(), 1);
}

TEST_F(PlayScreenTest, FullPoolsDropRequestsAndEffectsDroppedWithTheSceneAreReused) {
    startPlaying(screen, kClassicScreen);
    const ksFont* font = resources().getFont("font_dlg_med");
    for (int i = 0; i < 5; ++i) {
        EXPECT_NE(screen.spawnBanner("line", font), nullptr);
    }
    EXPECT_EQ(screen.spawnBanner("one too many", font), nullptr);
    for (int i = 0; i < 32; ++i) {
        EXPECT_NE(screen.spawnPopEffect(nullptr, 300.0f, 200.0f), nullptr);
    }
    EXPECT_EQ(screen.spawnPopEffect(nullptr, 300.0f, 200.0f), nullptr);
    // A new game clears the scene: the banners still falling are nobody's any more.
    screen.activate();
    EXPECT_NE(screen.spawnBanner("again", font), nullptr);
    frames(20); // the pop effects last 0.1 s
    EXPECT_NE(screen.spawnPopEffect(nullptr, 300.0f, 200.0f), nullptr);
}

TEST_F(PlayScreenTest, ANewBannerSendsTheOneShowingAwaySoOnlyOneStandsAtATime) {
    startPlaying(screen, kClassicScreen);
    const ksFont* font = resources().getFont("font_dlg_med");
    // The test screen has no rules: its scene moves only when told.
    const auto play = [&](int count) {
        for (int i = 0; i < count; ++i) {
            frame();
            screen.scene().update();
        }
    };
    BannerMessage* first = screen.spawnBanner("Super Pop!", font);
    ASSERT_NE(first, nullptr);
    play(60);
    BannerMessage* second = screen.spawnBanner("Freed all prizes!", font, "Keep on popping!", font);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->isDismissed());
    EXPECT_FALSE(second->isDismissed());
    play(70);
    EXPECT_FALSE(first->isActive()) << "it has dropped out of the frame";
    EXPECT_TRUE(second->isActive());
}

TEST_F(PlayScreenTest, TheIntroAndHelpCardsNeverDrawTheirPlaceholderTexts) {
    EXPECT_TRUE(screen.introDialog().layout().hideTexts);
    EXPECT_TRUE(screen.helpDialog().layout().hideTexts);
    EXPECT_FALSE(screen.newGameDialog().layout().hideTexts);
}

TEST(ScorePulse, AChangedScoreSwellsAndSettlesWithinItsTimeAskingForEveryFrame) {
    ScorePulse pulse;
    pulse.step(0, 1.0f / 60.0f);
    EXPECT_FALSE(pulse.isPulsing()) << "the first score seen";
    pulse.step(0, 1.0f / 60.0f);
    EXPECT_FLOAT_EQ(pulse.scale(), 1.0f);
    WakeRequests::take();
    pulse.step(60, 1.0f / 60.0f);
    float largest = 1.0f;
    int frames = 0;
    while (pulse.isPulsing() && frames < 60) {
        EXPECT_EQ(WakeRequests::take(), 0.0) << "frame " << frames;
        largest = std::max(largest, pulse.scale());
        pulse.step(60, 1.0f / 60.0f);
        ++frames;
    }
    EXPECT_NEAR(frames, 18, 1) << "0.3 s";
    EXPECT_NEAR(largest, 1.0f + ScorePulse::kSwell, 0.01f);
    EXPECT_FLOAT_EQ(pulse.scale(), 1.0f);
    EXPECT_EQ(WakeRequests::take(), WakeRequests::kNever) << "at rest once settled";
}

TEST_F(PlayScreenTest, SoundCuesStopOnlyTheirOwnSound) {
    SoundCues cues(resources(), *resources().getSoundSystem());
    EXPECT_GE(cues.indexOf("parachute"), 0);
    EXPECT_GE(cues.indexOf("P_45"), 0);
    EXPECT_EQ(cues.indexOf("no_such_cue"), -1);
    EXPECT_EQ(cues.play("no_such_cue"), -1);

    const int channel = cues.play("parachute");
    ASSERT_GE(channel, 0);
    mixer().finish(channel);
    const int reused = cues.play("pop23");
    ASSERT_EQ(reused, channel) << "the mixer hands the free channel out again";
    cues.stop(channel, "parachute");
    EXPECT_TRUE(mixer().playingOn.contains(channel)) << "someone else's sound plays on";
    cues.stop(channel, "pop23");
    EXPECT_FALSE(mixer().playingOn.contains(channel));
}

} // namespace
