// The tuning text: every key the game looks up, in the form its reader accepts, with sane values.
#include "assetgen/audio/AudioAssets.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Every key the game reads, and how many values it reads from it.
std::map<std::string, std::size_t> keys() {
    std::map<std::string, std::size_t> out;
    std::istringstream one(
        "dialogFade 3BalloonsMultiplier 4BalloonsMultiplier 5BalloonsMultiplier "
        "6BalloonsMultiplier zundoURL puzzlesUnlockAfter themesUnlockedAfter puzzlesUnlocked "
        "puzzlesUnlockedOnStart themesUnlockedOnStart");
    std::istringstream three(
        "classicSuperPop3 classicSuperPop4 classicSuperPop5 classicSuperPop6 classicBigGroupBonus "
        "classicGroupPopPoints classicExtraPopPoints classicPrizePoints classicLastPrize classicClearBonus "
        "classicNotClearBonus classicBalloonPenalty classicRows classicPrizes classicMinPrizeRow "
        "classicMaxPrizeRow actionGoldGroupBonus actionSuperPop3 actionSuperPop4 actionSuperPop5 "
        "actionSuperPop6 actionBalloons4 actionBalloons5 actionBalloons6 actionBigGroupBonus "
        "actionGroupPopPoints actionExtraPopPoints actionRowFillTime actionRowFillDeduct "
        "actionRowFillMinTime "
        "actionNumsRowsConstRate actionNumsRowsConstRateDeduct actionRowFillDeductInLevel "
        "actionRowFillDeductInLevelMod actionRows actionRowsToAdd actionNumBalloonsToPop "
        "actionNumBalloonsToAdd actionNumBalloonsToSub actionMinBalloonsToPop");
    for (std::string name; one >> name;) {
        out[name] = 1;
    }
    for (std::string name; three >> name;) {
        out[name] = 3;
    }
    return out;
}

std::string settingsText() {
    const GeneratedFile file = generateGameSettings();
    return std::string(file.bytes.begin(), file.bytes.end());
}

std::vector<std::string> nonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The value line as the game's string lookup finds it: the first non-empty line after the
// first line that reads exactly "name=".
std::optional<std::string> lookUp(const std::string& text, const std::string& name) {
    const std::vector<std::string> lines = nonEmptyLines(text);
    const auto it = std::find(lines.begin(), lines.end(), name + "=");
    if (it == lines.end() || it + 1 == lines.end()) {
        return std::nullopt;
    }
    return *(it + 1);
}

std::vector<std::string> split(const std::string& value) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : value + ",") {
        if (c == ',' || c == ';') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

// The integers of a list value, each of which must be a plain decimal number.
std::vector<int> ints(const std::string& text, const std::string& name) {
    std::vector<int> out;
    const auto value = lookUp(text, name);
    if (!value) {
        ADD_FAILURE() << name << " is missing";
        return out;
    }
    for (const std::string& part : split(*value)) {
        int v = 0;
        const auto result = std::from_chars(part.data(), part.data() + part.size(), v);
        EXPECT_TRUE(result.ec == std::errc() && result.ptr == part.data() + part.size())
            << name << ": \"" << part << "\" is not a plain integer";
        out.push_back(v);
    }
    return out;
}

class GameSettingsText : public ::testing::Test {
protected:
    const std::string text = settingsText();
    int at(const std::string& name, int skill) {
        return ints(text, name).at(static_cast<std::size_t>(skill));
    }
};

TEST_F(GameSettingsText, HoldsEveryKeyOnceWithTheValueCountTheGameReads) {
    const std::vector<std::string> lines = nonEmptyLines(text);
    ASSERT_EQ(keys().size(), 51u);
    for (const auto& [name, values] : keys()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), name + "="), 1);
        const auto value = lookUp(text, name);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(split(*value).size(), values);
    }
}

TEST_F(GameSettingsText, IsTheSameEveryTimeWithNameLinesFollowedByValueLinesAndNothingElse) {
    EXPECT_EQ(generateGameSettings().fileName, "gamesettings.txt");
    EXPECT_EQ(settingsText(), text);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = nonEmptyLines(text);
    ASSERT_EQ(lines.size() % 2, 0u);
    const auto known = keys();
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        EXPECT_TRUE(lines[i].ends_with('=') && known.contains(lines[i].substr(0, lines[i].size() - 1)))
            << "unexpected name line \"" << lines[i] << "\"";
        EXPECT_EQ(lines[i + 1].find('='), std::string::npos) << "value line \"" << lines[i + 1] << "\"";
        EXPECT_EQ(lines[i + 1].find(' '), std::string::npos) << "value line \"" << lines[i + 1] << "\"";
    }
}

