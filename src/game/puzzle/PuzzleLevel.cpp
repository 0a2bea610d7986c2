// PuzzleLevel.cpp: one puzzle's layout as the level resource stores it, 330 bytes.
#include "PuzzleLevel.h"

#include "engine/core/ksLog.h"
#include "game/board/BalloonBoard.h"

#include <algorithm>

PuzzleLevel PuzzleLevel::fromResource(std::span<const uint8_t> levels, int index) {
    PuzzleLevel level;
    if (index < 0) {
        return level;
    }
    const std::size_t start = static_cast<std::size_t>(index) * puzzle::kLevelBytes;
    if (start + puzzle::kLevelBytes <= levels.size()) {
        std::copy_n(levels.begin() + static_cast<std::ptrdiff_t>(start), puzzle::kLevelBytes,
                    level.bytes.begin());
    }
    return level;
}

void PuzzleLevel::setCell(int row, int column, int colour, int prize) {
    bytes[cellOffset(row, column)] = static_cast<uint8_t>(static_cast<int8_t>(colour));
    bytes[cellOffset(row, column) + 1] = static_cast<uint8_t>(static_cast<int8_t>(prize));
}

void PuzzleLevel::setTarget(int slot, int target) {
    bytes[slotOffset(slot)] = 0xFF;
    bytes[slotOffset(slot) + 1] = static_cast<uint8_t>(static_cast<int8_t>(target));
}

CellContent PuzzleLevel::cell(int row, int column, bool* corrected) const {
    CellContent content{colour(row, column), prize(row, column)};
    bool changed = content.normalise();
    if (content.colour < 0 && content.prizeKind >= 0) {
        content.prizeKind = puzzle::kNone;
        changed = true;
    }
    if (corrected != nullptr) {
        *corrected = changed;
    }
    return content;
}

int fillBoardFromLevel(BalloonBoard& board, const PuzzleLevel& level, const char* source) {
    int corrected = 0;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            bool changed = false;
            const CellContent content = level.cell(row, column, &changed);
            corrected += changed ? 1 : 0;
            board.cellAt(row, column).setContent(content.colour, content.prizeKind);
        }
    }
    if (corrected > 0) {
        trace("PuzzleLevel - %d bad cells in %s were emptied", corrected, source);
    }
    return corrected;
}
