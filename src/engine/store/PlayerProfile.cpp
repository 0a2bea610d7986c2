// PlayerProfile.cpp: the player's options and progress, stored as the 496-byte "Custom" value.
#include "PlayerProfile.h"

#include "LittleEndianBytes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kName = 20;
constexpr std::size_t kThemeFlags = 80;
constexpr std::size_t kPuzzleFlags = 86;
constexpr std::size_t kAttempts = 188;
constexpr std::size_t kBest = 392;

template <typename T>
bool replaceUnless(T& value, bool valid, T replacement) {
    if (valid) {
        return false;
    }
    value = replacement;
    return true;
}

} // namespace

void PlayerProfile::reset(int themesUnlockedOnStart, int puzzlesUnlockedOnStart) {
    *this = PlayerProfile{};
    for (int i = 0; i < std::clamp(themesUnlockedOnStart, 0, kThemes); ++i) {
        m_themeUnlocked[i] = 1;
    }
    for (int i = 0; i < std::clamp(puzzlesUnlockedOnStart, 0, kPuzzles); ++i) {
        m_puzzleUnlocked[i] = 1;
    }
}

void PlayerProfile::encode(std::span<uint8_t, kSize> out) const {
    std::fill(out.begin(), out.end(), uint8_t{0});
    putU32(out, 0, m_version);
    putF32(out, 4, m_musicVolume);
    putF32(out, 8, m_effectsVolume);
    putI32(out, 12, m_colours);
    putI32(out, 16, m_difficulty);
    std::memcpy(out.data() + kName, m_name.data(), kNameBytes);
    putI32(out, 56, m_savedRound);
    putI32(out, 60, m_savedSkill);
    putF32(out, 64, m_savedScore);
    putI32(out, 68, m_savedColours);
    putI32(out, 72, m_theme);
    putI32(out, 76, m_currentPuzzle);
    std::copy(m_themeUnlocked.begin(), m_themeUnlocked.end(), out.begin() + kThemeFlags);
    std::copy(m_puzzleUnlocked.begin(), m_puzzleUnlocked.end(), out.begin() + kPuzzleFlags);
    for (int i = 0; i < kPuzzles; ++i) {
        putI16(out, kAttempts + 2 * i, m_attempts[i]);
        out[kBest + i] = static_cast<uint8_t>(m_best[i]);
    }
}

void PlayerProfile::decode(std::span<const uint8_t, kSize> in) {
    m_version = getU32(in, 0);
    m_musicVolume = getF32(in, 4);
    m_effectsVolume = getF32(in, 8);
    m_colours = getI32(in, 12);
    m_difficulty = getI32(in, 16);
    std::memcpy(m_name.data(), in.data() + kName, kNameBytes);
    m_savedRound = getI32(in, 56);
    m_savedSkill = getI32(in, 60);
    m_savedScore = getF32(in, 64);
    m_savedColours = getI32(in, 68);
    m_theme = getI32(in, 72);
    m_currentPuzzle = getI32(in, 76);
    std::copy_n(in.begin() + kThemeFlags, kThemes, m_themeUnlocked.begin());
    std::copy_n(in.begin() + kPuzzleFlags, kPuzzles, m_puzzleUnlocked.begin());
    for (int i = 0; i < kPuzzles; ++i) {
        m_attempts[i] = getI16(in, kAttempts + 2 * i);
        m_best[i] = static_cast<int8_t>(in[kBest + i]);
    }
}

