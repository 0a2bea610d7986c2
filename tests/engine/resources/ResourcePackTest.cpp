// The pack reader: lookups in good packs, and nothing but "not found" from corrupt ones.
#include "engine/resources/ResourcePack.h"

#include "PackFixtures.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

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

TEST_F(ResourcePackTest, FindsAndListsTheEntriesOfAHandWrittenPack) {
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
    // The directory as stored, in its own order.
    std::string problem;
    const auto directory = pack.readDirectory(problem).value();
    ASSERT_EQ(directory.size(), 3u);
    EXPECT_EQ(directory[0].name, "title.jpg");
    EXPECT_EQ(directory[0].size, 5u);
    EXPECT_EQ(directory[1].name, "sub/levels.bin");
    EXPECT_EQ(directory[1].offset, 17u + 18 + 23 + 18);
    EXPECT_EQ(directory[2].name, "empty.txt");
}

TEST_F(ResourcePackTest, RequestedNamesAreLowerCasedBeforeTheExactComparisonAndTheFirstMatchWins) {
    PackBytes bytes;
    bytes.magic()
        .u32(3)
        .u32(0)
        .u32(0)
        .entry(1, 0, "Upper.txt")
        .entry(1, 0, "lower.txt")
        .entry(1, 1, "lower.txt");
    ResourcePack pack = packOf(bytes.bytes());
    EXPECT_EQ(pack.find("LOWER.TXT"), bytesOf("Q"));
    EXPECT_EQ(pack.find("Lower.Txt"), bytesOf("Q"));
    // A directory name with capitals can never be found.
    EXPECT_FALSE(pack.find("Upper.txt").has_value());
}

TEST_F(ResourcePackTest, AnotherMagicOrAFileTooShortForAHeaderIsNotAPack) {
    for (std::size_t length : {0u, 5u, 16u, 999u}) {
        std::vector<unsigned char> bytes = handWrittenPack();
        bytes[4] = length == 999 ? 'X' : bytes[4]; // the whole pack under another magic
        bytes.resize(std::min(length, bytes.size()));
        ResourcePack pack = packOf(bytes);
        EXPECT_EQ(pack.status(), ResourcePack::Status::NotAPack) << length;
        EXPECT_FALSE(pack.find("title.jpg").has_value());
    }
}

TEST_F(ResourcePackTest, MissingPacksDirectoriesAndNamedPipesAreMissingRatherThanAHang) {
    EXPECT_EQ(ResourcePack(dir / "nothing.dat").status(), ResourcePack::Status::Missing);
    std::filesystem::create_directory(dir / "folder.dat");
    EXPECT_EQ(ResourcePack(dir / "folder.dat").status(), ResourcePack::Status::Missing);
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_EQ(ResourcePack(path).status(), ResourcePack::Status::Missing);
}

TEST_F(ResourcePackTest, CorruptDirectoriesFindOnlyWhatLiesInsideTheFile) {
    const struct {
        const char* what;
        PackBytes bytes;
        const char* found; // with the data "Q", or nullptr
        const char* absent;
        int outsideLines; // "<absent> lies outside"
        const char* problem;
    } packs[] = {
        {"huge counts",
         PackBytes().magic().u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(0xFFFFFFFF).entry(1, 27, "a").raw("Q"), "a",
         "b", 0, "declares 12884901885 entries"},
        {"entry larger than the file",
         PackBytes().magic().u32(1).u32(0).u32(0).entry(0x7FFFFFFF, 0, "big.bin"), nullptr, "big.bin", 1, ""},
        {"offset past the end",
         PackBytes().magic().u32(1).u32(0).u32(0).entry(4, 0xFFFFFFF0, "far.bin").raw("data"), nullptr,
         "far.bin", 1, "\"far.bin\" that reaches past the end"},
        {"truncated directory",
         PackBytes().magic().u32(3).u32(0).u32(0).entry(1, 0, "first").entry(1, 0, "second").u32(1).u8(0),
         "second", "third", 0, "ends after 2 of 3 entries"},
        {"name cut by the end", PackBytes().magic().u32(1).u32(0).u32(0).u32(1).u32(0).u8(200).raw("name"),
         nullptr, "name", 0, ""},
    };
    for (const auto& p : packs) {
        SCOPED_TRACE(p.what);
        LogCapture lines;
        ResourcePack pack = packOf(p.bytes.bytes());
        if (p.found != nullptr) {
            EXPECT_EQ(pack.find(p.found), bytesOf("Q"));
        }
        EXPECT_FALSE(pack.find(p.absent).has_value());
        EXPECT_EQ(lines.count(std::string(p.absent) + " lies outside"), p.outsideLines);
        std::string problem;
        EXPECT_FALSE(pack.readDirectory(problem).has_value());
        EXPECT_THAT(problem, HasSubstr(p.problem));
    }
    PackBytes edge;
    edge.magic().u32(1).u32(0).u32(0).entry(4, 17 + 9 + 8, "edge.bin").raw("data");
    EXPECT_EQ(packOf(edge.bytes()).find("edge.bin"), bytesOf("data"))
        << "ending exactly at the end is inside";
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
