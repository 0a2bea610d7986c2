// GameConstants.h: the facts every mode, its screen and the stage agree on, named once.
#pragma once

#include "engine/store/PlayerProfile.h"
#include "game/board/BalloonImageTable.h"

// The modes, as the index of their high-score list and their statistics file ("stats%i.bin").
enum GameMode : int {
    kClassicMode = 0,
    kPuzzleMode = 1, // its list exists but no mode writes it
    kActionMode = 2,
};

inline constexpr int kSkillLevels = 3;
inline constexpr int kFewestColours = 3;
inline constexpr int kMostColours = 6;
// The gold star balloon's colour, after the six ordinary ones.
inline constexpr int kGoldColour = 6;
// Prize themes belong to the player profile, prize kinds to the balloon pictures.
inline constexpr int kThemes = PlayerProfile::kThemes;
inline constexpr int kPrizeKinds = BalloonImageTable::kPrizeKinds;

// The cue numbers the modes ask the mascot for.
namespace MascotCue {
inline constexpr int kBlink = 0;
inline constexpr int kBackToNormal = 1; // a blink that also ends a pose
inline constexpr int kFloatIn = 2;      // Classic start: floats down on its balloons
inline constexpr int kJumpIn = 3;       // Action start
inline constexpr int kCheer = 4;        // prize released, super pop
inline constexpr int kPickUp = 5;
inline constexpr int kAllPrizes = 6;
inline constexpr int kFidget = 7; // one of the three ways to take a loss
inline constexpr int kClockFirst = 8;
inline constexpr int kClock = 9; // the Action board is nearly full
inline constexpr int kSlump = 10;
inline constexpr int kWon = 11;
inline constexpr int kPuzzle = 12; // the Puzzle mode's own
inline constexpr int kSigh = 13;
inline constexpr int kDozing = 14; // 120 s without a click
inline constexpr int kAsleep = 15; // 300 s without a click
inline constexpr int kCordPull = 16;
inline constexpr int kCount = 17;
} // namespace MascotCue
