// Statistics counters and their 16-byte file.
#include "engine/store/GameStats.h"

#include "engine/core/FileIo.h"
#include "support/TestSupport.h"

#include <limits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

class GameStatsTest : public ::testing::Test {
protected:
    TempDir dir;
    LogCapture log;
    GameStats stats = GameStats::forMode(dir.path(), 0);
};

TEST_F(GameStatsTest, StreaksFollowWinsAndLossesAndTheBiggestGroupOnlyGrows) {
    for (bool won : {true, true, true, false, true, true}) {
        stats.recordResult(won);
    }
    EXPECT_EQ(stats.gamesPlayed(), 6);
    EXPECT_EQ(stats.gamesWon(), 5);
    EXPECT_EQ(stats.bestStreak(), 3);
    EXPECT_EQ(stats.currentStreak(), 2);
    stats.recordGroup(12);
    stats.recordGroup(5);
    EXPECT_EQ(stats.biggestGroup(), 12) << "only grows";
}

TEST_F(GameStatsTest, SaveWritesSixteenLittleEndianBytesLoadReadsThemBackAndResetZeroesThem) {
    stats.recordResult(true);
    stats.recordResult(false);
    stats.recordGroup(0x01020304);
    ASSERT_TRUE(stats.save());
    EXPECT_THAT(readFileBytes(dir / "stats0.bin").value(),
                ElementsAre(2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 4, 3, 2, 1));
    GameStats loaded = GameStats::forMode(dir.path(), 0);
    ASSERT_TRUE(loaded.load());
    EXPECT_EQ(loaded.gamesPlayed(), 2);
    EXPECT_EQ(loaded.gamesWon(), 1);
    EXPECT_EQ(loaded.bestStreak(), 1);
    EXPECT_EQ(loaded.biggestGroup(), 0x01020304);
    EXPECT_EQ(loaded.currentStreak(), 0);
    stats.reset();
    ASSERT_TRUE(stats.save());
    EXPECT_EQ(readFileBytes(dir / "stats0.bin").value(), std::vector<uint8_t>(16, 0))
        << "reset writes zeroes";
}

TEST_F(GameStatsTest, AMissingFileLoadsZeroesAndAShortOneFailsButKeepsTheBytesItHad) {
    stats.recordResult(true);
    EXPECT_FALSE(stats.load());
    EXPECT_EQ(stats.gamesPlayed(), 0);
    EXPECT_EQ(stats.currentStreak(), 0);
    EXPECT_TRUE(log.lines().empty());

    writeBytes(dir / "stats0.bin", {5, 0, 0, 0, 7, 0});
    EXPECT_FALSE(stats.load());
    EXPECT_EQ(stats.gamesPlayed(), 5);
    // The cut field keeps the bytes that were there, over zeroes.
    EXPECT_EQ(stats.gamesWon(), 7);
    EXPECT_EQ(stats.bestStreak(), 0);
    EXPECT_EQ(stats.biggestGroup(), 0);
    EXPECT_EQ(log.count("holds only 6 of its 16 bytes"), 1);
}

TEST_F(GameStatsTest, UnchangedCountersAreNotWrittenAgain) {
    stats.recordGroup(4);
    ASSERT_TRUE(stats.save());
    // A failure injected into the writer shows whether a write was attempted.
    injectWriteFailureAfter(0);
    stats.recordGroup(3);
    EXPECT_TRUE(stats.save());
    stats.recordGroup(9);
    EXPECT_FALSE(stats.save());
    injectWriteFailureAfter(-1);
    EXPECT_EQ(log.count("Could not save"), 1);
    EXPECT_TRUE(stats.save());
    GameStats loaded = GameStats::forMode(dir.path(), 0);
    loaded.load();
    EXPECT_EQ(loaded.biggestGroup(), 9);
}

TEST_F(GameStatsTest, SaveUnderARegularFileFails) {
    writeText(dir / "plain", "x");
    GameStats blocked = GameStats::forMode(dir / "plain", 1);
    blocked.recordResult(true);
    EXPECT_FALSE(blocked.save());
    EXPECT_FALSE(blocked.load());
}

TEST_F(GameStatsTest, CountersSaturateInsteadOfOverflowing) {
    std::vector<unsigned char> bytes(16, 0xFF);
    for (int field = 0; field < 3; ++field) {
        bytes[field * 4 + 3] = 0x7F;
    }
    writeBytes(dir / "stats0.bin", bytes);
    ASSERT_TRUE(stats.load());
    stats.recordResult(true);
    EXPECT_EQ(stats.gamesPlayed(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(stats.gamesWon(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(stats.biggestGroup(), -1);
}

} // namespace
