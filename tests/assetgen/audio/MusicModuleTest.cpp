// The music module as the game will play it: it loads, every section is heard, stays in its own
// orders for ever and starts with its own speed and tempo whatever played before.
#include "AudioAnalysis.h"
#include "ModuleRenderer.h"
#include "assetgen/audio/AudioAssets.h"

#include <algorithm>
#include <ostream>
#include <string>

#include <gtest/gtest.h>
#include <libmodplug/modplug.h>

namespace {

const std::vector<uint8_t>& moduleBytes() {
    static const std::vector<uint8_t> bytes = generateMusicModule().bytes;
    return bytes;
}

int orderCount() {
    const auto& b = moduleBytes();
    return readU16(b, 0x20) - 1; // the header counts the end marker too
}

// The order numbers the screens jump to, and the orders each section owns.
struct Section {
    const char* name;
    int first;
    int last; // inclusive; -1: up to the end of the order list
};

constexpr Section kSections[] = {
    {"puzzle", 0, 9}, {"title", 10, 20}, {"classic", 21, 29}, {"action", 30, -1}};

void PrintTo(const Section& s, std::ostream* out) {
    *out << s.name;
}

int lastOrder(const Section& s) {
    return s.last >= 0 ? s.last : orderCount() - 1;
}

double rmsDb(const std::vector<int16_t>& stereo) {
    return toDb(rms(toFloat(stereo)));
}

TEST(MusicModule, IsTheSameImpulseTrackerModuleInSampleModeEveryTimeAndLoadsInTheEngine) {
    const GeneratedFile file = generateMusicModule();
    EXPECT_EQ(file.fileName, "music.it");
    const auto& b = file.bytes;
    ASSERT_GT(b.size(), 0xC0u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "IMPM");
    EXPECT_EQ(readU16(b, 0x22), 0) << "instruments";
    EXPECT_EQ((b[0x2C] & 0x04), 0) << "instrument mode flag";
    ASSERT_GE(orderCount(), 31);
    EXPECT_EQ(b[0xC0 + orderCount()], 255) << "end of song marker";
    for (const Section& s : kSections) {
        EXPECT_LT(b[0xC0 + s.first], 200) << s.name << " starts on a real pattern";
    }
    EXPECT_EQ(b, moduleBytes()) << "the same every time";

    ModuleRenderer player(b);
    ASSERT_TRUE(player.loaded()) << "by the engine the game plays it with";
    EXPECT_STREQ(ModPlug_GetName(player.file()), "Zibbet");
    EXPECT_GE(ModPlug_NumSamples(player.file()), 8u);
}

TEST(MusicModule, PuzzleIsTheCalmestAndActionTheFastest) {
    std::vector<int> tempos;
    for (const Section& s : kSections) {
        ModuleRenderer player(moduleBytes());
        player.seekOrder(s.first);
        player.render(0.2);
        tempos.push_back(ModPlug_GetCurrentTempo(player.file()));
    }
    EXPECT_EQ(*std::min_element(tempos.begin(), tempos.end()), tempos.front());
    EXPECT_EQ(*std::max_element(tempos.begin(), tempos.end()), tempos.back());
}

class MusicSection : public ::testing::TestWithParam<Section> {};

TEST_P(MusicSection, IsAudibleAtAComfortableLevelWithoutClipping) {
    ModuleRenderer player(moduleBytes());
    ASSERT_TRUE(player.loaded());
    player.seekOrder(GetParam().first);
    const std::vector<int16_t> audio = player.render(20.0);
    ASSERT_EQ(audio.size(), 20u * ModuleRenderer::kRate * 2);
    const double level = rmsDb(audio);
    EXPECT_GT(level, -32.0);
    EXPECT_LT(level, -18.0);
    EXPECT_LT(peak(toFloat(audio)), 0.7) << "room left for the player's music volume";
}

TEST_P(MusicSection, StaysInItsOwnOrdersAndComesBackToItsStartAfterHalfAMinuteOrMore) {
    const Section& s = GetParam();
    ModuleRenderer player(moduleBytes());
    player.seekOrder(s.first);
    std::vector<int> orders;
    player.render(150.0, &orders);
    ASSERT_FALSE(orders.empty());
    for (int order : orders) {
        ASSERT_GE(order, s.first);
        ASSERT_LE(order, lastOrder(s));
    }
    // Blocks are 10 ms long: the first block back on the first order after leaving it.
    const auto left = std::find_if(orders.begin(), orders.end(), [&](int o) { return o != s.first; });
    ASSERT_NE(left, orders.end());
    const auto back = std::find(left, orders.end(), s.first);
    ASSERT_NE(back, orders.end()) << "never came back to order " << s.first;
    const double loopSeconds = static_cast<double>(back - orders.begin()) / 100.0;
    EXPECT_GE(loopSeconds, 30.0);
    EXPECT_LE(loopSeconds, 75.0);
}

TEST_P(MusicSection, SetsItsOwnSpeedAndTempoWhateverPlayedBefore) {
    const Section& s = GetParam();
    ModuleRenderer fresh(moduleBytes());
    fresh.seekOrder(s.first);
    fresh.render(0.2);
    for (const Section& before : kSections) {
        ModuleRenderer player(moduleBytes());
        player.seekOrder(before.first);
        player.render(1.0);
        player.seekOrder(s.first);
        player.render(0.2);
        EXPECT_EQ(ModPlug_GetCurrentTempo(player.file()), ModPlug_GetCurrentTempo(fresh.file()))
            << before.name;
        EXPECT_EQ(ModPlug_GetCurrentSpeed(player.file()), ModPlug_GetCurrentSpeed(fresh.file()))
            << before.name;
    }
}

TEST_P(MusicSection, AJumpToAnyOfItsOrdersStaysInTheSection) {
    const Section& s = GetParam();
    for (int order = s.first; order <= lastOrder(s); ++order) {
        ModuleRenderer player(moduleBytes());
        player.seekOrder(order);
        std::vector<int> orders;
        player.render(80.0, &orders);
        EXPECT_TRUE(std::all_of(orders.begin(), orders.end(),
                                [&](int o) { return o >= s.first && o <= lastOrder(s); }))
            << "from order " << order;
        EXPECT_NE(std::find(orders.begin(), orders.end(), s.first), orders.end()) << "from order " << order;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySection, MusicSection, ::testing::ValuesIn(kSections),
                         [](const ::testing::TestParamInfo<Section>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
