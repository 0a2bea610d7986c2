// BoardSnapshot.h: the 330-byte record of a Classic board and its prize shelf that undo restores.
#pragma once

#include "game/board/CellContent.h"

#include <array>
#include <cstdint>

class BalloonBoard;

// 150 board places in row-major order (row 0, columns 0 to 14, then row 1, ...), then the 15
// shelf slots; each as a signed colour byte and a signed prize-kind byte. A board place records
// colour -1 when it is Empty or Popping and its prize kind only while it holds a prize marker; a
// shelf slot records its colour and prize-kind fields as they are.
struct BoardSnapshot {
    static constexpr int kRows = 10;
    static constexpr int kColumns = 15;
    static constexpr int kShelfSlots = 15;
    static constexpr int kBytes = (kRows * kColumns + kShelfSlots) * 2;

    std::array<int8_t, kBytes> bytes{};

    // `board` must be 10 x 15 and `shelf` 1 x 15.
    static BoardSnapshot take(const BalloonBoard& board, const BalloonBoard& shelf);

    // Refills every board place (a prize kind >= 0 holds a marker) and every shelf slot (its
    // colour and kind, holding no prize) from the record. Out-of-range values are emptied, with
    // one trace line for the whole record. Answers the number of board places holding a prize.
    int restore(BalloonBoard& board, BalloonBoard& shelf) const;

    CellContent boardCell(int row, int column) const { return cellAt((row * kColumns + column) * 2); }
    CellContent shelfSlot(int slot) const { return cellAt((kRows * kColumns + slot) * 2); }

private:
    CellContent cellAt(int offset) const { return {bytes[offset], bytes[offset + 1]}; }
};
