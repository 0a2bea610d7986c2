// CommandLine.cpp: the game's command-line options.
#include "CommandLine.h"

#include <charconv>

namespace {

template <typename Integer>
bool parseNumber(const std::string& text, Integer& out) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

} // namespace

std::string CommandLine::usage() {
    return "Usage: zibbet [OPTION]...\n"
           "Pop groups of balloons of one colour, free the prizes, beat your high score.\n"
           "\n"
           "Options:\n"
           "  --windowed            play in a window (remembered)\n"
           "  --fullscreen          play full screen (remembered)\n"
           "  --home DIR            keep settings, scores and the log under DIR\n"
           "                        (DIR/config, DIR/data, DIR/state) instead of the XDG folders\n"
           "  --data DIR            read resource.txt and resources.dat from DIR\n"
           "  --gpu                 draw the window through the graphics processor (OpenGL)\n"
           "                        instead of copying pixels to it; for large screens\n"
           "  --check-resources     load every resource, list the ones that fail, and exit\n"
           "  --help                show this help and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "Test and demonstration options:\n"
           "  --headless            run without a display or sound device, with a fixed\n"
           "                        frame time of 1/60 s\n"
           "  --frames N            end the run after N frames\n"
           "  --seed N              seed the random generator so runs repeat\n"
           "  --shot FRAME:FILE     save the picture shown after frame FRAME as a PNG\n"
           "  --script FILE         feed input events from FILE (one per line:\n"
           "                        FRAME EVENT ARGS; see docs/scripts.md)\n"
           "  --autoplay            let the built-in player play\n";
}

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string>& arguments, std::string& error) {
    CommandLine options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= arguments.size()) {
                error = arg + " needs " + what;
                return nullptr;
            }
            return &arguments[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--windowed") {
            options.windowed = true;
        } else if (arg == "--fullscreen") {
            options.windowed = false;
        } else if (arg == "--gpu") {
            options.gpu = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--check-resources") {
            options.checkResources = true;
        } else if (arg == "--autoplay") {
            options.autoplay = true;
        } else if (arg == "--home" || arg == "--data" || arg == "--script") {
            const std::string* v = value("a path");
            if (v == nullptr) {
                return std::nullopt;
            }
            (arg == "--home" ? options.home : arg == "--data" ? options.data : options.script) = *v;
        } else if (arg == "--frames") {
            const std::string* v = value("a number of frames");
            int64_t frames = 0;
            if (v == nullptr || !parseNumber(*v, frames) || frames < 0) {
                error =
                    error.empty() ? "--frames needs a number of frames, not '" + (v ? *v : "") + "'" : error;
                return std::nullopt;
            }
            options.frames = frames;
        } else if (arg == "--seed") {
            const std::string* v = value("a number");
            uint32_t seed = 0;
            if (v == nullptr || !parseNumber(*v, seed)) {
                error = error.empty() ? "--seed needs a number from 0 to 4294967295" : error;
                return std::nullopt;
            }
            options.seed = seed;
        } else if (arg == "--shot") {
            const std::string* v = value("FRAME:FILE.png");
            const std::size_t colon = v ? v->find(':') : std::string::npos;
            int64_t frame = 0;
            if (v == nullptr || colon == std::string::npos || !parseNumber(v->substr(0, colon), frame) ||
                frame < 0 || colon + 1 == v->size()) {
                error = error.empty() ? "--shot needs FRAME:FILE.png" : error;
                return std::nullopt;
            }
            options.shots.push_back({frame, v->substr(colon + 1)});
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    return options;
}
