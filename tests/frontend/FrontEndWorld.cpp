// FrontEndWorld.cpp: the game's services, headless, over the generated data, for the front-end tests.
#include "FrontEndWorld.h"

#include "engine/resources/ResourceFile.h"
#include "engine/store/ProfileStorage.h"

namespace {

const std::filesystem::path kGeneratedData = ZIBBET_GENERATED_DATA_DIR;

} // namespace

bool StandInScreen::update() {
    if (requestNext >= 0) {
        manager->requestSwitch(requestNext);
        requestNext = -1;
        return true;
    }
    const bool back = leave;
    leave = false;
    return back;
}

FrontEndWorld::FrontEndWorld() {
    paths.createAll();
    input.reset();
    settings.setWindowed(true);
    os.start();
    canvas = os.createCanvas();
    canvas->setTracking(true);
    resources = std::make_unique<ksResources>(canvas.get(), ResourceFile::Pack, kGeneratedData,
                                              paths.stateDir, &mixer);
    resources->load("resource.txt");
    resources->loadStep(); // as the first loading step does: the music becomes sound 0
    settings.setGameSettings(resources->getText("gameSettings"));
    profile.reset(1, 6);
    context = std::make_unique<GameContext>(GameContext{os,
                                                        settings,
                                                        *canvas,
                                                        timer,
                                                        *resources,
                                                        *resources->getSoundSystem(),
                                                        profile,
                                                        highScores,
                                                        {&stats[0], &stats[1], &stats[2]},
                                                        screens,
                                                        paths});
    context->dialogVeil = 0.5f;
    for (StandInScreen& standIn : standIns) {
        standIn.manager = &screens;
    }
}

void FrontEndWorld::start(int id, GameScreen& screen, int firstId) {
    ScreenManager::ScreenTable table{};
    for (int i = 0; i < kScreenCount; ++i) {
        table[i] = &standIns[i];
    }
    table[id] = &screen;
    screens.start(table, firstId);
}

void FrontEndWorld::frame() {
    input.commit();
    timer.tick();
    screens.update();
    canvas->present();
}

void FrontEndWorld::frames(int count) {
    for (int i = 0; i < count; ++i) {
        frame();
    }
}

void FrontEndWorld::moveTo(int x, int y) {
    input.setPointer(static_cast<float>(x), static_cast<float>(y));
}

void FrontEndWorld::click(int x, int y) {
    moveTo(x, y);
    input.setButton(0, true);
    frame();
    input.setButton(0, false);
    frame();
}

void FrontEndWorld::type(std::string_view text) {
    for (char c : text) {
        input.typeChar(static_cast<unsigned char>(c));
        frame();
    }
}

uint32_t FrontEndWorld::liveFrameAt(int x, int y) {
    input.commit();
    timer.tick();
    screens.update();
    const uint32_t pixel = canvas->buffer(ksCanvas::Buffer::Frame)[y * canvas->width() + x];
    canvas->present();
    return pixel;
}

PlayerProfile FrontEndWorld::storedProfile() {
    PlayerProfile stored;
    stored.reset(0, 0);
    ksRegistry store("Zibbet", 0, 3, paths.configDir);
    EXPECT_EQ(loadPlayerProfile(store, stored), ProfileLoad::Loaded);
    return stored;
}

ksRegistry FrontEndWorld::storedSettings() {
    ksRegistry store("Zibbet", 0, 3, paths.configDir);
    EXPECT_TRUE(store.loadSettings());
    return store;
}
