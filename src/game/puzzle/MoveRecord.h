// MoveRecord.h: the click sequence stored for one puzzle, 180 moves of (row, column).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

struct PuzzleMove {
    int row = 0;
    int column = 0;
    bool operator==(const PuzzleMove&) const = default;
};

// An entry with either byte 255 ends the sequence. The cursor is where replay reads and where
// recording writes; appending cuts off whatever followed the cursor.
class MoveRecord {
public:
    static constexpr int kCapacity = 180;
    static constexpr std::size_t kBytes = kCapacity * 2;
    static constexpr uint8_t kEnd = 255;

    MoveRecord() { m_moves.fill(kEnd); }

    // Copies the 360 bytes; the length is the number of entries before the first with a 255.
    void loadFrom(std::span<const uint8_t, kBytes> bytes);
    void copyTo(std::span<uint8_t, kBytes> bytes) const;
    // Records a click at the cursor (a negative cursor first becomes 0); the length becomes the
    // new cursor and every later entry is cleared. Nothing happens once the record is full.
    void append(uint8_t first, uint8_t second);
    void rewind() { m_cursor = 0; }
    void stepForward();
    void stepBack();

    int capacity() const { return kCapacity; }
    int length() const { return m_length; }
    int cursor() const { return m_cursor; }
    // The entry at `index` as stored (no range check of the cell).
    PuzzleMove at(int index) const;
    // The move under the cursor for replay: only while 0 <= cursor < length, and only when it
    // names a cell of the 10 x 15 board (stored files can hold anything).
    std::optional<PuzzleMove> current() const;

private:
    std::array<uint8_t, kBytes> m_moves;
    int m_length = 0;
    int m_cursor = 0;
};
