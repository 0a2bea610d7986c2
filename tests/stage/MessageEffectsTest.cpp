// The banner message that drops in on a parachute, and the floating score that curls to the
// score display.
#include "EffectTestSupport.h"
#include "engine/video/ksFont.h"
#include "stage/BannerMessage.h"
#include "stage/FloatingScore.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 64.0; // exact in binary, so clocks add up to whole seconds

// Glyphs 10 px wide for 'A', '+', '-' and the digits, all cut from one white sheet.
std::string glyphTable(int bottom) {
    std::string table;
    for (const int code : {'A', '+', '-', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}) {
        table += std::to_string(code) + ",0,0,9," + std::to_string(bottom) + ";";
    }
    return table;
}

struct Messages : EffectStage {
    ksImage sheet = whiteSheet();
    ksFont tall{&screen.canvas, &sheet, glyphTable(19)};   // line height 19
    ksFont short_{&screen.canvas, &sheet, glyphTable(11)}; // line height 11
    PictureBook pictures{screen.canvas, 30, 24, 0x00FF00};

    ksImage whiteSheet() {
        ksImage image(screen.canvas, 10, 20);
        image.setColour(255, 255, 255);
        image.setAlpha(255);
        return image;
    }
};

TEST_F(Messages, ABannerStartsJustAboveTheScreenAndFallsFasterThanItGlides) {
    BannerMessage banner(screen.canvas, clock.timer(), pictures.get("para"), &cues);
    EXPECT_EQ(banner.getDepth(), 110);
    EXPECT_FALSE(banner.isActive());
    banner.start("AAA", &tall, "A", &short_, "AA", &tall);
    EXPECT_TRUE(banner.isActive());
    EXPECT_EQ(banner.startY(), -(19 + 11 + 19));
    EXPECT_EQ(banner.y(), banner.startY());
    EXPECT_LT(banner.y() + 19, 0) << "the top line is above the screen";
    EXPECT_NEAR(banner.fallTime(), std::sqrt(0.004 * (200 + 49)), 1e-5);

    int fastestFall = 0, fastestGlide = 0, previous = banner.y();
    double t = 0.0;
    while (banner.isActive() && t < 20.0) {
        clock.step(kFrame);
        banner.update();
        t += kFrame;
        const int step = banner.y() - previous;
        previous = banner.y();
        if (!banner.isParachuteOpen()) {
            fastestFall = std::max(fastestFall, step);
            EXPECT_EQ(cues.plays("parachute"), 0);
        } else if (t > banner.fallTime() + 2 * kFrame) {
            fastestGlide = std::max(fastestGlide, step);
        }
    }
    EXPECT_GE(fastestFall, 6) << "about 500 px/s as the parachute opens";
    EXPECT_LE(fastestGlide, 2) << "85 px/s under the parachute";
    EXPECT_EQ(cues.plays("parachute"), 1);
    EXPECT_FALSE(banner.isActive());
    EXPECT_NEAR(t, banner.fallTime() + (480.0 + 24 + 5 - 200) / 85.0, 2 * kFrame);
}

