// HighScoreList.h: one list of the best scores with the players' names, best first.
#pragma once

#include "LittleEndianBytes.h"

#include <array>
#include <cstdint>
#include <vector>

// A fixed number of entries, kept in descending order of score. Among equal scores the older
// entry stays ahead. Entries at and after count() hold score 0 and an empty name.
class HighScoreList {
public:
    static constexpr int kNameBytes = 64; // the terminating zero included

    explicit HighScoreList(int capacity);

    int capacity() const { return static_cast<int>(m_entries.size()); }
    int count() const { return m_count; }

    // Whether `add` would enter the score: it beats an entry, or the list is not full yet.
    bool qualifies(int32_t score) const;
    // Enters the score below every entry that is at least as high, dropping the last entry of a
    // full list; the name is cut to 63 characters. A null name is refused; an empty one is fine.
    bool add(const char* name, int32_t score);
    // The name at a position, terminated; null outside 0 to capacity - 1.
    const char* nameAt(int position) const;
    // The score at a position; -1 outside 0 to capacity - 1.
    int32_t scoreAt(int position) const;
    // Count 0, every score 0, every name empty.
    void clear();

    // The stored block: count, every name buffer, every score (little-endian, unused ones too).
    void appendBlock(std::vector<uint8_t>& out) const;
    // Reads one stored block, writing the trace lines for a short or nonsensical block. A count
    // outside 0 to capacity loads as an empty list, but the block is still read through.
    void readBlock(LittleEndianReader& in);

private:
    struct Entry {
        std::array<char, kNameBytes> name{};
        int32_t score = 0;
    };
    // The index a new score would take: below every entry that is at least as high.
    int insertPosition(int32_t score) const;

    std::vector<Entry> m_entries;
    int m_count = 0;
};
