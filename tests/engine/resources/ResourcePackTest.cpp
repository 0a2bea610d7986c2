// The pack reader: lookups in good packs, and nothing but "not found" from corrupt ones.
#include "engine/resources/ResourcePack.h"

#include "PackFixtures.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

class ResourcePackTest : public ::testing::Test {
protected:
    ResourcePack packOf(const std::vector<unsigned char>& bytes) {
        writeBytes(path, bytes);
        return ResourcePack(path);
    }

    TempDir dir;
    LogCapture log;
    std::filesystem::path path = dir / "resources.dat";
};

TEST_F(ResourcePackTest, FindsEntriesOfAHandWrittenPack) {
    ResourcePack pack = packOf(handWrittenPack());
    ASSERT_EQ(pack.status(), ResourcePack::Status::Ready);
    EXPECT_EQ(pack.declaredEntryCount(), 3u);
    EXPECT_EQ(pack.find("title.jpg"), bytesOf("JPEG!"));
    const auto levels = pack.find("sub/levels.bin").value();
    ASSERT_EQ(levels.size(), 120u);
    EXPECT_EQ(levels[119], 119);
    EXPECT_EQ(pack.find("empty.txt"), std::vector<uint8_t>());
    EXPECT_FALSE(pack.find("missing").has_value());
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(ResourcePackTest, RequestedNamesAreLowerCasedBeforeTheExactComparison) {
    PackBytes bytes;
    bytes.magic().u32(2).u32(0).u32(0).entry(1, 0, "Upper.txt").entry(1, 0, "lower.txt");
    ResourcePack pack = packOf(bytes.bytes());
    EXPECT_EQ(pack.find("LOWER.TXT"), bytesOf("Q"));
    EXPECT_EQ(pack.find("Lower.Txt"), bytesOf("Q"));
    // A directory name with capitals can never be found.
    EXPECT_FALSE(pack.find("Upper.txt").has_value());
}

TEST_F(ResourcePackTest, TheFirstOfTwoEqualNamesWins) {
    PackBytes bytes;
    bytes.magic().u32(2).u32(0).u32(0).entry(1, 0, "a").entry(1, 1, "a");
    EXPECT_EQ(packOf(bytes.bytes()).find("a"), bytesOf("Q"));
}

TEST_F(ResourcePackTest, AnotherMagicIsAnEmptyPack) {
    std::vector<unsigned char> bytes = handWrittenPack();
    bytes[4] = 'X';
    ResourcePack pack = packOf(bytes);
    EXPECT_EQ(pack.status(), ResourcePack::Status::NotAPack);
    EXPECT_FALSE(pack.find("title.jpg").has_value());
}

TEST_F(ResourcePackTest, FilesTooShortForAHeaderAreNotPacks) {
    for (std::size_t length : {0u, 5u, 16u}) {
        std::vector<unsigned char> bytes = handWrittenPack();
        bytes.resize(length);
        ResourcePack pack = packOf(bytes);
        EXPECT_EQ(pack.status(), ResourcePack::Status::NotAPack) << length;
        EXPECT_FALSE(pack.find("title.jpg").has_value());
    }
}

TEST_F(ResourcePackTest, MissingPackAndDirectoriesAreMissing) {
    EXPECT_EQ(ResourcePack(dir / "nothing.dat").status(), ResourcePack::Status::Missing);
    std::filesystem::create_directory(dir / "folder.dat");
    EXPECT_EQ(ResourcePack(dir / "folder.dat").status(), ResourcePack::Status::Missing);
}

TEST_F(ResourcePackTest, ANamedPipeIsMissingRatherThanAHang) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_EQ(ResourcePack(path).status(), ResourcePack::Status::Missing);
}

TEST_F(ResourcePackTest, HugeCountsStopAtTheEndOfTheFile) {
    PackBytes bytes;
    bytes.magic().u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(0xFFFFFFFF).entry(2, 17 + 10, "a").raw("hi");
    ResourcePack pack = packOf(bytes.bytes());
    EXPECT_EQ(pack.declaredEntryCount(), 3ull * 0xFFFFFFFF);
    EXPECT_EQ(pack.find("a"), bytesOf("hi"));
    EXPECT_FALSE(pack.find("b").has_value());
    std::string problem;
    EXPECT_FALSE(pack.readDirectory(problem).has_value());
    EXPECT_THAT(problem, HasSubstr("declares 12884901885 entries"));
}

