// MoveRecordTest.cpp: stored click sequences and the "puzzle.rec" file that holds them.
#include "game/puzzle/MoveRecord.h"

#include "engine/core/FileIo.h"
#include "game/puzzle/MoveRecordFile.h"
#include "support/TestSupport.h"

#include <array>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

std::array<uint8_t, MoveRecord::kBytes> blankBlock() {
    std::array<uint8_t, MoveRecord::kBytes> bytes;
    bytes.fill(255);
    return bytes;
}

MoveRecord recordOf(int moves) {
    auto bytes = blankBlock();
    for (int i = 0; i < moves; ++i) {
        bytes[static_cast<std::size_t>(i) * 2] = static_cast<uint8_t>(i % 10);
        bytes[static_cast<std::size_t>(i) * 2 + 1] = static_cast<uint8_t>(i % 15);
    }
    MoveRecord record;
    record.loadFrom(bytes);
    return record;
}

TEST(MoveRecord, LengthCountsEntriesUpToTheFirstWithA255) {
    EXPECT_EQ(recordOf(0).length(), 0);
    EXPECT_EQ(recordOf(MoveRecord::kCapacity).length(), MoveRecord::kCapacity); // no terminator
    auto bytes = blankBlock();
    bytes[0] = 3;
    bytes[1] = 4;
    bytes[2] = 5; // second entry: row 5 but column 255 ends the sequence
    bytes[4] = 1;
    bytes[5] = 1;
    MoveRecord record;
    record.loadFrom(bytes);
    EXPECT_EQ(record.length(), 1);
}

TEST(MoveRecord, AppendingAfterStepsBackCutsOffTheRest) {
    MoveRecord record = recordOf(10);
    for (int i = 0; i < 3; ++i) {
        record.stepForward();
    }
    record.append(9, 14);
    EXPECT_EQ(record.length(), 4);
    EXPECT_EQ(record.cursor(), 4);
    EXPECT_EQ(record.at(3), (PuzzleMove{9, 14}));
    std::array<uint8_t, MoveRecord::kBytes> bytes;
    record.copyTo(bytes);
    for (std::size_t i = 8; i < bytes.size(); ++i) {
        ASSERT_EQ(bytes[i], 255) << "byte " << i;
    }
}

TEST(MoveRecord, CursorStaysWithinItsBoundsAndAppendRecoversFromMinusOne) {
    MoveRecord record = recordOf(2);
    record.stepForward();
    record.stepForward();
    record.stepForward();
    EXPECT_EQ(record.cursor(), 2);
    EXPECT_FALSE(record.current().has_value()); // at the end
    record.rewind();
    record.stepBack();
    record.stepBack();
    EXPECT_EQ(record.cursor(), -1);
    EXPECT_FALSE(record.current().has_value()); // never reads before the array
    record.append(1, 2);
    EXPECT_EQ(record.length(), 1);
    EXPECT_EQ(record.at(0), (PuzzleMove{1, 2}));

    MoveRecord full = recordOf(MoveRecord::kCapacity);
    for (int i = 0; i < MoveRecord::kCapacity; ++i) {
        full.stepForward();
    }
    full.append(0, 0);
    EXPECT_EQ(full.length(), MoveRecord::kCapacity);
}

TEST(MoveRecord, ReplayRefusesMovesOffTheBoard) {
    auto bytes = blankBlock();
    bytes[0] = 12;
    bytes[1] = 40;
    MoveRecord record;
    record.loadFrom(bytes);
    EXPECT_EQ(record.length(), 1);
    EXPECT_FALSE(record.current().has_value());
    bytes[0] = 9;
    bytes[1] = 14;
    record.loadFrom(bytes);
    ASSERT_TRUE(record.current().has_value());
    EXPECT_EQ(*record.current(), (PuzzleMove{9, 14}));
}

class MoveRecordFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path data() const { return dir.path() / "data"; }
    std::filesystem::path shipped() const { return dir.path() / "share" / "puzzle.rec"; }
    void SetUp() override {
        std::filesystem::create_directories(data());
        std::filesystem::create_directories(shipped().parent_path());
    }
};

TEST_F(MoveRecordFileTest, FirstStartCopiesTheShippedFile) {
    std::vector<uint8_t> shippedBytes = blankMoveRecordBytes();
    shippedBytes[0] = 4;
    shippedBytes[1] = 7;
    writeBytes(shipped(), shippedBytes);
    LogCapture log;
    EXPECT_EQ(loadMoveRecordFile(data(), shipped()), shippedBytes);
    EXPECT_EQ(readFileBytes(data() / "puzzle.rec"), shippedBytes);
    EXPECT_EQ(log.count("Copied the shipped move data"), 1);
    EXPECT_EQ(log.count("Saved blank move data"), 0);
}

TEST_F(MoveRecordFileTest, WithoutAShippedFileABlankOneIsWritten) {
    LogCapture log;
    EXPECT_EQ(loadMoveRecordFile(data(), shipped()), blankMoveRecordBytes());
    EXPECT_EQ(readFileBytes(data() / "puzzle.rec")->size(), 36720u);
    EXPECT_EQ(log.count("Saved blank move data"), 1);
}

TEST_F(MoveRecordFileTest, AShortPlayerFileReadsAsBlankPastItsEndAndIsNotReplaced) {
    std::vector<uint8_t> shippedBytes(36720, 1);
    writeBytes(shipped(), shippedBytes);
    std::vector<uint8_t> shortFile(1000, 2);
    writeBytes(data() / "puzzle.rec", shortFile);
    const std::vector<uint8_t> bytes = loadMoveRecordFile(data(), shipped());
    ASSERT_EQ(bytes.size(), 36720u);
    EXPECT_EQ(bytes[999], 2);
    EXPECT_EQ(bytes[1000], 255);
    EXPECT_EQ(bytes.back(), 255);
    EXPECT_EQ(readFileBytes(data() / "puzzle.rec")->size(), 1000u); // the player's file is kept
}

TEST_F(MoveRecordFileTest, AnUnwritableDataDirectoryIsReportedNotPretendedSaved) {
    writeText(dir.path() / "file", "x");
    LogCapture log;
    EXPECT_EQ(loadMoveRecordFile(dir.path() / "file" / "data", {}), blankMoveRecordBytes());
    EXPECT_EQ(log.count("Could not save move data"), 1);
    EXPECT_EQ(log.count("Saved blank move data"), 0);
    EXPECT_FALSE(saveMoveRecordFile(dir.path() / "file" / "data", blankMoveRecordBytes()));
}

TEST_F(MoveRecordFileTest, SavingReplacesTheFileWhole) {
    std::vector<uint8_t> bytes = blankMoveRecordBytes();
    bytes[360] = 3;
    ASSERT_TRUE(saveMoveRecordFile(data(), bytes));
    EXPECT_EQ(readFileBytes(data() / "puzzle.rec"), bytes);
    EXPECT_FALSE(saveMoveRecordFile(data(), std::vector<uint8_t>(10, 0)));
    EXPECT_EQ(readFileBytes(data() / "puzzle.rec"), bytes);
}

} // namespace
