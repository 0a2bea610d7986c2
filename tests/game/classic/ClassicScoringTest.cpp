// Points for pops, super pops, prizes and the end of a game, as a player would count them.
#include "game/classic/ClassicScoring.h"

#include <limits>
#include <utility>

#include <gtest/gtest.h>

namespace {

GroupScoreRule exampleRule(float multiplier = 1.0f) {
    return GroupScoreRule{10, 5, 100, 12, multiplier};
}

TEST(ClassicScoring, TriangularStepsStartAtZero) {
    for (const auto& [n, steps] : {std::pair{-3, 0}, {0, 0}, {1, 1}, {4, 10}, {10, 55}}) {
        EXPECT_EQ(triangular(n), steps) << "T(" << n << ")";
    }
}

TEST(ClassicScoring, GroupsScoreTheirBaseAndTriangularExtrasTimesTheMultiplier) {
    const struct {
        GroupScoreRule rule;
        int size;
        float points;
        const char* why;
    } cases[] = {
        {exampleRule(), 6, 60.0f, "10 + 5 x T(4)"},
        {exampleRule(), 2, 10.0f, "a pair earns the base only"},
        {exampleRule(), 1, 10.0f, "a single in the hidden mode"},
        {exampleRule(2.5f), 6, 150.0f, "60 x 2.5"},
        // 0.7 is just below 7/10 as a float; the product rounds back to 7 in single precision.
        {GroupScoreRule{10, 0, 0, 99, 0.7f}, 2, 7.0f, "single precision keeps 10 x 0.7 whole"},
    };
    for (const auto& c : cases) {
        int32_t run = 0;
        const GroupScore score = scoreGroup(c.rule, c.size, run);
        EXPECT_FLOAT_EQ(score.points, c.points) << c.why;
        EXPECT_EQ(addPoints(0, score.points), static_cast<int32_t>(c.points)) << c.why;
        EXPECT_FALSE(score.superPop) << c.why;
        EXPECT_EQ(run, 0) << c.why;
    }
}

TEST(ClassicScoring, SuperPopsInARowGrowTheirUnscaledBonusAndANormalPopEndsTheRun) {
    int32_t run = 0;
    const float extra12 = 5.0f * 55.0f; // T(10)
    GroupScore first = scoreGroup(exampleRule(), 12, run);
    EXPECT_TRUE(first.superPop);
    EXPECT_EQ(first.bonus, 100);
    EXPECT_FLOAT_EQ(first.points, 10.0f + extra12 + 100.0f);
    scoreGroup(exampleRule(), 13, run);
    const GroupScore third = scoreGroup(exampleRule(), 12, run);
    EXPECT_EQ(run, 3);
    EXPECT_EQ(third.bonus, 300);
    EXPECT_FLOAT_EQ(third.points, 10.0f + extra12 + 300.0f);

    scoreGroup(exampleRule(), 3, run);
    EXPECT_EQ(run, 0);
    EXPECT_EQ(scoreGroup(exampleRule(), 12, run).bonus, 100);

    // (10 + 275 + 100 / 1.5) x 1.5: the bonus part is not scaled by the multiplier.
    run = 0;
    EXPECT_FLOAT_EQ(scoreGroup(exampleRule(1.5f), 12, run).points, (10.0f + extra12) * 1.5f + 100.0f);
}

TEST(ClassicScoring, AMissingOrBrokenMultiplierStillPaysTheSuperPopBonus) {
    for (float multiplier :
         {0.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(multiplier);
        int32_t run = 1;
        const GroupScore score = scoreGroup(exampleRule(multiplier), 20, run);
        EXPECT_EQ(run, 2);
        EXPECT_FLOAT_EQ(score.points, 200.0f) << "only the bonus x run";
        EXPECT_EQ(score.bonus, 200);
        int32_t none = 0;
        EXPECT_FLOAT_EQ(scoreGroup(exampleRule(multiplier), 4, none).points, 0.0f);
    }
}

TEST(ClassicScoring, PrizesScoreByTheHeightTheyCameFrom) {
    EXPECT_FLOAT_EQ(prizeLandingPoints(20, 5000, 9, 10, false, 1.0f), 20.0f) << "bottom row: T(1)";
    EXPECT_FLOAT_EQ(prizeLandingPoints(20, 5000, 0, 10, false, 1.0f), 20.0f * 55.0f) << "top row: T(10)";
    EXPECT_FLOAT_EQ(prizeLandingPoints(20, 5000, 3, 10, false, 2.0f), 20.0f * 28.0f * 2.0f);
    EXPECT_FLOAT_EQ(prizeLandingPoints(20, 5000, 0, 10, true, 1.0f), 5000.0f)
        << "the last prize, whatever its row";
    EXPECT_FLOAT_EQ(prizeLandingPoints(20, 5000, 9, 10, true, 1.5f), 7500.0f);
}

TEST(ClassicScoring, EndBonusesByBalloonsLeft) {
    EXPECT_EQ(clearBonusPoints(1000, 1.5f), 1500);
    EXPECT_EQ(fewLeftBonusPoints(500, 40, 10, 1.0f), 100);
    EXPECT_EQ(fewLeftBonusPoints(500, 40, 1, 1.2f), 552);
    EXPECT_EQ(fewLeftBonusPoints(500, 60, 10, 1.0f), -100) << "the caller adds only a positive bonus";
}

TEST(ClassicScoring, AddingPointsTruncatesAndSaturates) {
    EXPECT_EQ(addPoints(100, 59.99), 159);
    EXPECT_EQ(addPoints(100, -0.5), 99);
    EXPECT_EQ(addPoints(2147483000, 1000.0), std::numeric_limits<int32_t>::max());
}

} // namespace
