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

TEST(Timer, MeasuresEachFrameFromTheLastTick) {
    ScriptedCounter counter;
    ksTimer timer(counter);
    counter.now += 20;
    timer.tick();
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 50.0);
    EXPECT_DOUBLE_EQ(timer.frameSeconds(), 0.02);
}

TEST(Timer, StalledOrBackwardCounterKeepsThePreviousRate) {
    ScriptedCounter counter;
    ksTimer timer(counter);
    counter.now += 10;
    timer.tick();
    timer.tick(); // same reading
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 100.0);
    counter.now -= 5; // a counter that went backwards
    timer.tick();
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 100.0);
    EXPECT_DOUBLE_EQ(timer.frameSeconds(), 0.01);
}

TEST(Timer, LongFramesClampToOneSecond) {
    ScriptedCounter counter;
    ksTimer timer(counter);
    counter.now += 5000;
    timer.tick();
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 1.0);
    EXPECT_DOUBLE_EQ(timer.frameSeconds(), 1.0);
}

TEST(Timer, ResetMakesTheNextFrameStartNow) {
    ScriptedCounter counter;
    ksTimer timer(counter);
    counter.now += 60'000; // a minute in the background
    timer.reset(60.0f);
    EXPECT_DOUBLE_EQ(timer.framesPerSecond(), 60.0);
    EXPECT_NEAR(timer.frameSeconds(), 1.0 / 60.0, 1e-9);
    counter.now += 25;
    timer.tick();
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
