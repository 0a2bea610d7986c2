// High-score lists: ordering and ties, qualifying, and the "hsinfo.bin" file in every state.
#include "engine/store/HighScoreTable.h"

#include "engine/core/FileIo.h"
#include "support/TestSupport.h"

#include <cstring>
#include <optional>
#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

constexpr std::size_t kListBytes = 4 + 7 * 64 + 7 * 4;

using Entry = std::pair<std::string, int32_t>;

std::vector<Entry> entriesOf(const HighScoreList& list) {
    std::vector<Entry> entries;
    for (int i = 0; i < list.count(); ++i) {
        entries.emplace_back(list.nameAt(i), list.scoreAt(i));
    }
    return entries;
}

void putInt32(std::vector<unsigned char>& bytes, std::size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<unsigned char>(static_cast<uint32_t>(value) >> (8 * i));
    }
}

TEST(HighScoreList, EqualScoresKeepTheOlderEntryAhead) {
    HighScoreList list(7);
    for (auto [name, score] : {std::pair{"a", 100}, {"b", 80}, {"c", 80}, {"d", 60}}) {
        ASSERT_TRUE(list.add(name, score));
    }
    ASSERT_TRUE(list.add("e", 80));
    EXPECT_THAT(entriesOf(list),
                ElementsAre(Entry{"a", 100}, Entry{"b", 80}, Entry{"c", 80}, Entry{"e", 80}, Entry{"d", 60}));
}

TEST(HighScoreList, AnyScoreQualifiesUntilFullThenTheLastEntryDropsAndATieWithItIsRefused) {
    HighScoreList list(3);
    EXPECT_TRUE(list.qualifies(-5));
    list.add("a", 30);
    list.add("b", 20);
    EXPECT_TRUE(list.qualifies(-5));
    list.add("c", 10);
    EXPECT_FALSE(list.qualifies(10));
    EXPECT_FALSE(list.add("late", 10));
    EXPECT_THAT(entriesOf(list), ElementsAre(Entry{"a", 30}, Entry{"b", 20}, Entry{"c", 10}));
    EXPECT_TRUE(list.qualifies(11));
    EXPECT_TRUE(list.add("d", 25));
    EXPECT_THAT(entriesOf(list), ElementsAre(Entry{"a", 30}, Entry{"d", 25}, Entry{"b", 20}));
}

TEST(HighScoreList, NamesAndPositionsAtTheEdges) {
    HighScoreList list(7);
    EXPECT_FALSE(list.add(nullptr, 50));
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.add("", 50));
    EXPECT_STREQ(list.nameAt(0), "");
    list.add(std::string(200, 'N').c_str(), 5);
    EXPECT_EQ(std::string(list.nameAt(1)), std::string(63, 'N'));
    EXPECT_EQ(list.nameAt(-1), nullptr);
    EXPECT_EQ(list.nameAt(7), nullptr);
    EXPECT_EQ(list.scoreAt(7), -1);
    EXPECT_EQ(list.scoreAt(-1), -1);
    // Inside the capacity but past the count: an empty entry.
    EXPECT_STREQ(list.nameAt(6), "");
    EXPECT_EQ(list.scoreAt(6), 0);
}

class HighScoreFileTest : public ::testing::Test {
protected:
    TempDir dir;
    LogCapture log;
    HighScoreTable table = HighScoreTable::forGame(dir.path());
    std::filesystem::path file = dir / "hsinfo.bin";
};

