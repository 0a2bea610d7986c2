// The real game against a hostile or failing home: planted links, named pipes, hang-ups, a
// file-size limit, damaged profiles and command-line paths that lead nowhere.
#include "GameRun.h"

#include <csignal>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kData = ZIBBET_DATA_DIR;

std::vector<std::string> withData(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", kData.string()});
    return args;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SavedDataSafety, LinksPlantedAtSavesTheLogAndTheDumpAreNeverFollowed) {
    TempDir home, outside;
    const auto victim = outside / "victim";
    writeText(victim, "keep me");
    for (const char* dir : {"config", "data", "state"}) {
        std::filesystem::create_directories(home / dir);
    }
    for (const char* name :
         {"data/hsinfo.bin.tmp", "data/stats0.bin.tmp", "config/Custom.tmp", "config/Version.tmp",
          "config/Settings.tmp", "state/log.txt", "state/parsed.txt", "state/parsed.txt.tmp"}) {
        std::filesystem::create_symlink(victim, home / name);
    }
    const ProcessResult run = runGame(home, withData({"--frames", "20"}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readTextFile(victim), "keep me");
    for (const char* name : {"state/log.txt", "state/parsed.txt", "config/Custom"}) {
        EXPECT_FALSE(std::filesystem::is_symlink(home / name)) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(home / name)) << name;
    }
    for (const char* name : {"data/hsinfo.bin.tmp", "config/Custom.tmp", "state/parsed.txt.tmp"}) {
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(home / name))) << name;
    }
}

TEST(SavedDataSafety, NamedPipesAtTheStoredValuesCountAsMissing) {
    TempDir home;
    std::filesystem::create_directories(home / "config");
    for (const char* name : {"config/Version", "config/Custom"}) {
        ASSERT_EQ(::mkfifo((home / name).c_str(), 0644), 0);
    }
    const ProcessResult run = runGame(home, withData({"--frames", "20"}));
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = readTextFile(home / "state" / "log.txt");
    EXPECT_TRUE(contains(log, "Version is not a regular file")) << log;
    EXPECT_EQ(std::filesystem::file_size(home / "config" / "Custom"), 496u) << "the profile was saved afresh";
}

// A closed terminal ends the game through the same exit save as a termination request: the
// profile removed after start-up is written again on the way out.
TEST(SavedDataSafety, AHangUpEndsTheGameWithTheExitSave) {
    TempDir home;
    const pid_t game = startProcess(
        kGame, withData({"--headless", "--home", home.path().string(), "--frames", "100000000"}));
    ASSERT_GT(game, 0);
    const auto custom = home / "config" / "Custom";
    for (int wait = 0; wait < 600 && !std::filesystem::exists(custom); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ASSERT_TRUE(std::filesystem::remove(custom));
    ASSERT_EQ(::kill(game, SIGHUP), 0);
    EXPECT_EQ(finishProcess(game, std::chrono::seconds(60)), 0);
    EXPECT_EQ(std::filesystem::file_size(custom), 496u);
    EXPECT_TRUE(contains(readTextFile(home / "state" / "log.txt"), "End of log"));
}

// Under a file-size limit the long dump cannot be written: the write fails and is logged, and the
// game plays on instead of being killed by the limit's signal.
TEST(SavedDataSafety, AFileSizeLimitFailsWritesWithoutEndingTheGame) {
    TempDir home;
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const ProcessResult run = runGame(home, withData({"--frames", "20"}));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = readTextFile(home / "state" / "log.txt");
    EXPECT_TRUE(contains(log + run.output, "Could not write")) << log;
    EXPECT_EQ(std::filesystem::file_size(home / "config" / "Custom"), 496u);
}

std::vector<unsigned char> sequence(std::size_t n, unsigned char seed) {
    std::vector<unsigned char> bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<unsigned char>(seed + i);
    }
    return bytes;
}

