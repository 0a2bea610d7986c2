// PuzzleToolTest.cpp: the catalogue source, the checks a pack must pass and the zibbet-puzzles tool.
#include "PuzzleChecks.h"
#include "PuzzlePack.h"
#include "PuzzleSource.h"
#include "engine/core/FileIo.h"
#include "support/Process.h"
#include "support/TestSupport.h"

#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

const std::string kGrid = "grid\n"
                          " .  .  .  .  .  .  R  R  Y  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  G  Y  Y3 .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  G  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          " .  .  .  .  .  .  .  .  .  .  .  .  .  .  . \n"
                          "floor\n"
                          " .  .  .  .  .  .  .  .  3  .  .  .  .  .  . \n";

std::string block(const std::string& title, const std::string& solution = "solution proven 1,7") {
    return "# a comment\npuzzle 1\ntitle  " + title + "\nbackground act02\n" + solution + "\n" + kGrid +
           "end\n";
}

TEST(PuzzleSource, ReadsABlockAndWritesItBackTheSame) {
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    ASSERT_TRUE(parsePuzzleSource(block("Yellow Fever"), puzzles, error)) << error;
    ASSERT_EQ(puzzles.size(), 1u);
    const SourcePuzzle& p = puzzles[0];
    EXPECT_EQ(p.title, "Yellow Fever");
    EXPECT_EQ(p.background, 2);
    EXPECT_TRUE(p.proven);
    EXPECT_EQ(p.solution, (std::vector<PuzzleMove>{{1, 7}}));
    EXPECT_EQ(p.level.colour(0, 8), 1);
    EXPECT_EQ(p.level.prize(1, 8), 3);
    EXPECT_EQ(p.level.colour(2, 7), 2);
    EXPECT_EQ(p.level.target(8), 3);
    EXPECT_EQ(p.level.target(7), -1);

    std::vector<SourcePuzzle> again;
    ASSERT_TRUE(parsePuzzleSource(writePuzzleSource(puzzles, "# header\n"), again, error)) << error;
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].level, p.level);
    EXPECT_EQ(again[0].title, p.title);
    EXPECT_EQ(again[0].solution, p.solution);
}

TEST(PuzzleSource, NamesTheLineOfEachMistake) {
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    EXPECT_FALSE(parsePuzzleSource(block("Commas, Not Allowed"), puzzles, error));
    EXPECT_THAT(error, HasSubstr("line 3"));
    EXPECT_THAT(error, HasSubstr("comma"));
    EXPECT_FALSE(parsePuzzleSource(block(std::string(41, 'x')), puzzles, error));
    EXPECT_THAT(error, HasSubstr("40 characters"));
    EXPECT_FALSE(parsePuzzleSource(block("Fine", "solution proven 10,3"), puzzles, error));
    EXPECT_THAT(error, HasSubstr("\"10,3\""));
    std::string badCell = block("Fine");
    badCell.replace(badCell.find("Y3"), 2, "Q3");
    EXPECT_FALSE(parsePuzzleSource(badCell, puzzles, error));
    EXPECT_THAT(error, HasSubstr("line 8"));
    EXPECT_FALSE(parsePuzzleSource("puzzle 1\ntitle Lost\n", puzzles, error));
    EXPECT_THAT(error, HasSubstr("no \"end\""));
}

TEST(PuzzleChecks, LayoutsMustRestAsDealt) {
    PuzzleLevel level;
    level.setCell(0, 7, 1, -1);
    EXPECT_TRUE(layoutProblems(level).empty());
    level.setCell(2, 7, 1, -1); // a gap in the column
    EXPECT_THAT(layoutProblems(level), ::testing::Contains(HasSubstr("gap")));
    PuzzleLevel apart;
    apart.setCell(0, 7, 1, -1);
    apart.setCell(0, 5, 1, -1); // column 6 would close up
    EXPECT_THAT(layoutProblems(apart), ::testing::Contains(HasSubstr("empty between")));
    PuzzleLevel aside;
    aside.setCell(0, 2, 1, -1);
    EXPECT_THAT(layoutProblems(aside), ::testing::Contains(HasSubstr("seam")));
    PuzzleLevel prize;
    prize.setCell(0, 7, 1, 4);
    EXPECT_THAT(layoutProblems(prize), ::testing::Contains(HasSubstr("no target")));
}

