// CellContent.h: the colour and prize of one place as stored in level data and board snapshots.
#pragma once

#include <cstdint>

// Stored cells come from files and resources, so they are checked before they index anything.
struct CellContent {
    int colour = -1;
    int prizeKind = -1;

    // A colour outside -1..6 becomes -1 (no balloon) and a prize outside -1..5 becomes -1 (none).
    // Returns whether anything had to change.
    bool normalise() {
        bool changed = false;
        if (colour < -1 || colour > 6) {
            colour = -1;
            changed = true;
        }
        if (prizeKind < -1 || prizeKind > 5) {
            prizeKind = -1;
            changed = true;
        }
        return changed;
    }
};
