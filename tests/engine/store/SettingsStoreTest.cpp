// The settings store: exact value sizes, version checks, bad sizes and the player profile.
#include "engine/core/FileIo.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/store/ksRegistry.h"
#include "support/TestSupport.h"

#include <array>

#include <gtest/gtest.h>

namespace {

struct StoreFixture : ::testing::Test {
    TempDir dir;
    ksRegistry store{"Zibbet", 0, 3, dir.path() / "config"};

    std::size_t sizeOf(const char* name) { return std::filesystem::file_size(dir.path() / "config" / name); }
    std::vector<uint8_t> fileBytes(const char* name) { return *readFileBytes(dir.path() / "config" / name); }
};

TEST_F(StoreFixture, AFreshStoreIsAFullScreen640x480WindowAt1_1AndSavesExactSizes) {
    EXPECT_EQ(store.windowRect(), ScreenRect::fromPositionSize(1, 1, 640, 480));
    EXPECT_FALSE(store.isWindowed());
    EXPECT_EQ(store.fullScreenDepth(), 32u);
    ASSERT_TRUE(store.saveSettings());
    ASSERT_TRUE(savePlayerProfile(store, PlayerProfile{}));
    EXPECT_EQ(sizeOf("Version"), 2u);
    EXPECT_EQ(sizeOf("Settings"), 36u);
    EXPECT_EQ(sizeOf("Custom"), 496u);
    EXPECT_EQ(fileBytes("Version"), (std::vector<uint8_t>{0, 3}));
    EXPECT_EQ(fileBytes("Settings")[27], 0) << "padding is written as 0";
}

TEST_F(StoreFixture, SettingsRoundTrip) {
    store.setWindowPosition(192, 144);
    store.setWindowed(true);
    store.setEnhancedCursor(true);
    store.setFullScreenDepth(16);
    ASSERT_TRUE(store.saveSettings());
    ksRegistry again{"Zibbet", 0, 3, dir.path() / "config"};
    ASSERT_TRUE(again.loadSettings());
    EXPECT_EQ(again.windowRect(), ScreenRect::fromPositionSize(192, 144, 640, 480));
    EXPECT_TRUE(again.isWindowed());
    EXPECT_TRUE(again.isEnhancedCursor());
    EXPECT_EQ(again.fullScreenDepth(), 16u);
}

TEST_F(StoreFixture, WrongSizesAndVersionsAreRefused) {
    ASSERT_TRUE(store.saveSettings());
    for (std::size_t size : {35u, 37u, 0u}) {
        writeBytes(dir.path() / "config" / "Settings", std::vector<unsigned char>(size, 1));
        EXPECT_FALSE(store.loadSettings()) << size;
    }
    ASSERT_TRUE(store.saveSettings());
    writeBytes(dir.path() / "config" / "Version", {0, 2});
    EXPECT_FALSE(store.loadSettings());
    std::array<uint8_t, PlayerProfile::kSize> buffer{};
    EXPECT_FALSE(store.loadCustom(buffer)) << "another store version makes the profile unreadable too";
    writeBytes(dir.path() / "config" / "Version", {0, 3, 0});
    EXPECT_FALSE(store.loadSettings());
}

TEST_F(StoreFixture, DamagedSettingsStillGiveAUsableWindow) {
    std::array<uint8_t, ksRegistry::kSettingsSize> record{};
    store.encodeSettings(record);
    record[16] = record[17] = 0; // width 0
    record[28] = 24;             // a depth no full screen uses
    store.decodeSettings(record);
    EXPECT_EQ(store.windowRect().width, 640);
    EXPECT_EQ(store.windowRect().right, store.windowRect().left + 639);
    EXPECT_EQ(store.fullScreenDepth(), 32u);
}

// Edges near the int32 limits must not overflow (UBSan watches this in CI) and must not reach
// the window: the position falls back to the default one, which the OS layer re-centres.
TEST_F(StoreFixture, CraftedSettingsNearTheInt32LimitsAreRefusedBeforeAnyArithmetic) {
    const std::pair<int32_t, int32_t> corners[] = {
        {INT32_MAX, INT32_MAX}, {INT32_MIN, 10}, {10, INT32_MAX - 100}, {(1 << 20) + 1, 0}};
    for (const auto& [left, top] : corners) {
        std::vector<unsigned char> record(ksRegistry::kSettingsSize, 0);
        const int32_t fields[6] = {top, left, INT32_MAX, INT32_MIN, 800, 600};
        for (int f = 0; f < 6; ++f) {
            for (int b = 0; b < 4; ++b) {
                record[f * 4 + b] = static_cast<unsigned char>(static_cast<uint32_t>(fields[f]) >> (8 * b));
            }
        }
        record[28] = 32;
        ASSERT_TRUE(store.saveSettings());
        writeBytes(dir.path() / "config" / "Settings", record);
        ASSERT_TRUE(store.loadSettings());
        EXPECT_EQ(store.windowRect(), ScreenRect::fromPositionSize(1, 1, 800, 600)) << left << "," << top;
    }
    ScreenRect rect;
    rect.setPosition(INT32_MAX, INT32_MIN);
    rect.setSize(INT32_MAX, INT32_MAX);
    EXPECT_EQ(rect.right, INT32_MAX);
    EXPECT_EQ(rect.bottom, -2);
}

TEST_F(StoreFixture, ProfileRoundTripsAndMissingProfileIsNotRead) {
    PlayerProfile profile;
    EXPECT_EQ(loadPlayerProfile(store, profile), ProfileLoad::NotRead);
    profile.setName("Ada");
    profile.setColours(4);
    profile.unlockPuzzles(7);
    profile.addAttempt(3);
    profile.setBest(3, 12);
    ASSERT_TRUE(store.saveSettings());
    ASSERT_TRUE(savePlayerProfile(store, profile));
    PlayerProfile read;
    ASSERT_EQ(loadPlayerProfile(store, read), ProfileLoad::Loaded);
    EXPECT_EQ(read.name(), "Ada");
    EXPECT_EQ(read.colours(), 4);
    EXPECT_EQ(read.countUnlockedPuzzles(), 7);
    EXPECT_EQ(read.attempts(3), 1);
    EXPECT_EQ(read.countSolvedPuzzles(), 1);
}

TEST_F(StoreFixture, AProfileOfAnotherBuildIsReportedAndAShortOneKeepsResetValuesForItsTail) {
    ASSERT_TRUE(store.saveSettings());
    PlayerProfile profile;
    writeBytes(dir.path() / "config" / "Custom", {0x3C, 0x0E, 0, 0}); // 3900 - 100 = 3800
    EXPECT_EQ(loadPlayerProfile(store, profile), ProfileLoad::OtherBuild);
    writeBytes(dir.path() / "config" / "Custom", {0x3C, 0x0F, 0, 0}); // just the build number 3900
    profile.reset(1, 6);
    ASSERT_EQ(loadPlayerProfile(store, profile), ProfileLoad::Loaded);
    EXPECT_EQ(profile.colours(), 5);
    EXPECT_FLOAT_EQ(profile.musicVolume(), 0.3f);
    EXPECT_FLOAT_EQ(profile.effectsVolume(), 0.8f);
    EXPECT_EQ(profile.countUnlockedPuzzles(), 6);
    EXPECT_EQ(profile.countUnlockedThemes(), 1);
}

TEST_F(StoreFixture, HostileProfileValuesAreMadeSafe) {
    PlayerProfile hostile;
    std::array<uint8_t, PlayerProfile::kSize> bytes{};
    hostile.encode(bytes);
    auto put32 = [&](std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    put32(16, 7);          // difficulty
    put32(12, 0);          // colours
    put32(72, 9);          // theme
    put32(76, 500);        // current puzzle
    put32(4, 0x7FC00000);  // NaN music volume
    put32(8, 0x7F800000);  // infinite effects volume
    put32(64, 0x7F800000); // infinite saved score
    put32(56, 4);          // saved round
    for (std::size_t i = 20; i < 56; ++i) {
        bytes[i] = 'N'; // a name without its terminator
    }
    ASSERT_TRUE(store.saveSettings());
    ASSERT_TRUE(store.saveCustom(bytes));
    PlayerProfile profile;
    ASSERT_EQ(loadPlayerProfile(store, profile), ProfileLoad::Loaded);
    EXPECT_EQ(profile.difficulty(), 0);
    EXPECT_EQ(profile.colours(), 5);
    EXPECT_EQ(profile.theme(), 0);
    EXPECT_EQ(profile.currentPuzzle(), 0);
    EXPECT_FLOAT_EQ(profile.musicVolume(), 0.3f);
    EXPECT_FLOAT_EQ(profile.effectsVolume(), 0.8f);
    EXPECT_EQ(profile.savedScore(), 0.0f);
    EXPECT_EQ(profile.savedRound(), 0);
    EXPECT_EQ(profile.name(), std::string(35, 'N'));
}

TEST(PlayerProfile, ThemeSteppingWrapsThroughUnlockedThemesOnly) {
    PlayerProfile profile;
    profile.reset(1, 0);
    profile.nextTheme();
    EXPECT_EQ(profile.theme(), 0) << "only theme 0 is unlocked";
    ASSERT_TRUE(profile.unlockNextTheme());
    ASSERT_TRUE(profile.unlockNextTheme()); // 0, 1, 2
    profile.nextTheme();
    profile.nextTheme();
    EXPECT_EQ(profile.theme(), 2);
    profile.nextTheme();
    EXPECT_EQ(profile.theme(), 0);
    profile.previousTheme();
    EXPECT_EQ(profile.theme(), 2);

    PlayerProfile none;
    none.reset(0, 0);
    none.nextTheme(); // no unlocked theme: stops after five steps
    EXPECT_EQ(none.theme(), 0);
}

TEST(PlayerProfile, CountersSaturateAndUnlockingGoesInIndexOrder) {
    PlayerProfile profile;
    for (int i = 0; i < 40000; ++i) {
        profile.addAttempt(5);
    }
    EXPECT_EQ(profile.attempts(5), 32767);
    profile.reset(0, 2);
    profile.unlockPuzzles(3);
    EXPECT_TRUE(profile.isPuzzleUnlocked(4));
    EXPECT_FALSE(profile.isPuzzleUnlocked(5));
    profile.setName(std::string(50, 'x'));
    EXPECT_EQ(profile.name().size(), 35u);
}

} // namespace
