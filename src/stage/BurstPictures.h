// BurstPictures.h: the frames of the burst each balloon colour leaves when it pops.
#pragma once

#include <array>
#include <cstdio>

class ksImage;

// One table per play screen, filled once by a loader; the pop effects only point into it. Any
// entry may be null (missing from the resources), which draws nothing.
struct BurstPictures {
    static constexpr int kColours = 7;
    static constexpr int kFrames = 3;
    using Frames = std::array<const ksImage*, kFrames>;

    std::array<Frames, kColours> colours{}; // "balloon_burst<colour>_<frame>"
    bool loaded = false;

    // The frames of `colour`, or null for a colour without a burst.
    const Frames* of(int colour) const {
        return colour >= 0 && colour < kColours ? &colours[static_cast<std::size_t>(colour)] : nullptr;
    }

    // Fills every entry once from `lookup`, a callable taking a resource name (const char*) and
    // answering a const ksImage* or null. Later calls do nothing.
    template <typename Lookup>
    void load(Lookup&& lookup) {
        if (loaded) {
            return;
        }
        char name[32];
        for (int colour = 0; colour < kColours; ++colour) {
            for (int frame = 0; frame < kFrames; ++frame) {
                std::snprintf(name, sizeof name, "balloon_burst%d_%d", colour, frame);
                colours[static_cast<std::size_t>(colour)][static_cast<std::size_t>(frame)] =
                    lookup(static_cast<const char*>(name));
            }
        }
        loaded = true;
    }
};
