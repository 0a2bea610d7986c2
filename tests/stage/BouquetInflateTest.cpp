// The bouquet that rises at the end of a game, and the inflating row previews.
#include "EffectTestSupport.h"
#include "engine/core/GameRandom.h"
#include "stage/Bouquet.h"
#include "stage/InflateEffect.h"

#include <set>

#include <gtest/gtest.h>

namespace {

constexpr double kFrame = 1.0 / 30.0;
constexpr int kSide = 4; // every test balloon is a 4 x 4 red square

struct RisingBouquet : ::testing::Test {
    TestScreen screen;
    FrameClock clock;
    PictureBook pictures{screen.canvas, kSide, kSide};
    Bouquet bouquet{clock.timer(), screen.canvas, pictures.lookup()};

    RisingBouquet() { seedGameRandom(1234); }

    void frame() {
        clock.step(kFrame);
        bouquet.update();
        screen.clear();
        bouquet.draw();
    }
    bool isRed(int x, int y) const { return screen.at(x, y) == 0xFF0000u; }
    // The balloon's square lies wholly on the screen above `bottom`.
    bool inView(int i, int bottom) const {
        const int x = static_cast<int>(bouquet.glide(i).shownX()),
                  y = static_cast<int>(bouquet.glide(i).shownY());
        return x >= 0 && y >= 0 && x + kSide <= TestScreen::kWidth && y + kSide <= bottom;
    }
    // No other drawn balloon covers the top-left pixel of balloon `i`.
    bool uncovered(int i) const {
        const float x = bouquet.glide(i).shownX(), y = bouquet.glide(i).shownY();
        for (int j = 0; j < Bouquet::kBalloons; ++j) {
            const float ox = bouquet.glide(j).shownX(), oy = bouquet.glide(j).shownY();
            if (j != i && static_cast<int>(x) - static_cast<int>(ox) >= 0 &&
                static_cast<int>(x) - static_cast<int>(ox) < kSide &&
                static_cast<int>(y) - static_cast<int>(oy) >= 0 &&
                static_cast<int>(y) - static_cast<int>(oy) < kSide) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(RisingBouquet, AClassicBouquetNeverShowsABalloonBelowTheTopOfThePodium) {
    EXPECT_EQ(bouquet.getDepth(), 99);
    bouquet.start(false);
    EXPECT_EQ(bouquet.bottomLine(), 480 - 53);
    EXPECT_EQ(bouquet.leftBound(), 0);
    EXPECT_TRUE(bouquet.isActive());
    const ScreenRect clipBefore = screen.canvas.clipRect();

    std::set<int> pictureIndices;
    int seen = 0;
    for (double t = 0.0; t < 12.0; t += kFrame) {
        frame();
        for (int y = bouquet.bottomLine(); y < TestScreen::kHeight; ++y) {
            for (int x = 0; x < TestScreen::kWidth; ++x) {
                ASSERT_FALSE(isRed(x, y)) << "balloon at " << x << "," << y << " after " << t << " s";
            }
        }
        for (int i = 1; i < Bouquet::kBalloons; ++i) {
            if (inView(i, bouquet.bottomLine())) {
                ++seen;
                EXPECT_TRUE(isRed(static_cast<int>(bouquet.glide(i).shownX()),
                                  static_cast<int>(bouquet.glide(i).shownY())));
            }
        }
    }
    for (int i = 0; i < Bouquet::kBalloons; ++i) {
        pictureIndices.insert(bouquet.pictureIndex(i));
    }
    EXPECT_GT(seen, 1000);
    EXPECT_EQ(screen.canvas.clipRect(), clipBefore) << "the clip rectangle is given back";
    EXPECT_FALSE(bouquet.isActive()) << "every balloon has left the top";
    for (const int index : pictureIndices) {
        EXPECT_TRUE((index >= 0 && index <= 5) || (index >= 7 && index <= 12)) << index;
    }
    EXPECT_GE(pictureIndices.size(), 8u) << "big and medium balloons of several colours";
    EXPECT_TRUE(pictures.wasAskedFor("balloon_med3"));
}

// The first frame in which balloon 0 is fully in view and no other balloon hides its corner.
bool advanceUntilBalloonZeroShows(RisingBouquet& test) {
    for (double t = 0.0; t < 12.0; t += kFrame) {
        test.frame();
        if (test.inView(0, test.bouquet.bottomLine()) && test.uncovered(0)) {
            return true;
        }
    }
    return false;
}

TEST_F(RisingBouquet, ClassicLeavesTheFirstBalloonOutAndActionDrawsAllFortyTwo) {
    bouquet.start(false);
    ASSERT_TRUE(advanceUntilBalloonZeroShows(*this));
    EXPECT_FALSE(
        isRed(static_cast<int>(bouquet.glide(0).shownX()), static_cast<int>(bouquet.glide(0).shownY())));

    bouquet.start(true);
    ASSERT_TRUE(advanceUntilBalloonZeroShows(*this));
    EXPECT_TRUE(
        isRed(static_cast<int>(bouquet.glide(0).shownX()), static_cast<int>(bouquet.glide(0).shownY())));
}

TEST_F(RisingBouquet, AnActionBouquetIsGoldRisesFromTheWholeHeightAndKeepsRightOfTheMascot) {
    bouquet.start(true);
    EXPECT_EQ(bouquet.bottomLine(), 480);
    EXPECT_EQ(bouquet.leftBound(), 160);
    for (int i = 0; i < Bouquet::kBalloons; ++i) {
        EXPECT_TRUE(bouquet.pictureIndex(i) == 6 || bouquet.pictureIndex(i) == 13);
        EXPECT_GE(bouquet.glide(i).x(), 160.0f);
        EXPECT_GE(bouquet.glide(i).y(), 480.0f);
        EXPECT_LE(bouquet.glide(i).y(), 960.0f);
        EXPECT_EQ(bouquet.glide(i).endY(), -kSide);
        const float distance = bouquet.glide(i).y() + kSide;
        EXPECT_GE(bouquet.glide(i).duration() * 200.0f, distance - 0.01f) << "at most 200 px/s";
        EXPECT_LE(bouquet.glide(i).duration() * 100.0f, distance + 0.01f) << "at least 100 px/s";
    }
}

TEST(Bouquet, WithoutPicturesItRisesAndDrawsNothing) {
    TestScreen screen;
    FrameClock clock;
    Bouquet bouquet(clock.timer(), screen.canvas, [](const char*) { return nullptr; });
    bouquet.start(false);
    EXPECT_TRUE(drawsNothing(screen, clock, bouquet, 400, kFrame));
    EXPECT_FALSE(bouquet.isActive());
}

struct Inflating : EffectStage {
    static constexpr double kTick = 1.0 / 64.0;
    PictureBook book{screen.canvas, 8, 8};
    InflatePictures pictures;
    InflateEffect effect{clock.timer(), 0.5f, pictures, &cues};

    Inflating() { pictures.load(book.lookup()); }
    void frame(double seconds = kTick) {
        clock.step(seconds);
        effect.update();
    }
};

TEST_F(Inflating, EightPicturesEachAnEighthOfTheTimeWithACueAtEveryChangeButOnePerFrame) {
    EXPECT_EQ(book.nameOf(pictures.frame(3, 7)), "balloon_inflate3_7");
    effect.start(3, 100.0f, 50.0f);
    EXPECT_TRUE(effect.isActive());
    std::vector<int> shown;
    for (int i = 0; i < 32; ++i) {
        frame(); // 4 ticks per picture
        if (i % 4 == 3 && effect.isActive()) {
            shown.push_back(effect.frameIndex());
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(effect.isActive()) << "it ends with its last picture";
    EXPECT_EQ(effect.frameIndex(), 7);
    EXPECT_EQ(cues.plays("balloon_inflate"), 7);

    effect.start(0, 0.0f, 0.0f);
    frame(3.0 / 16.0);
    EXPECT_EQ(effect.frameIndex(), 3) << "a long frame skips pictures";
    EXPECT_EQ(cues.plays("balloon_inflate"), 8) << "but requests the cue once";
    frame(1.0 / 128.0);
    EXPECT_EQ(cues.plays("balloon_inflate"), 8) << "no change, no cue";
}

TEST_F(Inflating, ItDrawsAtSevenTenthsOpacityAndChangesColourWithoutRewinding) {
    effect.start(2, 10.0f, 20.0f);
    frame(0.2);
    screen.clear();
    effect.draw();
    const uint32_t red = screen.at(10, 20) >> 16;
    EXPECT_GE(red, 170u);
    EXPECT_LE(red, 185u);
    EXPECT_EQ(screen.at(9, 20), 0u) << "drawn from its top-left corner";

    const int before = effect.frameIndex();
    effect.setColour(6);
    EXPECT_EQ(effect.colour(), 6);
    EXPECT_EQ(effect.frameIndex(), before);
}

TEST_F(Inflating, EachStartRewindsAndANewInflateTimeTakesEffectThere) {
    effect.start(1, 0.0f, 0.0f);
    frame(1.0);
    EXPECT_FALSE(effect.isActive());
    effect.setInflateTime(4.0f);
    effect.start(1, 0.0f, 0.0f);
    EXPECT_EQ(effect.frameIndex(), 0);
    frame(0.75);
    EXPECT_EQ(effect.frameIndex(), 1);
    EXPECT_TRUE(effect.isActive());
}

TEST(InflateEffect, MissingPicturesAndAnUnknownColourDrawNothing) {
    TestScreen screen;
    FrameClock clock;
    InflatePictures none;
    InflateEffect effect(clock.timer(), 0.4f, none, nullptr);
    effect.start(9, 5.0f, 5.0f);
    EXPECT_TRUE(drawsNothing(screen, clock, effect, 40));
    EXPECT_FALSE(effect.isActive());
    EXPECT_EQ(none.frame(9, 0), nullptr);
    EXPECT_EQ(none.frame(0, 8), nullptr);
}

} // namespace
