// GameApp.cpp: the application object: shared services, loading, the screens and the frame.
#include "GameApp.h"

#include "engine/core/FileIo.h"
#include "engine/core/GameRandom.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"
#include "engine/os/KestrinOS.h"
#include "engine/resources/ResourceFile.h"
#include "engine/resources/ksResources.h"
#include "engine/store/ProfileStorage.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "game/puzzle/MoveRecordFile.h"

#include <chrono>
#include <cstdio>

namespace {

constexpr int kF4 = 115;

} // namespace

GameApp::GameApp(KestrinOS& os, ksRegistry& settings, GamePaths paths, std::filesystem::path dataDir,
                 ksCounter& counter, SoundBackend& soundBackend)
    : m_os(os)
    , m_settings(settings)
    , m_paths(std::move(paths))
    , m_dataDir(std::move(dataDir))
    , m_soundBackend(soundBackend)
    , m_timer(counter)
    , m_highScores(HighScoreTable::forGame(m_paths.dataDir))
    , m_stats{GameStats::forMode(m_paths.dataDir, 0), GameStats::forMode(m_paths.dataDir, 1),
              GameStats::forMode(m_paths.dataDir, 2)} {}

// Screens go first: they hold pointers into the resources and the canvas.
GameApp::~GameApp() {
    for (auto& screen : m_screens) {
        screen.reset();
    }
}

