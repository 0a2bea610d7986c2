// GameRandom.cpp: the game-wide generator of uniform integers 0 to 32767.
#include "GameRandom.h"

#include <chrono>
#include <optional>

namespace {

uint32_t g_state = 1;
std::optional<uint32_t> g_fixedSeed;

} // namespace

int gameRandom() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFFu);
}

void seedGameRandom(uint32_t seed) {
    g_state = seed;
}

uint32_t newGameSeed() {
    if (g_fixedSeed) {
        return (*g_fixedSeed)++;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void fixGameSeeds(uint32_t firstSeed) {
    g_fixedSeed = firstSeed;
}