TEST_F(Messages, ABannerDrawsItsParachuteThenItsPlateAndEachLineBelowThePrevious) {
    BannerMessage banner(screen.canvas, clock.timer(), pictures.get("para"), &cues);
    banner.start("A", &tall, "A", &short_, "A", &tall);
    for (int i = 0; i < 100; ++i) {
        clock.step(kFrame);
        banner.update();
    }
    ASSERT_TRUE(banner.isParachuteOpen());
    screen.clear();
    banner.draw();
    const int x = banner.x(), y = banner.y();
    const auto plate = [&](int px, int py) {
        const uint32_t pixel = screen.at(px, py);
        return pixel != 0u && pixel != 0xFFFFFFu && pixel != 0x00FF00u;
    };
    EXPECT_EQ(screen.at(x, y), 0xFFFFFFu) << "the first line's top";
    EXPECT_TRUE(plate(x, y - 1)) << "the lines stand on the plate";
    EXPECT_EQ(screen.at(x, y + 18), 0xFFFFFFu);
    EXPECT_TRUE(plate(x, y + 19)) << "2 px between lines";
    EXPECT_EQ(screen.at(x, y + 21), 0xFFFFFFu) << "the second line";
    EXPECT_TRUE(plate(x, y + 21 + 11));
    EXPECT_EQ(screen.at(x, y + 34), 0xFFFFFFu) << "the third line";
    // The plate: 8 px above the first line and below the last, 16 px beside the widest.
    const ScreenRect rect = banner.plateRect();
    EXPECT_EQ(rect.top, y - 8);
    EXPECT_EQ(rect.height, 19 + 11 + 19 + 2 * 2 + 16);
    EXPECT_EQ(rect.width, 10 + 32);
    EXPECT_TRUE(plate(rect.left + 1, y + 20)) << "its dark outline";
    EXPECT_EQ(screen.at(rect.left - 1, y + 20), 0u);
    EXPECT_EQ(screen.at(rect.left, rect.top), 0u) << "rounded corners";
    EXPECT_EQ(screen.at(x, rect.bottom + 1), 0u);
    EXPECT_EQ(screen.at(x, y - 9), 0x00FF00u) << "the parachute ends 7 px above the text, behind the plate";
    EXPECT_EQ(screen.at(x, y - 24 - 7), 0x00FF00u);
}

TEST_F(Messages, ABannerStaysInsideItsAreaAndEndsOnceItHasSunkOutOfIt) {
    const ScreenRect area = ScreenRect::fromCorners(171, 12, 596, 399);
    BannerMessage banner(screen.canvas, clock.timer(), pictures.get("para"), &cues);
    banner.setArea(area);
    banner.start(std::string(36, 'A'), &tall); // a plate 392 px wide: little room to sway
    screen.canvas.setTracking(true);
    double t = 0.0;
    int drawn = 0;
    while (banner.isActive() && t < 20.0) {
        clock.step(kFrame);
        banner.update();
        t += kFrame;
        const ScreenRect plate = banner.plateRect();
        EXPECT_GE(plate.left, area.left);
        EXPECT_LE(plate.right, area.right);
        banner.draw();
        for (const ScreenRect& changed : screen.canvas.dirtyList().items()) {
            ++drawn;
            EXPECT_TRUE(changed.intersection(area).area() == changed.area()) << "frame " << t / kFrame;
        }
        screen.canvas.present(); // starts the next frame's list afresh
    }
    EXPECT_GT(drawn, 100);
    EXPECT_FALSE(banner.isActive());
    EXPECT_LT(t, banner.fallTime() + (480.0 - 200) / 85.0) << "gone when it has sunk below the area";
    EXPECT_GT(t, banner.fallTime() + (399.0 - 200) / 85.0);
}

TEST_F(Messages, ADismissedBannerLetsGoOfItsParachuteAndDropsOutOfItsArea) {
    BannerMessage banner(screen.canvas, clock.timer(), pictures.get("para"), &cues);
    banner.setArea(ScreenRect::fromCorners(171, 12, 596, 399));
    banner.start("AA", &tall);
    while (!banner.isParachuteOpen()) {
        clock.step(kFrame);
        banner.update();
    }
    clock.step(kFrame);
    banner.update();
    ASSERT_TRUE(cues.isPlaying("parachute"));
    banner.dismiss();
    EXPECT_FALSE(cues.isPlaying("parachute")) << "its cue stops";
    screen.clear();
    banner.draw();
    EXPECT_NE(screen.at(banner.x(), banner.y() - 9), 0x00FF00u) << "no parachute any more";
    int frames = 0;
    while (banner.isActive() && frames < 200) {
        clock.step(kFrame);
        banner.update();
        ++frames;
    }
    EXPECT_FALSE(banner.isActive());
    EXPECT_LT(frames, 32) << "out of the area within half a second";
}

