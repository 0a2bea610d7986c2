// The mascot's cue rules, blinks, float-in and jump, and the curtain pairs of the goal banners.
#include "stage/Mascot.h"

#include "EffectTestSupport.h"
#include "engine/core/GameRandom.h"
#include "stage/CurtainPair.h"
#include "support/TestSupport.h"

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 60.0;

struct MascotOnStage : EffectStage {
    PictureBook pictures{screen.canvas, 20, 100};
    std::unique_ptr<Mascot> mascot;

    MascotOnStage() {
        seedGameRandom(77);
        pictures.setSize("spike_bouquet", 30, 60);
        mascot = std::make_unique<Mascot>(clock.timer(), pictures.lookup(), &cues);
    }
    void frame() {
        clock.step(kFrame);
        mascot->update();
    }
    // Runs frames until the current cue has finished; answers the seconds that took.
    double playOut(double limit = 30.0) {
        double t = 0.0;
        while (mascot->isBusy() && t < limit) {
            frame();
            t += kFrame;
        }
        return t;
    }
    std::string shown() const { return pictures.nameOf(mascot->currentPicture()); }
};

TEST_F(MascotOnStage, StandsOnThePodiumAtDepthOneHundredShowingItsDefaultPicture) {
    EXPECT_EQ(mascot->getDepth(), 100);
    EXPECT_TRUE(mascot->isActive());
    EXPECT_FALSE(mascot->isBusy());
    EXPECT_EQ(shown(), "spike_default");
    EXPECT_EQ(mascot->x(), 0.0f);
    EXPECT_EQ(mascot->y(), 144.0f);
    screen.clear();
    mascot->draw();
    EXPECT_EQ(screen.at(0, 144), 0xFF0000u);
    EXPECT_EQ(screen.at(0, 143), 0u);
}

TEST_F(MascotOnStage, ACueDoesNotRestartItselfWhileItPlaysButDoesAfterwards) {
    mascot->setCue(MascotCue::kCheer);
    for (int i = 0; i < 20; ++i) {
        frame();
    }
    const int reached = mascot->currentFrameIndex();
    EXPECT_GE(reached, 2);
    mascot->setCue(MascotCue::kCheer);
    EXPECT_EQ(mascot->currentFrameIndex(), reached) << "a second request while busy is ignored";

    const double rest = playOut();
    EXPECT_NEAR(rest + 20 * kFrame, 1.0, 2 * kFrame) << "one play of 0 + 5 x 0.2 s";
    EXPECT_EQ(shown(), "spike_default") << "back to its first picture";

    mascot->setCue(MascotCue::kCheer);
    EXPECT_TRUE(mascot->isBusy());
    frame();
    EXPECT_EQ(shown(), "spike_pos1_01") << "played again from the start";
}

TEST_F(MascotOnStage, AnyOtherKnownCueInterruptsTheCurrentOneAndOnlyAllPrizesAndWinsRequestWoo) {
    mascot->setCue(MascotCue::kFidget);
    frame();
    mascot->setCue(MascotCue::kCordPull);
    EXPECT_EQ(mascot->currentCue(), MascotCue::kCordPull);
    frame();
    EXPECT_EQ(shown(), "spike_cordpull01");
    mascot->setCue(MascotCue::kAllPrizes);
    mascot->setCue(MascotCue::kWon);
    mascot->setCue(MascotCue::kCheer);
    EXPECT_EQ(cues.plays("woo"), 2);

    LogCapture log;
    mascot->setCue(17);
    mascot->setCue(-1);
    EXPECT_EQ(mascot->currentCue(), MascotCue::kCheer) << "unknown cues are ignored";
    EXPECT_EQ(log.count("Mascot::setCue"), 2);

    mascot->setCue(MascotCue::kDozing);
    playOut(40.0);
    EXPECT_TRUE(mascot->isBusy()) << "dozing repeats until another cue comes";
    mascot->setCue(MascotCue::kBackToNormal);
    EXPECT_EQ(mascot->currentCue(), MascotCue::kBackToNormal);
}

TEST_F(MascotOnStage, TheTwoClockCuesNeverInterruptEachOther) {
    mascot->setCue(MascotCue::kClock);
    mascot->setCue(MascotCue::kClockFirst);
    EXPECT_EQ(mascot->currentCue(), MascotCue::kClock);
    playOut();
    EXPECT_EQ(shown(), "spike_clock2");
    mascot->setCue(MascotCue::kClockFirst);
    mascot->setCue(MascotCue::kClock);
    EXPECT_EQ(mascot->currentCue(), MascotCue::kClock);
    EXPECT_FALSE(mascot->isBusy()) << "not even the same clock cue restarts once it has played";

    mascot->setCue(MascotCue::kBackToNormal);
    EXPECT_EQ(mascot->currentCue(), MascotCue::kBackToNormal);
}

