// GameApp.cpp: the application object: shared services, loading, the screens and the frame.
#include "GameApp.h"

#include "PlaceholderScreen.h"
#include "engine/core/GameRandom.h"
#include "engine/core/ksLog.h"
#include "engine/os/KestrinOS.h"
#include "engine/store/ProfileStorage.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"

#include <chrono>

namespace {

constexpr int kF4 = 115;

// Stand-in colours until the real screens exist.
constexpr uint32_t kPlaceholderColours[kScreenCount] = {0xFF203060, 0xFF2E7D32, 0xFF6A1B9A, 0xFFC62828,
                                                        0xFF37474F, 0xFF37474F, 0xFF37474F, 0xFF8D6E63};

} // namespace

GameApp::GameApp(KestrinOS& os, ksRegistry& settings, GamePaths paths, std::filesystem::path dataDir,
                 ksCounter& counter)
    : m_os(os)
    , m_settings(settings)
    , m_paths(std::move(paths))
    , m_dataDir(std::move(dataDir))
    , m_timer(counter) {}

GameApp::~GameApp() = default;

void GameApp::init() {
    m_timer.tick();

    m_canvas = m_os.createCanvas();
    ksCanvas& canvas = *m_canvas;
    canvas.setTracking(false);
    canvas.clear(0, 0, 0);
    canvas.copyFrameToBackground();
    canvas.setTracking(true);
    canvas.clear(0, 0, 0);
    canvas.present();

    m_context = std::make_unique<GameContext>(
        GameContext{m_os, m_settings, canvas, m_timer, m_profile, m_screenManager, m_paths});

    const auto loadingStarted = std::chrono::steady_clock::now();
    loadSavedData();
    drawProgress();

    for (int id = 0; id < kScreenCount; ++id) {
        m_screens[id] = std::make_unique<PlaceholderScreen>(*m_context, id, kPlaceholderColours[id]);
        drawProgress();
    }
    const auto elapsed = std::chrono::steady_clock::now() - loadingStarted;
    trace("Resources loaded in %d milliseconds",
          static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));

    ScreenManager::ScreenTable table{};
    for (int id = 0; id < kScreenCount; ++id) {
        table[id] = m_screens[id].get();
    }
    m_screenManager.start(table, kTitleScreen);
    canvas.present();
    m_timer.tick();
}

void GameApp::loadSavedData() {
    m_profile.reset(0, 0);
    switch (loadPlayerProfile(m_settings, m_profile)) {
    case ProfileLoad::Loaded:
        break;
    case ProfileLoad::OtherBuild:
        // Saved data from another build is discarded as a whole.
        m_settings.resetSettings();
        m_settings.saveSettings();
        m_profile.reset(0, 0);
        savePlayerProfile(m_settings, m_profile);
        break;
    case ProfileLoad::NotRead:
        m_profile.reset(0, 0);
        savePlayerProfile(m_settings, m_profile);
        break;
    }
}

void GameApp::drawProgress() {
    ksCanvas& canvas = *m_canvas;
    canvas.selectBackground();
    canvas.selectFrame();
    canvas.copyBackgroundToFrame();
    canvas.presentAll();
    m_timer.tick();
}

void GameApp::frame() {
    m_input.poll();
    m_screenManager.update();
    if (m_screenManager.isFinished()) {
        m_os.postQuit();
        return;
    }
    if (m_context->developerMode) {
        drawDeveloperOverlay();
    }
    m_canvas->present();
    if (m_input.isKeyDown(kF4)) {
        // The developer slow-down: burns time and advances the shared random sequence.
        for (int i = 0; i < 4'000'000; ++i) {
            gameRandom();
        }
    }
    m_previousInput.copyFrom(m_input);
    m_timer.tick();
}

void GameApp::drawDeveloperOverlay() {
    if (m_fpsCount > 200) {
        m_fpsSum = 0.0f;
        m_fpsCount = 0;
    }
    m_fpsSum += static_cast<float>(m_timer.framesPerSecond());
    ++m_fpsCount;
}

void GameApp::redraw() {
    m_screenManager.redrawCurrent();
    m_canvas->presentAll();
}

void GameApp::setFocusLost(bool lost) {
    m_screenManager.setFocusLost(lost);
}
