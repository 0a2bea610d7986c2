// main.cpp: start-up, the single-instance hand-off, the main loop and shutdown.
#include "Autoplayer.h"
#include "CommandLine.h"
#include "GameApp.h"
#include "Harness.h"
#include "ResourceCheck.h"
#include "engine/core/FileIo.h"
#include "engine/core/GamePaths.h"
#include "engine/core/GameRandom.h"
#include "engine/core/ProcessSignals.h"
#include "engine/core/ksLog.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/PngFile.h"
#include "frontend/FrontEndScreens.h"
#include "platform/MixerSoundBackend.h"
#include "platform/SdlKestrinOS.h"
#include "platform/SingleInstance.h"
#include "play/action/ActionScreen.h"
#include "play/classic/ClassicScreen.h"
#include "play/puzzle/PuzzleScreen.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#ifndef ZIBBET_VERSION
#define ZIBBET_VERSION "0"
#endif
#ifndef ZIBBET_INSTALL_DATADIR
#define ZIBBET_INSTALL_DATADIR "/usr/share/zibbet"
#endif

namespace {

std::filesystem::path executableDirectory() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path(".") : self.parent_path();
}

bool holdsGameData(const std::filesystem::path& dir) {
    std::error_code error;
    return std::filesystem::exists(dir / "resource.txt", error) ||
           std::filesystem::exists(dir / "resources.dat", error);
}

// The build tree's data next to the binary, else the installed data relative to the binary
// (so any prefix works), else the configured install location.
std::filesystem::path findDataDirectory() {
    const auto exe = executableDirectory();
    for (const auto& candidate :
         {exe / "data", exe / ".." / "share" / "zibbet", std::filesystem::path(ZIBBET_INSTALL_DATADIR)}) {
        if (holdsGameData(candidate)) {
            return candidate.lexically_normal();
        }
    }
    return exe / "data";
}

// Problems with the command line's folders and files that would otherwise only show as an
// empty game or a missing picture at the end of a run. Empty when all is well.
std::string checkPathsGiven(const CommandLine& options) {
    std::error_code error;
    if (options.data) {
        if (!std::filesystem::is_directory(*options.data, error)) {
            return "the data folder " + options.data->string() + " does not exist";
        }
        if (!holdsGameData(*options.data)) {
            return "the data folder " + options.data->string() + " holds no resource.txt or resources.dat";
        }
    }
    for (const ShotRequest& shot : options.shots) {
        const std::filesystem::path folder = shot.file.has_parent_path() ? shot.file.parent_path() : ".";
        if (shot.file.filename().empty() || !std::filesystem::is_directory(folder, error)) {
            return "cannot write the screenshot " + shot.file.string() + ": " + folder.string() +
                   " is not a folder";
        }
    }
    return {};
}

// First run: a 640 x 480 window centred on the desktop; a desktop that is too small ends the game.
bool prepareFirstRunPlacement(ksRegistry& store, SdlKestrinOS& os) {
    store.resetSettings();
    store.setWindowSize(640, 480);
    const KestrinOS::DesktopInfo desktop = os.queryDesktop();
    if (desktop.width < 640 || desktop.height < 480) {
        char text[128];
        std::snprintf(text, sizeof text, "%s requires a desktop resolution of at least %i x %i", "Zibbet",
                      640, 480);
        os.showMessage(MessageIcon::Error, "Please change desktop resolution.", text);
        return false;
    }
    store.setWindowPosition(desktop.width / 2 - 320, desktop.height / 2 - 240);
    store.saveSettings();
    return true;
}

