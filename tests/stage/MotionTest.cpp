// The two motion objects every effect moves with, and the pool effects are reused from.
#include "stage/Drop.h"
#include "stage/EffectPool.h"
#include "stage/Glide.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

constexpr float kFrame = 1.0f / 60.0f;

TEST(Glide, MovesAlongTheLineAtItsSpeedAndEndsExactlyOnTheEndPoint) {
    Glide glide;
    glide.start(10.0f, 20.0f, 40.0f, 60.0f, 25.0f); // 50 px at 25 px/s
    EXPECT_FLOAT_EQ(glide.duration(), 2.0f);
    EXPECT_FLOAT_EQ(glide.directionX(), 0.6f);
    EXPECT_FLOAT_EQ(glide.directionY(), 0.8f);

    glide.update(1.0f);
    EXPECT_TRUE(glide.isActive());
    EXPECT_FLOAT_EQ(glide.x(), 25.0f);
    EXPECT_FLOAT_EQ(glide.y(), 40.0f);

    glide.update(1.5f);
    EXPECT_FALSE(glide.isActive());
    EXPECT_FLOAT_EQ(glide.x(), 40.0f);
    EXPECT_FLOAT_EQ(glide.y(), 60.0f);
}

TEST(Glide, SwaysAcrossThePathAndTheDecayingSwayDiesOutOnArrival) {
    Glide glide;
    const float pi = std::numbers::pi_v<float>;
    glide.start(0.0f, 0.0f, 0.0f, 100.0f, 100.0f, GlideSway{10.0f, pi, 0.0f, false});
    glide.update(0.5f); // sin(pi / 2) = 1
    EXPECT_NEAR(glide.swayX(), -10.0f, 1e-4f) << "a path straight down sways sideways";
    EXPECT_NEAR(glide.swayY(), 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(glide.shownX(), glide.x() + glide.swayX());

    glide.start(0.0f, 0.0f, 0.0f, 100.0f, 100.0f, GlideSway{10.0f, pi, 0.0f, true});
    glide.update(0.5f);
    EXPECT_NEAR(glide.swayX(), -5.0f, 1e-4f) << "half the way, half the amplitude";
    glide.update(0.6f);
    EXPECT_FALSE(glide.isActive());
    EXPECT_FLOAT_EQ(glide.swayX(), 0.0f);
    EXPECT_FLOAT_EQ(glide.swayY(), 0.0f);
}

TEST(Glide, AGlideOfLengthZeroHasNoDirectionAndEndsAtItsFirstUpdate) {
    Glide glide;
    glide.start(5.0f, 7.0f, 5.0f, 7.0f, 120.0f, GlideSway{50.0f, 3.0f, 0.0f, true});
    EXPECT_TRUE(glide.isActive());
    EXPECT_EQ(glide.directionX(), 0.0f);
    EXPECT_EQ(glide.directionY(), 0.0f);
    EXPECT_EQ(glide.duration(), 0.0f);
    glide.update(kFrame);
    EXPECT_FALSE(glide.isActive());
    EXPECT_FALSE(std::isnan(glide.x()) || std::isnan(glide.y()));
    EXPECT_EQ(glide.shownX(), 5.0f);
    EXPECT_EQ(glide.shownY(), 7.0f);

    glide.start(0.0f, 0.0f, 100.0f, 0.0f, 0.0f);
    glide.update(kFrame);
    EXPECT_FALSE(glide.isActive()) << "no speed arrives at once rather than never";
    EXPECT_EQ(glide.x(), 100.0f);
}

TEST(Drop, FallsUnderGravityOnlyToAFloorBelowAndABounceOfZeroStopsAtTheFirstTouch) {
    Drop drop;
    drop.start(3.0f, 0.0f, 500.0f, 0.0f);
    drop.update(0.5f); // 1/2 g t^2 = 125
    EXPECT_FLOAT_EQ(drop.y(), 125.0f);
    EXPECT_FLOAT_EQ(drop.velocity(), 500.0f);
    EXPECT_TRUE(drop.isActive());
    EXPECT_TRUE(drop.update(1.0f));
    EXPECT_FALSE(drop.isActive());
    EXPECT_FLOAT_EQ(drop.y(), 500.0f);
    EXPECT_FLOAT_EQ(drop.x(), 3.0f);
    EXPECT_FALSE(drop.update(kFrame)) << "an ended drop touches nothing more";

    drop.start(0.0f, 100.0f, 100.0f, 0.0f);
    EXPECT_FALSE(drop.isActive()) << "a floor at the start means no drop";
    drop.start(0.0f, 100.0f, 40.0f, 0.5f);
    EXPECT_FALSE(drop.isActive()) << "a floor above the start means no drop";
    EXPECT_FALSE(drop.update(kFrame));
    EXPECT_FLOAT_EQ(drop.y(), 100.0f);
}

TEST(Drop, BouncesLowerEachTimeAndRestsOnceTheHeightIsBelowFivePixels) {
    Drop drop;
    drop.start(0.0f, 0.0f, 320.0f, 0.25f); // heights 80, 20, 5, 1.25: four touches
    int touches = 0;
    float highestAfterFirstTouch = 320.0f;
    for (int frame = 0; frame < 5000 && drop.isActive(); ++frame) {
        if (drop.update(0.001f)) {
            ++touches;
        }
        if (touches > 0 && touches < 2) {
            highestAfterFirstTouch = std::min(highestAfterFirstTouch, drop.y());
        }
    }
    EXPECT_FALSE(drop.isActive());
    EXPECT_EQ(touches, 4);
    EXPECT_NEAR(320.0f - highestAfterFirstTouch, 80.0f, 1.0f);
    EXPECT_FLOAT_EQ(drop.y(), 320.0f);
}

struct Toy {
    explicit Toy(int& built, int tag)
        : tag(tag) {
        ++built;
    }
    bool isActive() const { return active; }
    int tag;
    bool active = false;
};

TEST(EffectPool, HandsOutTheFirstIdleMemberAndNothingWhenAllAreBusy) {
    int built = 0;
    EffectPool<Toy, 3> pool(built, 7);
    EXPECT_EQ(built, 3);
    EXPECT_EQ(pool.members()[0].tag, 7);

    Toy* first = pool.acquire();
    ASSERT_EQ(first, &pool.members()[0]);
    first->active = true;
    EXPECT_EQ(pool.acquire(), &pool.members()[1]);
    pool.members()[1].active = true;
    pool.members()[2].active = true;
    EXPECT_EQ(pool.acquire(), nullptr);

    pool.members()[1].active = false;
    EXPECT_EQ(pool.acquire(), &pool.members()[1]) << "a finished member is reused";
}

} // namespace
