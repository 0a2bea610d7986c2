// ksTimer.h: the frame timer and the counters it can read.
#pragma once

#include <cstdint>

// A monotonic counter with a known frequency. Readings are never 0.
class ksCounter {
public:
    virtual ~ksCounter() = default;
    virtual int64_t frequency() const = 0;
    virtual int64_t read() = 0;
};

// The steady clock in nanoseconds, offset by one so that no reading is ever 0.
class SteadyCounter final : public ksCounter {
public:
    int64_t frequency() const override { return 1'000'000'000; }
    int64_t read() override;
};

// A counter that advances by exactly one step each time it is read, so every frame measures
// 1 / stepsPerSecond seconds. Headless runs use it to be repeatable.
class SteppedCounter final : public ksCounter {
public:
    explicit SteppedCounter(int64_t stepsPerSecond) : m_step(kFrequency / stepsPerSecond) {}
    int64_t frequency() const override { return kFrequency; }
    int64_t read() override { return m_now += m_step; }

private:
    static constexpr int64_t kFrequency = 60'000'000;
    int64_t m_step;
    int64_t m_now = 1;
};

// Measures each frame: framesPerSecond (never below 1.0) and frameSeconds (never above 1.0) of
// the frame that ended at the last tick.
class ksTimer {
public:
    explicit ksTimer(ksCounter& counter);

    // Measures the frame that just ended. A reading that has not moved forward keeps the
    // previous rate and frame length.
    void tick();
    // Pretends the last frame ran at `rate` frames per second, starting the next frame now.
    void reset(float rate);
    // Sets both results to 0.0 (used while a pause is being set up).
    void clearResults();

    double framesPerSecond() const { return m_framesPerSecond; }
    double frameSeconds() const { return m_frameSeconds; }

private:
    ksCounter& m_counter;
    double m_frequency;
    double m_framesPerSecond = 60.0;
    double m_frameSeconds = 1.0 / 60.0;
    int64_t m_lastCount;
    int64_t m_frequencyCount;
    int64_t m_lastElapsed = 0;
};
