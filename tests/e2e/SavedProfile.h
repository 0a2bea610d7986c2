// SavedProfile.h: the player profile a run left in its home ("config/Custom"), read and written
// so a test can start a run from a prepared profile.
#pragma once

#include "engine/store/PlayerProfile.h"
#include "support/TestSupport.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The stored profile, or a fresh one when the file is missing or of another size.
inline PlayerProfile readProfile(const TempDir& home) {
    const std::string bytes = readTextFile(home / "config" / "Custom");
    PlayerProfile profile;
    if (bytes.size() == PlayerProfile::kSize) {
        profile.decode(std::span<const uint8_t, PlayerProfile::kSize>(
            reinterpret_cast<const uint8_t*>(bytes.data()), PlayerProfile::kSize));
    }
    return profile;
}

inline void writeProfile(const TempDir& home, const PlayerProfile& profile) {
    std::array<uint8_t, PlayerProfile::kSize> bytes{};
    profile.encode(bytes);
    writeText(home / "config" / "Custom", std::string(bytes.begin(), bytes.end()));
}