TEST_F(Messages, ABannerShowsOnlyLinesThatHaveAFontAndCutsLongLines) {
    BannerMessage banner(screen.canvas, clock.timer(), nullptr, nullptr);
    banner.start("A", &short_, "lost", nullptr);
    EXPECT_EQ(banner.startY(), -11);
    banner.start(std::string(400, 'A'), &tall);
    EXPECT_EQ(banner.line(0).size(), BannerMessage::kLineCapacity);
    EXPECT_TRUE(banner.line(1).empty());
    for (int i = 0; i < 2000 && banner.isActive(); ++i) {
        clock.step(kFrame);
        banner.update();
        banner.draw();
    }
    EXPECT_FALSE(banner.isActive()) << "no parachute picture or cues needed";

    banner.start("lost", nullptr); // no font at all: neither lines nor plate
    screen.canvas.setTracking(true);
    for (int i = 0; i < 100; ++i) {
        clock.step(kFrame);
        banner.update();
        banner.draw();
    }
    EXPECT_TRUE(screen.canvas.dirtyList().items().empty());
}

TEST_F(Messages, AFloatingScoreWaitsItsDelayArrivesAfterItsFlightTimeAndFadesInAQuarterSecond) {
    FloatingScore score(clock.timer(), nullptr);
    EXPECT_EQ(score.getDepth(), 2000);
    score.start(&tall, 300.0f, 200.0f, 546.0f, 461.0f, 50, 0.25f, 1.0f);
    EXPECT_EQ(score.text(), "+50");
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(score.x(), 300.0f) << "waiting its delay, frame " << i;
        EXPECT_EQ(score.y(), 200.0f) << "waiting its delay, frame " << i;
        clock.step(kFrame);
        score.update();
    }
    for (int i = 0; i < 64; ++i) {
        clock.step(kFrame);
        score.update();
        if (i == 31) {
            EXPECT_GT(std::hypot(score.x() - 546.0f, score.y() - 461.0f), 100.0f) << "it accelerates";
        }
    }
    EXPECT_NEAR(score.x(), 546.0f, 0.05f);
    EXPECT_NEAR(score.y(), 461.0f, 0.05f);
    EXPECT_EQ(score.opacity(), 1.0f);
    for (int i = 0; i < 15; ++i) {
        clock.step(kFrame);
        score.update();
        EXPECT_TRUE(score.isActive());
    }
    EXPECT_NEAR(score.opacity(), 1.0f / 16.0f, 1e-5f);
    clock.step(kFrame);
    score.update();
    EXPECT_FALSE(score.isActive());
    EXPECT_NEAR(score.x(), 546.0f, 0.05f) << "it fades where it arrived";
}

TEST_F(Messages, AFloatingScoreWithAFlightTimeOfZeroUsesOneHundredthOfASecond) {
    FloatingScore score(clock.timer(), nullptr);
    score.start(&tall, 100.0f, 100.0f, 546.0f, 461.0f, -5, 0.0f, 0.0f);
    EXPECT_EQ(score.text(), "-5");
    EXPECT_FLOAT_EQ(score.flightTime(), 0.01f);
    clock.step(kFrame);
    score.update();
    EXPECT_NEAR(score.x(), 546.0f, 0.05f);
    EXPECT_NEAR(score.y(), 461.0f, 0.05f);
    EXPECT_NEAR(score.opacity(), 1.0f - 4.0f * (1.0f / 64.0f - 0.01f), 1e-5f);
    for (int i = 0; i < 16; ++i) {
        clock.step(kFrame);
        score.update();
    }
    EXPECT_FALSE(score.isActive());

    score.start(&tall, 0.0f, 0.0f, 1.0f, 1.0f, 0, 0.0f, -3.0f);
    EXPECT_EQ(score.text(), "0");
    EXPECT_FLOAT_EQ(score.flightTime(), 0.01f);
}

// Where the path is when half the time has gone, against the straight line between the ends.
struct MidFlight {
    float x, y;
};

MidFlight halfway(FrameClock& clock, FloatingScore& score) {
    for (int i = 0; i < 32; ++i) {
        clock.step(kFrame);
        score.update();
    }
    return {score.x(), score.y()};
}

