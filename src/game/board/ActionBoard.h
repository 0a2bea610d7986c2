// ActionBoard.h: the Action play field, drawn lower and closing up toward the centre seam.
#pragma once

#include "BalloonBoard.h"

// 10 x 15 places at (174, 16), every column 74 px lower, so the incoming row fits above it.
// Columns close up toward the seam between columns 7 and 8 like the Puzzle field.
class ActionBoard : public BalloonBoard {
public:
    static constexpr float kDropY = 74.0f;

    explicit ActionBoard(const BalloonImageTable* images = nullptr, BoardCueSink* cues = nullptr);

    // Every slot to (28 slot, 74).
    void layoutColumns() override;
    float columnOffsetY(int slot) const override;
    // Toward the centre seam; requests "pop_golden" when gold balloons meet.
    void collapseColumns() override;
    bool sameColour(const Balloon& a, const Balloon& b) const override;
};
