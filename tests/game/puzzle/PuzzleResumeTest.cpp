// A puzzle left in the middle: its file round trip, and the files turned away.
#include "game/puzzle/PuzzleResume.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

PuzzleLevel levelWith(int colour) {
    PuzzleLevel level;
    level.setCell(9, 0, colour, -1);
    level.setCell(9, 1, colour, -1);
    return level;
}

TEST(PuzzleResume, TheClicksComeBackForTheSameLayout) {
    const PuzzleLevel level = levelWith(2);
    PuzzleResumeRecord record;
    record.puzzle = 41;
    ASSERT_TRUE(record.push(9, 0));
    ASSERT_TRUE(record.push(3, 14));
    ASSERT_TRUE(record.push(0, 7));
    record.pop(); // an undo takes the last click back
    const std::vector<uint8_t> bytes = PuzzleResumeFile::encode(record, PuzzleResumeFile::fingerprint(level));
    const auto back =
        PuzzleResumeFile::decode(bytes, 102, [&](int) { return PuzzleResumeFile::fingerprint(level); });
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->puzzle, 41);
    ASSERT_EQ(back->clickCount, 2);
    EXPECT_EQ(back->clicks[1].row, 3);
    EXPECT_EQ(back->clicks[1].column, 14);
}

TEST(PuzzleResume, DamagedShortForeignAndChangedFilesAreIgnoredWithOneLineEach) {
    const PuzzleLevel level = levelWith(2);
    const auto sameLayout = [&](int) { return PuzzleResumeFile::fingerprint(level); };
    PuzzleResumeRecord record;
    record.puzzle = 5;
    record.push(9, 0);
    const std::vector<uint8_t> good = PuzzleResumeFile::encode(record, PuzzleResumeFile::fingerprint(level));
    LogCapture log;
    std::vector<uint8_t> damaged = good;
    damaged[damaged.size() - 6] ^= 0x01;
    EXPECT_FALSE(PuzzleResumeFile::decode(damaged, 102, sameLayout).has_value());
    EXPECT_FALSE(
        PuzzleResumeFile::decode(std::span(good).first(good.size() - 1), 102, sameLayout).has_value());
    EXPECT_FALSE(PuzzleResumeFile::decode(std::span(good).first(2), 102, sameLayout).has_value());
    // The catalogue was rebuilt and puzzle 5 looks different now.
    const PuzzleLevel changed = levelWith(3);
    EXPECT_FALSE(PuzzleResumeFile::decode(good, 102, [&](int) {
                     return PuzzleResumeFile::fingerprint(changed);
                 }).has_value());
    // A catalogue with fewer puzzles.
    EXPECT_FALSE(PuzzleResumeFile::decode(good, 5, sameLayout).has_value());
    EXPECT_EQ(log.count("PuzzleResumeFile::decode"), 5);

    // Well-formed bytes with a click off the board.
    PuzzleResumeRecord offBoard;
    offBoard.push(10, 0);
    EXPECT_FALSE(
        PuzzleResumeFile::decode(PuzzleResumeFile::encode(offBoard, PuzzleResumeFile::fingerprint(level)),
                                 102, sameLayout)
            .has_value());
}

} // namespace
