// The settings table: exact-name lookups over the settings text, and the tokenizer under them.
#include "engine/store/GameSettings.h"

#include "engine/core/StringTokenizer.h"
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

// One name looked up both ways over one settings text: the number, the line, and how many
// "<name> is not a valid setting name" lines the two lookups logged.
TEST(GameSettingsLookup, ExactNameLinesThenValueLines) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
    const std::string rows = "x=\n1\nx=\n2\nX=\n3\nactionRowsToAdd=\n3\nactionRows=\n8\n";
    const std::string blanks = "a=\r\n\r\n\r\n 12 \r\nb=\r\nx y\r\n";
    const std::string numbers = "big=\n99999999999\nsmall=\n-99999999999\nlead=\n -12abc\nword=\nabc\n";
    const struct {
        std::string text;
        const char* name;
        int32_t number;
        const char* line;
        int logged;
    } cases[] = {
        {"dialogFade=\n500\n", "dialogFade", 500, "500", 0},
        // getInt also splits at commas and semicolons; getString only at line ends.
        {"dialogFade=,500\n", "dialogFade", 500, "", 1},
        {"dialogFade =\n500\n", "dialogFade", 0, "", 2},
        {blanks, "a", 12, " 12 ", 0},
        {blanks, "b", 0, "x y", 0},
        {rows, "x", 1, "1", 0},
        {rows, "X", 3, "3", 0},
        {rows, "actionRows", 8, "8", 0},
        {rows, "actionRowsToAdd", 3, "3", 0},
        {"a=\n1\nclassicRows=\n", "classicRows", 0, "", 0}, // a name line as the very last line
        {numbers, "big", kMax, "99999999999", 0},
        {numbers, "small", kMin, "-99999999999", 0},
        {numbers, "lead", -12, " -12abc", 0},
        {numbers, "word", 0, "abc", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.name);
        LogCapture log;
        GameSettings settings;
        settings.setGameSettings(c.text);
        EXPECT_EQ(settings.getInt(c.name), c.number);
        EXPECT_EQ(settings.getString(c.name), c.line);
        EXPECT_EQ(log.count(std::string(c.name) + " is not a valid setting name"), c.logged);
        EXPECT_EQ(static_cast<int>(log.lines().size()), c.logged);
    }
}

class GameSettingsTest : public ::testing::Test {
protected:
    GameSettings settings;
    LogCapture log;
};

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

TEST_F(GameSettingsTest, NameLineAsTheVeryLastLineLeavesAnArrayAsItWasWithoutALogLine) {
    settings.setGameSettings("a=\n1\nclassicRows=\n");
    std::array<int32_t, 3> values{7, 8, 9};
    settings.getIntArray("classicRows", values);
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
