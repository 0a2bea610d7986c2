// ColourVisionTest.cpp: the balloon colours stay apart for every kind of colour vision.
#include "ColourVision.h"

#include "BalloonArt.h"
#include "Palette.h"
#include "PrizeArt.h"
#include "Sketch.h"

#include <cmath>
#include <set>

#include <gtest/gtest.h>

namespace {

// Smallest CIEDE2000 difference the six ordinary colours keep from each other as seen with
// each simulated dichromacy; about 2 is just noticeable, 15 is clearly another colour.
constexpr double kMinimumBetweenColours = 15.0;
// The gold star balloon also differs by its big star, so its colour needs less distance.
constexpr double kMinimumFromGold = 8.0;

TEST(ColourDifference, MatchesPublishedCiede2000PairsOnTheLabOfWhiteAndBlack) {
    // Reference pairs from Sharma, Wu and Dalal's CIEDE2000 test data.
    EXPECT_NEAR(deltaE2000({50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(deltaE2000({50.0, 2.5, 0.0}, {73.0, 25.0, -18.0}), 27.1492, 1e-4);
    EXPECT_NEAR(deltaE2000({60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}), 1.2644, 1e-4);
    EXPECT_DOUBLE_EQ(deltaE2000({40.0, 10.0, -5.0}, {40.0, 10.0, -5.0}), 0.0);

    const Lab white = toLab(Colour{1, 1, 1});
    EXPECT_NEAR(white.l, 100.0, 0.01);
    EXPECT_NEAR(white.a, 0.0, 0.01);
    EXPECT_NEAR(white.b, 0.0, 0.01);
    EXPECT_NEAR(toLab(Colour{0, 0, 0}).l, 0.0, 1e-9);
}

TEST(VisionSimulation, KeepsGreysGreyAndDarkensRedForProtanopes) {
    for (Vision vision : kAllVisions) {
        const Colour grey = simulateVision(Colour{0.5, 0.5, 0.5}, vision);
        EXPECT_NEAR(grey.r, 0.5, 1e-3) << visionName(vision);
        EXPECT_NEAR(grey.g, 0.5, 1e-3) << visionName(vision);
        EXPECT_NEAR(grey.b, 0.5, 1e-3) << visionName(vision);
    }
    EXPECT_LT(toLab(simulateVision(Colour{1, 0, 0}, Vision::Protanopia)).l, toLab(Colour{1, 0, 0}).l - 10.0);
    const Colour red = simulateVision(Colour{1, 0, 0}, Vision::Deuteranopia);
    EXPECT_NEAR(red.r, red.g, 0.2) << "red and green merge into one hue for deuteranopes";
}

TEST(BalloonColours, SixColoursStayDistinctForEveryColourVision) {
    for (Vision vision : kAllVisions) {
        SCOPED_TRACE(std::string(visionName(vision)));
        for (int a = 0; a < kOrdinaryColourCount; ++a) {
            for (int b = a + 1; b < kOrdinaryColourCount; ++b) {
                const double difference = deltaE2000(toLab(simulateVision(kBalloonColours[a].body, vision)),
                                                     toLab(simulateVision(kBalloonColours[b].body, vision)));
                EXPECT_GE(difference, kMinimumBetweenColours)
                    << kBalloonColours[a].name << " against " << kBalloonColours[b].name;
            }
            const double fromGold =
                deltaE2000(toLab(simulateVision(kBalloonColours[a].body, vision)),
                           toLab(simulateVision(kBalloonColours[kGoldColour].body, vision)));
            EXPECT_GE(fromGold, kMinimumFromGold) << kBalloonColours[a].name << " against gold";
        }
    }
}

TEST(BalloonColours, EveryColourHasItsOwnEmblemAndGoldTheStar) {
    std::set<Emblem> emblems;
    for (const BalloonColour& colour : kBalloonColours) {
        emblems.insert(colour.emblem);
    }
    EXPECT_EQ(emblems.size(), kBalloonColours.size());
    EXPECT_EQ(kBalloonColours[kGoldColour].emblem, Emblem::Star);
}

// A balloon place as the Classic board shows it: the balloon, the prize marker over it at 0.7
// and the balloon once more at 0.1, so the marker seems to shine through.
Raster placeWithMarker(int colour) {
    const Raster balloon = paintBalloon(BalloonLook{colour});
    Sketch place(kPlaceWidth, kPlaceHeight);
    place.drawRaster(balloon, 0, 0);
    place.drawRaster(paintPrizeMarker(), 4, 4, 0.7);
    place.drawRaster(balloon, 0, 0, 0.1);
    return place.toRaster();
}

Colour colourOf(uint32_t argb) {
    return Colour{redOf(argb) / 255.0, greenOf(argb) / 255.0, blueOf(argb) / 255.0};
}

// The marker shows the player's goal: on every balloon colour, for every kind of colour vision,
// its bow is clearly lighter or darker than the balloon under it over enough pixels to read at
// a glance. Lightness, not hue, carries it, so no colour vision loses it.
TEST(PrizeMarker, ItsBowStandsOutOnEveryBalloonForEveryColourVision) {
    constexpr int kEnoughPixels = 80;
    constexpr double kClearLightness = 20.0; // CIELAB L*, of 100
    for (int colour = 0; colour <= kGoldColour; ++colour) {
        const Raster plain = paintBalloon(BalloonLook{colour});
        const Raster marked = placeWithMarker(colour);
        for (Vision vision : kAllVisions) {
            SCOPED_TRACE(std::string(kBalloonColours[colour].name) + ", " + std::string(visionName(vision)));
            int standingOut = 0;
            // The bow's box, above the emblem.
            for (int y = 4; y < 14; ++y) {
                for (int x = 4; x < 24; ++x) {
                    if (alphaOf(plain.at(x, y)) < 250) {
                        continue; // off the balloon: the backdrop shows there
                    }
                    const double under = toLab(simulateVision(colourOf(plain.at(x, y)), vision)).l;
                    const double over = toLab(simulateVision(colourOf(marked.at(x, y)), vision)).l;
                    standingOut += std::fabs(over - under) >= kClearLightness ? 1 : 0;
                }
            }
            EXPECT_GE(standingOut, kEnoughPixels);
        }
    }
}

} // namespace
