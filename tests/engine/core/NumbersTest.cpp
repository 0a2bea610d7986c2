// Conversions that must never be undefined and never depend on the desktop's locale.
#include "engine/core/GameRandom.h"
#include "engine/core/Numbers.h"

#include <clocale>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(TruncSat, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(truncSat(std::nan("")), 0);
    EXPECT_EQ(truncSat(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(truncSat(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(truncSat(std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(truncSat(-2.7), -2);
    EXPECT_EQ(truncSat(2.7), 2);
    EXPECT_EQ(truncSat(2147483000.0 + 1000.0), std::numeric_limits<int32_t>::max());
}

TEST(ParseDecimalInt, FollowsTheStandardConversionAndClamps) {
    EXPECT_EQ(parseDecimalInt(" -12abc"), -12);
    EXPECT_EQ(parseDecimalInt("abc"), 0);
    EXPECT_EQ(parseDecimalInt(""), 0);
    EXPECT_EQ(parseDecimalInt("\t+500"), 500);
    EXPECT_EQ(parseDecimalInt("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseDecimalInt("-99999999999999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseDecimalInt("2147483647"), 2147483647);
    EXPECT_EQ(parseDecimalInt("-2147483648"), std::numeric_limits<int32_t>::min());
}

TEST(ParseDecimalFloat, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(parseDecimalFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(parseDecimalFloat("  -0.25x"), -0.25);
    EXPECT_DOUBLE_EQ(parseDecimalFloat("nonsense"), 0.0);
    EXPECT_DOUBLE_EQ(parseDecimalFloat(""), 0.0);
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(GameRandom, StaysInRangeReachesBothEndsAndRepeats) {
    seedGameRandom(12345);
    int low = kGameRandomMax, high = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const int v = gameRandom();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, kGameRandomMax);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, kGameRandomMax);

    seedGameRandom(7);
    const int a = gameRandom(), b = gameRandom();
    seedGameRandom(7);
    EXPECT_EQ(gameRandom(), a);
    EXPECT_EQ(gameRandom(), b);
}

} // namespace
