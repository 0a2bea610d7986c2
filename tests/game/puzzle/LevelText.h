// LevelText.h: puzzle layouts written as text rows for the tests.
#pragma once

#include "game/puzzle/PuzzleLevel.h"

#include <initializer_list>

// A row is up to 15 characters: "." no balloon, "0"-"5" a colour, "*" gold, "A"-"F" a colour-0
// balloon carrying prize 0-5. The floor gives a target digit or "." for each slot.
inline PuzzleLevel levelOf(std::initializer_list<const char*> rows, const char* floor = "...............") {
    PuzzleLevel level;
    int row = 0;
    for (const char* text : rows) {
        for (int column = 0; column < puzzle::kColumns && text[column] != '\0'; ++column) {
            const char c = text[column];
            if (c >= '0' && c <= '5') {
                level.setCell(row, column, c - '0', -1);
            } else if (c == '*') {
                level.setCell(row, column, puzzle::kGold, -1);
            } else if (c >= 'A' && c <= 'F') {
                level.setCell(row, column, 0, c - 'A');
            }
        }
        ++row;
    }
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        if (floor[slot] >= '0' && floor[slot] <= '5') {
            level.setTarget(slot, floor[slot] - '0');
        }
    }
    return level;
}