TEST_F(Messages, AFloatingScoreBowsTowardTheMiddleOfTheScreen) {
    FloatingScore score(clock.timer(), nullptr);
    // Mostly downward to the score display on the right: the curl leans left.
    score.start(&tall, 300.0f, 50.0f, 546.0f, 461.0f, 1, 0.0f, 1.0f);
    MidFlight p = halfway(clock, score);
    const float lineX = 300.0f + (p.y - 50.0f) * (546.0f - 300.0f) / (461.0f - 50.0f);
    EXPECT_LT(p.x, lineX - 10.0f);

    // Mostly sideways along the bottom of the screen: the curl leans up, never below it.
    score.start(&tall, 40.0f, 460.0f, 546.0f, 461.0f, 1, 0.0f, 1.0f);
    p = halfway(clock, score);
    EXPECT_LT(p.y, 460.0f - 10.0f);

    // Sideways toward the top left: the curl leans down.
    score.start(&tall, 600.0f, 30.0f, 40.0f, 20.0f, 1, 0.0f, 1.0f);
    p = halfway(clock, score);
    EXPECT_GT(p.y, 30.0f + 10.0f);
}

TEST_F(Messages, AFloatingScoreBoundForThePlaqueKeepsItsPathAndIsGoneJustBeforeItTouchesIt) {
    const ScreenRect plaque = ScreenRect::fromCorners(511, 449, 636, 479);
    FloatingScore free(clock.timer(), &short_), stopping(clock.timer(), &short_);
    free.start(&short_, 300.0f, 200.0f, 546.0f, 461.0f, 60, 0.0f, 1.0f);
    stopping.start(&short_, 300.0f, 200.0f, 546.0f, 461.0f, 60, 0.0f, 1.0f);
    stopping.stopBefore(plaque);
    int frames = 0, fading = 0;
    while (stopping.isActive() && frames < 200) {
        clock.step(kFrame);
        free.update();
        stopping.update();
        ++frames;
        if (!stopping.isActive()) {
            break;
        }
        EXPECT_FLOAT_EQ(stopping.x(), free.x()) << "the same path";
        EXPECT_FLOAT_EQ(stopping.y(), free.y());
        EXPECT_GT(stopping.gapToStopArea(), 0.0f) << "never on the plaque while shown";
        fading += stopping.opacity() < 1.0f ? 1 : 0;
    }
    EXPECT_FALSE(stopping.isActive());
    EXPECT_LT(frames, 64) << "ended before arriving at the digits";
    EXPECT_GE(fading, 2) << "it fades, it does not vanish";
    EXPECT_TRUE(free.isActive());

    // A number that starts on the plaque has no room to fade before it: the plain end.
    FloatingScore onIt(clock.timer(), &short_);
    onIt.start(&short_, 600.0f, 470.0f, 546.0f, 461.0f, 60, 0.0f, 1.0f);
    onIt.stopBefore(plaque);
    for (int i = 0; i < 64; ++i) {
        clock.step(kFrame);
        onIt.update();
    }
    EXPECT_TRUE(onIt.isActive());
    EXPECT_FLOAT_EQ(onIt.opacity(), 1.0f);
}

TEST_F(Messages, AFloatingScoreDrawsAtItsOpacityAndGivesTheSharedFontItsOpacityBack) {
    FloatingScore score(clock.timer(), &short_);
    score.start(300.0f, 200.0f, 400.0f, 200.0f, 5, 0.0f, 1.0f); // the default font
    for (int i = 0; i < 64 + 8; ++i) {                          // arrived, half faded
        clock.step(kFrame);
        score.update();
    }
    ASSERT_NEAR(score.opacity(), 0.5f, 1e-5f);
    screen.clear();
    score.draw();
    EXPECT_EQ(short_.opacity(), 1.0f);
    // "+5": two 10 px glyphs centred on x = 400.
    const uint32_t pixel = screen.at(395, static_cast<int>(score.y()));
    EXPECT_GT(pixel & 0xFF, 0x60u);
    EXPECT_LT(pixel & 0xFF, 0xA0u);

    FloatingScore fontless(clock.timer(), nullptr);
    fontless.start(300.0f, 200.0f, 400.0f, 200.0f, 5, 0.0f, 1.0f);
    screen.canvas.setTracking(true);
    fontless.draw();
    EXPECT_TRUE(screen.canvas.dirtyList().items().empty()) << "a missing font draws nothing";
}

} // namespace
