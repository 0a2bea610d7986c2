// The built-in player through many Classic games in the real binary: no sanitizer report (CI
// runs this in its sanitizer build, where a report ends the game with a failure status) and no
// growth of resident memory once the first game has been played.
#include "GameRun.h"

#include <csignal>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kData = ZIBBET_DATA_DIR;
constexpr int kGames = ZIBBET_SOAK_GAMES;

// Games played, from the Classic statistics file (its first field); 0 while there is none.
int gamesPlayed(const TempDir& home) {
    const std::string stats = readTextFile(home / "data" / "stats0.bin");
    if (stats.size() != 16) {
        return 0;
    }
    return static_cast<int>(static_cast<uint32_t>(static_cast<uint8_t>(stats[0])) |
                            static_cast<uint32_t>(static_cast<uint8_t>(stats[1])) << 8 |
                            static_cast<uint32_t>(static_cast<uint8_t>(stats[2])) << 16);
}

// The process's resident memory in KiB, or -1.
long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Waits until the player has finished `games` games (or the game ended or the time ran out).
bool waitForGames(const TempDir& home, pid_t pid, int games, std::chrono::steady_clock::time_point deadline) {
    while (gamesPlayed(home) < games) {
        if (std::chrono::steady_clock::now() > deadline || residentKiB(pid) < 0) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TEST(Soak, TheBuiltInPlayerThroughManyClassicGamesKeepsMemoryFlat) {
    TempDir home;
    // Into Classic from the title; the player does the rest, game after game.
    writeText(home / "script.txt", clickAt(25, {78, 297}));
    // A small quarantine keeps freed blocks from counting as growth in a sanitizer build; the
    // other sanitizer settings come from the environment.
    const char* inherited = std::getenv("ASAN_OPTIONS");
    const std::string asan = std::string("ASAN_OPTIONS=") + (inherited != nullptr ? inherited : "") +
                             (inherited != nullptr && *inherited != '\0' ? ":" : "") + "quarantine_size_mb=1";
    const pid_t game =
        startProcess(kGame,
                     {"--headless", "--home", home.path().string(), "--data", kData.string(), "--seed", "7",
                      "--autoplay", "--frames", "100000000", "--script", (home / "script.txt").string()},
                     home / "output.txt", {asan});
    ASSERT_GT(game, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(20);

    const bool first = waitForGames(home, game, 1, deadline);
    const long afterFirst = residentKiB(game);
    const bool all = first && waitForGames(home, game, kGames, deadline);
    const long atEnd = residentKiB(game);
    ::kill(game, SIGTERM);
    const int status = finishProcess(game, std::chrono::minutes(2));

    ASSERT_TRUE(all) << "games played: " << gamesPlayed(home) << "\n" << readTextFile(home / "output.txt");
    EXPECT_EQ(status, 0) << readTextFile(home / "output.txt");
    EXPECT_EQ(readTextFile(home / "output.txt").find("runtime error"), std::string::npos);
    ASSERT_GT(afterFirst, 0);
    EXPECT_LE(atEnd - afterFirst, 1024) << "resident memory after game 1: " << afterFirst
                                        << " KiB, after game " << kGames << ": " << atEnd << " KiB";
    std::printf("soak: %d games, resident %ld KiB after the first, %ld KiB at the end\n", gamesPlayed(home),
                afterFirst, atEnd);
}

} // namespace