TEST_F(ResourcePackTest, EntryLargerThanTheFileIsNotFoundWithOneLogLine) {
    PackBytes bytes;
    bytes.magic().u32(1).u32(0).u32(0).entry(0x7FFFFFFF, 0, "big.bin");
    ResourcePack pack = packOf(bytes.bytes());
    EXPECT_FALSE(pack.find("big.bin").has_value());
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.count("big.bin lies outside"), 1);
}

TEST_F(ResourcePackTest, OffsetPastTheEndIsNotFound) {
    PackBytes bytes;
    bytes.magic().u32(1).u32(0).u32(0).entry(4, 0xFFFFFFF0, "far.bin").raw("data");
    ResourcePack pack = packOf(bytes.bytes());
    EXPECT_FALSE(pack.find("far.bin").has_value());
    EXPECT_EQ(log.count("far.bin lies outside"), 1);
    std::string problem;
    EXPECT_FALSE(pack.readDirectory(problem).has_value());
    EXPECT_THAT(problem, HasSubstr("\"far.bin\" that reaches past the end"));
}

TEST_F(ResourcePackTest, EntryEndingExactlyAtTheEndOfTheFileIsFound) {
    PackBytes bytes;
    bytes.magic().u32(1).u32(0).u32(0).entry(4, 17 + 9 + 8, "edge.bin").raw("data");
    EXPECT_EQ(packOf(bytes.bytes()).find("edge.bin"), bytesOf("data"));
}

TEST_F(ResourcePackTest, TruncatedDirectoryFindsWhatComesBeforeTheCut) {
    PackBytes bytes;
    bytes.magic().u32(3).u32(0).u32(0).entry(1, 0, "first").entry(1, 0, "second").u32(1).u8(0);
    ResourcePack pack = packOf(bytes.bytes());
    EXPECT_EQ(pack.find("first"), bytesOf("Q"));
    EXPECT_EQ(pack.find("second"), bytesOf("Q"));
    EXPECT_FALSE(pack.find("third").has_value());
    std::string problem;
    EXPECT_FALSE(pack.readDirectory(problem).has_value());
    EXPECT_THAT(problem, HasSubstr("ends after 2 of 3 entries"));
}

TEST_F(ResourcePackTest, NameCutByTheEndOfTheFileIsNotFound) {
    PackBytes bytes;
    bytes.magic().u32(1).u32(0).u32(0).u32(1).u32(0).u8(200).raw("name");
    EXPECT_FALSE(packOf(bytes.bytes()).find("name").has_value());
}

TEST_F(ResourcePackTest, ReadDirectoryListsAGoodPackInDirectoryOrder) {
    ResourcePack pack = packOf(handWrittenPack());
    std::string problem;
    const auto directory = pack.readDirectory(problem).value();
    ASSERT_EQ(directory.size(), 3u);
    EXPECT_EQ(directory[0].name, "title.jpg");
    EXPECT_EQ(directory[0].size, 5u);
    EXPECT_EQ(directory[1].name, "sub/levels.bin");
    EXPECT_EQ(directory[1].offset, 17u + 18 + 23 + 18);
    EXPECT_EQ(directory[2].name, "empty.txt");
}

TEST_F(ResourcePackTest, AReadOnlyPackIsRead) {
    writeBytes(path, handWrittenPack());
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    std::filesystem::permissions(
        dir.path(), std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                        std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                        std::filesystem::perms::others_exec);
    // Root may write anything, so the check runs as an ordinary user when the tests run as root.
    EXPECT_EXIT(
        {
            if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                std::_Exit(2);
            }
            ResourcePack pack(path);
            std::_Exit(pack.find("TITLE.JPG") == bytesOf("JPEG!") ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
