// PlayerProfile.h: the player's options and progress, stored as the 496-byte "Custom" value.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

class PlayerProfile {
public:
    static constexpr std::size_t kSize = 496;
    static constexpr uint32_t kBuildNumber = 3900;
    static constexpr int kThemes = 5;
    static constexpr int kPuzzles = 102;
    static constexpr std::size_t kNameBytes = 36;

    PlayerProfile() = default;

    // The reset values, with the first themes and puzzles unlocked.
    void reset(int themesUnlockedOnStart, int puzzlesUnlockedOnStart);
    void encode(std::span<uint8_t, kSize> out) const;
    void decode(std::span<const uint8_t, kSize> in);
    // Replaces values no part of the game can use (out-of-range indices, a colour count of 0,
    // non-finite volumes, an unterminated name) by safe ones. True when anything changed.
    bool validate();

    uint32_t version() const { return m_version; }

    // The first stored volume level is the music's, the second the effects'.
    float musicVolume() const { return m_musicVolume; }
    float effectsVolume() const { return m_effectsVolume; }
    void setMusicVolume(float v) { m_musicVolume = v; }
    void setEffectsVolume(float v) { m_effectsVolume = v; }
    int colours() const { return m_colours; }
    void setColours(int colours) { m_colours = colours; }
    int difficulty() const { return m_difficulty; }
    void setDifficulty(int difficulty) { m_difficulty = difficulty; }
    std::string name() const;
    // Keeps at most 35 bytes, so the stored name is always terminated.
    void setName(const std::string& name);

    int savedRound() const { return m_savedRound; }
    int savedSkill() const { return m_savedSkill; }
    float savedScore() const { return m_savedScore; }
    int savedColours() const { return m_savedColours; }
    void setSavedGame(int round, int skill, float score, int colours);

    int theme() const { return m_theme; }
    void setTheme(int theme) { m_theme = theme; }
    int currentPuzzle() const { return m_currentPuzzle; }
    void setCurrentPuzzle(int puzzle) { m_currentPuzzle = puzzle; }

    bool isThemeUnlocked(int theme) const {
        return theme >= 0 && theme < kThemes && m_themeUnlocked[theme] != 0;
    }
    int countUnlockedThemes() const;
    // Unlocks the first theme not yet unlocked; false when all are.
    bool unlockNextTheme();
    // Steps the selected theme through the unlocked ones, wrapping; at most five steps.
    void nextTheme();
    void previousTheme();

    bool isPuzzleUnlocked(int puzzle) const {
        return puzzle >= 0 && puzzle < kPuzzles && m_puzzleUnlocked[puzzle] != 0;
    }
    int countUnlockedPuzzles() const;
    int countSolvedPuzzles() const;
    // Unlocks the first `count` puzzles not yet unlocked, in index order.
    void unlockPuzzles(int count);
    int attempts(int puzzle) const;
    // Adds one attempt, saturating at 32767.
    void addAttempt(int puzzle);
    int best(int puzzle) const;
    void setBest(int puzzle, int clicks);

private:
    uint32_t m_version = kBuildNumber;
    float m_musicVolume = 0.3f;
    float m_effectsVolume = 0.8f;
    int32_t m_colours = 5;
    int32_t m_difficulty = 0;
    std::array<char, kNameBytes> m_name{};
    int32_t m_savedRound = 0;
    int32_t m_savedSkill = 0;
    float m_savedScore = 0;
    int32_t m_savedColours = 5;
    int32_t m_theme = 0;
    int32_t m_currentPuzzle = 0;
    std::array<uint8_t, kThemes> m_themeUnlocked{};
    std::array<uint8_t, kPuzzles> m_puzzleUnlocked{};
    std::array<int16_t, kPuzzles> m_attempts{};
    std::array<int8_t, kPuzzles> m_best{};
};