TEST(PuzzleChecks, MirrorImagesCountAsAlike) {
    PuzzleLevel level;
    level.setCell(0, 7, 1, -1);
    level.setCell(0, 8, 1, -1);
    level.setTarget(8, 2);
    const PuzzleLevel mirror = mirrored(level);
    EXPECT_EQ(mirror.colour(0, 6), 1);
    EXPECT_EQ(mirror.target(6), 2);
    EXPECT_TRUE(alike(level, mirror));
    EXPECT_TRUE(alike(level, level));
    PuzzleLevel other = level;
    other.setCell(0, 8, 2, -1);
    EXPECT_FALSE(alike(level, other));
}

TEST(PuzzlePack, RefusesACatalogueWithABadSolutionAndBuildsAGoodOne) {
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    ASSERT_TRUE(parsePuzzleSource(block("One"), puzzles, error)) << error;
    std::vector<std::string> problems = checkCatalogue(puzzles);
    EXPECT_THAT(problems, ::testing::Contains(HasSubstr("not 102")));
    // (1,7) pops the two yellows at rows 0-1 of columns 7-8 with the prize: it drops on its target.
    EXPECT_THAT(problems, ::testing::Not(::testing::Contains(HasSubstr("does not solve"))));
    puzzles[0].solution = {{0, 6}};
    problems = checkCatalogue(puzzles);
    EXPECT_THAT(problems, ::testing::Contains(HasSubstr("does not solve")));

    puzzles[0].solution = {{1, 7}};
    const PuzzlePackFiles files = buildPackFiles(std::vector<SourcePuzzle>(102, puzzles[0]));
    EXPECT_EQ(files.levels.size(), 33660u);
    EXPECT_EQ(files.records.size(), 36720u);
    EXPECT_EQ(files.records[360 * 101], 1);
    EXPECT_EQ(files.records[360 * 101 + 1], 7);
    EXPECT_EQ(files.records[360 * 101 + 2], 255);
    EXPECT_THAT(files.names, HasSubstr("One,1,1\n"));
}

const std::filesystem::path kTool = ZIBBET_PUZZLE_TOOL;

TEST(PuzzleTool, BadInputGivesAMessageAndExitStatus1) {
    TempDir dir;
    EXPECT_EQ(runProcess(kTool, {}).exitCode, 1);
    const ProcessResult unknown = runProcess(kTool, {"shuffle"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_THAT(unknown.output, HasSubstr("unknown command"));
    writeText(dir / "bad.txt", block("Broken, Title"));
    const ProcessResult bad =
        runProcess(kTool, {"build", (dir / "bad.txt").string(), (dir / "out").string()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_THAT(bad.output, HasSubstr("line 3"));
    EXPECT_EQ(runProcess(kTool, {"verify", (dir / "nothing").string()}).exitCode, 1);
    EXPECT_EQ(runProcess(kTool, {"solve", (dir / "missing.txt").string(), "1"}).exitCode, 1);
}

TEST(PuzzleTool, SolvesAPuzzleOfASource) {
    TempDir dir;
    writeText(dir / "one.txt", block("One", "solution none"));
    const ProcessResult solved = runProcess(kTool, {"solve", (dir / "one.txt").string(), "1", "--write"});
    EXPECT_EQ(solved.exitCode, 0) << solved.output;
    EXPECT_THAT(solved.output, HasSubstr("1 clicks, proven fewest"));
    EXPECT_THAT(readTextFile(dir / "one.txt"), HasSubstr("solution   proven 0,8"));
    EXPECT_EQ(runProcess(kTool, {"solve", (dir / "one.txt").string(), "2"}).exitCode, 1);
}

// The shipped catalogue: every puzzle solvable by its stored solution on the game's own board.
TEST(PuzzleTool, TheBuiltCatalogueVerifies) {
    const ProcessResult verified = runProcess(kTool, {"verify", ZIBBET_PUZZLE_DATA_DIR});
    EXPECT_EQ(verified.exitCode, 0) << verified.output;
    EXPECT_THAT(verified.output, HasSubstr("all 102 puzzles verified"));
}

} // namespace
