// ProfileStorage.h: reading and writing the player profile through the settings store.
#pragma once

#include "PlayerProfile.h"

class ksRegistry;

enum class ProfileLoad {
    Loaded,     // read, from this build, and validated
    OtherBuild, // read, but written by another build: everything saved must be reset
    NotRead,    // missing or unreadable (first run)
};

// Reads "Custom" over the profile's current values, so a short value keeps them for its
// missing tail; then checks the build number and validates what was read.
ProfileLoad loadPlayerProfile(ksRegistry& store, PlayerProfile& profile);
bool savePlayerProfile(ksRegistry& store, const PlayerProfile& profile);
