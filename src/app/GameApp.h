// GameApp.h: the application object: shared services, loading, the screens and the frame.
#pragma once

#include "ScreenManager.h"
#include "engine/core/GamePaths.h"
#include "engine/core/ksTimer.h"
#include "engine/input/ksInputState.h"
#include "engine/os/ksApplication.h"
#include "engine/store/PlayerProfile.h"

#include <array>
#include <filesystem>
#include <memory>

class KestrinOS;
class ksCanvas;
class ksRegistry;

// What every screen shares. Created by GameApp, which outlives all screens.
struct GameContext {
    KestrinOS& os;
    ksRegistry& settings;
    ksCanvas& canvas;
    ksTimer& timer;
    PlayerProfile& profile;
    ScreenManager& screens;
    GamePaths paths;
    // How dark the veil behind an open dialog becomes, 0.0 to 1.0.
    float dialogVeil = 1.0f;
    bool developerMode = false;
    // 0 off, 1 playing back, 2 recording.
    int moveRecordState = 0;
};

class GameApp final : public ksApplication {
public:
    static constexpr uint32_t kBuildNumber = PlayerProfile::kBuildNumber;

    GameApp(KestrinOS& os, ksRegistry& settings, GamePaths paths, std::filesystem::path dataDir,
            ksCounter& counter);
    ~GameApp() override;

    // Loads everything while drawing the progress screen, creates the screens and starts the
    // first one.
    void init();

    void frame() override;
    void redraw() override;
    bool isFinished() override { return false; }
    void setFocusLost(bool lost) override;

    GameContext& context() { return *m_context; }

private:
    void loadSavedData();
    void drawProgress();
    void drawDeveloperOverlay();

    KestrinOS& m_os;
    ksRegistry& m_settings;
    GamePaths m_paths;
    std::filesystem::path m_dataDir;
    ksTimer m_timer;
    PlayerProfile m_profile;
    std::unique_ptr<ksCanvas> m_canvas;
    ksInput m_input;
    ksInput m_previousInput;
    ScreenManager m_screenManager;
    std::unique_ptr<GameContext> m_context;
    std::array<std::unique_ptr<GameScreen>, kScreenCount> m_screens;
    float m_fpsSum = 0.0f;
    int m_fpsCount = 0;
    float m_blinkClock = 0.0f;
};
