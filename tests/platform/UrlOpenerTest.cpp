// Handing a web address to the desktop's opener: what counts as "no browser".
#include "platform/UrlOpener.h"

#include "support/TestSupport.h"

#include <fstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct UrlOpenerFixture : ::testing::Test {
    TempDir dir;

    // A stand-in opener: a script that writes its arguments to a file and runs `body`.
    std::string opener(const std::string& name, const std::string& body) {
        const auto path = dir.path() / name;
        std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \""
                            << (dir.path() / (name + ".args")).string() << "\"\n"
                            << body << "\n";
        chmod(path.c_str(), 0755);
        return path.string();
    }
    std::string argumentsOf(const std::string& name) {
        std::ifstream in(dir.path() / (name + ".args"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(UrlOpenerFixture, TheAddressIsOneArgumentAndNoShellReadsIt) {
    const std::string address = "http://example.invalid/;touch " + (dir.path() / "planted").string();
    EXPECT_TRUE(launchUrlOpener(opener("opens", "exit 0").c_str(), address, 5s));
    EXPECT_EQ(argumentsOf("opens"), address + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "planted"));
}

TEST_F(UrlOpenerFixture, AnOpenerThatFindsNoBrowserOrIsMissingMeansNoBrowser) {
    EXPECT_FALSE(launchUrlOpener(opener("finds-none", "exit 3").c_str(), "https://a.example/", 5s));
    EXPECT_FALSE(launchUrlOpener((dir.path() / "not-installed").c_str(), "https://a.example/", 5s));
}

TEST_F(UrlOpenerFixture, AnOpenerStillRunningWhenThePatienceEndsCountsAsOpened) {
    // Some openers stay in the foreground with the browser they started.
    EXPECT_TRUE(launchUrlOpener(opener("stays", "sleep 2").c_str(), "https://a.example/", 50ms));
}

} // namespace
