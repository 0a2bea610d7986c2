// The main loop: one frame per active pass, input commits, activation, mode switches, quitting.
#include "engine/core/WakeRequests.h"
#include "engine/os/KestrinOS.h"
#include "engine/os/LoopObserver.h"
#include "engine/os/ksApplication.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records what each frame saw.
class RecordingApp final : public ksApplication {
public:
    ksInput input;
    std::vector<int64_t> framePasses;
    std::vector<bool> heldPerFrame, releasedPerFrame;
    std::vector<bool> focusChanges;
    int redraws = 0;
    FakeDesktop* os = nullptr;
    int64_t quitAfterFrames = -1;

    void frame() override {
        input.poll();
        framePasses.push_back(os->pass);
        heldPerFrame.push_back(input.isHeld());
        releasedPerFrame.push_back(input.isReleased());
        if (quitAfterFrames >= 0 && static_cast<int64_t>(framePasses.size()) == quitAfterFrames) {
            os->postQuit();
        }
    }
    void redraw() override { ++redraws; }
    bool isFinished() override { return false; }
    void setFocusLost(bool lost) override { focusChanges.push_back(lost); }
};

// Ends the loop after a number of passes, like --frames.
class PassLimit final : public LoopObserver {
public:
    explicit PassLimit(int64_t passes)
        : m_passes(passes) {}
    void beforePass(int64_t, InputEventQueue&) override {}
    bool afterPass(int64_t pass) override { return pass + 1 < m_passes; }
    bool drivesPasses() const override { return true; }

private:
    int64_t m_passes;
};

struct MainLoopFixture : ::testing::Test {
    TempDir dir;
    ksRegistry settings{"Zibbet", 0, 3, dir.path()};
    FakeDesktop os{settings};
    RecordingApp app;

    void SetUp() override {
        ksInputState::instance().reset();
        settings.setWindowed(true);
        settings.setWindowPosition(100, 100);
        app.os = &os;
        os.desktop = {1024, 768, 32};
    }
    void runPasses(int64_t passes) {
        ASSERT_TRUE(os.start());
        PassLimit limit(passes);
        os.setLoopObserver(&limit);
        os.run(app);
        os.setLoopObserver(nullptr);
    }
};

TEST_F(MainLoopFixture, PressAndReleaseInOnePassAreSeenOnSuccessiveFrames) {
    os.eventsByPass[2] = {InputEvent::pointerMove(50, 60), InputEvent::button(0, true),
                          InputEvent::button(0, false)};
    runPasses(6);
    ASSERT_EQ(app.framePasses.size(), 6u);
    // The press is committed at the start of pass 3, the release at the start of pass 4.
    EXPECT_EQ(app.heldPerFrame, (std::vector<bool>{false, false, false, true, false, false}));
    EXPECT_EQ(app.releasedPerFrame, (std::vector<bool>{false, false, false, false, true, false}));
}

