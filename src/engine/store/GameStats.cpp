// GameStats.cpp: the counters of one game mode and the file "stats%i.bin" that keeps them.
#include "GameStats.h"

#include "LittleEndianBytes.h"
#include "engine/core/FileIo.h"
#include "engine/core/ReadOnlyFile.h"
#include "engine/core/ksLog.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Counters only grow by one; past the int32 range they stay at the top.
int32_t incremented(int32_t value) {
    return value < std::numeric_limits<int32_t>::max() ? value + 1 : value;
}

} // namespace

GameStats::GameStats(std::filesystem::path file)
    : m_file(std::move(file)) {}

GameStats GameStats::forMode(const std::filesystem::path& dataDir, int index) {
    return GameStats(dataDir / fileNameFor(index));
}

std::string GameStats::fileNameFor(int index) {
    return "stats" + std::to_string(index) + ".bin";
}

void GameStats::reset() {
    m_gamesPlayed = 0;
    m_gamesWon = 0;
    m_bestStreak = 0;
    m_biggestGroup = 0;
    m_currentStreak = 0;
}

void GameStats::recordResult(bool won) {
    m_gamesPlayed = incremented(m_gamesPlayed);
    if (won) {
        m_gamesWon = incremented(m_gamesWon);
        m_currentStreak = incremented(m_currentStreak);
        m_bestStreak = std::max(m_bestStreak, m_currentStreak);
    } else {
        m_currentStreak = 0;
    }
}

void GameStats::recordGroup(int32_t size) {
    m_biggestGroup = std::max(m_biggestGroup, size);
}

std::array<uint8_t, GameStats::kFileBytes> GameStats::toBytes() const {
    std::vector<uint8_t> bytes;
    for (int32_t value : {m_gamesPlayed, m_gamesWon, m_bestStreak, m_biggestGroup}) {
        appendInt32(bytes, value);
    }
    std::array<uint8_t, kFileBytes> result{};
    std::copy(bytes.begin(), bytes.end(), result.begin());
    return result;
}

bool GameStats::loadFromBytes(std::span<const uint8_t> bytes) {
    reset();
    LittleEndianReader in(bytes);
    m_gamesPlayed = in.readInt32();
    m_gamesWon = in.readInt32();
    m_bestStreak = in.readInt32();
    m_biggestGroup = in.readInt32();
    return !in.failed();
}

bool GameStats::load() {
    reset();
    m_fileBytes.reset();
    std::optional<ReadOnlyFile> file = ReadOnlyFile::open(m_file);
    if (!file) {
        return false;
    }
    const std::vector<uint8_t> bytes = file->readLeading(kFileBytes);
    if (!loadFromBytes(bytes)) {
        trace("GameStats::load - %s holds only %zu of its %zu bytes", m_file.c_str(), bytes.size(),
              kFileBytes);
        return false;
    }
    if (file->size() == kFileBytes) {
        m_fileBytes = toBytes();
    }
    return true;
}

bool GameStats::save() {
    const std::array<uint8_t, kFileBytes> bytes = toBytes();
    if (m_fileBytes == bytes) {
        return true;
    }
    if (!writeFileAtomically(m_file, bytes)) {
        m_fileBytes.reset();
        return false;
    }
    m_fileBytes = bytes;
    return true;
}
