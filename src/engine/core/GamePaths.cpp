// GamePaths.cpp: where the game keeps its settings, its saved data and its log.
#include "GamePaths.h"

#include "ksLog.h"

#include <cstdlib>
#include <system_error>

namespace {

std::filesystem::path xdgDirectory(const char* variable, const char* fallbackUnderHome) {
    // The XDG rules ignore relative values.
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') {
        return std::filesystem::path(value) / "zibbet";
    }
    const char* home = std::getenv("HOME");
    std::filesystem::path base = (home != nullptr && home[0] != '\0') ? home : "/tmp";
    return base / fallbackUnderHome / "zibbet";
}

} // namespace

GamePaths GamePaths::fromEnvironment() {
    return GamePaths{xdgDirectory("XDG_CONFIG_HOME", ".config"), xdgDirectory("XDG_DATA_HOME", ".local/share"),
                     xdgDirectory("XDG_STATE_HOME", ".local/state")};
}

GamePaths GamePaths::underHome(const std::filesystem::path& home) {
    return GamePaths{home / "config", home / "data", home / "state"};
}

bool GamePaths::createAll() const {
    bool ok = true;
    for (const auto* dir : {&configDir, &dataDir, &stateDir}) {
        std::error_code error;
        std::filesystem::create_directories(*dir, error);
        if (error || !std::filesystem::is_directory(*dir, error)) {
            trace("GamePaths::createAll - Could not create %s", dir->c_str());
            ok = false;
        }
    }
    return ok;
}
