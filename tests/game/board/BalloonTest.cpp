// A balloon's content, picture choice and animation clocks.
#include "game/board/Balloon.h"

#include "engine/core/WakeRequests.h"
#include "game/board/BalloonImageTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include <gtest/gtest.h>

namespace {

// Distinct stand-in addresses for the pictures; the balloon only stores and compares them.
struct FakeImages {
    std::array<std::byte, 64> storage{};
    BalloonImageTable table;

    FakeImages() {
        for (int colour = 0; colour < BalloonImageTable::kColours; ++colour) {
            table.normal[colour] = at(colour);
            table.pressed[colour] = at(16 + colour);
        }
    }
    const ksImage* at(int i) const { return reinterpret_cast<const ksImage*>(&storage[i]); }
};

Balloon resting(int colour) {
    Balloon balloon(0, 0, nullptr);
    balloon.setContent(colour, -1);
    return balloon;
}

TEST(BalloonContent, ColourMinusOneMakesAnEmptyPlaceThatMayStillHoldAPrize) {
    Balloon balloon(2, 3, nullptr);
    EXPECT_TRUE(balloon.isEmpty());
    EXPECT_EQ(balloon.colour(), -1);
    EXPECT_EQ(balloon.row(), 2);
    EXPECT_EQ(balloon.column(), 3);

    balloon.setContent(4, 2);
    EXPECT_EQ(balloon.state(), BalloonState::Resting);
    EXPECT_TRUE(balloon.holdsPrize());
    EXPECT_EQ(balloon.prizeKind(), 2);

    balloon.setContent(-1, 5);
    EXPECT_TRUE(balloon.isEmpty());
    EXPECT_TRUE(balloon.holdsPrize());

    balloon.removePrize();
    EXPECT_FALSE(balloon.holdsPrize());
    EXPECT_EQ(balloon.prizeKind(), -1);
}

TEST(BalloonContent, PicturesFollowColourPressAndHover) {
    FakeImages images;
    Balloon balloon(0, 0, &images.table);
    balloon.setContent(3, -1);
    EXPECT_EQ(balloon.image(), images.at(3));
    EXPECT_FLOAT_EQ(balloon.highlight(), 1.0f);

    balloon.refreshImage(true, false);
    EXPECT_EQ(balloon.image(), images.at(3));
    EXPECT_FLOAT_EQ(balloon.highlight(), 0.2f);

    balloon.refreshImage(true, true);
    EXPECT_EQ(balloon.image(), images.at(16 + 3));
    EXPECT_FLOAT_EQ(balloon.highlight(), 1.0f);

    balloon.setContent(-1, -1);
    EXPECT_EQ(balloon.image(), nullptr);
    EXPECT_FLOAT_EQ(balloon.highlight(), 0.0f);

    Balloon withoutTable(0, 0, nullptr);
    withoutTable.setContent(6, -1);
    EXPECT_EQ(withoutTable.image(), nullptr);
    EXPECT_FLOAT_EQ(withoutTable.highlight(), 1.0f);
}

TEST(BalloonAnimation, APopEndsAtATenthOfASecond) {
    Balloon balloon = resting(1);
    balloon.startPopping();
    balloon.update(0.09f);
    EXPECT_TRUE(balloon.isPopping());
    balloon.update(0.01f);
    EXPECT_TRUE(balloon.isEmpty());
    EXPECT_EQ(balloon.image(), nullptr);
    EXPECT_EQ(balloon.colour(), 1) << "the colour stays; only the state changes";
}

TEST(BalloonAnimation, OnlyRestingOrRisingBalloonsRiseAtFiveMillisecondsPerPixelFromWhereTheyAreShown) {
    Balloon balloon = resting(0);
    balloon.startRise(-37.0f); // from one row below
    EXPECT_TRUE(balloon.isRising());
    EXPECT_FLOAT_EQ(balloon.offsetY(), 37.0f);
    balloon.update(0.0925f); // half of 37 x 0.005 s
    EXPECT_NEAR(balloon.offsetY(), 18.5f, 1e-3f);
    balloon.update(0.09f);
    EXPECT_TRUE(balloon.isRising());
    balloon.update(0.0026f);
    EXPECT_EQ(balloon.state(), BalloonState::Resting);
    EXPECT_FLOAT_EQ(balloon.offsetY(), 0.0f);

    balloon.startRise(-37.0f);
    balloon.update(0.0925f);
    balloon.startRise(37.0f); // now pushed down a row: starts above, at 18.5 - 37
    EXPECT_NEAR(balloon.offsetY(), -18.5f, 1e-3f);
    balloon.finishRise();
    EXPECT_EQ(balloon.state(), BalloonState::Resting);
    EXPECT_FLOAT_EQ(balloon.offsetY(), 0.0f) << "finishing ends the slide at once";

    Balloon empty(0, 0, nullptr);
    empty.startRise(-37.0f);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FLOAT_EQ(empty.offsetY(), 0.0f) << "an empty place does not rise";
    Balloon popping = resting(2);
    popping.startPopping();
    popping.startRise(-37.0f);
    EXPECT_TRUE(popping.isPopping());
    EXPECT_FLOAT_EQ(popping.offsetY(), 0.0f) << "a popping balloon does not rise";
}

TEST(BalloonAnimation, AShakeSwaysForPointEightSecondsAfterItsDelay) {
    Balloon balloon = resting(0);
    balloon.startShake(0.1f);
    balloon.update(0.05f);
    EXPECT_FLOAT_EQ(balloon.jiggleX(), 0.0f) << "still waiting";
    balloon.update(0.25f); // 0.2 s into the sway: sin(0.5 pi) = 1
    EXPECT_NEAR(balloon.jiggleX(), 4.5f, 1e-4f);
    EXPECT_FLOAT_EQ(balloon.jiggleY(), 0.0f);
    balloon.update(0.4f); // 0.6 s: sin(1.5 pi) = -1
    EXPECT_NEAR(balloon.jiggleX(), -4.5f, 1e-4f);
    balloon.update(0.2f); // 0.8 s: over
    EXPECT_FLOAT_EQ(balloon.jiggleX(), 0.0f);
}

TEST(BalloonAnimation, HoverJiggleGrowsToTwoPixelsAndDiesAway) {
    Balloon balloon = resting(0);
    float largest = 0.0f;
    for (int frame = 0; frame < 30; ++frame) {
        balloon.requestJiggle();
        balloon.update(0.01f);
        largest = std::max(largest, std::hypot(balloon.jiggleX(), balloon.jiggleY()));
    }
    EXPECT_GT(largest, 1.0f);
    EXPECT_LE(largest, 2.0f + 1e-4f);
    for (int frame = 0; frame < 50; ++frame) {
        balloon.update(0.01f); // 5 px/s decay: gone within 0.4 s
    }
    EXPECT_NEAR(balloon.jiggleX(), 0.0f, 1e-6f);
    EXPECT_NEAR(balloon.jiggleY(), 0.0f, 1e-6f);
}

// A still balloon asks for no frame; a hover asks for the frame its jiggle grows in, even when
// nothing else (input, motion) would bring that frame.
TEST(BalloonAnimation, AHoverOnAStillBalloonAsksForTheFrameItsJiggleGrowsIn) {
    Balloon balloon = resting(0);
    balloon.update(0.01f);
    WakeRequests::take();
    balloon.update(0.01f);
    EXPECT_EQ(WakeRequests::take(), WakeRequests::kNever);
    balloon.requestJiggle();
    EXPECT_EQ(WakeRequests::take(), 0.0);
    balloon.update(0.01f);
    EXPECT_EQ(WakeRequests::take(), 0.0) << "the grown jiggle keeps asking while it lasts";
}

} // namespace