bool PlayerProfile::validate() {
    bool changed = false;
    changed |= replaceUnless(m_difficulty, m_difficulty >= 0 && m_difficulty <= 2, 0);
    changed |= replaceUnless(m_colours, m_colours >= 3 && m_colours <= 6, 5);
    changed |= replaceUnless(m_savedSkill, m_savedSkill >= 0 && m_savedSkill <= 2, 0);
    changed |= replaceUnless(m_savedColours, m_savedColours >= 3 && m_savedColours <= 6, 5);
    changed |= replaceUnless(m_theme, m_theme >= 0 && m_theme < kThemes, 0);
    changed |= replaceUnless(m_currentPuzzle, m_currentPuzzle >= 0 && m_currentPuzzle < kPuzzles, 0);
    changed |= replaceUnless(m_musicVolume, std::isfinite(m_musicVolume), 0.3f);
    changed |= replaceUnless(m_effectsVolume, std::isfinite(m_effectsVolume), 0.8f);
    const float music = std::clamp(m_musicVolume, 0.0f, 1.0f);
    const float effects = std::clamp(m_effectsVolume, 0.0f, 1.0f);
    changed |= music != m_musicVolume || effects != m_effectsVolume;
    m_musicVolume = music;
    m_effectsVolume = effects;
    // A saved Action score must convert to a 32-bit score without loss of meaning.
    if (!std::isfinite(m_savedScore) || m_savedScore < -2147483648.0f || m_savedScore >= 2147483648.0f) {
        m_savedScore = 0;
        m_savedRound = 0;
        changed = true;
    }
    changed |= replaceUnless(m_savedRound, m_savedRound >= 0, 0);
    changed |= replaceUnless(m_name[kNameBytes - 1], m_name[kNameBytes - 1] == '\0', '\0');
    return changed;
}

std::string PlayerProfile::name() const {
    return std::string(m_name.data(), strnlen(m_name.data(), kNameBytes));
}

void PlayerProfile::setName(const std::string& name) {
    m_name.fill('\0');
    std::memcpy(m_name.data(), name.data(), std::min(name.size(), kNameBytes - 1));
}

void PlayerProfile::setSavedGame(int round, int skill, float score, int colours) {
    m_savedRound = round;
    m_savedSkill = skill;
    m_savedScore = score;
    m_savedColours = colours;
}

int PlayerProfile::countUnlockedThemes() const {
    return static_cast<int>(
        std::count_if(m_themeUnlocked.begin(), m_themeUnlocked.end(), [](uint8_t f) { return f != 0; }));
}

bool PlayerProfile::unlockNextTheme() {
    for (uint8_t& flag : m_themeUnlocked) {
        if (flag == 0) {
            flag = 1;
            return true;
        }
    }
    return false;
}

void PlayerProfile::nextTheme() {
    int theme = m_theme;
    for (int step = 0; step < kThemes; ++step) {
        theme = theme + 1 >= kThemes ? 0 : theme + 1;
        if (m_themeUnlocked[theme] != 0) {
            m_theme = theme;
            return;
        }
    }
}

void PlayerProfile::previousTheme() {
    int theme = m_theme;
    for (int step = 0; step < kThemes; ++step) {
        theme = theme - 1 < 0 ? kThemes - 1 : theme - 1;
        if (m_themeUnlocked[theme] != 0) {
            m_theme = theme;
            return;
        }
    }
}

int PlayerProfile::countUnlockedPuzzles() const {
    return static_cast<int>(
        std::count_if(m_puzzleUnlocked.begin(), m_puzzleUnlocked.end(), [](uint8_t f) { return f != 0; }));
}

int PlayerProfile::countSolvedPuzzles() const {
    return static_cast<int>(std::count_if(m_best.begin(), m_best.end(), [](int8_t b) { return b > 0; }));
}

void PlayerProfile::unlockPuzzles(int count) {
    for (uint8_t& flag : m_puzzleUnlocked) {
        if (count <= 0) {
            return;
        }
        if (flag == 0) {
            flag = 1;
            --count;
        }
    }
}

int PlayerProfile::attempts(int puzzle) const {
    return puzzle >= 0 && puzzle < kPuzzles ? m_attempts[puzzle] : 0;
}

void PlayerProfile::addAttempt(int puzzle) {
    if (puzzle >= 0 && puzzle < kPuzzles && m_attempts[puzzle] < std::numeric_limits<int16_t>::max()) {
        ++m_attempts[puzzle];
    }
}

int PlayerProfile::best(int puzzle) const {
    return puzzle >= 0 && puzzle < kPuzzles ? m_best[puzzle] : 0;
}

void PlayerProfile::setBest(int puzzle, int clicks) {
    if (puzzle >= 0 && puzzle < kPuzzles) {
        m_best[puzzle] = static_cast<int8_t>(std::clamp(clicks, -128, 127));
    }
}
