// The file source: pack first, loose files as the fall-back, and reads that never overrun.
#include "engine/resources/ResourceFile.h"

#include "PackFixtures.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

class ResourceFileTest : public ::testing::Test {
protected:
    void SetUp() override { writeBytes(dir / "resources.dat", handWrittenPack()); }

    TempDir dir;
    LogCapture log;
    ResourceFile files{dir.path(), ResourceFile::Pack};
};

TEST_F(ResourceFileTest, ReadsRunningOrSeekingPastTheEndHandOverWhatIsLeft) {
    ASSERT_TRUE(files.open("sub/levels.bin"));
    EXPECT_EQ(files.size(), 120u);
    files.seek(90);
    std::vector<uint8_t> buffer(100, 0xAA);
    EXPECT_EQ(files.read(buffer), 30u);
    EXPECT_EQ(files.tell(), 120u);
    EXPECT_EQ(buffer[0], 90);
    EXPECT_EQ(buffer[29], 119);
    EXPECT_EQ(buffer[30], 0xAA);
    files.seek(200);
    EXPECT_EQ(files.read(buffer), 0u) << "seeking past the end hands over nothing";
    EXPECT_EQ(files.tell(), 200u);
}

TEST_F(ResourceFileTest, ReadBytePastTheEndAnswersZeroAndSetsTheFlag) {
    ASSERT_TRUE(files.open("title.jpg"));
    std::string read;
    for (int i = 0; i < 5; ++i) {
        read += static_cast<char>(files.readByte());
    }
    EXPECT_EQ(read, "JPEG!");
    EXPECT_FALSE(files.endOfFile());
    EXPECT_EQ(files.readByte(), 0);
    EXPECT_TRUE(files.endOfFile());
    EXPECT_EQ(files.tell(), 5u);
    files.seek(4);
    EXPECT_FALSE(files.endOfFile());
    EXPECT_EQ(files.readByte(), '!');
}

TEST_F(ResourceFileTest, NamesWithCapitalsFindTheirLowerCaseEntry) {
    EXPECT_EQ(files.readWhole("Title.JPG"), bytesOf("JPEG!"));
    EXPECT_EQ(files.readWhole("SUB/Levels.bin")->size(), 120u);
}

TEST_F(ResourceFileTest, NameMissingFromThePackFallsBackToTheLowerCasedLooseFile) {
    writeText(dir / "extra.txt", "loose");
    ASSERT_TRUE(files.open("EXTRA.txt"));
    EXPECT_EQ(files.mode(), ResourceFile::LooseFiles);
    EXPECT_EQ(files.size(), 5u);
    files.close();
    EXPECT_EQ(files.mode(), ResourceFile::Pack);
    // The pack is still asked first for the next file.
    EXPECT_EQ(files.readWhole("title.jpg"), bytesOf("JPEG!"));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(ResourceFileTest, LooseFilesWithCapitalsOnDiskAreFoundOnlyInLooseFileMode) {
    writeText(dir / "Extra.txt", "loose");
    EXPECT_FALSE(files.open("Extra.txt"));
    EXPECT_THAT(log.lines(), ElementsAre("File extra.txt not found."));
    EXPECT_EQ(files.mode(), ResourceFile::Pack);
    // Loose-file mode uses the name as it is.
    files.setMode(ResourceFile::LooseFiles);
    EXPECT_EQ(files.readWhole("Extra.txt"), bytesOf("loose"));
    EXPECT_FALSE(files.readWhole("title.jpg").has_value());
    EXPECT_THAT(log.lines(), ElementsAre("File extra.txt not found.", "File title.jpg not found."));
}

TEST_F(ResourceFileTest, LooseFilesAreReadWithTheSameBounds) {
    writeText(dir / "ten.bin", "0123456789");
    files.setMode(ResourceFile::LooseFiles);
    ASSERT_TRUE(files.open("ten.bin"));
    files.seek(8);
    std::vector<uint8_t> buffer(5);
    EXPECT_EQ(files.read(buffer), 2u);
    EXPECT_EQ(files.tell(), 10u);
    EXPECT_EQ(files.readByte(), 0);
    EXPECT_TRUE(files.endOfFile());
    files.seek(1);
    EXPECT_EQ(files.readByte(), '1');
    files.seek(500);
    EXPECT_EQ(files.read(buffer), 0u);
}

TEST_F(ResourceFileTest, ProgramResourceModeReadsLooseFilesWithALogLine) {
    ResourceFile programFiles(dir.path(), ResourceFile::ProgramResources);
    EXPECT_EQ(programFiles.mode(), ResourceFile::LooseFiles);
    EXPECT_EQ(log.count("ResourceFile::setMode - mode 1"), 1);
    writeText(dir / "a.txt", "A");
    EXPECT_EQ(programFiles.readWhole("a.txt"), bytesOf("A"));
}

TEST_F(ResourceFileTest, LookupInPackLeavesTheOpenFileAlone) {
    ASSERT_TRUE(files.open("title.jpg"));
    files.seek(2);
    EXPECT_EQ(files.lookupInPack("SUB/LEVELS.BIN")->size(), 120u);
    EXPECT_EQ(files.readByte(), 'E');
    files.setMode(ResourceFile::LooseFiles);
    EXPECT_FALSE(files.lookupInPack("title.jpg").has_value());
}

TEST_F(ResourceFileTest, NothingButRegularFilesIsOpened) {
    std::filesystem::create_directory(dir / "folder");
    EXPECT_FALSE(files.open("folder"));
    EXPECT_EQ(files.size(), 0u);
    EXPECT_EQ(files.readByte(), 0);
    EXPECT_FALSE(files.open(""));
    EXPECT_EQ(log.count("not found."), 2);
}

TEST_F(ResourceFileTest, TheWorkingDirectoryIsNeverSearchedAndWithoutAPackEveryNameIsALooseFile) {
    TempDir elsewhere;
    writeText(elsewhere / "only-here.txt", "x");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.path());
    EXPECT_FALSE(files.readWhole("only-here.txt").has_value());
    std::filesystem::current_path(previous);
    // Without a pack every name is a loose file.
    std::filesystem::remove(dir / "resources.dat");
    writeText(dir / "a.txt", "A");
    EXPECT_EQ(files.readWhole("A.TXT"), bytesOf("A"));
}

// A script may only name files inside the data folder: an absolute path or a ".." step would
// let a crafted script read any file on the machine.
TEST_F(ResourceFileTest, NamesReachingOutsideTheDataFolderAreRefused) {
    std::filesystem::create_directory(dir / "inner");
    writeText(dir / "inner" / "secret.txt", "secret");
    ResourceFile inner{dir / "inner" / "data", ResourceFile::LooseFiles};
    std::filesystem::create_directory(dir / "inner" / "data");
    writeText(dir / "inner" / "data" / "fine..name.txt", "fine");
    for (const char* name :
         {"/etc/hostname", "../secret.txt", "sub/../../secret.txt", "..\\secret.txt", "\\etc\\hostname"}) {
        EXPECT_FALSE(inner.open(name)) << name;
        EXPECT_FALSE(files.readWhole(name).has_value()) << name;
    }
    EXPECT_EQ(log.count("is outside the data folder"), 10);
    EXPECT_EQ(inner.readWhole("fine..name.txt"), bytesOf("fine"));
}

} // namespace