void GameApp::init(const ScreenFactory& makeScreen) {
    m_timer.tick();

    m_canvas = m_os.createCanvas();
    ksCanvas& canvas = *m_canvas;
    canvas.setTracking(false);
    canvas.clear(0, 0, 0);
    canvas.copyFrameToBackground();
    canvas.setTracking(true);
    canvas.clear(0, 0, 0);
    canvas.present();

    m_resources = std::make_unique<ksResources>(&canvas, ResourceFile::Pack, m_dataDir, m_paths.stateDir,
                                                &m_soundBackend);
    // Pictures are decoded when first drawn, so a screen nobody opens costs no memory.
    m_resources->manager().setDecodeOnFirstUse(true);
    const auto loadingStarted = std::chrono::steady_clock::now();
    m_resources->load("resource.txt");

    m_resources->getFont("font_generic")->setTracking(-2.0f);
    m_resources->getFont("font_dlg_head")->setTracking(-2.0f);
    m_resources->getFont("font_dlg_med")->setTracking(-2.0f);
    m_resources->getFont("font_dlg_small")->setTracking(-1.8f);
    m_resources->getFont("font_score")->setTracking(-1.8f);

    m_settings.setGameSettings(m_resources->getText("gameSettings"));
    loadSavedData();
    drawProgress();

    m_context = std::make_unique<GameContext>(GameContext{m_os,
                                                          m_settings,
                                                          canvas,
                                                          m_timer,
                                                          *m_resources,
                                                          *m_resources->getSoundSystem(),
                                                          m_profile,
                                                          m_highScores,
                                                          {&m_stats[0], &m_stats[1], &m_stats[2]},
                                                          m_screenManager,
                                                          m_paths});
    m_context->dialogVeil = static_cast<float>(m_settings.getInt("dialogFade")) * 0.001f;
    m_overlayFont = m_resources->getFont("font_generic");

    for (int id = 0; id < kScreenCount; ++id) {
        m_screens[id] = makeScreen(id, *m_context);
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
    m_os.setCursorImage(m_resources->getImage("cursor"), 0, this);

    ksImage* title = m_resources->getImage("title");
    canvas.selectBackground();
    title->draw(0, 0);
    canvas.selectFrame();
    title->draw(0, 0);
    canvas.present();
    m_timer.tick();
}

void GameApp::loadSavedData() {
    const int themesOnStart = m_settings.getInt("themesUnlockedOnStart");
    const int puzzlesOnStart = m_settings.getInt("puzzlesUnlockedOnStart");
    m_profile.reset(themesOnStart, puzzlesOnStart);
    switch (loadPlayerProfile(m_settings, m_profile)) {
    case ProfileLoad::Loaded:
        m_highScores.load();
        for (GameStats& stats : m_stats) {
            stats.load();
        }
        break;
    case ProfileLoad::OtherBuild:
        // Saved data from another build is discarded as a whole; the scores and statistics are
        // copied aside first, since a damaged profile takes this path too.
        keepPreviousCopy(m_highScores.file());
        for (const GameStats& stats : m_stats) {
            keepPreviousCopy(stats.file());
        }
        m_settings.resetSettings();
        m_settings.saveSettings();
        m_profile.reset(themesOnStart, puzzlesOnStart);
        savePlayerProfile(m_settings, m_profile);
        for (int list = 0; list < m_highScores.listCount(); ++list) {
            m_highScores.clearList(list);
        }
        m_highScores.save();
        for (GameStats& stats : m_stats) {
            stats.reset();
            stats.save();
        }
        break;
    case ProfileLoad::NotRead:
        // A lost or unreadable profile costs the profile only: the scores and statistics on
        // disk are kept (on a true first run there are none, which loads as empty).
        m_profile.reset(themesOnStart, puzzlesOnStart);
        savePlayerProfile(m_settings, m_profile);
        m_highScores.load();
        for (GameStats& stats : m_stats) {
            stats.load();
        }
        break;
    }
    // A new player's puzzle records start as the par solutions shipped beside the resources.
    loadMoveRecordFile(m_paths.dataDir, m_dataDir / puzzle::kMoveRecordFileName);
}

void GameApp::drawProgress() {
    const int percent = m_resources->loadStep();
    ksCanvas& canvas = *m_canvas;
    canvas.selectBackground();
    const float opacity = std::max(static_cast<float>(percent) * 0.01f, 0.4f);
    m_resources->getImage("title")->drawFaded(0, 0, opacity);
    char text[32];
    std::snprintf(text, sizeof text, "Loading %d%%", percent);
    m_resources->getFont("font_dlg_head")->drawText(text, 320, 240, ALIGN_CENTER);
    canvas.selectFrame();
    canvas.copyBackgroundToFrame();
    canvas.presentAll();
    m_timer.tick();
}

void GameApp::frame() {
    m_input.poll();
    m_frameHadInput = m_input.differsFrom(m_previousInput);
    m_frameGameSeconds = m_timer.frameSeconds();
    m_screenManager.update();
    if (m_screenManager.isFinished()) {
        m_os.postQuit();
        return;
    }
    if (m_context->developerMode) {
        drawDeveloperOverlay();
    }
    drawEnhancedCursor();
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
    const int y = m_overlayFont->getLineHeight() / 2;
    char text[48];
    std::snprintf(text, sizeof text, "FPS: %d", static_cast<int>(m_fpsSum / static_cast<float>(m_fpsCount)));
    m_overlayFont->drawText(text, 0, y, ALIGN_LEFT);
    std::snprintf(text, sizeof text, "BUILD: %i", static_cast<int>(kBuildNumber));
    m_overlayFont->drawText(text, m_canvas->width() - 1, y, ALIGN_RIGHT);

    const int state = m_context->moveRecordState;
    ksImage* indicator = state == 2   ? m_resources->getImage("record")
                         : state == 1 ? m_resources->getImage("play")
                                      : nullptr;
    if (indicator == nullptr) {
        return;
    }
    // Shown for 0.6 s, hidden for 0.4 s.
    m_blinkClock += static_cast<float>(m_timer.frameSeconds());
    if (m_blinkClock > 0.6f) {
        m_blinkClock = -0.4f;
    } else if (m_blinkClock >= 0.0f) {
        indicator->draw(0, 0);
    }
    WakeRequests::after(m_blinkClock < 0.0f ? -m_blinkClock : 0.6f - m_blinkClock);
}

void GameApp::drawEnhancedCursor() {
    if (!m_settings.isEnhancedCursor()) {
        return;
    }
    const int x = m_os.cursorX(), y = m_os.cursorY();
    if (x >= 0 && y >= 0 && m_os.cursorImage() != nullptr) {
        m_os.cursorImage()->draw(x, y);
    }
}

double GameApp::restSeconds() {
    const double requested = WakeRequests::take();
    m_restWatch.frameEnded(m_frameGameSeconds, m_canvas->changedPicture(), m_frameHadInput, requested);
    if (m_context && m_context->developerMode) {
        return 0.0; // the frame rate shows
    }
    // A screen often answers input a frame later (a pressed button's result is read in the
    // next frame), so a frame with input is always followed by one more. Everything that moves
    // asks for its frames; a changed picture alone does not keep the loop running.
    return m_frameHadInput ? 0.0 : requested;
}

void GameApp::resumeAfterRest() {
    // The rest counts as the length of the frame about to run, so every clock that asked for
    // this moment finds it reached.
    m_timer.tick();
}

void GameApp::redraw() {
    m_screenManager.redrawCurrent();
    m_canvas->presentAll();
}

void GameApp::setFocusLost(bool lost) {
    m_screenManager.setFocusLost(lost);
}

void GameApp::saveOnExit() {
    if (m_context) {
        savePlayerProfile(m_settings, m_profile);
    }
}
