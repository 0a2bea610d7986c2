// MoveRecord.cpp: the click sequence stored for one puzzle, 180 moves of (row, column).
#include "MoveRecord.h"

#include "PuzzleLevel.h"

#include <algorithm>

void MoveRecord::loadFrom(std::span<const uint8_t, kBytes> bytes) {
    std::copy(bytes.begin(), bytes.end(), m_moves.begin());
    m_length = 0;
    while (m_length < kCapacity && m_moves[static_cast<std::size_t>(m_length) * 2] != kEnd &&
           m_moves[static_cast<std::size_t>(m_length) * 2 + 1] != kEnd) {
        ++m_length;
    }
}

void MoveRecord::copyTo(std::span<uint8_t, kBytes> bytes) const {
    std::copy(m_moves.begin(), m_moves.end(), bytes.begin());
}

void MoveRecord::append(uint8_t first, uint8_t second) {
    if (m_cursor >= kCapacity) {
        return;
    }
    m_cursor = std::max(m_cursor, 0);
    m_moves[static_cast<std::size_t>(m_cursor) * 2] = first;
    m_moves[static_cast<std::size_t>(m_cursor) * 2 + 1] = second;
    ++m_cursor;
    m_length = m_cursor;
    std::fill(m_moves.begin() + static_cast<std::ptrdiff_t>(m_cursor) * 2, m_moves.end(), kEnd);
}

void MoveRecord::stepForward() {
    if (m_cursor < m_length) {
        ++m_cursor;
    }
}

void MoveRecord::stepBack() {
    if (m_cursor >= 0) {
        --m_cursor;
    }
}

PuzzleMove MoveRecord::at(int index) const {
    const std::size_t at = static_cast<std::size_t>(std::clamp(index, 0, kCapacity - 1)) * 2;
    return {m_moves[at], m_moves[at + 1]};
}

std::optional<PuzzleMove> MoveRecord::current() const {
    if (m_cursor < 0 || m_cursor >= m_length) {
        return std::nullopt;
    }
    const PuzzleMove move = at(m_cursor);
    if (move.row >= puzzle::kRows || move.column >= puzzle::kColumns) {
        return std::nullopt;
    }
    return move;
}
