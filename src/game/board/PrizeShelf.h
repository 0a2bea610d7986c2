// PrizeShelf.h: the one-row shelf below the Classic board on which freed prizes land.
#pragma once

#include "BalloonBoard.h"

// 1 x 15 slots at (179, 436), 30 px apart. Its places hold prize markers, not balloons; they
// never form groups and the slots never move.
class PrizeShelf : public BalloonBoard {
public:
    static constexpr int kSlots = 15;
    static constexpr int kSlotPitch = 30;

    explicit PrizeShelf(const BalloonImageTable* images = nullptr);

    void layoutColumns() override;
    bool sameColour(const Balloon& a, const Balloon& b) const override;
};
