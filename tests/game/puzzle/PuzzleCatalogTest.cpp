// PuzzleCatalogTest.cpp: puzzle layouts, names and stored solutions gathered into the catalogue.
#include "game/puzzle/PuzzleCatalog.h"

#include "engine/core/FileIo.h"
#include "engine/resources/ksResources.h"
#include "game/board/PuzzleBoard.h"
#include "game/puzzle/MoveRecordFile.h"
#include "game/puzzle/PuzzleGoal.h"
#include "support/TestSupport.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(PuzzleNames, FieldsAreSplitAtCommasTabsAndLineBreaksButNotAtBlanks) {
    const auto names = parsePuzzleNames("First Steps,0,3\r\n\r\nTwo  Blanks\t1\t-4\n,,Third,16,12,", 4);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0].title, "First Steps");
    EXPECT_EQ(names[0].background, 0);
    EXPECT_EQ(names[0].value, 3);
    EXPECT_EQ(names[1].title, "Two  Blanks");
    EXPECT_EQ(names[1].value, -4);
    EXPECT_EQ(names[2].title, "Third");
    EXPECT_EQ(names[2].background, 16);
    // A short text leaves the later puzzles untitled with background 0.
    EXPECT_EQ(names[3].title, "");
    EXPECT_EQ(names[3].background, 0);
    EXPECT_EQ(names[3].value, 0);
}

TEST(PuzzleNames, TitlesKeepAtMost63Characters) {
    const std::string title63(63, 'a');
    const auto names = parsePuzzleNames(title63 + ",0,1\n" + title63 + "bcd,0,1", 2);
    EXPECT_EQ(names[0].title, title63);
    EXPECT_EQ(names[1].title, title63);
}

TEST(PuzzleNames, BackgroundNumbersNameTheirPictures) {
    EXPECT_EQ(backgroundImageName(0), "act01");
    EXPECT_EQ(backgroundImageName(8), "act09");
    EXPECT_EQ(backgroundImageName(9), "act10");
    EXPECT_EQ(backgroundImageName(16), "act17");
    EXPECT_EQ(backgroundImageName(101), "act102");
}

std::vector<uint8_t> levelsWith(std::size_t size) {
    std::vector<uint8_t> bytes(size, 0xFF);
    for (std::size_t i = 0; i < size; i += 330) {
        bytes[i] = static_cast<uint8_t>(i / 330 % 6); // a balloon at the top left of each
    }
    return bytes;
}

TEST(PuzzleCatalog, AShortLevelResourceLeavesTheMissingPuzzlesBlank) {
    LogCapture log;
    const std::vector<uint8_t> levels = levelsWith(400); // puzzle 0 and 70 bytes of puzzle 1
    PuzzleCatalog catalog("", levels, blankMoveRecordBytes());
    EXPECT_EQ(catalog.level(0).colour(0, 0), 0);
    EXPECT_EQ(catalog.level(1), PuzzleLevel());
    EXPECT_EQ(catalog.level(101), PuzzleLevel());
    EXPECT_EQ(log.count("zibbet_levels holds 400 bytes"), 1);

    PuzzleCatalog none("", {}, {});
    EXPECT_EQ(none.level(0), PuzzleLevel());
    EXPECT_EQ(none.record(5).length(), 0);
}

TEST(PuzzleCatalog, IndicesOutsideTheCatalogueAreClamped) {
    PuzzleCatalog catalog("A,0,1\nB,1,2", levelsWith(33660), blankMoveRecordBytes());
    EXPECT_EQ(catalog.name(-7), "A");
    EXPECT_EQ(catalog.level(500), catalog.level(101));
    EXPECT_EQ(catalog.backgroundName(1), "act02");
    EXPECT_EQ(catalog.background(1), nullptr);
}

