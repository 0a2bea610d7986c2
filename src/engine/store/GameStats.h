// GameStats.h: the counters of one game mode and the file "stats%i.bin" that keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

// Games played, games won, best streak and biggest group are stored (16 bytes, little-endian,
// in that order); the current streak lives only as long as the program.
class GameStats {
public:
    static constexpr std::size_t kFileBytes = 16;

    explicit GameStats(std::filesystem::path file);
    // The statistics of mode `index` (0 Classic, 2 Action): "stats<index>.bin" inside `dataDir`.
    static GameStats forMode(const std::filesystem::path& dataDir, int index);
    static std::string fileNameFor(int index);
    const std::filesystem::path& file() const { return m_file; }

    // Sets every counter to 0, then reads the file over them. False when the file cannot be
    // opened or holds fewer than 16 bytes (then the fields read so far keep their values).
    bool load();
    // Replaces the file atomically; false (with one trace line) when that fails. Writing the
    // bytes that are already in the file is skipped: the modes save after every pop.
    bool save();
    // All five counters 0.
    void reset();

    // One more game played; a win extends the streak, a loss ends it.
    void recordResult(bool won);
    // Keeps the largest group size seen.
    void recordGroup(int32_t size);

    int32_t gamesPlayed() const { return m_gamesPlayed; }
    int32_t gamesWon() const { return m_gamesWon; }
    int32_t bestStreak() const { return m_bestStreak; }
    int32_t biggestGroup() const { return m_biggestGroup; }
    int32_t currentStreak() const { return m_currentStreak; }

    std::array<uint8_t, kFileBytes> toBytes() const;
    // Reads the stored counters from the front of `bytes`; false when it is shorter than 16.
    bool loadFromBytes(std::span<const uint8_t> bytes);

private:
    std::filesystem::path m_file;
    int32_t m_gamesPlayed = 0;
    int32_t m_gamesWon = 0;
    int32_t m_bestStreak = 0;
    int32_t m_biggestGroup = 0;
    int32_t m_currentStreak = 0;
    // What the file is known to hold, so an unchanged save costs nothing.
    std::optional<std::array<uint8_t, kFileBytes>> m_fileBytes;
};
