// Palette.h: the game's colours: six balloon colours, the gold star and the fairground world.
#pragma once

#include "Colour.h"

#include <array>
#include <string_view>

// Each ordinary balloon colour also carries its own emblem, so colour is never the only cue.
enum class Emblem { Heart, Ring, Triangle, Diamond, Moon, Flower, Star };

struct BalloonColour {
    std::string_view name;
    Colour body;   // the colour a player names the balloon by
    Colour shadow; // the dark side of the body
    Colour shine;  // the lit side
    Emblem emblem;
};

// The six ordinary colours were chosen so that every pair stays at least 15 CIEDE2000 apart
// under simulated protanopia, deuteranopia and tritanopia (see the colour-vision test); they
// differ in lightness as much as in hue. Index 6 is the gold star balloon.
inline constexpr std::array<BalloonColour, 7> kBalloonColours = {{
    {"red", Colour::hex(0xD0342B), Colour::hex(0x7E1410), Colour::hex(0xFF8A78), Emblem::Heart},
    {"yellow", Colour::hex(0xFFE02E), Colour::hex(0xC99A00), Colour::hex(0xFFF8B8), Emblem::Ring},
    {"green", Colour::hex(0x22B176), Colour::hex(0x0C6B43), Colour::hex(0x8BF0C0), Emblem::Triangle},
    {"blue", Colour::hex(0x2E53E6), Colour::hex(0x14237E), Colour::hex(0x8DA6FF), Emblem::Diamond},
    {"lilac", Colour::hex(0xCF8CFF), Colour::hex(0x8043B8), Colour::hex(0xF2DDFF), Emblem::Moon},
    {"white", Colour::hex(0xF2F2F6), Colour::hex(0xA6A9BE), Colour::hex(0xFFFFFF), Emblem::Flower},
    {"gold", Colour::hex(0xF0A818), Colour::hex(0x9A5A00), Colour::hex(0xFFF1A0), Emblem::Star},
}};

inline constexpr int kOrdinaryColourCount = 6;
inline constexpr int kGoldColour = 6;

// The fairground at dusk.
namespace world {
inline constexpr Colour kNight = Colour::hex(0x1A1440);
inline constexpr Colour kDusk = Colour::hex(0x3B2370);
inline constexpr Colour kHorizon = Colour::hex(0xC8507A);
inline constexpr Colour kGlow = Colour::hex(0xFFB070);
inline constexpr Colour kVelvet = Colour::hex(0x1B1D4A);
inline constexpr Colour kVelvetDeep = Colour::hex(0x100F30);
inline constexpr Colour kGold = Colour::hex(0xFFC83A);
inline constexpr Colour kGoldDeep = Colour::hex(0xB87400);
inline constexpr Colour kBulb = Colour::hex(0xFFF2B0);
inline constexpr Colour kTentRed = Colour::hex(0xE0403C);
inline constexpr Colour kTentCream = Colour::hex(0xFFF0D8);
inline constexpr Colour kWood = Colour::hex(0xA8643A);
inline constexpr Colour kWoodDark = Colour::hex(0x5E3018);
inline constexpr Colour kTeal = Colour::hex(0x1FA3A8);
inline constexpr Colour kPlum = Colour::hex(0x5A2A82);
inline constexpr Colour kInk = Colour::hex(0x24103A);
inline constexpr Colour kCream = Colour::hex(0xFFF6E2);
} // namespace world
