// Atomic saves: a failed write never damages the file that was there.
#include "engine/core/FileIo.h"

#include "engine/core/ProcessSignals.h"
#include "engine/core/ksLog.h"
#include "support/TestSupport.h"

#include <sys/resource.h>
#include <sys/stat.h>

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

bool isLink(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_symlink(path, error);
}

// A link planted where a save's temporary, the saved file itself, or the log goes never leads
// the game to write through it.
TEST(AtomicWrite, LinksAtTheTemporaryOrTheTargetAreReplacedNeverFollowed) {
    TempDir dir;
    writeText(dir / "victim", "keep me");
    std::filesystem::create_symlink(dir / "victim", dir / "hsinfo.bin.tmp");
    std::filesystem::create_symlink(dir / "victim", dir / "stats0.bin");
    const auto bytes = pattern(1440, 5);
    ASSERT_TRUE(writeFileAtomically(dir / "hsinfo.bin", bytes));
    ASSERT_TRUE(writeFileAtomically(dir / "stats0.bin", pattern(16, 2)));
    EXPECT_EQ(readTextFile(dir / "victim"), "keep me");
    EXPECT_EQ(readFileBytes(dir / "hsinfo.bin"), bytes);
    EXPECT_FALSE(isLink(dir / "stats0.bin"));
    EXPECT_FALSE(std::filesystem::exists(dir / "hsinfo.bin.tmp"));
    EXPECT_FALSE(isLink(dir / "hsinfo.bin.tmp"));

    std::filesystem::create_symlink(dir / "victim", dir / "log.txt");
    ASSERT_TRUE(ksLog::open(dir / "log.txt"));
    trace("a line");
    ksLog::close();
    EXPECT_EQ(readTextFile(dir / "victim"), "keep me");
    EXPECT_FALSE(isLink(dir / "log.txt"));
    EXPECT_NE(readTextFile(dir / "log.txt").find("a line"), std::string::npos);
}

TEST(ReadFile, NamedPipesAndFoldersCountAsMissingWithoutWaiting) {
    TempDir dir;
    LogCapture log;
    ASSERT_EQ(::mkfifo((dir / "Custom").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "Version");
    EXPECT_FALSE(readFileBytes(dir / "Custom").has_value());
    EXPECT_FALSE(readFileBytes(dir / "Version").has_value());
    EXPECT_EQ(log.count("is not a regular file"), 2);
}

TEST(AtomicWrite, StaleTemporariesAreRemovedAndOnlyThey) {
    TempDir dir;
    writeText(dir / "Custom.tmp", "half");
    writeText(dir / "Custom", "whole");
    std::filesystem::create_symlink(dir / "Custom", dir / "Settings.tmp");
    std::filesystem::create_directory(dir / "kept.tmp");
    EXPECT_EQ(removeStaleTemporaries(dir.path()), 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "Custom.tmp"));
    EXPECT_FALSE(isLink(dir / "Settings.tmp"));
    EXPECT_EQ(readTextFile(dir / "Custom"), "whole");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "kept.tmp"));
}

// A full disk fails every save of the statistics (one per pop): the log says so once per file,
// again only after that file was saved once more, and the player is told once.
TEST(AtomicWrite, RepeatedFailuresAreReportedOncePerFileUntilASaveSucceeds) {
    TempDir dir;
    LogCapture log;
    resetSaveFailureReports();
    EXPECT_FALSE(takeSaveFailureNotice());
    injectWriteFailureAfter(0);
    for (int pop = 0; pop < 20; ++pop) {
        EXPECT_FALSE(writeFileAtomically(dir / "stats0.bin", pattern(16, 1)));
    }
    EXPECT_FALSE(writeFileAtomically(dir / "hsinfo.bin", pattern(1440, 1)));
    EXPECT_EQ(log.count("Could not save"), 2);
    EXPECT_EQ(log.count("stats0.bin"), 1);

    injectWriteFailureAfter(-1);
    EXPECT_TRUE(writeFileAtomically(dir / "stats0.bin", pattern(16, 1)));
    injectWriteFailureAfter(0);
    EXPECT_FALSE(writeFileAtomically(dir / "stats0.bin", pattern(16, 1)));
    EXPECT_FALSE(writeFileAtomically(dir / "hsinfo.bin", pattern(1440, 1)));
    injectWriteFailureAfter(-1);
    EXPECT_EQ(log.count("stats0.bin"), 2) << "reported again after a save of it succeeded";
    EXPECT_EQ(log.count("hsinfo.bin"), 1);
    EXPECT_TRUE(writeFileAtomically(dir / "hsinfo.bin", pattern(1440, 1)));

    EXPECT_TRUE(takeSaveFailureNotice());
    EXPECT_FALSE(takeSaveFailureNotice()) << "the player is told once per run";
}

// Under a file-size limit a write that crosses it fails (the signal it raises is ignored) and
// leaves the old file as it was.
TEST(AtomicWrite, AFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram) {
    TempDir dir;
    LogCapture log;
    const auto old = pattern(600, 1);
    ASSERT_TRUE(writeFileAtomically(dir / "hsinfo.bin", old));
    installProcessSignalHandlers();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = writeFileAtomically(dir / "hsinfo.bin", pattern(1440, 9));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    EXPECT_FALSE(written);
    EXPECT_EQ(readFileBytes(dir / "hsinfo.bin"), old);
    EXPECT_FALSE(std::filesystem::exists(dir / "hsinfo.bin.tmp"));
    EXPECT_EQ(log.count("Could not save"), 1);
}

// With no space left the log cannot take the "Could not save" line either; it must still be said
// somewhere, so what the file refuses goes to standard error.
TEST(Log, LinesTheDiskRefusesGoToStandardError) {
    TempDir dir;
    installProcessSignalHandlers();
    ASSERT_TRUE(ksLog::open(dir / "log.txt"));
    trace("fits");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit full = saved;
    full.rlim_cur = std::filesystem::file_size(dir / "log.txt");
    ::testing::internal::CaptureStderr();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    trace("Could not save %s", "stats0.bin");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    const std::string said = ::testing::internal::GetCapturedStderr();
    ksLog::close();
    EXPECT_NE(said.find("Could not save stats0.bin\n"), std::string::npos) << said;
    EXPECT_NE(readTextFile(dir / "log.txt").find("fits"), std::string::npos);
}

TEST(AtomicWrite, APreviousCopyKeepsTheBytesAndAMissingFileNeedsNone) {
    TempDir dir;
    const auto bytes = pattern(1440, 4);
    ASSERT_TRUE(writeFileAtomically(dir / "hsinfo.bin", bytes));
    EXPECT_TRUE(keepPreviousCopy(dir / "hsinfo.bin"));
    EXPECT_EQ(readFileBytes(dir / "hsinfo.bin.previous"), bytes);
    EXPECT_TRUE(keepPreviousCopy(dir / "stats1.bin"));
    EXPECT_FALSE(std::filesystem::exists(dir / "stats1.bin.previous"));
}

} // namespace
