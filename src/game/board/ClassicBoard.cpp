// ClassicBoard.cpp: the Classic play field, whose columns close up to the left and stay centred.
#include "ClassicBoard.h"

#include <cstdlib>

ClassicBoard::ClassicBoard(const BalloonImageTable* images, BoardCueSink* cues)
    : BalloonBoard(kPlayRows, kPlayColumns, kPlayOriginX, kPlayOriginY, images, cues) {
    const int middle = columns() / 2;
    placeColumnsAtStart([middle](int slot) {
        return ColumnPosition{static_cast<float>(kColumnPitch * slot),
                              static_cast<float>(2 * std::abs(middle - slot))};
    });
}

float ClassicBoard::columnOffsetY(int slot) const {
    return static_cast<float>(2 * std::abs(nonEmptyColumns() / 2 - slot));
}

bool ClassicBoard::sameColour(const Balloon& a, const Balloon& b) const {
    return sameColourUnlessPopping(a, b);
}
