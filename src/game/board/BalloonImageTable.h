// BalloonImageTable.h: the shared pictures of balloons and prize markers, filled by a loader.
#pragma once

#include <array>
#include <cstdio>

class ksImage;

// One table serves every board of the game. The boards only choose pointers from it and never
// draw or own the pictures; any entry may be null (not loaded, or missing from the resources),
// which simply draws nothing.
struct BalloonImageTable {
    static constexpr int kColours = 7;
    static constexpr int kPrizeKinds = 6;

    std::array<const ksImage*, kColours> normal{};   // "balloon0" to "balloon6"
    std::array<const ksImage*, kColours> pressed{};  // "balloon_press0" to "balloon_press6"
    std::array<const ksImage*, kPrizeKinds> prize{}; // "prize0" to "prize5"
    bool loaded = false;

    // Fills every entry once from `lookup`, a callable taking a resource name (const char*) and
    // answering a const ksImage* or null. Later calls do nothing.
    template <typename Lookup>
    void load(Lookup&& lookup) {
        if (loaded) {
            return;
        }
        char name[32];
        for (int colour = 0; colour < kColours; ++colour) {
            std::snprintf(name, sizeof name, "balloon%d", colour);
            normal[colour] = lookup(static_cast<const char*>(name));
            std::snprintf(name, sizeof name, "balloon_press%d", colour);
            pressed[colour] = lookup(static_cast<const char*>(name));
        }
        for (int kind = 0; kind < kPrizeKinds; ++kind) {
            std::snprintf(name, sizeof name, "prize%d", kind);
            prize[kind] = lookup(static_cast<const char*>(name));
        }
        loaded = true;
    }
};