TEST_F(MainLoopFixture, NoFramesRunWhileInactiveAndTheFocusChangesReachTheGame) {
    os.eventsByPass[1] = {InputEvent::simple(InputEvent::Kind::FocusLost)};
    os.eventsByPass[4] = {InputEvent::simple(InputEvent::Kind::FocusGained)};
    runPasses(6);
    // The pass that loses the focus still draws its frame; the one that regains it does not.
    EXPECT_EQ(app.framePasses, (std::vector<int64_t>{0, 1, 5}));
    EXPECT_EQ(app.focusChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(app.redraws, 1) << "regaining the focus repaints";
    EXPECT_EQ(os.waits, 0) << "a driving observer never lets the loop block";
}

TEST_F(MainLoopFixture, QuitEndsTheLoopBeforeAnotherFrame) {
    os.eventsByPass[3] = {InputEvent::simple(InputEvent::Kind::Quit), InputEvent::button(0, true)};
    runPasses(100);
    EXPECT_EQ(app.framePasses.size(), 3u);
}

TEST_F(MainLoopFixture, PostedQuitIsTakenOnTheNextPass) {
    app.quitAfterFrames = 2;
    runPasses(100);
    EXPECT_EQ(app.framePasses.size(), 2u);
}

TEST_F(MainLoopFixture, MaximisingAWindowSwitchesToFullScreen) {
    os.eventsByPass[1] = {InputEvent::simple(InputEvent::Kind::Maximized)};
    runPasses(3);
    EXPECT_FALSE(settings.isWindowed());
    ASSERT_EQ(os.modes.size(), 2u);
    EXPECT_FALSE(os.modes.back().windowed);
}

TEST_F(MainLoopFixture, F11AndAltEnterSwitchBetweenWindowAndFullScreenAndNeverReachTheGame) {
    constexpr int kF11 = 122, kAlt = 18, kEnter = 13;
    // F11 held down repeats its press: one switch only. Then Alt+Enter switches back.
    os.eventsByPass[1] = {InputEvent::key(kF11, true), InputEvent::key(kF11, true)};
    os.eventsByPass[2] = {InputEvent::key(kF11, false)};
    os.eventsByPass[3] = {InputEvent::key(kAlt, true), InputEvent::character(kEnter)};
    os.eventsByPass[4] = {InputEvent::key(kAlt, false)};
    std::vector<bool> windowedPerPass;
    std::vector<bool> enterSeen, f11Seen;
    struct Watch final : LoopObserver {
        ksRegistry* settings = nullptr;
        std::vector<bool>* windowed = nullptr;
        void beforePass(int64_t, InputEventQueue&) override {}
        bool afterPass(int64_t pass) override {
            windowed->push_back(settings->isWindowed());
            return pass + 1 < 7;
        }
        bool drivesPasses() const override { return true; }
    } watch;
    watch.settings = &settings;
    watch.windowed = &windowedPerPass;
    ASSERT_TRUE(os.start());
    os.setLoopObserver(&watch);
    os.run(app);
    os.setLoopObserver(nullptr);

    EXPECT_EQ(windowedPerPass, (std::vector<bool>{true, false, false, true, true, true, true}));
    ASSERT_EQ(os.modes.size(), 3u); // the start, full screen, the window again
    EXPECT_FALSE(os.modes[1].windowed);
    EXPECT_TRUE(os.modes[2].windowed);
    EXPECT_EQ(app.redraws, 2) << "each switch repaints the whole picture";
    EXPECT_FALSE(app.input.wasTyped(kEnter));
    EXPECT_FALSE(app.input.isKeyDown(kF11));
    // The switch is remembered for the next start.
    ksRegistry stored{"Zibbet", 0, 3, dir.path()};
    ASSERT_TRUE(stored.loadSettings());
    EXPECT_TRUE(stored.isWindowed());
}

TEST_F(MainLoopFixture, EnterWithoutAltStillReachesTheGame) {
    // Alt goes down, then the focus leaves (Alt+Tab) and its release is never reported here.
    os.eventsByPass[1] = {InputEvent::key(18, true), InputEvent::simple(InputEvent::Kind::FocusLost),
                          InputEvent::simple(InputEvent::Kind::FocusGained)};
    os.eventsByPass[2] = {InputEvent::character(13)};
    struct EnterWatch final : LoopObserver {
        RecordingApp* app = nullptr;
        bool typed = false;
        void beforePass(int64_t, InputEventQueue&) override {}
        bool afterPass(int64_t pass) override {
            typed = typed || app->input.wasTyped(13);
            return pass + 1 < 5;
        }
        bool drivesPasses() const override { return true; }
    } watch;
    watch.app = &app;
    ASSERT_TRUE(os.start());
    os.setLoopObserver(&watch);
    os.run(app);
    os.setLoopObserver(nullptr);
    EXPECT_TRUE(watch.typed);
    EXPECT_TRUE(settings.isWindowed());
    EXPECT_EQ(os.modes.size(), 1u);
}

TEST_F(MainLoopFixture, OffDesktopWindowIsCentredAtStart) {
    settings.setWindowPosition(-50, 10);
    ASSERT_TRUE(os.start());
    EXPECT_EQ(settings.windowRect().left, 192);
    EXPECT_EQ(settings.windowRect().top, 144);
}

TEST_F(MainLoopFixture, AFailingDisplayEndsTheGameAfterItsMessage) {
    LogCapture log;
    os.failVideo = true;
    EXPECT_FALSE(os.start());
    ASSERT_EQ(os.messages.size(), 1u);
    EXPECT_EQ(os.messages[0], "Graphics Init failed. The program will now exit.");
    EXPECT_EQ(log.count("Failed m_pVideo->init: "), 1);
}

TEST_F(MainLoopFixture, ABurstOfWindowMovesIsSavedOnceWithTheLastPosition) {
    std::vector<InputEvent> moves;
    for (int i = 0; i < 100; ++i) {
        moves.push_back({InputEvent::Kind::Moved, 0, static_cast<float>(200 + i), 50});
    }
    os.eventsByPass[1] = moves;
    ASSERT_TRUE(os.start());
    const auto settingsFile = dir.path() / "Settings";
    const auto before = std::filesystem::last_write_time(settingsFile);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    PassLimit limit(3);
    os.setLoopObserver(&limit);
    os.run(app);
    EXPECT_EQ(settings.windowRect().left, 299);
    EXPECT_GT(std::filesystem::last_write_time(settingsFile), before) << "saved when the loop ends";
    ksRegistry reread{"Zibbet", 0, 3, dir.path()};
    ASSERT_TRUE(reread.loadSettings());
    EXPECT_EQ(reread.windowRect().left, 299);
}

TEST_F(MainLoopFixture, CursorImageHonoursPriorityAndOwner) {
    int owner1 = 0, owner2 = 0;
    EXPECT_TRUE(os.setCursorImage(nullptr, 0, &owner1));
    EXPECT_FALSE(os.setCursorImage(nullptr, -1, &owner2));
    EXPECT_TRUE(os.setCursorImage(nullptr, -1, &owner1)) << "the owner may always replace its own";
    EXPECT_TRUE(os.setCursorImage(nullptr, 5, &owner2));
}

// A game that rests after every frame for as long as the test says, and records when its
// frames ran on the desktop's clock.
class RestingApp final : public ksApplication {
public:
    using Clock = FramePacer::Clock;
    FakeDesktop* os = nullptr;
    ksInput input;
    double rest = WakeRequests::kNever;
    std::chrono::microseconds frameCost{2000};
    std::vector<Clock::duration> frameTimes; // since the first frame
    std::vector<bool> heldPerFrame;
    std::vector<int> resumedBeforeFrame;
    int resumes = 0;
    std::size_t quitAfterFrames = 10;

    void frame() override {
        input.poll();
        if (frameTimes.empty()) {
            firstFrame = os->clock;
        }
        frameTimes.push_back(os->clock - firstFrame);
        heldPerFrame.push_back(input.isHeld());
        resumedBeforeFrame.push_back(resumes);
        os->clock += frameCost;
        if (frameTimes.size() == quitAfterFrames) {
            os->postQuit();
        }
    }
    void redraw() override {}
    bool isFinished() override { return false; }
    void setFocusLost(bool) override {}
    double restSeconds() override { return rest; }
    void resumeAfterRest() override { ++resumes; }

    Clock::time_point firstFrame{};
};

struct RestFixture : MainLoopFixture {
    RestingApp resting;
    void SetUp() override {
        MainLoopFixture::SetUp();
        resting.os = &os;
    }
    void runUntilQuit() {
        ASSERT_TRUE(os.start());
        os.run(resting);
    }
    static std::chrono::milliseconds ms(int64_t n) { return std::chrono::milliseconds(n); }
};

TEST_F(RestFixture, WhileSomethingMovesFramesFollowTheRateByTheClock) {
    resting.rest = 0.0;
    resting.quitAfterFrames = 61;
    runUntilQuit();
    ASSERT_EQ(resting.frameTimes.size(), 61u);
    // Sixty frames a second whatever a frame costs, measured by the clock, never faster.
    EXPECT_NEAR(std::chrono::duration<double>(resting.frameTimes.back()).count(), 1.0, 1e-3);
    for (std::size_t i = 1; i < resting.frameTimes.size(); ++i) {
        EXPECT_GE(resting.frameTimes[i] - resting.frameTimes[i - 1], FramePacer(60.0).period() - ms(1));
    }
    EXPECT_EQ(resting.resumes, 0);
}

TEST_F(RestFixture, AtRestTheLoopSleepsUntilTheEarliestRequestedFrame) {
    resting.rest = 0.3;
    resting.quitAfterFrames = 4;
    runUntilQuit();
    ASSERT_EQ(resting.frameTimes.size(), 4u);
    EXPECT_EQ(resting.frameTimes[1], ms(300) + ms(2)) << "the rest begins when the frame ends";
    EXPECT_EQ(resting.frameTimes[3] - resting.frameTimes[2], ms(302));
    EXPECT_EQ(resting.resumedBeforeFrame, (std::vector<int>{0, 1, 2, 3}))
        << "each woken frame counts its rest";
    EXPECT_EQ(os.waits, 0) << "never a wait without an end";
}

TEST_F(RestFixture, ALongRestIsTakenInPiecesTheFrameTimerCanMeasure) {
    resting.rest = 5.0;
    resting.quitAfterFrames = 3;
    runUntilQuit();
    EXPECT_EQ(resting.frameTimes[1], FramePacer::kLongestRest + ms(2));
}

TEST_F(RestFixture, InputEndsARestAtOnceAndItsCommitFollowsAtOnce) {
    resting.quitAfterFrames = 3;
    ASSERT_TRUE(os.start());
    const auto start = os.clock;
    os.eventsByTime.insert({start + ms(2500), InputEvent::pointerMove(10, 10)});
    os.eventsByTime.insert({start + ms(2500), InputEvent::button(0, true)});
    os.run(resting);
    ASSERT_EQ(resting.frameTimes.size(), 3u);
    EXPECT_EQ(resting.firstFrame + resting.frameTimes[1], start + ms(2500))
        << "resting for ever until the click";
    EXPECT_EQ(resting.frameTimes[2] - resting.frameTimes[1], ms(2))
        << "the press is committed by the very next pass";
    EXPECT_EQ(resting.heldPerFrame, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(os.waits, 1) << "one wait that only input could end";
}

TEST_F(RestFixture, WhileSomethingMovesPointerMovesKeepTheRateAndPressesGoAtOnce) {
    resting.rest = 0.0;
    resting.quitAfterFrames = 4;
    ASSERT_TRUE(os.start());
    const auto start = os.clock;
    os.eventsByTime.insert({start + ms(20), InputEvent::pointerMove(10, 10)});
    os.eventsByTime.insert({start + ms(40), InputEvent::button(0, true)});
    os.run(resting);
    const auto period = FramePacer(60.0).period();
    ASSERT_EQ(resting.frameTimes.size(), 4u);
    EXPECT_EQ(resting.frameTimes[1], period) << "the move waited for the paced frame";
    EXPECT_EQ(resting.firstFrame + resting.frameTimes[2], start + ms(40)) << "the press did not wait";
    EXPECT_EQ(resting.frameTimes[3] - resting.frameTimes[2], ms(2)) << "nor does its commit";
}

} // namespace