TEST_F(MascotOnStage, WhileTheClockShowsTheBlinkReplaysTheClockStripEveryHalfToTwoSeconds) {
    mascot->setCue(MascotCue::kClock);
    std::vector<double> replays;
    int previousIndex = mascot->currentFrameIndex();
    for (double t = 0.0; t < 30.0; t += kFrame) {
        frame();
        ASSERT_EQ(mascot->currentCue(), MascotCue::kClock);
        const std::string picture = shown();
        ASSERT_TRUE(picture == "spike_clock2" || picture == "spike_clock2blink") << picture;
        if (previousIndex == 0 && mascot->currentFrameIndex() == 1) {
            replays.push_back(t);
        }
        previousIndex = mascot->currentFrameIndex();
    }
    ASSERT_GE(replays.size(), 12u);
    for (std::size_t i = 2; i < replays.size(); ++i) {
        const double gap = replays[i] - replays[i - 1];
        EXPECT_GE(gap, 0.5 - kFrame);
        EXPECT_LE(gap, 2.0 + kFrame);
    }
}

TEST_F(MascotOnStage, IdleItBlinksWithCueZeroOrOneEverySixTenthsToTwoPointSixSeconds) {
    std::vector<double> blinks;
    std::set<int> cuesSeen;
    bool wasBusy = false;
    for (double t = 0.0; t < 40.0; t += kFrame) {
        frame();
        if (mascot->isBusy() && !wasBusy) {
            blinks.push_back(t);
            cuesSeen.insert(mascot->currentCue());
        }
        wasBusy = mascot->isBusy();
    }
    EXPECT_EQ(cuesSeen, (std::set<int>{MascotCue::kBlink, MascotCue::kBackToNormal}));
    ASSERT_GE(blinks.size(), 12u);
    EXPECT_GE(blinks[0], 1.5 - kFrame) << "the first blink comes after 1.5 to 3.5 s";
    EXPECT_LE(blinks[0], 3.5 + kFrame);
    for (std::size_t i = 1; i < blinks.size(); ++i) {
        const double gap = blinks[i] - blinks[i - 1]; // the 0.2 s blink, then the wait
        EXPECT_GE(gap, 0.2 + 0.6 - 2 * kFrame);
        EXPECT_LE(gap, 0.2 + 2.6 + 2 * kFrame);
    }
}

TEST_F(MascotOnStage, LossesAndWinsKeepTheirLastPictureOtherCuesGoBackToTheFirst) {
    const struct {
        int cue;
        int frames;
        const char* last;
    } kept[] = {{MascotCue::kSlump, 3, "spike_lose02"},
                {MascotCue::kWon, 4, "spike_winclassic"},
                {MascotCue::kSigh, 3, "spike_neg1_02"}};
    for (const auto& c : kept) {
        SCOPED_TRACE(c.cue);
        mascot->setCue(c.cue);
        playOut();
        EXPECT_EQ(mascot->currentFrameIndex(), c.frames - 1);
        EXPECT_EQ(shown(), c.last);
        mascot->setCue(MascotCue::kCheer);
        EXPECT_EQ(shown(), "spike_default") << "until another cue comes";
    }

    mascot->setCue(MascotCue::kFidget);
    playOut();
    EXPECT_EQ(mascot->currentFrameIndex(), 0);
    EXPECT_EQ(shown(), "spike_default");
}

TEST_F(MascotOnStage, TheClassicStartFloatsDownOnBalloonsThatThenLeaveUpward) {
    mascot->setCue(MascotCue::kFloatIn);
    EXPECT_FLOAT_EQ(mascot->y(), -100.0f) << "just above the screen";
    EXPECT_TRUE(mascot->isBouquetShown());
    EXPECT_FLOAT_EQ(mascot->bouquetY(), mascot->y() - 140.0f);

    double t = 0.0;
    float previousY = mascot->y(), widestSway = 0.0f;
    while (!mascot->hasLanded() && t < 5.0) {
        frame();
        t += kFrame;
        EXPECT_GE(mascot->y(), previousY);
        EXPECT_EQ(shown(), "spike_enterclassic01") << "hanging on until it lands";
        EXPECT_FLOAT_EQ(mascot->bouquetY(), mascot->y() - 140.0f);
        EXPECT_FLOAT_EQ(mascot->bouquetX(), mascot->x());
        widestSway = std::max(widestSway, std::fabs(mascot->x()));
        previousY = mascot->y();
    }
    EXPECT_NEAR(t, (144.0 + 100.0) / 160.0, 2 * kFrame);
    EXPECT_GT(widestSway, 20.0f);
    EXPECT_EQ(mascot->x(), 0.0f);
    EXPECT_EQ(mascot->y(), 144.0f);
    EXPECT_TRUE(mascot->isBusy());
    screen.clear();
    mascot->draw();
    EXPECT_EQ(screen.at(1, 144), 0xFF0000u) << "the mascot";
    EXPECT_EQ(screen.at(1, 4), 0xFF0000u) << "the bouquet's top, 140 px above it";
    EXPECT_EQ(screen.at(1, 3), 0u);

    float previousBouquetY = mascot->bouquetY();
    const double landedAt = t;
    while (mascot->isBusy() && t < 10.0) {
        frame();
        t += kFrame;
        EXPECT_EQ(mascot->y(), 144.0f) << "standing on the podium";
        if (mascot->isBouquetShown()) {
            EXPECT_LT(mascot->bouquetY(), previousBouquetY) << "the balloons rise away";
            previousBouquetY = mascot->bouquetY();
        }
        if (t - landedAt > 0.1 && t - landedAt < 0.15) {
            EXPECT_EQ(shown(), "spike_enterclassic02");
        }
    }
    EXPECT_NEAR(t - landedAt, (144.0 + 60.0) / 180.0, 2 * kFrame);
    EXPECT_FALSE(mascot->isBouquetShown());
    EXPECT_EQ(shown(), "spike_default");
}

