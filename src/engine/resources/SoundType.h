// SoundType.h: SOUND and MUSIC entries, sounds loaded into the sound system under their names.
#pragma once

#include "ResourceType.h"

class ksSoundHandle;

// Both keywords behave the same: the first parameter must be a File (firstFileName), which the
// sound system loads under the entry's name in the file source's mode; the object is a handle
// holding the sound's index. Without a sound system nothing is made.
class SoundType final : public ResourceType {
public:
    static constexpr const char* kSoundKeyword = "SOUND";
    static constexpr const char* kMusicKeyword = "MUSIC";

    SoundType(std::string keyword, ResourceManager& manager)
        : ResourceType(std::move(keyword), manager) {}

    bool load(ResourceEntry& entry) override;

    // The handle of a SOUND or MUSIC object; null for anything else.
    static ksSoundHandle* handleOf(ResourceObject* object);
};
