// The puff of a popped balloon: it swells, fades and ends after its time, drawn around its centre.
#include "stage/PopEffect.h"

#include "EffectTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PopEffect, SwellsAndFadesAroundItsCentreThenEnds) {
    TestScreen screen;
    PictureBook pictures(screen.canvas, 20, 30, 0xFF0000);
    FrameClock clock;
    PopEffect effect(clock.timer());
    EXPECT_FALSE(effect.isActive());
    effect.start(pictures.get("balloon0"), 100.0f, 100.0f);
    EXPECT_TRUE(effect.isActive());
    EXPECT_FLOAT_EQ(effect.scale(), 1.0f);
    EXPECT_FLOAT_EQ(effect.opacity(), PopEffect::kStartOpacity);

    screen.clear();
    effect.draw();
    EXPECT_NE(screen.at(100, 100), 0u) << "drawn around its centre";
    EXPECT_EQ(screen.at(100, 117), 0u) << "30 px tall: it ends 15 px below its centre";

    clock.step(PopEffect::kSeconds / 2.0);
    effect.update();
    EXPECT_NEAR(effect.scale(), 1.0f + PopEffect::kGrowth / 2.0f, 1e-4f);
    EXPECT_NEAR(effect.opacity(), PopEffect::kStartOpacity / 2.0f, 1e-4f);
    screen.clear();
    effect.draw();
    EXPECT_NE(screen.at(100, 117), 0u) << "swollen to 39 px tall, it reaches further down";

    clock.step(PopEffect::kSeconds / 2.0 + 0.001);
    effect.update();
    EXPECT_FALSE(effect.isActive());
    screen.clear();
    effect.draw();
    EXPECT_EQ(screen.at(100, 100), 0u) << "a finished puff draws nothing";
}

TEST(PopEffect, AMissingPictureStillRunsItsTimeAndDrawsNothing) {
    TestScreen screen;
    FrameClock clock;
    PopEffect effect(clock.timer());
    effect.start(nullptr, 10.0f, 10.0f);
    EXPECT_TRUE(drawsNothing(screen, clock, effect, 1, PopEffect::kSeconds + 0.001));
    EXPECT_FALSE(effect.isActive());
}

} // namespace
