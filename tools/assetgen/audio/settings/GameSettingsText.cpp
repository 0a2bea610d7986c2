// GameSettingsText.cpp: the game's tuning values, written out as the `gameSettings` text.
// docs/tuning.md explains every number.
#include "assetgen/audio/AudioAssets.h"

#include <string_view>

namespace {

struct Setting {
    std::string_view key;
    std::string_view value; // lists hold one value per skill level: easy, medium, hard
};

constexpr Setting kSettings[] = {
    // The veil behind dialogs, in thousandths of full black.
    {"dialogFade", "500"},

    // Classic: every skill level scores a balloon, a group and a prize alike; harder boards
    // are fuller, hide more prizes and hide them higher up, so they are worth more.
    {"classicSuperPop3", "12,13,14"},
    {"classicSuperPop4", "10,11,12"},
    {"classicSuperPop5", "8,9,10"},
    {"classicSuperPop6", "7,8,9"},
    {"classicBigGroupBonus", "500,500,500"},
    {"classicGroupPopPoints", "10,10,10"},
    {"classicExtraPopPoints", "5,5,5"},
    {"classicPrizePoints", "10,10,10"},
    {"classicLastPrize", "1000,1000,1000"},
    {"classicClearBonus", "5000,5000,5000"},
    {"classicNotClearBonus", "2500,2500,2500"},
    {"classicBalloonPenalty", "200,200,200"},
    {"classicRows", "8,9,10"},
    {"classicPrizes", "6,9,12"},
    {"classicMinPrizeRow", "4,3,2"},
    {"classicMaxPrizeRow", "8,9,10"},

    // Action: the same points; harder levels start fuller and faster, bring in colours sooner
    // and ask for more pops per gold star.
    {"actionGoldGroupBonus", "100,100,100"},
    {"actionSuperPop3", "14,15,16"},
    {"actionSuperPop4", "11,12,13"},
    {"actionSuperPop5", "9,10,11"},
    {"actionSuperPop6", "8,8,9"},
    {"actionBalloons4", "3,2,2"},
    {"actionBalloons5", "6,4,3"},
    {"actionBalloons6", "10,7,5"},
    {"actionBigGroupBonus", "300,300,300"},
    {"actionGroupPopPoints", "10,10,10"},
    {"actionExtraPopPoints", "5,5,5"},
    {"actionRowFillTime", "12000,9000,7000"},
    {"actionRowFillDeduct", "500,600,700"},
    {"actionRowFillMinTime", "5000,4000,3000"},
    {"actionNumsRowsConstRate", "6,5,4"},
    {"actionNumsRowsConstRateDeduct", "1,1,1"},
    {"actionRowFillDeductInLevel", "100,150,200"},
    {"actionRowFillDeductInLevelMod", "10,20,30"},
    {"actionRows", "3,4,5"},
    {"actionRowsToAdd", "0,0,0"},
    {"actionNumBalloonsToPop", "110,120,130"},
    {"actionNumBalloonsToAdd", "0,0,0"},
    {"actionNumBalloonsToSub", "10,10,10"},
    {"actionMinBalloonsToPop", "40,50,60"},

    // Points multiplier by the number of balloon colours in play (3 to 6).
    {"3BalloonsMultiplier", "0.5"},
    {"4BalloonsMultiplier", "1.0"},
    {"5BalloonsMultiplier", "1.5"},
    {"6BalloonsMultiplier", "2.0"},

    // The title screen's web link.
    {"zundoURL", "https://zibbet.example.org/"},

    // Puzzle progress.
    {"puzzlesUnlockAfter", "3"},
    {"themesUnlockedAfter", "8"},
    {"puzzlesUnlocked", "6"},
    {"puzzlesUnlockedOnStart", "6"},
    {"themesUnlockedOnStart", "1"},
};

} // namespace

GeneratedFile generateGameSettings() {
    // Each entry is a name line holding exactly "key=", then the value on the next line.
    std::string text;
    for (const Setting& s : kSettings) {
        text.append(s.key).append("=\n").append(s.value).append("\n");
    }
    return {"gamesettings.txt", std::vector<uint8_t>(text.begin(), text.end())};
}
