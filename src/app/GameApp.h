// GameApp.h: the application object: shared services, loading, the screens and the frame.
#pragma once

#include "RestWatch.h"
#include "engine/core/GamePaths.h"
#include "engine/core/ksTimer.h"
#include "engine/input/ksInputState.h"
#include "engine/os/ksApplication.h"
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"
#include "engine/store/PlayerProfile.h"
#include "ui/GameContext.h"
#include "ui/ScreenManager.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

class KestrinOS;
class SoundBackend;
class ksCanvas;
class ksFont;
class ksRegistry;
class ksResources;

// Makes the screen with the given id; GameApp owns what it returns.
using ScreenFactory = std::function<std::unique_ptr<GameScreen>(int id, GameContext& context)>;

class GameApp final : public ksApplication {
public:
    static constexpr uint32_t kBuildNumber = PlayerProfile::kBuildNumber;

    GameApp(KestrinOS& os, ksRegistry& settings, GamePaths paths, std::filesystem::path dataDir,
            ksCounter& counter, SoundBackend& soundBackend);
    ~GameApp() override;

    // Loads everything while drawing the progress screen, creates the screens in id order with
    // `makeScreen` and starts the title screen.
    void init(const ScreenFactory& makeScreen);

    void frame() override;
    void redraw() override;
    bool isFinished() override { return false; }
    void setFocusLost(bool lost) override;
    double restSeconds() override;
    void resumeAfterRest() override;
    // How often a frame changed the picture while the screen had promised to rest (a clock
    // that forgot to ask for its frame); headless runs log each one.
    int brokenRests() const { return m_restWatch.broken(); }
    // An orderly end (the window closed or the game left through its menu): the profile keeps
    // what changed since it was last saved, such as the current puzzle and attempt counters.
    void saveOnExit();

    GameContext& context() { return *m_context; }

private:
    void loadSavedData();
    void drawProgress();
    void drawDeveloperOverlay();
    void drawEnhancedCursor();

    KestrinOS& m_os;
    ksRegistry& m_settings;
    GamePaths m_paths;
    std::filesystem::path m_dataDir;
    SoundBackend& m_soundBackend;
    ksTimer m_timer;
    PlayerProfile m_profile;
    std::unique_ptr<ksCanvas> m_canvas;
    ksInput m_input;
    ksInput m_previousInput;
    std::unique_ptr<ksResources> m_resources;
    HighScoreTable m_highScores;
    std::array<GameStats, 3> m_stats;
    ScreenManager m_screenManager;
    std::unique_ptr<GameContext> m_context;
    std::array<std::unique_ptr<GameScreen>, kScreenCount> m_screens;
    ksFont* m_overlayFont = nullptr;
    float m_fpsSum = 0.0f;
    int m_fpsCount = 0;
    float m_blinkClock = 0.0f;
    RestWatch m_restWatch;
    bool m_frameHadInput = false;
    double m_frameGameSeconds = 0.0;
};