TEST_F(HighScoreFileTest, SaveWritesTheExactLayout) {
    table.add(0, "Ann", 1234);
    table.add(2, "Bob", -7);
    ASSERT_TRUE(table.save());
    const auto bytes = readFileBytes(file).value();
    ASSERT_EQ(bytes.size(), 1440u);
    EXPECT_THAT(std::vector(bytes.begin(), bytes.begin() + 7), ElementsAre(1, 0, 0, 0, 'A', 'n', 'n'));
    EXPECT_EQ(bytes[7], 0);
    const std::size_t scores0 = 4 + 7 * 64;
    EXPECT_THAT(std::vector(bytes.begin() + scores0, bytes.begin() + scores0 + 4),
                ElementsAre(0xD2, 0x04, 0, 0));
    const std::size_t list2 = 2 * kListBytes;
    EXPECT_EQ(bytes[list2], 1);
    EXPECT_EQ(bytes[list2 + 4], 'B');
    EXPECT_THAT(std::vector(bytes.begin() + list2 + scores0, bytes.begin() + list2 + scores0 + 4),
                ElementsAre(0xF9, 0xFF, 0xFF, 0xFF));
    EXPECT_FALSE(std::filesystem::exists(dir / "hsinfo.bin.tmp"));
}

TEST_F(HighScoreFileTest, RoundTripGivesIdenticalBytes) {
    table.add(0, "Ann", 300);
    table.add(0, "", 200);
    table.add(1, "Cy", 5);
    ASSERT_TRUE(table.save());
    HighScoreTable loaded = HighScoreTable::forGame(dir.path());
    loaded.load();
    EXPECT_EQ(loaded.count(0), 2);
    EXPECT_STREQ(loaded.nameAt(0, 0), "Ann");
    EXPECT_EQ(loaded.scoreAt(0, 1), 200);
    EXPECT_EQ(loaded.toBytes(), readFileBytes(file).value());
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(HighScoreFileTest, OversizedCountLoadsAsEmptyButTheFileIsReadThrough) {
    HighScoreTable source = HighScoreTable::forGame(dir.path());
    source.add(2, "Zed", 77);
    const auto saved = source.toBytes();
    std::vector<unsigned char> bytes(saved.begin(), saved.end());
    putInt32(bytes, 0, 8);
    writeBytes(file, bytes);
    table.load();
    EXPECT_EQ(table.count(0), 0);
    EXPECT_EQ(table.count(2), 1);
    EXPECT_STREQ(table.nameAt(2, 0), "Zed");
    EXPECT_THAT(log.lines(), ElementsAre("Attempted to load a high score list with 8 elements into an "
                                         "HighScoreList object with 7 elements"));
}

TEST_F(HighScoreFileTest, UnterminatedNamesAreCutTo63Characters) {
    std::vector<unsigned char> bytes(1440, 0);
    putInt32(bytes, 0, 1);
    std::fill(bytes.begin() + 4, bytes.begin() + 4 + 64, 'A');
    writeBytes(file, bytes);
    table.load();
    EXPECT_EQ(std::string(table.nameAt(0, 0)), std::string(63, 'A'));
    ASSERT_TRUE(table.save());
    EXPECT_EQ(readFileBytes(file).value()[4 + 63], 0);
}

TEST_F(HighScoreFileTest, ShortFileKeepsWhatWasReadAndLogsWhereItEnded) {
    HighScoreTable source = HighScoreTable::forGame(dir.path());
    source.add(0, "Ann", 9);
    const auto full = source.toBytes();
    // Cut inside the third name buffer of the first list.
    writeBytes(file, std::vector<unsigned char>(full.begin(), full.begin() + 4 + 2 * 64 + 10));
    table.load();
    EXPECT_EQ(table.count(0), 1);
    EXPECT_STREQ(table.nameAt(0, 0), "Ann");
    EXPECT_EQ(table.scoreAt(0, 0), 0);
    // List 0: four names still to read after the cut, then the scores; lists 1 and 2: everything.
    EXPECT_EQ(log.count("Premature end of file(1)."), 2);
    EXPECT_EQ(log.count("Premature end of file(2)."), 4 + 7 + 7);
    EXPECT_EQ(log.count("Premature end of file(3)."), 3);
    EXPECT_EQ(table.count(1), 0);
    EXPECT_EQ(table.count(2), 0);
}

TEST_F(HighScoreFileTest, MissingEmptyNegativeOrOverlongFilesGiveWhatTheyHold) {
    std::vector<unsigned char> negative(1440, 0), longer(5000, 0xEE);
    putInt32(negative, 0, -1);
    std::fill(longer.begin(), longer.begin() + 1440, 0);
    putInt32(longer, 0, 1);
    const struct {
        const char* what;
        std::optional<std::vector<unsigned char>> bytes;
        int firstCount;
        const char* logged;
        int times;
    } files[] = {{"missing", std::nullopt, 0, "", 0},
                 {"empty", std::vector<unsigned char>{}, 0, "Premature end of file(3).", 3},
                 {"negative count", negative, 0, "with -1 elements", 1},
                 {"longer", longer, 1, "", 0}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        LogCapture lines;
        std::filesystem::remove(file);
        if (f.bytes) {
            writeBytes(file, *f.bytes);
        }
        table.add(0, "old", 5);
        table.add(1, "old", 5);
        table.load();
        EXPECT_EQ(table.count(0), f.firstCount);
        EXPECT_EQ(table.count(1) + table.count(2), 0);
        EXPECT_EQ(lines.count(f.logged), f.times);
        EXPECT_TRUE(f.times > 0 || lines.lines().empty());
    }
}

TEST_F(HighScoreFileTest, FailedSaveKeepsTheOldFile) {
    table.add(0, "Ann", 1);
    ASSERT_TRUE(table.save());
    const auto before = readFileBytes(file).value();
    table.add(0, "Bob", 2);
    injectWriteFailureAfter(100);
    EXPECT_FALSE(table.save());
    injectWriteFailureAfter(-1);
    EXPECT_EQ(readFileBytes(file).value(), before);
    EXPECT_EQ(log.count("Could not save"), 1);
}

TEST_F(HighScoreFileTest, SaveUnderARegularFileFailsAndAnEmptyFileNameTurnsTheFileOff) {
    writeText(dir / "plain", "x");
    HighScoreTable blocked = HighScoreTable::forGame(dir / "plain");
    EXPECT_FALSE(blocked.save());
    blocked.load();
    EXPECT_EQ(blocked.count(0), 0);

    HighScoreTable memoryOnly(3, 7, {});
    memoryOnly.add(0, "Ann", 3);
    EXPECT_FALSE(memoryOnly.save());
    memoryOnly.load();
    EXPECT_EQ(memoryOnly.count(0), 1);
}

TEST_F(HighScoreFileTest, ClearListEmptiesOneListAndIndexesOutsideTheTableGiveNeutralAnswers) {
    table.add(0, "a", 1);
    table.add(2, "b", 2);
    table.clearList(0);
    EXPECT_EQ(table.count(0), 0);
    EXPECT_EQ(table.scoreAt(0, 0), 0);
    EXPECT_EQ(table.count(2), 1);

    EXPECT_FALSE(table.add(3, "x", 1));
    EXPECT_FALSE(table.qualifies(-1, 1));
    EXPECT_EQ(table.count(9), 0);
    EXPECT_EQ(table.nameAt(3, 0), nullptr);
    EXPECT_EQ(table.scoreAt(3, 0), -1);
    table.clearList(3);
    EXPECT_EQ(log.count("does not exist"), 6);
}

TEST(HighScoreBytes, RandomBytesNeverBreakTheInvariants) {
    LogCapture log;
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> bytes(random() % 1600);
        for (uint8_t& byte : bytes) {
            byte = static_cast<uint8_t>(random());
        }
        // Counts are small often enough to reach the name and score paths.
        if (bytes.size() >= 4 && random() % 2 == 0) {
            bytes[0] = static_cast<uint8_t>(random() % 9);
            bytes[1] = bytes[2] = bytes[3] = 0;
        }
        HighScoreTable table(3, 7, {});
        table.loadFromBytes(bytes);
        for (int list = 0; list < 3; ++list) {
            ASSERT_GE(table.count(list), 0);
            ASSERT_LE(table.count(list), 7);
            for (int i = 0; i < 7; ++i) {
                ASSERT_LT(std::strlen(table.nameAt(list, i)), 64u);
            }
        }
        ASSERT_EQ(table.toBytes().size(), 1440u);
    }
}

} // namespace
