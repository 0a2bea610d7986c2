// PuzzleLevel.h: one puzzle's layout as the level resource stores it, 330 bytes.
#pragma once

#include "game/board/CellContent.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class BalloonBoard;

namespace puzzle {
inline constexpr int kPuzzleCount = 102;
inline constexpr int kRows = 10;
inline constexpr int kColumns = 15;
inline constexpr int kFloorSlots = 15;
inline constexpr std::size_t kBoardBytes = kRows * kColumns * 2;          // 300
inline constexpr std::size_t kLevelBytes = kBoardBytes + kFloorSlots * 2; // 330
inline constexpr std::size_t kLevelsBytes = kLevelBytes * kPuzzleCount;   // 33,660
inline constexpr int kNone = -1;
inline constexpr int kGold = 6;
inline constexpr int kPrizeKinds = 6;
} // namespace puzzle

// The board (10 rows of 15 cells, row 0 first, each a signed colour byte and a signed prize byte)
// followed by the floor (15 slots, each an unused byte and a signed target byte). 0xFF is -1:
// no balloon, no prize, no target.
struct PuzzleLevel {
    std::array<uint8_t, puzzle::kLevelBytes> bytes;

    // No balloons, no prizes, no targets.
    PuzzleLevel() { bytes.fill(0xFF); }
    // The layout at `index` of the level resource; blank when the resource ends before it.
    static PuzzleLevel fromResource(std::span<const uint8_t> levels, int index);

    int colour(int row, int column) const { return static_cast<int8_t>(bytes[cellOffset(row, column)]); }
    int prize(int row, int column) const { return static_cast<int8_t>(bytes[cellOffset(row, column) + 1]); }
    int target(int slot) const { return static_cast<int8_t>(bytes[slotOffset(slot) + 1]); }
    // The cell as a board takes it: out-of-range colours and prizes emptied, and no prize
    // without a balloon to carry it. `corrected` (when given) tells whether anything changed.
    CellContent cell(int row, int column, bool* corrected = nullptr) const;
    void setCell(int row, int column, int colour, int prize);
    void setTarget(int slot, int target);

    // The 300 board bytes as (colour, prize) pairs, the form boards are filled from.
    std::span<const int8_t> boardCells() const {
        return {reinterpret_cast<const int8_t*>(bytes.data()), puzzle::kBoardBytes};
    }

    bool operator==(const PuzzleLevel&) const = default;

private:
    static std::size_t cellOffset(int row, int column) {
        return static_cast<std::size_t>(row * puzzle::kColumns + column) * 2;
    }
    static std::size_t slotOffset(int slot) {
        return puzzle::kBoardBytes + static_cast<std::size_t>(slot) * 2;
    }
};

// Fills a 10 x 15 board from the level: a cell holds a balloon when its colour is not -1 and
// carries a prize when its prize number is 0 or more. Cells are taken as cell() gives them, with
// one trace line naming `source` when any had to be corrected. Answers their number.
int fillBoardFromLevel(BalloonBoard& board, const PuzzleLevel& level, const char* source);
