// GameRun.h: the real game binary run headless, and the input-script lines the runs are made of.
#pragma once

#include "support/Process.h"
#include "support/TestSupport.h"

#include <string>
#include <vector>

inline const std::filesystem::path kGame = ZIBBET_BINARY;

// Runs the game headless with its saved data under `home`, plus the `extra` arguments.
inline ProcessResult runGame(const TempDir& home, const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"--headless", "--home", home.path().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return runProcess(kGame, args, std::chrono::seconds(120));
}

struct ScreenPoint {
    int x, y;
};

// A move, a press and a release on three successive frames.
inline std::string clickAt(int frame, ScreenPoint at) {
    return std::to_string(frame) + " move " + std::to_string(at.x) + " " + std::to_string(at.y) + "\n" +
           std::to_string(frame + 1) + " down left\n" + std::to_string(frame + 2) + " up left\n";
}

inline std::string shotAt(int frame, const std::filesystem::path& file) {
    return std::to_string(frame) + " shot " + file.string() + "\n";
}
