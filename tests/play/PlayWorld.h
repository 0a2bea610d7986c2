// PlayWorld.h: the game's services over the generated data, headless, for play-screen tests.
#pragma once

#include "engine/core/ksTimer.h"
#include "engine/input/ksInputState.h"
#include "engine/resources/ksResources.h"
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "play/PlayScreen.h"
#include "support/FakeDesktop.h"
#include "support/FakeMixer.h"
#include "support/TestSupport.h"
#include "ui/GameContext.h"
#include "ui/GameScreen.h"
#include "ui/ScreenManager.h"

#include <array>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

// A screen that stands in for the title: it paints one colour and switches when told to.
class StandInScreen final : public GameScreen {
public:
    static constexpr uint32_t kColour = 0xFF123456;

    StandInScreen(ksCanvas& canvas, ScreenManager& screens)
        : m_canvas(canvas)
        , m_screens(screens) {}
    void enter() override {}
    bool update() override {
        if (switchTo < 0) {
            return false;
        }
        m_screens.requestSwitch(switchTo);
        switchTo = -1;
        return true;
    }
    void setFocusLost(bool) override {}
    void draw() override {}
    void redraw() override {
        ++redrawn;
        m_canvas.selectBackground();
        m_canvas.fillRect(0, 0, m_canvas.width(), m_canvas.height(), kColour);
        m_canvas.selectFrame();
        m_canvas.copyBackgroundToFrame();
    }

    int switchTo = -1;
    int redrawn = 0;

private:
    ksCanvas& m_canvas;
    ScreenManager& m_screens;
};

// What every test of a suite shares: loading the pictures is the slow part.
struct PlayWorldShared {
    PlayWorldShared();

    TempDir state;
    ksRegistry settings{"Zibbet", 0, 3, state.path() / "config"};
    FakeDesktop os{settings}; // never started: the play screens draw on its memory display
    ksCanvas canvas{os.video};
    SteppedCounter counter{60};
    ksTimer timer{counter};
    FakeMixer mixer;
    ksResources resources; // over the data the build generated
    std::string gameSettings;
};

// The services of a running game over the data the build generated, with fresh saved data in a
// temporary directory for every test. Frames run as the application runs them, 60 a second.
class PlayWorld : public ::testing::Test {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static constexpr int kEnter = 13;

protected:
    // The resources are loaded once for the whole suite; pictures and fonts are shared.
    static void SetUpTestSuite() { s_world = std::make_unique<PlayWorldShared>(); }
    static void TearDownTestSuite() { s_world.reset(); }

    PlayWorld();
    ~PlayWorld() override;

    // Starts the screen manager at the stand-in title with `screen` at `id`, and enters it.
    void start(GameScreen& screen, int id);
    // One frame of the application: input committed, the manager's update and draw, present,
    // the timer ticked.
    void frame();
    void frames(int count);
    // Runs frames until `done` answers true (at most `limit` frames); false when it never did.
    template <typename Done>
    bool runUntil(Done&& done, int limit = 3000) {
        for (int i = 0; i < limit; ++i) {
            if (done()) {
                return true;
            }
            frame();
        }
        return done();
    }

    // Starts `screen` at `id`, waits until it plays and answers its intro.
    void startPlaying(PlayScreen& screen, int id);
    // Runs frames until the top dialog of `screen` takes input.
    void waitUntilInteractive(PlayScreen& screen);
    // Waits until the dialogs take input, presses Enter and waits until `box` has closed.
    void answerWithEnter(PlayScreen& screen, DialogBox& box);

    // Input as the window would deliver it, seen from the next frame on.
    void movePointer(int x, int y);
    // A press in one frame and the release in the next, at (x, y).
    void click(int x, int y);
    void typeKey(int code);

    const std::filesystem::path& dataDir() const { return m_home.path(); }

    // The picture on the display after the last frame, as 0x00RRGGBB.
    static uint32_t shownPixel(int x, int y) { return s_world->os.video.shownPixel(x, y); }
    static uint32_t backgroundAt(int x, int y) {
        return canvas().buffer(ksCanvas::Buffer::Background)[static_cast<std::size_t>(y) * kWidth + x];
    }
    static ksCanvas& canvas() { return s_world->canvas; }
    static ksResources& resources() { return s_world->resources; }
    static ksTimer& timer() { return s_world->timer; }
    static FakeMixer& mixer() { return s_world->mixer; }
    static ksRegistry& settings() { return s_world->settings; }

    static inline std::unique_ptr<PlayWorldShared> s_world;

    TempDir m_home;
    PlayerProfile m_profile;
    HighScoreTable m_highScores;
    std::array<GameStats, 3> m_stats;
    ScreenManager m_screens;
    std::unique_ptr<GameContext> m_context;
    std::unique_ptr<StandInScreen> m_title;
    ksInputState& m_input = ksInputState::instance();
};
