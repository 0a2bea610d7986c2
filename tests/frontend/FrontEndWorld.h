// FrontEndWorld.h: the game's services, headless, over the generated data, for the front-end tests.
#pragma once

#include "engine/core/GamePaths.h"
#include "engine/core/ksTimer.h"
#include "engine/input/ksInputState.h"
#include "engine/resources/ksResources.h"
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "support/FakeDesktop.h"
#include "support/FakeMixer.h"
#include "support/TestSupport.h"
#include "ui/GameContext.h"
#include "ui/ScreenManager.h"

#include <array>
#include <memory>
#include <string_view>

#include <gtest/gtest.h>

// Stands in for the screens a test does not look at; it can ask for a switch or go back.
struct StandInScreen final : GameScreen {
    ScreenManager* manager = nullptr;
    int redraws = 0;
    // At its next update: asks for this screen (when 0 or more) or goes back (when `leave`).
    int requestNext = -1;
    bool leave = false;

    void enter() override {}
    bool update() override;
    void setFocusLost(bool) override {}
    void draw() override {}
    void redraw() override { ++redraws; }
};

// Everything a front-end screen is made with: the generated resources, a settings store and a
// profile in a temporary home, a 640 x 480 memory display, a mixer that records, and frames of
// exactly 1/60 s.
struct FrontEndWorld : ::testing::Test {
    TempDir home;
    GamePaths paths = GamePaths::underHome(home.path());
    ksRegistry settings{"Zibbet", 0, 3, paths.configDir};
    FakeDesktop os{settings};
    std::unique_ptr<ksCanvas> canvas;
    SteppedCounter counter{60};
    ksTimer timer{counter};
    FakeMixer mixer;
    std::unique_ptr<ksResources> resources;
    PlayerProfile profile;
    HighScoreTable highScores = HighScoreTable::forGame(paths.dataDir);
    std::array<GameStats, 3> stats{GameStats::forMode(paths.dataDir, 0), GameStats::forMode(paths.dataDir, 1),
                                   GameStats::forMode(paths.dataDir, 2)};
    ScreenManager screens;
    std::unique_ptr<GameContext> context;
    std::array<StandInScreen, kScreenCount> standIns;
    ksInputState& input = ksInputState::instance();

    FrontEndWorld();

    // Starts the screen manager on `firstId`, with `screen` as screen `id` and stand-ins for the
    // others.
    void start(int id, GameScreen& screen, int firstId);
    // One pass of the main loop: commit the input, measure the frame, run the screen, present.
    void frame();
    void frames(int count);
    // Runs frames until `done` answers true; false when it did not within `limit` frames.
    template <typename Done>
    bool runUntil(Done done, int limit = 120) {
        for (int i = 0; i < limit; ++i) {
            if (done()) {
                return true;
            }
            frame();
        }
        return done();
    }
    void moveTo(int x, int y);
    // Press and release over the point, a frame each: the click lands in the second frame.
    void click(int x, int y);
    // Each character is typed in a frame of its own.
    void type(std::string_view text);
    // Runs a frame with the pixel at (x, y) read before the frame is presented.
    uint32_t liveFrameAt(int x, int y);

    // The profile and the settings as a fresh start would read them from disk.
    PlayerProfile storedProfile();
    ksRegistry storedSettings();
};
