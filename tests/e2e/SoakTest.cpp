// The built-in player through many Classic games in the real binary: no sanitizer report (CI
// runs this in its sanitizer build, where a report ends the game with a failure status) and no
// growth of resident memory beyond what first-use decoding of pictures adds.
#include "GameRun.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kData = ZIBBET_DATA_DIR;
constexpr int kGames = ZIBBET_SOAK_GAMES;
// What pictures and sounds decoded on first use may add after the first game.
constexpr long kFirstUseBudgetKiB = 8192;

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

// The lowest resident memory seen while each game was played, indexed by the games finished
// before it. The lowest value is the memory the game keeps between moves; it leaves out passing
// peaks such as the screen copies a dialog holds while it shows.
struct GameMemory {
    std::vector<long> lowestKiB;
    bool finished = false; // the player got through the games asked for
};

GameMemory playGames(const TempDir& home, pid_t pid, int games,
                     std::chrono::steady_clock::time_point deadline) {
    GameMemory memory;
    memory.lowestKiB.assign(static_cast<std::size_t>(games), -1);
    for (;;) {
        const int played = gamesPlayed(home);
        if (played >= games) {
            memory.finished = true;
            return memory;
        }
        const long resident = residentKiB(pid);
        if (resident < 0 || std::chrono::steady_clock::now() > deadline) {
            return memory;
        }
        long& lowest = memory.lowestKiB[static_cast<std::size_t>(played)];
        lowest = lowest < 0 ? resident : std::min(lowest, resident);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TEST(Soak, TheBuiltInPlayerThroughManyClassicGamesKeepsMemoryFlat) {
    TempDir home;
    // Into Classic from the title; the player does the rest, game after game.
    writeText(home / "script.txt", clickAt(25, {78, 297}));
    // Without a quarantine a sanitizer build hands freed blocks back at once, so they do not show
    // as growth (a full quarantine alone swings by its own size); the rest of the suite runs with
    // it. The other sanitizer settings come from the environment.
    const char* inherited = std::getenv("ASAN_OPTIONS");
    const std::string asan = std::string("ASAN_OPTIONS=") + (inherited != nullptr ? inherited : "") +
                             (inherited != nullptr && *inherited != '\0' ? ":" : "") +
                             "quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
    const pid_t game =
        startProcess(kGame,
                     {"--headless", "--home", home.path().string(), "--data", kData.string(), "--seed", "7",
                      "--autoplay", "--frames", "100000000", "--script", (home / "script.txt").string()},
                     home / "output.txt", {asan});
    ASSERT_GT(game, 0);
    const GameMemory memory =
        playGames(home, game, kGames, std::chrono::steady_clock::now() + std::chrono::minutes(25));
    ::kill(game, SIGTERM);
    const int status = finishProcess(game, std::chrono::minutes(2));
    const std::string output = readTextFile(home / "output.txt");

    ASSERT_TRUE(memory.finished) << "games played: " << gamesPlayed(home) << "\n" << output;
    EXPECT_EQ(status, 0) << output;
    EXPECT_EQ(output.find("runtime error"), std::string::npos) << output;
    // After the first game: while the second was played. Pictures and sounds are decoded when
    // first used, so the memory still steps up while games first show a prize or a banner (about
    // 4.6 MiB with seed 7, all of it before game 25); that growth is bounded by the resources
    // there are. A leak keeps growing: over the second half the memory must stay within 1 MiB.
    const long afterFirst = memory.lowestKiB[1];
    const long halfway = memory.lowestKiB[static_cast<std::size_t>(kGames / 2)];
    const long atEnd = memory.lowestKiB.back();
    ASSERT_GT(afterFirst, 0);
    ASSERT_GT(halfway, 0);
    ASSERT_GT(atEnd, 0);
    EXPECT_LE(atEnd - halfway, 1024) << "resident memory in game " << kGames / 2 + 1 << ": " << halfway
                                     << " KiB, in game " << kGames << ": " << atEnd << " KiB";
    EXPECT_LE(atEnd - afterFirst, kFirstUseBudgetKiB)
        << "resident memory after game 1: " << afterFirst << " KiB, in game " << kGames << ": " << atEnd
        << " KiB";
    std::printf("soak: %d games, resident %ld KiB after the first, %ld KiB halfway, %ld KiB in the last\n",
                gamesPlayed(home), afterFirst, halfway, atEnd);
}

} // namespace