TEST_F(GameSettingsText, ClassicBoardsFitTheGridGrowWithSkillAndTheirPrizeRowsFitTheBoard) {
    for (int skill = 0; skill < 3; ++skill) {
        SCOPED_TRACE(skill);
        const int rows = at("classicRows", skill);
        EXPECT_GE(rows, 1);
        EXPECT_LE(rows, 10);
        EXPECT_GE(at("classicPrizes", skill), 1);
        EXPECT_LE(at("classicPrizes", skill), 15);
        EXPECT_GE(at("classicMinPrizeRow", skill), 1);
        EXPECT_LE(at("classicMinPrizeRow", skill), at("classicMaxPrizeRow", skill));
        EXPECT_LE(at("classicMaxPrizeRow", skill), rows);
        for (const char* key :
             {"classicSuperPop3", "classicSuperPop4", "classicSuperPop5", "classicSuperPop6"}) {
            EXPECT_GE(at(key, skill), 3) << key;
            EXPECT_LE(at(key, skill), rows * 15) << key;
        }
        // Leaving 1 to 10 balloons earns something, and never more than clearing the board.
        const int notClear = at("classicNotClearBonus", skill);
        EXPECT_GT(notClear - 10 * at("classicBalloonPenalty", skill), 0);
        EXPECT_LT(notClear - at("classicBalloonPenalty", skill), at("classicClearBonus", skill));
        if (skill > 0) { // harder boards are fuller and hide more prizes
            EXPECT_GE(rows, at("classicRows", skill - 1));
            EXPECT_GT(at("classicPrizes", skill), at("classicPrizes", skill - 1));
            EXPECT_LE(at("classicMinPrizeRow", skill), at("classicMinPrizeRow", skill - 1));
        }
    }
}

TEST_F(GameSettingsText, ActionRoundsStartWithinTheBoardAndRowsNeverArriveInstantly) {
    for (int skill = 0; skill < 3; ++skill) {
        SCOPED_TRACE(skill);
        const int rows = at("actionRows", skill);
        EXPECT_GE(rows, 1);
        // Starting rows beyond the eighth would lose the round at the first push; keep the
        // first twenty rounds clear of that.
        EXPECT_LE(rows + 19 * at("actionRowsToAdd", skill), 8);
        EXPECT_GE(at("actionRowFillMinTime", skill), 1000);
        EXPECT_GE(at("actionRowFillTime", skill), at("actionRowFillMinTime", skill));
        EXPECT_GE(at("actionNumsRowsConstRateDeduct", skill), 0);
        EXPECT_GE(at("actionMinBalloonsToPop", skill), 1);
        EXPECT_GE(at("actionNumBalloonsToPop", skill), at("actionMinBalloonsToPop", skill));
        // Colours join in order, each in a later round than the last.
        const int four = at("actionBalloons4", skill);
        const int five = at("actionBalloons5", skill);
        const int six = at("actionBalloons6", skill);
        EXPECT_GE(four, 1);
        EXPECT_GT(five, four);
        EXPECT_GT(six, five);
        for (const char* key : {"actionSuperPop3", "actionSuperPop4", "actionSuperPop5", "actionSuperPop6"}) {
            EXPECT_GE(at(key, skill), 3) << key;
        }
    }
}

TEST_F(GameSettingsText, MultipliersArePositiveAndRewardMoreColours) {
    double previous = 0.0;
    for (int colours = 3; colours <= 6; ++colours) {
        const std::string name = std::to_string(colours) + "BalloonsMultiplier";
        const auto value = lookUp(text, name);
        ASSERT_TRUE(value.has_value()) << name;
        double v = 0.0;
        const auto result = std::from_chars(value->data(), value->data() + value->size(), v);
        ASSERT_TRUE(result.ec == std::errc() && result.ptr == value->data() + value->size()) << *value;
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_GT(v, previous) << name; // never 0: the super-pop bonus divides by it
        previous = v;
    }
}

TEST_F(GameSettingsText, PuzzleUnlockingNeverDividesByZeroAndStaysAheadOfThePlayer) {
    const int after = at("puzzlesUnlockAfter", 0);
    const int step = at("puzzlesUnlocked", 0);
    const int onStart = at("puzzlesUnlockedOnStart", 0);
    EXPECT_GE(after, 1);
    EXPECT_GE(at("themesUnlockedAfter", 0), 1);
    EXPECT_GE(onStart, after); // the first unlock can be earned from the puzzles open at the start
    EXPECT_LE(onStart, 102);
    EXPECT_GE(step, after); // each unlock opens at least as many puzzles as it took to earn
    const int themesOnStart = at("themesUnlockedOnStart", 0);
    EXPECT_GE(themesOnStart, 1);
    EXPECT_LE(themesOnStart, 5);
    // All four further themes can be earned within the catalogue.
    EXPECT_LE(at("themesUnlockedAfter", 0) * (5 - themesOnStart), 102);
}

TEST_F(GameSettingsText, DialogVeilAndWebLinkAreUsable) {
    const int fade = at("dialogFade", 0);
    EXPECT_GT(fade, 0);
    EXPECT_LT(fade, 1000);
    const auto url = lookUp(text, "zundoURL");
    ASSERT_TRUE(url.has_value());
    EXPECT_EQ(url->rfind("https://", 0), 0u);
    for (char c : *url) {
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) ||
                    std::string_view(":/.-_").find(c) != std::string::npos)
            << "unsafe character '" << c << "' in " << *url;
    }
}

} // namespace