// A profile of another build (or one whose version field took a bit flip) still clears the scores
// and statistics, but only after copying them aside.
TEST(SavedDataSafety, AProfileOfAnotherBuildKeepsPreviousCopiesOfWhatItClears) {
    TempDir home;
    std::filesystem::create_directories(home / "config");
    std::filesystem::create_directories(home / "data");
    std::vector<unsigned char> custom(496, 0);
    custom[0] = 0x3d; // 3900 (0x0F3C) with its lowest bit flipped
    custom[1] = 0x0f;
    writeBytes(home / "config" / "Version", {0, 3});
    writeBytes(home / "config" / "Custom", custom);
    std::vector<unsigned char> scores(1440, 0);
    scores[0] = 1;
    scores[4] = 'A';
    scores[4 + 7 * 64] = 77;
    const auto stats = sequence(16, 1);
    writeBytes(home / "data" / "hsinfo.bin", scores);
    writeBytes(home / "data" / "stats0.bin", stats);

    const ProcessResult run = runGame(home, withData({"--frames", "20"}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readTextFile(home / "data" / "hsinfo.bin.previous"), std::string(scores.begin(), scores.end()));
    EXPECT_EQ(readTextFile(home / "data" / "stats0.bin.previous"), std::string(stats.begin(), stats.end()));
    EXPECT_EQ(readTextFile(home / "data" / "hsinfo.bin"), std::string(1440, '\0')) << "the intended reset";
    EXPECT_EQ(readTextFile(home / "data" / "stats0.bin"), std::string(16, '\0'));
}

TEST(CommandLinePaths, AMissingOrEmptyDataFolderAndAnUnwritableShotAreClearErrors) {
    TempDir home, empty;
    for (const bool check : {false, true}) {
        std::vector<std::string> args = {"--frames", "5", "--data"};
        if (check) {
            args = {"--check-resources", "--data"};
        }
        auto missing = args;
        missing.push_back((empty / "nowhere").string());
        const ProcessResult none = runGame(home, missing);
        EXPECT_EQ(none.exitCode, 1) << none.output;
        EXPECT_TRUE(contains(none.output, "does not exist")) << none.output;

        auto bare = args;
        bare.push_back(empty.path().string());
        const ProcessResult nothing = runGame(home, bare);
        EXPECT_EQ(nothing.exitCode, 1) << nothing.output;
        EXPECT_TRUE(contains(nothing.output, "holds no resource.txt")) << nothing.output;
    }
    const ProcessResult shot = runGame(
        home, withData({"--frames", "5", "--shot", "2:" + (empty / "no" / "such" / "a.png").string()}));
    EXPECT_EQ(shot.exitCode, 1) << shot.output;
    EXPECT_TRUE(contains(shot.output, "cannot write the screenshot")) << shot.output;
}

// A script the check cannot trust fails it: one that declares nothing, one cut short by a NUL
// byte, and one that lacks a picture the game asks for by name.
TEST(CheckResources, FailsWhenTheScriptDeclaresNothingStopsEarlyOrLacksARequiredName) {
    TempDir home;
    const std::string script = readTextFile(kData / "resource.txt");
    ASSERT_FALSE(script.empty()) << "the build writes the loose script beside the pack";
    struct Case {
        std::string name, text, expected;
    };
    const std::size_t secondLine = script.find('\n') + 1;
    std::string withNul = script;
    withNul.insert(secondLine, 1, '\0');
    std::string withoutTitle;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        if (!(line.starts_with("IMAGE") && contains(line, " title "))) {
            withoutTitle += line + "\n";
        }
    }
    const Case cases[] = {{"empty", "", "declares no resources"},
                          {"garbage", "\x01\x02 nothing at all here \x7f", "declares no resources"},
                          {"nul", withNul, "a NUL byte"},
                          {"notitle", withoutTitle, "missing: IMAGE title"}};
    for (const Case& c : cases) {
        TempDir data;
        writeText(data / "resource.txt", c.text);
        const ProcessResult run = runProcess(
            kGame, {"--check-resources", "--data", data.path().string(), "--home", home.path().string()});
        EXPECT_EQ(run.exitCode, 1) << c.name << "\n" << run.output.substr(0, 2000);
        EXPECT_TRUE(contains(run.output, c.expected)) << c.name << "\n" << run.output.substr(0, 2000);
    }
}

} // namespace
