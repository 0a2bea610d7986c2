// A freed prize: the drop, the parachute glide to the shelf, its cues and the fly-off hop.
#include "stage/Prize.h"

#include "EffectTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 60.0;

struct PrizeFlight : EffectStage {
    PictureBook pictures{screen.canvas, 20, 16, 0x00FF00}; // the parachute
    PictureBook presents{screen.canvas, 20, 16, 0xFF0000};
    const ksImage* para = pictures.get("para");
    Prize prize{clock.timer(), para, &cues};

    void frame(double seconds = kFrame) {
        clock.step(seconds);
        prize.update();
    }
    // Runs frames while the prize is active; answers the seconds that took.
    double flyUntilFinished(double limit = 10.0) {
        double t = 0.0;
        while (prize.isActive() && t < limit) {
            frame();
            t += kFrame;
        }
        return t;
    }
};

TEST_F(PrizeFlight, AboveItsSlotItDropsAThirdOfTheWayThenGlidesTheRestAt120PixelsASecond) {
    prize.start(2, 1, presents.get("present1_2"), 300.0f, 100.0f, 300.0f, 400.0f, 4, 6);
    EXPECT_TRUE(prize.isActive());
    EXPECT_TRUE(prize.isDropping());
    EXPECT_FLOAT_EQ(prize.drop().endY(), 200.0f);

    double t = 0.0;
    while (prize.isDropping()) {
        EXPECT_LE(prize.y(), 200.0f);
        EXPECT_EQ(prize.x(), 300.0f) << "a straight drop";
        EXPECT_EQ(cues.plays("parachute"), 0) << "the parachute opens only after the drop";
        frame();
        t += kFrame;
    }
    EXPECT_NEAR(t, std::sqrt(2.0 * 100.0 / 1000.0), kFrame) << "a free fall of 100 px";
    EXPECT_EQ(cues.plays("parachute"), 1);
    EXPECT_TRUE(prize.isGliding());

    const double glideSeconds = flyUntilFinished();
    EXPECT_NEAR(glideSeconds, 200.0 / 120.0, 2 * kFrame);
    EXPECT_FALSE(prize.isActive());
    EXPECT_EQ(prize.x(), 300.0f);
    EXPECT_EQ(prize.y(), 400.0f);
    EXPECT_EQ(prize.sourceRow(), 4);
    EXPECT_EQ(prize.shelfSlot(), 6);
    for (int extra = 0; extra < 30; ++extra) {
        frame();
    }
    EXPECT_EQ(cues.plays("parachute"), 1);
    EXPECT_EQ(cues.plays("prize_lands"), 1);
    EXPECT_FALSE(cues.isPlaying("parachute")) << "landing silences the parachute";
    EXPECT_TRUE(cues.isPlaying("prize_lands"));
}

TEST_F(PrizeFlight, ItStopsOnlyTheCuesItStartedItself) {
    const int othersParachute = cues.play("parachute"); // another prize's, still playing
    prize.start(0, 0, nullptr, 200.0f, 50.0f, 200.0f, 400.0f, 0, 0);
    EXPECT_TRUE(cues.isPlaying("parachute")) << "nothing of this prize played yet";
    flyUntilFinished();
    EXPECT_EQ(cues.channelOf("parachute"), othersParachute);
    for (const RecordingCues::Event& event : cues.events) {
        if (!event.play) {
            EXPECT_NE(event.channel, othersParachute) << "stopped " << event.cue << " of someone else";
        }
    }

    // Reused for the next game while its landing cue still sounds: that cue is cut.
    prize.start(1, 0, nullptr, 200.0f, 50.0f, 200.0f, 400.0f, 0, 0);
    EXPECT_FALSE(cues.isPlaying("prize_lands"));
}

TEST_F(PrizeFlight, WhileGlidingTheParachuteHangsAboveTheSwayingPrize) {
    prize.start(0, 0, presents.get("present0_0"), 300.0f, 100.0f, 300.0f, 400.0f, 0, 0);
    while (!prize.isGliding()) {
        frame();
    }
    for (int i = 0; i < 20; ++i) {
        frame();
    }
    screen.clear();
    prize.draw();
    const int x = static_cast<int>(prize.glide().shownX()), y = static_cast<int>(prize.glide().shownY());
    EXPECT_NE(x, 300) << "the parachute sways the prize";
    EXPECT_EQ(screen.at(x, y), 0xFF0000u) << "the prize centred on its point";
    const int paraTop = static_cast<int>(prize.glide().shownY() - 16.0f * 10.0f / 11.0f);
    EXPECT_EQ(screen.at(x, paraTop), 0x00FF00u);
    EXPECT_EQ(screen.at(x, paraTop - 1), 0u);
}

TEST_F(PrizeFlight, AFlyOffWaitsItsDelayHopsFortyPixelsAndEndsOutOfSightBelowTheShelf) {
    prize.start(3, 2, presents.get("present2_3"), 300.0f, 300.0f, 300.0f, 420.0f, 1, 2);
    flyUntilFinished();
    ASSERT_FALSE(prize.isActive());

    prize.flyOff(0.3f);
    EXPECT_TRUE(prize.isActive());
    EXPECT_TRUE(prize.isFlyingOff());
    double t = 0.0;
    while (t + kFrame < 0.3 - 1e-9) {
        frame();
        t += kFrame;
        EXPECT_EQ(prize.hop(), 0.0f);
        EXPECT_EQ(prize.y(), 420.0f) << "it waits on the shelf";
    }
    EXPECT_EQ(cues.plays("prize_flyoff"), 0);

    float highest = 0.0f;
    double finishedAt = -1.0;
    while (t < 3.0) {
        frame();
        t += kFrame;
        highest = std::min(highest, prize.hop());
        if (!prize.isActive() && finishedAt < 0.0) {
            finishedAt = t;
            EXPECT_GE(prize.hop(), Prize::kOutOfSightHop);
            EXPECT_GE(prize.y(), 420.0f + 110.0f);
        }
    }
    EXPECT_EQ(cues.plays("prize_flyoff"), 1);
    EXPECT_NEAR(highest, -40.0f, 0.5f) << "40 px above the shelf at its highest";
    // (250 t - 200) t = 110 at t = 1.1746 s after the delay.
    EXPECT_NEAR(finishedAt, 0.3 + 1.1746, 2 * kFrame);

    prize.flyOff(0.0f);
    frame();
    EXPECT_TRUE(cues.isPlaying("prize_flyoff"));
    prize.flyOff(0.1f);
    EXPECT_FALSE(cues.isPlaying("prize_flyoff")) << "a new fly-off cuts the old one's cue";
}

TEST_F(PrizeFlight, WithoutPicturesOrCuesItStillFliesAndDrawsNothing) {
    Prize bare(clock.timer(), nullptr, nullptr);
    bare.start(0, 0, nullptr, 100.0f, 100.0f, 120.0f, 200.0f, 0, 0);
    EXPECT_TRUE(drawsNothing(screen, clock, bare, 200));
    EXPECT_FALSE(bare.isActive());
}

} // namespace
