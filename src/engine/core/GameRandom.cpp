// GameRandom.cpp: the game-wide generator of uniform integers 0 to 32767.
#include "GameRandom.h"

namespace {

uint32_t g_state = 1;

} // namespace

int gameRandom() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFFu);
}

void seedGameRandom(uint32_t seed) { g_state = seed; }
