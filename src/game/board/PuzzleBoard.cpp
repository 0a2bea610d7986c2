// PuzzleBoard.cpp: the Puzzle play field, whose columns close up toward the centre seam.
#include "PuzzleBoard.h"

#include <cmath>

PuzzleBoard::PuzzleBoard(const BalloonImageTable* images, BoardCueSink* cues)
    : BalloonBoard(kPlayRows, kPlayColumns, kPlayOriginX, kPlayOriginY, images, cues) {
    placeColumnsAtStart([this](int slot) {
        return ColumnPosition{static_cast<float>(kColumnPitch * slot), PuzzleBoard::columnOffsetY(slot)};
    });
}

void PuzzleBoard::layoutColumns() {
    layoutInPlace();
}

float PuzzleBoard::columnOffsetY(int slot) const {
    return 2.0f * std::fabs(0.5f * static_cast<float>(columns()) - static_cast<float>(slot));
}

void PuzzleBoard::collapseColumns() {
    collapseTowardSeam();
}

bool PuzzleBoard::sameColour(const Balloon& a, const Balloon& b) const {
    return sameColourUnlessPopping(a, b);
}
