// The pack writer: what it builds reads back through the game's reader, and bad names are refused.
#include "engine/resources/PackWriter.h"

#include "engine/resources/ResourcePack.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

TEST(PackWriter, WrittenPacksReadBackThroughTheGameReader) {
    TempDir dir;
    std::string error;
    std::vector<PackEntry> entries{
        {"Art/Title.JPG", bytesOf("jpeg")}, {"b.txt", {}}, {"a.txt", bytesOf("A")}};
    ASSERT_TRUE(writeResourcePack(dir / "resources.dat", entries, error)) << error;
    ResourcePack pack(dir / "resources.dat");
    EXPECT_EQ(pack.find("art/title.jpg"), bytesOf("jpeg"));
    EXPECT_EQ(pack.find("ART/TITLE.JPG"), bytesOf("jpeg"));
    EXPECT_EQ(pack.find("a.txt"), bytesOf("A"));
    EXPECT_EQ(pack.find("b.txt"), std::vector<uint8_t>());
    std::string problem;
    const auto directory = pack.readDirectory(problem).value();
    ASSERT_EQ(directory.size(), 3u);
    EXPECT_EQ(directory[0].name, "a.txt");
    EXPECT_EQ(directory[1].name, "art/title.jpg");
    EXPECT_EQ(directory[2].name, "b.txt");
}

TEST(PackWriter, TheSameFilesInAnyOrderGiveTheSameBytes) {
    std::string error;
    const auto one = buildResourcePack({{"x", bytesOf("1")}, {"y", bytesOf("22")}}, error);
    const auto two = buildResourcePack({{"y", bytesOf("22")}, {"X", bytesOf("1")}}, error);
    ASSERT_TRUE(one && two);
    EXPECT_EQ(*one, *two);
}

TEST(PackWriter, HeaderCountsAndLayout) {
    std::string error;
    const auto pack = buildResourcePack({{"ab", bytesOf("xyz")}}, error).value();
    const std::vector<uint8_t> expected{'Q', 'Z', 'R', 'L', 'T', 1,  0, 0, 0, 0, 0,   0,   0,   0,   0,  0,
                                        0,   3,   0,   0,   0,   28, 0, 0, 0, 2, 'a', 'b', 'x', 'y', 'z'};
    EXPECT_EQ(pack, expected);
}

TEST(PackWriter, RefusesNamesThatDoNotFitOrCollide) {
    std::string error;
    EXPECT_FALSE(buildResourcePack({{std::string(256, 'n'), {}}}, error).has_value());
    EXPECT_THAT(error, HasSubstr("1 to 255 bytes"));
    EXPECT_TRUE(buildResourcePack({{std::string(255, 'n'), {}}}, error).has_value());
    EXPECT_FALSE(buildResourcePack({{"", {}}}, error).has_value());
    EXPECT_FALSE(buildResourcePack({{"Readme.txt", {}}, {"README.TXT", {}}}, error).has_value());
    EXPECT_THAT(error, HasSubstr("\"readme.txt\""));
}

TEST(PackWriter, FailedWriteReportsTheError) {
    TempDir dir;
    writeText(dir / "plain", "x");
    std::string error;
    EXPECT_FALSE(writeResourcePack(dir / "plain" / "resources.dat", {{"a", {}}}, error));
    EXPECT_THAT(error, HasSubstr("could not write"));
}

} // namespace
