// PuzzleThumbnails.h: the six small pictures of a selector page, drawn from the puzzles' layouts.
#pragma once

#include "game/board/BalloonImageTable.h"
#include "game/board/PuzzleBoard.h"
#include "game/puzzle/PuzzleLevel.h"

#include <array>

class BalloonBoard;
class ksCanvas;
class ksImage;
class ksResources;

namespace puzzle_field {
// The floor strip under the puzzle board: one row of 15 slots at (174, 414).
inline constexpr int kFloorX = 174;
inline constexpr int kFloorY = 414;
} // namespace puzzle_field

// The floor strip's slots take the level's targets: a slot with a target number of 0 or more
// shows `targets[number]` (null beyond the six pictures, which draws nothing).
void fillFloorFromLevel(BalloonBoard& floor, const PuzzleLevel& level,
                        const std::array<const ksImage*, puzzle::kPrizeKinds>& targets);
// The puzzle board's balloons and the floor strip's targets, as the Puzzle screen shows them,
// into the canvas's current target.
void drawPuzzleField(const BalloonBoard& board, const BalloonBoard& floor);

// Renders a level into `puzzleThumbBuffer` at full size, exactly as the Puzzle screen draws its
// field, and scales that down into the slot's `puzzleThumb%d`. Allocates nothing per render.
class PuzzleThumbnails {
public:
    static constexpr int kSlots = 6;

    // Looks up the pictures by name; missing ones draw nothing.
    PuzzleThumbnails(ksCanvas& canvas, ksResources& resources);
    PuzzleThumbnails(const PuzzleThumbnails&) = delete;
    PuzzleThumbnails& operator=(const PuzzleThumbnails&) = delete;

    // The field of `level` into slot `slot`'s picture.
    void render(int slot, const PuzzleLevel& level);

    // Null when the resources lack it.
    const ksImage* picture(int slot) const { return m_pictures[static_cast<std::size_t>(slot)]; }
    const ksImage* buffer() const { return m_buffer; }
    // The part of the buffer that holds the field: the board's and floor's extent.
    static constexpr int kFieldLeft = BalloonBoard::kPlayOriginX;
    static constexpr int kFieldTop = BalloonBoard::kPlayOriginY;
    static constexpr int kFieldWidth = BalloonBoard::kPlayColumns * BalloonBoard::kColumnPitch;      // 420
    static constexpr int kFieldHeight = puzzle_field::kFloorY + BalloonBoard::kRowPitch - kFieldTop; // 435

private:
    ksCanvas& m_canvas;
    BalloonImageTable m_images;
    std::array<const ksImage*, puzzle::kPrizeKinds> m_targets{};
    std::array<ksImage*, kSlots> m_pictures{};
    ksImage* m_buffer;
    PuzzleBoard m_board;
    BalloonBoard m_floor;
};
