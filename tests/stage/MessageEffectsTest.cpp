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
    BannerMessage banner(clock.timer(), pictures.get("para"), &cues);
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

TEST_F(Messages, ABannerDrawsItsParachuteAndEachLineBelowThePrevious) {
    BannerMessage banner(clock.timer(), pictures.get("para"), &cues);
    banner.start("A", &tall, "A", &short_, "A", &tall);
    for (int i = 0; i < 100; ++i) {
        clock.step(kFrame);
        banner.update();
    }
    ASSERT_TRUE(banner.isParachuteOpen());
    screen.clear();
    banner.draw();
    const int x = banner.x(), y = banner.y();
    EXPECT_EQ(screen.at(x, y), 0xFFFFFFu) << "the first line's top";
    EXPECT_EQ(screen.at(x, y - 1), 0u);
    EXPECT_EQ(screen.at(x, y + 18), 0xFFFFFFu);
    EXPECT_EQ(screen.at(x, y + 19), 0u) << "2 px between lines";
    EXPECT_EQ(screen.at(x, y + 21), 0xFFFFFFu) << "the second line";
    EXPECT_EQ(screen.at(x, y + 21 + 11), 0u);
    EXPECT_EQ(screen.at(x, y + 34), 0xFFFFFFu) << "the third line";
    EXPECT_EQ(screen.at(x, y - 8), 0x00FF00u) << "the parachute ends 7 px above the text";
    EXPECT_EQ(screen.at(x, y - 7), 0u);
    EXPECT_EQ(screen.at(x, y - 24 - 7), 0x00FF00u);
}

TEST_F(Messages, ABannerShowsOnlyLinesThatHaveAFontAndCutsLongLines) {
    BannerMessage banner(clock.timer(), nullptr, nullptr);
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
