// Atomic saves: a failed write never damages the file that was there.
#include "engine/core/FileIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> pattern(std::size_t n, uint8_t seed) {
    std::vector<uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<uint8_t>(seed + i * 7);
    }
    return bytes;
}

TEST(AtomicWrite, RoundTripsExactBytes) {
    TempDir dir;
    const auto bytes = pattern(1440, 3);
    ASSERT_TRUE(writeFileAtomically(dir / "hsinfo.bin", bytes));
    EXPECT_EQ(readFileBytes(dir / "hsinfo.bin"), bytes);
    EXPECT_FALSE(std::filesystem::exists(dir / "hsinfo.bin.tmp"));
}

TEST(AtomicWrite, FailureMidwayKeepsOldFileAndLogsOnce) {
    TempDir dir;
    LogCapture log;
    const auto old = pattern(1440, 1);
    ASSERT_TRUE(writeFileAtomically(dir / "hsinfo.bin", old));

    injectWriteFailureAfter(100);
    EXPECT_FALSE(writeFileAtomically(dir / "hsinfo.bin", pattern(1440, 9)));
    injectWriteFailureAfter(-1);

    EXPECT_EQ(readFileBytes(dir / "hsinfo.bin"), old);
    EXPECT_FALSE(std::filesystem::exists(dir / "hsinfo.bin.tmp"));
    EXPECT_EQ(log.count("Could not save"), 1);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST(AtomicWrite, DirectoryUnderARegularFileFailsCleanly) {
    TempDir dir;
    LogCapture log;
    writeText(dir / "plain", "not a directory");
    EXPECT_FALSE(writeFileAtomically(dir / "plain" / "stats0.bin", pattern(16, 0)));
    EXPECT_EQ(log.count("Could not save"), 1);
}

TEST(ReadFile, MissingAndOversizedFilesGiveNothing) {
    TempDir dir;
    EXPECT_FALSE(readFileBytes(dir / "missing").has_value());
    writeBytes(dir / "big", std::vector<unsigned char>(100, 1));
    EXPECT_FALSE(readFileBytes(dir / "big", 99).has_value());
    EXPECT_EQ(readFileBytes(dir / "big", 100)->size(), 100u);
}

} // namespace
