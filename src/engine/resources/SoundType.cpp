// SoundType.cpp: SOUND and MUSIC entries, sounds loaded into the sound system under their names.
#include "SoundType.h"

// NOTE: sounds are loaded once ksSoundSystem is part of the engine: load takes firstFileName of
// the parameters, calls the sound system's loadData with the entry's name, the file and
// manager().services().fileMode, and keeps a handle with the index findByName gives. Until then
// every SOUND and MUSIC entry loads as empty.

bool SoundType::load(ResourceEntry& /*entry*/) {
    return false;
}

ksSoundHandle* SoundType::handleOf(ResourceObject* /*object*/) {
    return nullptr;
}