// The front end's screens and the three play screens.
std::unique_ptr<GameScreen> makeScreen(int id, GameContext& context) {
    if (auto screen = makeFrontEndScreen(id, context)) {
        return screen;
    }
    if (id == kClassicScreen) {
        return std::make_unique<ClassicScreen>(context);
    }
    if (id == kActionScreen) {
        return std::make_unique<ActionScreen>(context);
    }
    if (id == kPuzzleScreen) {
        return std::make_unique<PuzzleScreen>(context);
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "zibbet: %s\nTry 'zibbet --help' for more information.\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(CommandLine::usage().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("zibbet %s (build %u)\n", ZIBBET_VERSION, PlayerProfile::kBuildNumber);
        return 0;
    }

    std::optional<InputScript> script;
    if (options->script) {
        script = InputScript::load(*options->script, error);
        if (!script) {
            std::fprintf(stderr, "zibbet: %s\n", error.c_str());
            return 2;
        }
    }

    if (const std::string problem = checkPathsGiven(*options); !problem.empty()) {
        std::fprintf(stderr, "zibbet: %s\n", problem.c_str());
        return 1;
    }
    installProcessSignalHandlers();

    const GamePaths paths =
        options->home ? GamePaths::underHome(*options->home) : GamePaths::fromEnvironment();
    if (!paths.createAll()) {
        std::fprintf(stderr, "zibbet: cannot create the folders under %s\n",
                     paths.stateDir.parent_path().c_str());
    }
    const std::filesystem::path dataDir = options->data.value_or(findDataDirectory());

    if (options->checkResources) {
        // No window and no sound device needed; problems are traced to standard error.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ksLog::attach(stderr);
        MixerSoundBackend mixer;
        const int failed = checkResources(dataDir, paths.stateDir, &mixer, stdout, requiredResources());
        ksLog::close();
        return failed == 0 ? 0 : 1;
    }

    // Before the log is opened, so a second start never truncates the first one's log.
    SingleInstance instance(paths.stateDir);
    if (!instance.isFirst()) {
        instance.notifyFirst();
        return 0;
    }

    if (!ksLog::open(paths.stateDir / "log.txt")) {
        std::fputs("Error: Failed to open LOG file\n", stderr);
    }
    // Only the first instance gets here, so no other save can be in progress.
    for (const auto& dir : {paths.configDir, paths.dataDir, paths.stateDir}) {
        removeStaleTemporaries(dir);
    }
    if (options->headless) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    setenv("SDL_VIDEO_X11_WMCLASS", "zibbet", 0);

    int status = 0;
    {
        ksRegistry& store = ksRegistry::create("Zibbet", 0, 3, paths.configDir);
        SdlKestrinOS os(store, SdlOptions{options->headless, options->gpu && !options->headless});
        if (!os.isUsable()) {
            os.showMessage(MessageIcon::Error, "Zibbet", "Graphics Init failed. The program will now exit.");
            ksLog::close();
            return 1;
        }
        if (!store.loadSettings() && !prepareFirstRunPlacement(store, os)) {
            ksLog::close();
            return 1;
        }
        if (options->windowed) {
            store.setWindowed(*options->windowed);
        }
        if (options->headless && !options->windowed) {
            // A test run plays in a window unless it asks for full screen (and so for what the
            // first start in full screen shows).
            store.setWindowed(true);
        }
        if (!os.start()) {
            ksLog::close();
            return 1;
        }
        instance.listen([] { SdlKestrinOS::requestRaise(); });
        if (const auto icon = readPng(dataDir / "icons" / "zibbet-64.png")) {
            os.setWindowIcon(icon->pixels.data(), icon->width, icon->height);
        }

        if (options->seed) {
            fixGameSeeds(*options->seed);
        }
        seedGameRandom(newGameSeed());

        SteadyCounter steady;
        SteppedCounter stepped(60);
        ksCounter& counter = options->headless ? static_cast<ksCounter&>(stepped) : steady;

        MixerSoundBackend mixer;
        GameApp app(os, store, paths, dataDir, counter, mixer);
        app.init(makeScreen);
        app.context().autoplay = options->autoplay;
        Harness harness(os, std::move(script), options->shots, options->frames, options->headless);
        Autoplayer autoplayer(app.context().screens);
        if (options->autoplay) {
            harness.addInputSource(autoplayer);
        }
        os.setLoopObserver(&harness);
        os.run(app);
        os.setLoopObserver(nullptr);
        app.saveOnExit();
        status = harness.allShotsWritten() ? 0 : 1;
        if (status != 0) {
            std::fputs("zibbet: a screenshot could not be written (see log.txt)\n", stderr);
        }
        if (options->headless && app.brokenRests() > 0) {
            // On a desktop each of these would have frozen the picture until the next input.
            std::fprintf(stderr, "zibbet: %d frames changed the picture during a rest (see the log)\n",
                         app.brokenRests());
            status = 1;
        }
    }
    ksLog::close();
    return status;
}
