// GamePaths.h: where the game keeps its settings, its saved data and its log.
#pragma once

#include <filesystem>

struct GamePaths {
    std::filesystem::path configDir; // the settings store: "Version", "Settings", "Custom"
    std::filesystem::path dataDir;   // high scores, statistics, puzzle records
    std::filesystem::path stateDir;  // "log.txt", "parsed.txt", the single-instance lock

    // The XDG base directories ($XDG_CONFIG_HOME, $XDG_DATA_HOME, $XDG_STATE_HOME, with their
    // documented defaults under $HOME), each with a "zibbet" folder.
    static GamePaths fromEnvironment();
    // DIR/config, DIR/data and DIR/state.
    static GamePaths underHome(const std::filesystem::path& home);

    // Creates the three directories; false (with a trace line) when one cannot be made.
    bool createAll() const;
};