TEST(PuzzleCatalog, RecordsComeFromTheirBlocksAndSaveBackWhole) {
    TempDir dir;
    std::vector<uint8_t> records = blankMoveRecordBytes();
    records[360 * 7] = 2;
    records[360 * 7 + 1] = 3;
    PuzzleCatalog catalog("", levelsWith(33660), records);
    EXPECT_EQ(catalog.record(7).length(), 1);
    EXPECT_EQ(catalog.record(6).length(), 0);
    catalog.record(7).stepForward();
    catalog.record(7).append(4, 5);
    ASSERT_TRUE(catalog.saveRecords(dir.path()));
    const auto saved = readFileBytes(dir.path() / "puzzle.rec");
    ASSERT_TRUE(saved.has_value());
    ASSERT_EQ(saved->size(), 36720u);
    EXPECT_EQ((*saved)[360 * 7 + 2], 4);
    EXPECT_EQ((*saved)[360 * 7 + 3], 5);
}

TEST(PuzzleCatalog, LoadsFromTheResourcesAndCopiesTheShippedRecords) {
    TempDir install;
    TempDir state;
    TempDir home;
    writeText(install / "resource.txt",
              "TEXT puzzle_names \"names.txt\"\nCUSTOM zibbet_levels \"levels.bin\"\n");
    writeText(install / "names.txt", "Opening Night,0,2\nSecond,1,5\n");
    writeBytes(install / "levels.bin", levelsWith(33660));
    std::vector<uint8_t> shipped = blankMoveRecordBytes();
    shipped[0] = 0;
    shipped[1] = 1;
    writeBytes(install / "puzzle.rec", shipped);
    ksResources resources{nullptr, ResourceFile::Pack, install.path(), state.path()};
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(resources.load("resource.txt"));
    ::testing::internal::GetCapturedStdout();
    LogCapture log;
    PuzzleCatalog catalog = PuzzleCatalog::load(resources, home.path());
    EXPECT_EQ(catalog.name(0), "Opening Night");
    EXPECT_EQ(catalog.value(1), 5);
    EXPECT_EQ(catalog.level(3).colour(0, 0), 3);
    EXPECT_EQ(catalog.record(0).length(), 1);
    EXPECT_EQ(readFileBytes(home / "puzzle.rec"), shipped);
    EXPECT_EQ(log.count("Copied the shipped move data"), 1);
}

TEST(PuzzleLevel, OutOfRangeCellsAreEmptiedAndTheGoalComesFromTheRest) {
    PuzzleLevel level;
    level.setCell(0, 7, 9, 7);  // colour and prize out of range
    level.setCell(1, 7, -3, 2); // an invisible balloon would block "pop all" for ever
    level.setCell(0, 8, 2, -1);
    level.setCell(1, 8, 2, -1);
    LogCapture log;
    PuzzleBoard board;
    EXPECT_EQ(fillBoardFromLevel(board, level, "puzzle 1"), 2);
    EXPECT_TRUE(board.cellAt(0, 7).isEmpty());
    EXPECT_FALSE(board.cellAt(0, 7).holdsPrize());
    EXPECT_TRUE(board.cellAt(1, 7).isEmpty());
    EXPECT_FALSE(board.cellAt(1, 7).holdsPrize());
    EXPECT_EQ(board.cellAt(0, 8).colour(), 2);
    EXPECT_EQ(log.lines().size(), 1u);
    const PuzzleSetup setup = setupOf(level);
    EXPECT_EQ(setup.goal, PuzzleGoal::PopAll);
    EXPECT_EQ(setup.prizeCount, 0);
}

TEST(PuzzleLevel, GoldOutranksPrizesWhichOutrankPoppingAll) {
    PuzzleLevel level;
    level.setCell(0, 7, 1, -1);
    EXPECT_EQ(setupOf(level).goal, PuzzleGoal::PopAll);
    level.setCell(0, 8, 1, 3);
    EXPECT_EQ(setupOf(level).goal, PuzzleGoal::PrizesOnTargets);
    level.setCell(1, 7, 6, -1);
    const PuzzleSetup setup = setupOf(level);
    EXPECT_EQ(setup.goal, PuzzleGoal::PopGold);
    EXPECT_EQ(setup.prizeCount, 1);
    EXPECT_EQ(setup.goldCount, 1);
    EXPECT_EQ(goalIndex(PuzzleGoal::PopGold), 0);
    EXPECT_EQ(goalIndex(PuzzleGoal::PrizesOnTargets), 1);
    EXPECT_EQ(goalIndex(PuzzleGoal::PopAll), 2);
}

} // namespace
