// ProfileStorage.cpp: reading and writing the player profile through the settings store.
#include "ProfileStorage.h"

#include "engine/core/ksLog.h"
#include "ksRegistry.h"

#include <array>

ProfileLoad loadPlayerProfile(ksRegistry& store, PlayerProfile& profile) {
    std::array<uint8_t, PlayerProfile::kSize> buffer{};
    profile.encode(buffer);
    if (!store.loadCustom(buffer)) {
        return ProfileLoad::NotRead;
    }
    PlayerProfile read;
    read.decode(buffer);
    if (read.version() != PlayerProfile::kBuildNumber) {
        return ProfileLoad::OtherBuild;
    }
    if (read.validate()) {
        trace("PlayerProfile::validate - stored profile held unusable values; they were reset");
    }
    profile = read;
    return ProfileLoad::Loaded;
}

bool savePlayerProfile(ksRegistry& store, const PlayerProfile& profile) {
    std::array<uint8_t, PlayerProfile::kSize> buffer{};
    profile.encode(buffer);
    return store.saveCustom(buffer);
}
