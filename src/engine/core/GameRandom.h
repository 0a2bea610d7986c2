// GameRandom.h: the game-wide generator of uniform integers 0 to 32767.
#pragma once

#include <cstdint>

inline constexpr int kGameRandomMax = 32767;

// Our own linear congruential generator, so every formula written against the 0..32767 range
// behaves the same on every C library. Single-threaded, like the rest of the game.
int gameRandom();
void seedGameRandom(uint32_t seed);

// The seed for a new game: the wall-clock time in milliseconds, unless seeds were fixed, in which
// case every call answers the next number from the fixed one, so whole runs repeat.
uint32_t newGameSeed();
void fixGameSeeds(uint32_t firstSeed);