TEST_F(MascotOnStage, TheActionStartJumpsFiftyPixelsWithOneYeah) {
    mascot->setCue(MascotCue::kJumpIn);
    double t = 0.0, topAt = 0.0;
    float top = 0.0f;
    while (mascot->isBusy() && t < 5.0) {
        frame();
        t += kFrame;
        EXPECT_FLOAT_EQ(mascot->y(), 144.0f - mascot->jumpHeight());
        if (t < 0.3 - kFrame) {
            EXPECT_EQ(mascot->jumpHeight(), 0.0f) << "crouching first";
            EXPECT_EQ(shown(), "spike_enterstory01");
            EXPECT_EQ(cues.plays("yeah"), 0);
        }
        if (mascot->jumpHeight() > top) {
            top = mascot->jumpHeight();
            topAt = t;
        }
    }
    EXPECT_NEAR(top, 50.0f, 0.1f);
    EXPECT_NEAR(topAt, 0.8, kFrame);
    EXPECT_NEAR(t, 1.3, 2 * kFrame);
    EXPECT_EQ(mascot->y(), 144.0f);
    EXPECT_EQ(shown(), "spike_default");
    EXPECT_EQ(cues.plays("yeah"), 1);

    mascot->setCue(MascotCue::kJumpIn);
    playOut();
    EXPECT_EQ(cues.plays("yeah"), 2) << "once per jump";
}

TEST(Mascot, WithoutPicturesOrCuesEveryCuePlaysAndDrawsNothing) {
    TestScreen screen;
    FrameClock clock;
    Mascot mascot(
        clock.timer(), [](const char*) { return nullptr; }, nullptr);
    for (int cue = 0; cue < MascotCue::kCount; ++cue) {
        mascot.setCue(cue);
        EXPECT_TRUE(drawsNothing(screen, clock, mascot, 30)) << "cue " << cue;
    }
}

struct Curtains : ::testing::Test {
    TestScreen screen;
    FrameClock clock;
    PictureBook pictures{screen.canvas, 250, 120};
    CurtainPair pair{clock.timer(), 2, pictures.lookup()};

    void expectAt(float left, float right) const {
        EXPECT_FLOAT_EQ(pair.leftX(), left);
        EXPECT_FLOAT_EQ(pair.rightX(), right);
    }
    double slide() {
        double t = 0.0;
        while (pair.isMoving() && t < 10.0) {
            clock.step(kFrame);
            pair.update();
            t += kFrame;
        }
        return t;
    }
};

TEST_F(Curtains, ANewPairStandsOpenAndClosingInSlidesFromOffTheScreenAt200PixelsASecond) {
    EXPECT_TRUE(pictures.wasAskedFor("curtain02_left"));
    EXPECT_TRUE(pictures.wasAskedFor("curtain02_right"));
    EXPECT_EQ(pair.width(), 250);
    EXPECT_TRUE(pair.isOpen());
    EXPECT_FALSE(pair.isMoving());
    expectAt(160.0f - 250.0f, 2 * 250.0f - 160.0f); // a 160-pixel frame at each side

    pair.closeIn();
    EXPECT_FALSE(pair.isOpen());
    EXPECT_TRUE(pair.isMoving());
    expectAt(-250.0f, 500.0f);
    clock.step(0.5);
    pair.update();
    expectAt(-150.0f, 400.0f);
    EXPECT_NEAR(slide() + 0.5, 250.0 / 200.0, 1.5 * kFrame);
    expectAt(0.0f, 250.0f);
    screen.clear();
    pair.draw();
    EXPECT_EQ(screen.at(0, 0), 0xFF0000u);
    EXPECT_EQ(screen.at(499, 119), 0xFF0000u);
    EXPECT_EQ(screen.at(500, 0), 0u);
}

TEST_F(Curtains, OpeningSlidesFromClosedToOpenAndSettingAPlaceStopsAnySlideAtOnce) {
    pair.open();
    EXPECT_TRUE(pair.isOpen());
    expectAt(0.0f, 250.0f);
    EXPECT_NEAR(slide(), 90.0 / 200.0, 1.5 * kFrame);
    expectAt(-90.0f, 340.0f);

    pair.closeIn();
    clock.step(0.2);
    pair.update();
    pair.setOpen();
    EXPECT_FALSE(pair.isMoving());
    EXPECT_TRUE(pair.isOpen());
    EXPECT_EQ(pair.leftX(), -90.0f);
    pair.update();
    EXPECT_EQ(pair.leftX(), -90.0f);
    pair.setClosed();
    EXPECT_FALSE(pair.isOpen());
    expectAt(0.0f, 250.0f);
}

} // namespace
