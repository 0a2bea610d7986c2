// The burst of a popped balloon: its frames in order within the popping time, growing around
// the place's centre, the last one fading, then nothing.
#include "stage/PopEffect.h"

#include "EffectTestSupport.h"

#include <string>

#include <gtest/gtest.h>

namespace {

uint32_t red(uint32_t p) {
    return (p >> 16) & 0xFF;
}
uint32_t green(uint32_t p) {
    return (p >> 8) & 0xFF;
}
uint32_t blue(uint32_t p) {
    return p & 0xFF;
}

TEST(PopEffect, PlaysItsFramesInOrderAroundItsCentreAndIsGoneWhenTheBalloonIs) {
    TestScreen screen;
    PictureBook first(screen.canvas, 20, 20, 0xFF0000);
    PictureBook second(screen.canvas, 20, 20, 0x00FF00);
    PictureBook third(screen.canvas, 20, 20, 0x0000FF);
    const BurstPictures::Frames frames{first.get("burst"), second.get("burst"), third.get("burst")};
    FrameClock clock;
    PopEffect effect(clock.timer());
    EXPECT_FALSE(effect.isActive());
    effect.start(&frames, 100.0f, 100.0f);
    EXPECT_TRUE(effect.isActive());
    EXPECT_TRUE(effect.isMoving()) << "the game keeps running frames while it bursts";

    clock.step(1.0 / 60.0);
    effect.update();
    EXPECT_EQ(effect.frame(), 0);
    screen.clear();
    effect.draw();
    EXPECT_GT(red(screen.at(100, 100)), 200u) << "the flash first, at full strength";
    EXPECT_EQ(screen.at(109, 100), 0u) << "about 17 px wide at first";

    clock.step(2.0 / 60.0);
    effect.update();
    EXPECT_EQ(effect.frame(), 1);
    screen.clear();
    effect.draw();
    EXPECT_GT(green(screen.at(100, 100)), 200u);

    clock.step(2.0 / 60.0);
    effect.update();
    EXPECT_EQ(effect.frame(), 2);
    EXPECT_GT(effect.opacity(), 0.0f);
    EXPECT_LT(effect.opacity(), 1.0f) << "the last frame fades";
    screen.clear();
    effect.draw();
    EXPECT_GT(blue(screen.at(100, 100)), 40u);
    EXPECT_LT(blue(screen.at(100, 100)), 250u);
    EXPECT_NE(screen.at(109, 100), 0u) << "the shards have flown further out";

    clock.step(1.0 / 60.0 + 0.001);
    effect.update();
    EXPECT_FALSE(effect.isActive()) << "gone within the 0.1 s the balloon takes to pop";
    screen.clear();
    effect.draw();
    EXPECT_EQ(screen.at(100, 100), 0u) << "a finished burst draws nothing";
}

TEST(PopEffect, MissingFramesStillRunTheirTimeAndDrawNothing) {
    TestScreen screen;
    FrameClock clock;
    PopEffect effect(clock.timer());
    effect.start(nullptr, 10.0f, 10.0f);
    EXPECT_TRUE(drawsNothing(screen, clock, effect, 1, PopEffect::kSeconds + 0.001));
    EXPECT_FALSE(effect.isActive());

    const BurstPictures::Frames none{};
    effect.start(&none, 10.0f, 10.0f);
    EXPECT_TRUE(drawsNothing(screen, clock, effect, 1, PopEffect::kSeconds + 0.001));
    EXPECT_FALSE(effect.isActive());
}

TEST(BurstPictures, LoadsEveryColoursFramesByNameOnce) {
    TestScreen screen;
    PictureBook pictures(screen.canvas, 4, 4);
    BurstPictures table;
    int lookups = 0;
    const ksImage* marker = pictures.get("any");
    table.load([&](const char* name) -> const ksImage* {
        ++lookups;
        return std::string(name) == "balloon_burst6_2" ? marker : nullptr;
    });
    EXPECT_EQ(lookups, BurstPictures::kColours * BurstPictures::kFrames);
    ASSERT_NE(table.of(6), nullptr);
    EXPECT_EQ((*table.of(6))[2], marker);
    EXPECT_EQ(table.of(-1), nullptr);
    EXPECT_EQ(table.of(BurstPictures::kColours), nullptr);
    table.load([&](const char*) -> const ksImage* {
        ++lookups;
        return nullptr;
    });
    EXPECT_EQ(lookups, BurstPictures::kColours * BurstPictures::kFrames) << "loaded once";
}

} // namespace
