// CommandLine.h: the game's command-line options.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct ShotRequest {
    int64_t frame = 0;
    std::filesystem::path file;
};

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<bool> windowed; // --windowed / --fullscreen
    std::optional<std::filesystem::path> home;
    std::optional<std::filesystem::path> data;
    bool headless = false;
    bool gpu = false;
    std::optional<int64_t> frames;
    std::optional<uint32_t> seed;
    std::vector<ShotRequest> shots;
    std::optional<std::filesystem::path> script;
    bool checkResources = false;
    bool autoplay = false;

    // Parses argv; on a bad argument answers nothing and sets `error`.
    static std::optional<CommandLine> parse(const std::vector<std::string>& arguments, std::string& error);
    static std::string usage();
};
