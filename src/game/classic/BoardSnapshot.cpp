// BoardSnapshot.cpp: the 330-byte record of a Classic board and its prize shelf that undo restores.
#include "BoardSnapshot.h"

#include "engine/core/ksLog.h"
#include "game/board/BalloonBoard.h"

#include <cassert>

namespace {

void store(std::array<int8_t, BoardSnapshot::kBytes>& bytes, int offset, int colour, int prizeKind) {
    bytes[offset] = static_cast<int8_t>(colour);
    bytes[offset + 1] = static_cast<int8_t>(prizeKind);
}

} // namespace

BoardSnapshot BoardSnapshot::take(const BalloonBoard& board, const BalloonBoard& shelf) {
    assert(board.rows() == kRows && board.columns() == kColumns && shelf.columns() == kShelfSlots);
    BoardSnapshot snapshot;
    int offset = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column, offset += 2) {
            const Balloon& place = board.cellAt(row, column);
            const bool present = place.isOccupied() && !place.isPopping();
            store(snapshot.bytes, offset, present ? place.colour() : -1,
                  place.holdsPrize() ? place.prizeKind() : -1);
        }
    }
    for (int slot = 0; slot < kShelfSlots; ++slot, offset += 2) {
        const Balloon& place = shelf.cellAt(0, slot);
        store(snapshot.bytes, offset, place.colour(), place.prizeKind());
    }
    return snapshot;
}

int BoardSnapshot::restore(BalloonBoard& board, BalloonBoard& shelf) const {
    assert(board.rows() == kRows && board.columns() == kColumns && shelf.columns() == kShelfSlots);
    int corrected = 0;
    int prizesOnBoard = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            CellContent cell = boardCell(row, column);
            corrected += cell.normalise() ? 1 : 0;
            board.cellAt(row, column).setContent(cell.colour, cell.prizeKind);
            prizesOnBoard += cell.prizeKind >= 0 ? 1 : 0;
        }
    }
    for (int slot = 0; slot < kShelfSlots; ++slot) {
        CellContent cell = shelfSlot(slot);
        corrected += cell.normalise() ? 1 : 0;
        Balloon& place = shelf.cellAt(0, slot);
        place.setContent(cell.colour, cell.prizeKind);
        place.setHoldsPrize(false);
    }
    if (corrected > 0) {
        trace("BoardSnapshot::restore - %d bad cells were emptied", corrected);
    }
    return prizesOnBoard;
}
