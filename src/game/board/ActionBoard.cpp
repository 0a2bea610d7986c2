// ActionBoard.cpp: the Action play field, drawn lower and closing up toward the centre seam.
#include "ActionBoard.h"

ActionBoard::ActionBoard(const BalloonImageTable* images, BoardCueSink* cues)
    : BalloonBoard(kPlayRows, kPlayColumns, kPlayOriginX, kPlayOriginY, images, cues) {
    placeColumnsAtStart([](int slot) {
        return ColumnPosition{static_cast<float>(kColumnPitch * slot), kDropY};
    });
}

void ActionBoard::layoutColumns() {
    layoutInPlace();
}

float ActionBoard::columnOffsetY(int) const {
    return kDropY;
}

void ActionBoard::collapseColumns() {
    collapseTowardSeam();
}

bool ActionBoard::sameColour(const Balloon& a, const Balloon& b) const {
    return sameColourUnlessPopping(a, b);
}
