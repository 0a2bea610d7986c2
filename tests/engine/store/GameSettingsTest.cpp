// The settings table: exact-name lookups over the settings text, and the tokenizer under them.
#include "engine/store/GameSettings.h"

#include "engine/store/StringTokenizer.h"
#include "support/TestSupport.h"

#include <limits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

std::vector<std::string> allTokens(StringTokenizer tokens) {
    std::vector<std::string> result;
    while (tokens.hasMoreTokens()) {
        result.push_back(tokens.nextToken());
    }
    return result;
}

TEST(StringTokenizer, RunsOfDelimitersMakeNoEmptyTokensAndExhaustedOnesGiveEmptyStrings) {
    StringTokenizer tokens(",,a,;b c;;", ",;");
    EXPECT_EQ(tokens.countTokens(), 2);
    EXPECT_THAT(allTokens(tokens), ElementsAre("a", "b c"));
    EXPECT_EQ(StringTokenizer("", ",").countTokens(), 0);
    EXPECT_EQ(StringTokenizer(",,,", ",").countTokens(), 0);
    StringTokenizer whole("a, b", "");
    EXPECT_EQ(whole.countTokens(), 1);
    EXPECT_EQ(whole.nextToken(), "a, b");
    EXPECT_FALSE(whole.hasMoreTokens());
    EXPECT_EQ(whole.nextToken(), "");
    EXPECT_EQ(whole.countTokens(), 1);
}

class GameSettingsTest : public ::testing::Test {
protected:
    GameSettings settings;
    LogCapture log;
};

TEST_F(GameSettingsTest, NameLineThenValueLine) {
    settings.setGameSettings("dialogFade=\n500\n");
    EXPECT_EQ(settings.getInt("dialogFade"), 500);
    EXPECT_EQ(settings.getString("dialogFade"), "500");
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(GameSettingsTest, GetIntAlsoSplitsAtCommaAndSemicolon) {
    settings.setGameSettings("dialogFade=,500\n");
    EXPECT_EQ(settings.getInt("dialogFade"), 500);
    // getString only splits at line ends, so the same text has no "dialogFade=" line.
    EXPECT_EQ(settings.getString("dialogFade"), "");
    EXPECT_EQ(log.count("dialogFade is not a valid setting name"), 1);
}

TEST_F(GameSettingsTest, BlankAroundTheEqualsSignMakesTheNameMissing) {
    settings.setGameSettings("dialogFade =\n500\n");
    EXPECT_EQ(settings.getInt("dialogFade"), 0);
    EXPECT_THAT(log.lines(), ElementsAre("dialogFade is not a valid setting name"));
}

TEST_F(GameSettingsTest, ListValues) {
    settings.setGameSettings("classicRows=\n5,6;7\n");
    EXPECT_EQ(settings.getString("classicRows"), "5,6;7");
    EXPECT_EQ(settings.getInt("classicRows"), 5);
    EXPECT_THAT(settings.getIntArray<3>("classicRows"), ElementsAre(5, 6, 7));
    // Values beyond the capacity are ignored; a short list leaves the rest as it was.
    std::array<int32_t, 2> two{};
    settings.getIntArray("classicRows", two);
    EXPECT_THAT(two, ElementsAre(5, 6));
    std::array<int32_t, 4> four{-1, -1, -1, -1};
    settings.getIntArray("classicRows", four);
    EXPECT_THAT(four, ElementsAre(5, 6, 7, -1));
}

TEST_F(GameSettingsTest, BlankLinesAndCarriageReturnsAreSkipped) {
    settings.setGameSettings("a=\r\n\r\n\r\n 12 \r\nb=\r\nx y\r\n");
    EXPECT_EQ(settings.getInt("a"), 12);
    EXPECT_EQ(settings.getString("a"), " 12 ");
    EXPECT_EQ(settings.getString("b"), "x y");
}

TEST_F(GameSettingsTest, FirstMatchWinsNamesAreCaseSensitiveAndPrefixesNeverMatch) {
    settings.setGameSettings("x=\n1\nx=\n2\nX=\n3\nactionRowsToAdd=\n3\nactionRows=\n8\n");
    EXPECT_EQ(settings.getInt("x"), 1);
    EXPECT_EQ(settings.getInt("X"), 3);
    EXPECT_EQ(settings.getInt("actionRows"), 8) << "prefix names are never confused";
    EXPECT_EQ(settings.getInt("actionRowsToAdd"), 3);
}

TEST_F(GameSettingsTest, NameLineAsTheVeryLastLineGivesNeutralValuesWithoutALogLine) {
    settings.setGameSettings("a=\n1\nclassicRows=\n");
    std::array<int32_t, 3> values{7, 8, 9};
    settings.getIntArray("classicRows", values);
    EXPECT_EQ(settings.getInt("classicRows"), 0);
    EXPECT_EQ(settings.getString("classicRows"), "");
    EXPECT_THAT(values, ElementsAre(7, 8, 9));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(GameSettingsTest, MissingNamesLogOnceAndGiveNeutralValues) {
    settings.setGameSettings("a=\n1\n");
    std::array<int32_t, 3> values{7, 8, 9};
    settings.getIntArray("classicPrizePoints", values);
    EXPECT_THAT(values, ElementsAre(7, 8, 9));
    EXPECT_THAT(settings.getIntArray<3>("classicPrizePoints"), ElementsAre(0, 0, 0));
    EXPECT_EQ(settings.getString("zundoURL"), "");
    EXPECT_EQ(log.count("classicPrizePoints is not a valid setting name"), 2);
    EXPECT_EQ(log.count("zundoURL is not a valid setting name"), 1);
}

TEST_F(GameSettingsTest, NumbersAreParsedWithoutOverflow) {
    settings.setGameSettings("big=\n99999999999\nsmall=\n-99999999999\nlead=\n -12abc\nword=\nabc\n");
    EXPECT_EQ(settings.getInt("big"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(settings.getInt("small"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(settings.getInt("lead"), -12);
    EXPECT_EQ(settings.getInt("word"), 0);
}

TEST_F(GameSettingsTest, EveryLookupMissesBeforeTheTextIsSetAndSettingItAgainReplacesIt) {
    EXPECT_EQ(settings.getInt("dialogFade"), 0);
    EXPECT_EQ(settings.getString("zundoURL"), "");
    EXPECT_EQ(log.lines().size(), 2u);
    settings.setGameSettings("a=\n1\n");
    settings.setGameSettings("b=\n2\n");
    EXPECT_EQ(settings.getInt("b"), 2);
    EXPECT_EQ(settings.getInt("a"), 0);
}

TEST_F(GameSettingsTest, HostileTextsGiveNeutralValues) {
    settings.setGameSettings(std::string("a=\0\n5\n", 6) + std::string(100000, ';') + "=\n");
    EXPECT_EQ(settings.getInt("a"), 0); // the zero byte is part of the name line
    EXPECT_EQ(settings.getInt(""), 0);
    EXPECT_THAT(settings.getIntArray<3>(";"), ElementsAre(0, 0, 0));
}

} // namespace
