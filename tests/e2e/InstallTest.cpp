// Installation: the installed game finds its data from any working directory, and the desktop
// entry and AppStream metadata validate.
#include "support/Process.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kSourceDir = ZIBBET_SOURCE_DIR;
const std::filesystem::path kBuildDir = ZIBBET_BUILD_DIR;

TEST(Install, TheInstalledGameRunsFromAnyDirectory) {
    TempDir stage, home;
    const ProcessResult install =
        runProcess(CMAKE_COMMAND, {"--install", kBuildDir.string(), "--prefix", "/usr"},
                   std::chrono::seconds(120), {"DESTDIR=" + stage.path().string()});
    ASSERT_EQ(install.exitCode, 0) << install.output;
    const auto root = stage / "usr";
    for (const char* file :
         {"bin/zibbet", "share/zibbet/resource.txt", "share/zibbet/resources.dat", "share/zibbet/puzzle.rec",
          "share/applications/org.zibbet.Zibbet.desktop", "share/metainfo/org.zibbet.Zibbet.metainfo.xml",
          "share/icons/hicolor/256x256/apps/org.zibbet.Zibbet.png",
          "share/icons/hicolor/scalable/apps/org.zibbet.Zibbet.svg"}) {
        EXPECT_TRUE(std::filesystem::exists(root / file)) << file;
    }
    // The binary is started from elsewhere; it must not look in the working directory.
    const ProcessResult check =
        runProcess(root / "bin/zibbet", {"--check-resources", "--home", home.path().string()});
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_NE(check.output.find(" 0 failed"), std::string::npos) << check.output;
    const ProcessResult run =
        runProcess(root / "bin/zibbet", {"--headless", "--home", home.path().string(), "--frames", "30"});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = readTextFile(home / "state/log.txt");
    EXPECT_EQ(log.find("has not been loaded"), std::string::npos)
        << "every resource the first screen needs was found";
    // The new player's puzzle records are the shipped par solutions, not a blank file.
    EXPECT_NE(log.find("Copied the shipped move data"), std::string::npos) << log;
    EXPECT_EQ(readTextFile(home / "data/puzzle.rec"), readTextFile(root / "share/zibbet/puzzle.rec"));
    EXPECT_EQ(std::filesystem::file_size(home / "data/puzzle.rec"), 36720u);
}

TEST(Install, DesktopEntryAndMetadataValidate) {
    const ProcessResult desktop = runProcess("/usr/bin/desktop-file-validate",
                                             {(kSourceDir / "dist/org.zibbet.Zibbet.desktop").string()});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output;
    const ProcessResult metainfo =
        runProcess("/usr/bin/appstreamcli",
                   {"validate", "--no-net", (kSourceDir / "dist/org.zibbet.Zibbet.metainfo.xml").string()});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output;
}

} // namespace
