// PuzzleBoard.h: the Puzzle play field, whose columns close up toward the centre seam.
#pragma once

#include "BalloonBoard.h"

// 10 x 15 places at (174, 16). Emptied columns pull the outer columns toward the seam between
// columns 7 and 8; every slot keeps its own place in a fixed arch.
class PuzzleBoard : public BalloonBoard {
public:
    explicit PuzzleBoard(const BalloonImageTable* images = nullptr, BoardCueSink* cues = nullptr);

    // Every slot to (28 slot, columnOffsetY(slot)).
    void layoutColumns() override;
    // 2 |columns / 2 - slot|, a fixed arch lowest at the edges.
    float columnOffsetY(int slot) const override;
    // Toward the centre seam; requests "pop_golden" when gold balloons meet.
    void collapseColumns() override;
    bool sameColour(const Balloon& a, const Balloon& b) const override;
};
