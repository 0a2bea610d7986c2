// PrizeShelf.cpp: the one-row shelf below the Classic board on which freed prizes land.
#include "PrizeShelf.h"

namespace {

constexpr int kShelfOriginX = 179;
constexpr int kShelfOriginY = 436;

} // namespace

PrizeShelf::PrizeShelf(const BalloonImageTable* images)
    : BalloonBoard(1, kSlots, kShelfOriginX, kShelfOriginY, images) {
    placeColumnsAtStart([](int slot) {
        return ColumnPosition{static_cast<float>(kSlotPitch * slot + kSlotPitch / 2), 0.0f};
    });
}

void PrizeShelf::layoutColumns() {}

bool PrizeShelf::sameColour(const Balloon&, const Balloon&) const {
    return false;
}
