// PlayWorld.cpp: the game's services over the generated data, headless, for play-screen tests.
#include "PlayWorld.h"

#include "engine/core/GameRandom.h"
#include "engine/resources/ResourceFile.h"

PlayWorldShared::PlayWorldShared()
    : resources(&canvas, ResourceFile::Pack, ZIBBET_BUILD_DATA_DIR, state.path(), &mixer) {
    resources.load("resource.txt");
    resources.getSound("music"); // the module, so pausing has something to pause
    gameSettings = resources.getText("gameSettings");
    canvas.setTracking(true);
}

PlayWorld::PlayWorld()
    : m_highScores(HighScoreTable::forGame(m_home.path()))
    , m_stats{GameStats::forMode(m_home.path(), 0), GameStats::forMode(m_home.path(), 1),
              GameStats::forMode(m_home.path(), 2)} {
    PlayWorldShared& world = *s_world;
    world.settings.setGameSettings(world.gameSettings);
    m_profile.reset(1, 6);
    // Every new game of a test deals from its own seed, so runs repeat.
    fixGameSeeds(4242);
    m_input.reset();
    ksInput::clearAll();
    world.timer.reset(60.0f);
    m_context = std::make_unique<GameContext>(GameContext{world.os,
                                                          world.settings,
                                                          world.canvas,
                                                          world.timer,
                                                          world.resources,
                                                          *world.resources.getSoundSystem(),
                                                          m_profile,
                                                          m_highScores,
                                                          {&m_stats[0], &m_stats[1], &m_stats[2]},
                                                          m_screens,
                                                          GamePaths::underHome(m_home.path())});
    m_context->dialogVeil = 0.5f;
    m_title = std::make_unique<StandInScreen>(world.canvas, m_screens);
}

PlayWorld::~PlayWorld() {
    m_input.reset();
    ksInput::clearAll();
}

void PlayWorld::start(GameScreen& screen, int id) {
    ScreenManager::ScreenTable table{};
    table.fill(m_title.get());
    table[static_cast<std::size_t>(id)] = &screen;
    m_screens.start(table, kTitleScreen);
    m_title->redraw();
    m_title->switchTo = id;
    frame();
}

void PlayWorld::startPlaying(PlayScreen& screen, int id) {
    start(screen, id);
    ASSERT_TRUE(runUntil([&] { return screen.state() == PlayScreen::kPlaying; }));
    // The intro comes with the first play; it is answered like any dialog.
    ASSERT_TRUE(screen.introDialog().isOpen());
    answerWithEnter(screen, screen.introDialog());
}

void PlayWorld::waitUntilInteractive(PlayScreen& screen) {
    ASSERT_TRUE(
        runUntil([&] { return screen.dialogs().top() && screen.dialogs().top()->isInteractive(); }, 600));
}

void PlayWorld::answerWithEnter(PlayScreen& screen, DialogBox& box) {
    waitUntilInteractive(screen);
    typeKey(kEnter);
    ASSERT_TRUE(runUntil([&] { return !box.isOpen(); }, 60));
}

void PlayWorld::frame() {
    m_input.commit();
    m_screens.update();
    canvas().present();
    timer().tick();
}

void PlayWorld::frames(int count) {
    for (int i = 0; i < count; ++i) {
        frame();
    }
}

void PlayWorld::movePointer(int x, int y) {
    m_input.setPointer(static_cast<float>(x), static_cast<float>(y));
}

void PlayWorld::click(int x, int y) {
    movePointer(x, y);
    m_input.setButton(0, true);
    frame();
    m_input.setButton(0, false);
    frame();
}

void PlayWorld::typeKey(int code) {
    m_input.typeChar(code);
    frame();
}
