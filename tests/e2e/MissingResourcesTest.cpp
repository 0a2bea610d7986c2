// A resource script that lacks some fonts, pictures and sounds still gives a playable game.
#include "GameRun.h"
#include "engine/resources/PackWriter.h"
#include "engine/resources/ResourcePack.h"

#include <sstream>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kData = ZIBBET_DATA_DIR;

// The script without the entries named, one declaration per line as the generator writes it.
std::string withoutEntries(const std::string& script, const std::vector<std::string>& names) {
    std::istringstream lines(script);
    std::string line, kept;
    while (std::getline(lines, line)) {
        bool drop = false;
        for (const std::string& name : names) {
            drop = drop || line.find(" " + name + " ") != std::string::npos;
        }
        if (!drop) {
            kept += line + "\n";
        }
    }
    return kept;
}

TEST(MissingResources, TheGameStillReachesTheTitleAndPlaysClassic) {
    TempDir data, home;
    ResourcePack pack(kData / "resources.dat");
    std::string problem;
    const auto directory = pack.readDirectory(problem);
    ASSERT_TRUE(directory) << problem;
    std::vector<PackEntry> entries;
    for (const PackDirectoryEntry& entry : *directory) {
        std::vector<uint8_t> bytes = *pack.find(entry.name);
        if (entry.name == "resource.txt") {
            const std::string script = withoutEntries(std::string(bytes.begin(), bytes.end()),
                                                      {"font_dlg_head", "font_score", "title", "pop23"});
            ASSERT_LT(script.size(), bytes.size());
            bytes.assign(script.begin(), script.end());
        }
        entries.push_back({entry.name, std::move(bytes)});
    }
    ASSERT_TRUE(writeResourcePack(data / "resources.dat", std::move(entries), problem)) << problem;

    // Into Classic, past the intro, then a sweep of clicks along a row pops a group.
    std::string script = clickAt(25, {78, 297}) + "100 key Enter\n";
    for (int i = 0; i < 14; ++i) {
        script += clickAt(130 + 4 * i, {188 + 28 * i, 70});
    }
    writeText(home / "script.txt", script);
    const ProcessResult run = runGame(home, {"--data", data.path().string(), "--seed", "7", "--frames", "400",
                                             "--script", (home / "script.txt").string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = readTextFile(home / "state" / "log.txt");
    EXPECT_NE(log.find("title has not been loaded"), std::string::npos) << "the missing picture was reported";
    const std::string stats = readTextFile(home / "data" / "stats0.bin");
    ASSERT_EQ(stats.size(), 16u) << "a group was popped, so the statistics were saved";
    EXPECT_GE(static_cast<uint8_t>(stats[12]), 2) << "the biggest group";
}

} // namespace
