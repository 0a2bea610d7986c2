// zibbet-pack end to end: the real executable makes, lists and unpacks packs.
#include "PackFixtures.h"
#include "engine/core/FileIo.h"
#include "support/TestSupport.h"

#include <sys/wait.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class PackToolTest : public ::testing::Test {
protected:
    ToolRun run(const std::vector<std::string>& args) {
        std::string command = std::string("'") + ZIBBET_PACK_TOOL + "'";
        for (const std::string& arg : args) {
            command += " '" + arg + "'";
        }
        command += " >'" + (work / "out").string() + "' 2>'" + (work / "err").string() + "'";
        const int raw = std::system(command.c_str());
        return ToolRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readTextFile(work / "out"),
                       readTextFile(work / "err")};
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    TempDir dir;
    TempDir work;
};

TEST_F(PackToolTest, CreateListExtractRoundTripIsByteForByte) {
    std::filesystem::create_directories(dir / "data" / "Art" / "deep");
    std::string binary;
    for (int i = 0; i < 256; ++i) {
        binary += static_cast<char>(i);
    }
    writeText(dir / "data" / "Art" / "deep" / "Balloon.GIF", binary);
    writeText(dir / "data" / "resource.txt", "TEXT gameSettings \"settings.txt\"\n");
    writeText(dir / "single.txt", "one file");

    ToolRun created = run({"create", path("resources.dat"), path("data"), path("single.txt")});
    ASSERT_EQ(created.status, 0) << created.err;

    ToolRun listed = run({"list", path("resources.dat")});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, "       256         86  art/deep/balloon.gif\n"
                          "        33        342  resource.txt\n"
                          "         8        375  single.txt\n");

    ToolRun toStdout = run({"extract", path("resources.dat"), "Art/Deep/BALLOON.gif"});
    ASSERT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, binary);

    ASSERT_EQ(run({"extract", path("resources.dat"), "single.txt", path("copy.txt")}).status, 0);
    EXPECT_EQ(readTextFile(dir / "copy.txt"), "one file");
}

TEST_F(PackToolTest, RepackingADirectoryLeavesTheOldPackOut) {
    std::filesystem::create_directory(dir / "data");
    writeText(dir / "data" / "a.txt", "a");
    ASSERT_EQ(run({"create", path("data/resources.dat"), path("data")}).status, 0);
    ASSERT_EQ(run({"create", path("data/resources.dat"), path("data")}).status, 0);
    EXPECT_EQ(run({"list", path("data/resources.dat")}).out, "         1         31  a.txt\n");
}

// The names' rules themselves are the pack writer's; the tool must leave no pack behind.
TEST_F(PackToolTest, CollidingNamesAreRefusedAndNoPackIsLeft) {
    std::filesystem::create_directory(dir / "clash");
    writeText(dir / "clash" / "Readme.txt", "1");
    writeText(dir / "clash" / "README.TXT", "2");
    ToolRun clash = run({"create", path("out.dat"), path("clash")});
    EXPECT_EQ(clash.status, 1);
    EXPECT_THAT(clash.err, HasSubstr("readme.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out.dat"));
}

TEST_F(PackToolTest, MissingEntriesAndInputsFail) {
    writeBytes(dir / "hand.dat", handWrittenPack());
    ToolRun missing = run({"extract", path("hand.dat"), "nope.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.out, IsEmpty());
    EXPECT_THAT(missing.err, HasSubstr("no entry \"nope.txt\""));
    EXPECT_EQ(run({"create", path("x.dat"), path("does-not-exist")}).status, 1);
    EXPECT_EQ(run({"list", path("does-not-exist.dat")}).status, 1);
}

TEST_F(PackToolTest, CorruptPacksGiveAClearErrorNotACrash) {
    PackBytes huge;
    huge.magic().u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(0xFFFFFFFF).entry(0x7FFFFFFF, 0, "big");
    writeBytes(dir / "huge.dat", huge.bytes());
    PackBytes truncated;
    truncated.magic().u32(2).u32(0).u32(0).entry(1, 0, "a").u32(7);
    writeBytes(dir / "truncated.dat", truncated.bytes());
    writeText(dir / "text.dat", "not a pack at all");

    for (const char* name : {"huge.dat", "truncated.dat", "text.dat"}) {
        ToolRun listed = run({"list", path(name)});
        EXPECT_EQ(listed.status, 1) << name;
        EXPECT_THAT(listed.err, HasSubstr("zibbet-pack: ")) << name;
        ToolRun extracted = run({"extract", path(name), "big"});
        EXPECT_EQ(extracted.status, 1) << name;
        EXPECT_THAT(extracted.err, HasSubstr("zibbet-pack: ")) << name;
    }
    EXPECT_THAT(run({"list", path("truncated.dat")}).err,
                HasSubstr("declares 2 entries but has room for at most 1"));
    EXPECT_THAT(run({"list", path("text.dat")}).err, HasSubstr("not a resource pack"));
    // The valid entry of a truncated pack can still be taken out.
    EXPECT_EQ(run({"extract", path("truncated.dat"), "a"}).out, "Q");
}

TEST_F(PackToolTest, HelpAndUsageErrors) {
    ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("zibbet-pack create PACK FILE|DIR..."));
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"list"}).status, 2);
    EXPECT_EQ(run({"frobnicate", "x"}).status, 2);
}

} // namespace
