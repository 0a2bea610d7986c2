// ClassicBoard.h: the Classic play field, whose columns close up to the left and stay centred.
#pragma once

#include "BalloonBoard.h"

// 10 x 15 places at (174, 16). Emptied columns close up toward column 0, then the remaining
// columns slide to the middle and form a shallow arch: the middle slot is highest, each slot
// further out 2 px lower.
class ClassicBoard : public BalloonBoard {
public:
    explicit ClassicBoard(const BalloonImageTable* images = nullptr, BoardCueSink* cues = nullptr);

    // 2 |trunc(n / 2) - slot| with n the non-empty column count.
    float columnOffsetY(int slot) const override;
    bool sameColour(const Balloon& a, const Balloon& b) const override;
};
