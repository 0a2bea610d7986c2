// HighScoreTable.h: the game's high-score lists and the file "hsinfo.bin" that keeps them.
#pragma once

#include "HighScoreList.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// List index 0 is Classic and 2 is Action; index 1 exists and is stored like the others but no
// mode writes it. The file holds every list's block in index order, little-endian, no header:
// 1,440 bytes for the game's three lists of seven.
class HighScoreTable {
public:
    static constexpr int kGameListCount = 3;
    static constexpr int kGameListCapacity = 7;
    static constexpr const char* kFileName = "hsinfo.bin";

    // `file` is where the table is loaded from and saved to; an empty path turns both off.
    HighScoreTable(int listCount, int capacity, std::filesystem::path file);
    // The game's table: three lists of seven in "hsinfo.bin" inside `dataDir`.
    static HighScoreTable forGame(const std::filesystem::path& dataDir);

    int listCount() const { return static_cast<int>(m_lists.size()); }
    const std::filesystem::path& file() const { return m_file; }

    // The list operations; an index outside the table gives the neutral answer (false, 0, null,
    // -1) with one trace line.
    bool qualifies(int list, int32_t score) const;
    bool add(int list, const char* name, int32_t score);
    int count(int list) const;
    const char* nameAt(int list, int position) const;
    int32_t scoreAt(int list, int position) const;
    void clearList(int list);

    // Reads the file. A file that cannot be opened clears every list; a short or nonsensical one
    // leaves the lists as read so far, with the trace lines that say what was wrong.
    void load();
    // Replaces the file atomically: on any failure the old file stays as it was, one trace line
    // is written and the answer is false. With no file nothing is written and the answer is false.
    bool save() const;

    // The file's bytes for the current lists, and the reading of such bytes (the file layer above
    // is a thin wrapper around these).
    std::vector<uint8_t> toBytes() const;
    void loadFromBytes(std::span<const uint8_t> bytes);

private:
    // Whether the list exists; writes the trace line naming `operation` when it does not.
    bool hasList(int list, const char* operation) const;

    std::vector<HighScoreList> m_lists;
    std::filesystem::path m_file;
};
