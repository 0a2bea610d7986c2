// SoundType.cpp: SOUND and MUSIC entries, sounds loaded into the sound system under their names.
#include "SoundType.h"

#include "ResourceManager.h"
#include "engine/sound/ksSoundHandle.h"

namespace {

class SoundObject final : public ResourceObject {
public:
    explicit SoundObject(ksSoundHandle handle)
        : m_handle(handle) {}
    ksSoundHandle& handle() { return m_handle; }

private:
    ksSoundHandle m_handle;
};

} // namespace

bool SoundType::load(ResourceEntry& entry) {
    ksSoundSystem* sound = manager().services().soundSystem;
    const std::optional<std::string> fileName = firstFileName(entry.parameters);
    if (sound == nullptr || !fileName) {
        return false;
    }
    sound->loadData(entry.name, *fileName, manager().services().decodeOnFirstUse);
    const int index = sound->findByName(entry.name);
    if (!sound->isLoaded(index)) {
        return false;
    }
    entry.object = std::make_unique<SoundObject>(ksSoundHandle(*sound, index));
    return true;
}

ksSoundHandle* SoundType::handleOf(ResourceObject* object) {
    auto* sound = dynamic_cast<SoundObject*>(object);
    return sound != nullptr ? &sound->handle() : nullptr;
}
