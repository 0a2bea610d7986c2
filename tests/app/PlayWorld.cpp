// PlayWorld.cpp: the game's services over the generated data, headless, for play-screen tests.
#include "PlayWorld.h"

#include "engine/core/GameRandom.h"
#include "engine/resources/ResourceFile.h"

namespace {

// What every test of a suite shares: loading the pictures is the slow part.
struct SharedWorld {
    TempDir state;
    ksRegistry settings{"Zibbet", 0, 3, state.path() / "config"};
    FakeDesktop os{settings}; // never started: the play screens draw on its memory display
    ksCanvas canvas{os.video};
    SteppedCounter counter{60};
    ksTimer timer{counter};
    FakeMixer mixer;
    ksResources resources{&canvas, ResourceFile::Pack, ZIBBET_BUILD_DATA_DIR, state.path(), &mixer};
    std::string gameSettings;

    SharedWorld() {
        resources.load("resource.txt");
        resources.getSound("music"); // the module, so pausing has something to pause
        gameSettings = resources.getText("gameSettings");
        canvas.setTracking(true);
    }
};

std::unique_ptr<SharedWorld> g_world;

} // namespace

void PlayWorld::SetUpTestSuite() {
    g_world = std::make_unique<SharedWorld>();
}

void PlayWorld::TearDownTestSuite() {
    g_world.reset();
}

uint32_t PlayWorld::shownPixel(int x, int y) {
    return g_world->os.video.shownPixel(x, y);
}

uint32_t PlayWorld::backgroundAt(int x, int y) {
    return g_world->canvas.buffer(ksCanvas::Buffer::Background)[static_cast<std::size_t>(y) * kWidth + x];
}

ksCanvas& PlayWorld::canvas() {
    return g_world->canvas;
}

ksResources& PlayWorld::resources() {
    return g_world->resources;
}

ksTimer& PlayWorld::timer() {
    return g_world->timer;
}

FakeMixer& PlayWorld::mixer() {
    return g_world->mixer;
}

ksRegistry& PlayWorld::settings() {
    return g_world->settings;
}

PlayWorld::PlayWorld()
    : m_highScores(HighScoreTable::forGame(m_home.path()))
    , m_stats{GameStats::forMode(m_home.path(), 0), GameStats::forMode(m_home.path(), 1),
              GameStats::forMode(m_home.path(), 2)} {
    SharedWorld& world = *g_world;
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
