// ClassicListener.h: what the Classic rules ask the screen to show and play.
#pragma once

#include "game/rules/RulesEvents.h"

// A prize leaving the board for its shelf slot. The screen starts prize object `index` with it:
// it falls from the start point and lands with its picture centred on the slot's position.
struct ClassicPrizeRelease {
    int index = 0;
    int kind = 0;  // 0 to 5
    int theme = 0; // 0 to 4
    int sourceRow = 0;
    int sourceColumn = 0;
    int startX = 0;
    int startY = 0;
    int shelfSlot = 0;
    int slotX = 0;
    int slotY = 0;
};

// The shared events, and the prizes only Classic frees.
class ClassicListener : public RulesListener {
public:
    virtual void releasePrize(const ClassicPrizeRelease&) {}

protected:
    ~ClassicListener() = default;
};
