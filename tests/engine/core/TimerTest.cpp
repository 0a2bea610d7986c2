// The frame timer: clamped rates, stalled or backward counters, and resets after a pause.
#include "engine/core/ksTimer.h"

#include <gtest/gtest.h>

namespace {

class ScriptedCounter final : public ksCounter {
public:
    int64_t frequency() const override { return 1000; }
    int64_t read() override { return now; }
    int64_t now = 1;
};

struct TimerFixture : ::testing::Test {
    ScriptedCounter counter;
    ksTimer timer{counter};

    void tickAfter(int64_t milliseconds) {
        counter.now += milliseconds;
        timer.tick();
    }
};

TEST_F(TimerFixture, MeasuresEachFrameFromTheLastTickAndClampsLongFramesToOneSecond) {
    tickAfter(20);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 50.0);
    EXPECT_DOUBLE_EQ(timer.frameSeconds(), 0.02);
    tickAfter(5000);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 1.0);
    EXPECT_DOUBLE_EQ(timer.frameSeconds(), 1.0);
}

TEST_F(TimerFixture, StalledOrBackwardCounterKeepsThePreviousRate) {
    tickAfter(10);
    tickAfter(0);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 100.0);
    tickAfter(-5);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 100.0);
    EXPECT_DOUBLE_EQ(timer.frameSeconds(), 0.01);
}

TEST_F(TimerFixture, ResetMakesTheNextFrameStartNow) {
    counter.now += 60'000; // a minute in the background
    timer.reset(60.0f);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 60.0);
    EXPECT_NEAR(timer.frameSeconds(), 1.0 / 60.0, 1e-9);
    tickAfter(25);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 40.0);
}

TEST(Timer, SteppedCounterGivesExactSixtieths) {
    SteppedCounter counter(60);
    ksTimer timer(counter);
    for (int i = 0; i < 3; ++i) {
        timer.tick();
        EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 60.0);
    }
    timer.reset(60.0f);
    timer.tick();
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 60.0);
}

} // namespace
