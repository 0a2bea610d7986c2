// ClassicUndoHistory.h: one board snapshot and one score per pop, taken back last first.
#pragma once

#include "BoardSnapshot.h"

#include <array>
#include <cstdint>

// Each pop removes at least one balloon and undo puts them back, so a game never holds more
// entries than the board has places; the storage for all of them is part of the object.
class ClassicUndoHistory {
public:
    static constexpr int kCapacity = BoardSnapshot::kRows * BoardSnapshot::kColumns;

    // False (nothing stored) when full.
    bool push(const BoardSnapshot& snapshot, int32_t score) {
        if (m_count == kCapacity) {
            return false;
        }
        m_snapshots[m_count] = snapshot;
        m_scores[m_count] = score;
        ++m_count;
        return true;
    }
    // Drops the newest entry and hands back its snapshot, valid until the next push. Must not be
    // called when empty.
    const BoardSnapshot& pop() { return m_snapshots[--m_count]; }
    void clear() { m_count = 0; }

    bool empty() const { return m_count == 0; }
    int size() const { return m_count; }
    // Entry `index`, oldest first (index below size()).
    const BoardSnapshot& snapshot(int index) const { return m_snapshots[index]; }
    int32_t score(int index) const { return m_scores[index]; }
    // The score after the newest pop still held, 0 when none is.
    int32_t lastScore() const { return m_count == 0 ? 0 : m_scores[m_count - 1]; }

private:
    std::array<BoardSnapshot, kCapacity> m_snapshots{};
    std::array<int32_t, kCapacity> m_scores{};
    int m_count = 0;
};
