// ksResources.cpp: the game's resources by kind and name, declared by the resource script.
#include "ksResources.h"

#include "CustomType.h"
#include "FontType.h"
#include "ImageType.h"
#include "SoundType.h"
#include "TextType.h"
#include "engine/core/FileIo.h"
#include "engine/core/ksLog.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"

#include <cstdio>
#include <span>

ksResources::ksResources(ksCanvas* canvas, int fileMode, std::filesystem::path dataDir,
                         std::filesystem::path stateDir, SoundBackend* soundBackend)
    : m_files(std::move(dataDir), fileMode)
    , m_stateDir(std::move(stateDir))
    , m_soundSystem(soundBackend != nullptr ? std::make_unique<ksSoundSystem>(*soundBackend, m_files)
                                            : nullptr)
    , m_manager(ResourceServices{m_files, canvas, m_soundSystem.get(), m_files.mode()}) {
    if (m_soundSystem) {
        m_soundSystem->setEnabled(true);
    }
    if (canvas != nullptr) {
        m_missingImage = std::make_unique<ksImage>(*canvas);
    }
    m_missingFont = std::make_unique<ksFont>();
    m_missingSound = std::make_unique<ksSoundHandle>();
}

// The entries (and the sounds they name) go before the sound system they were loaded into.
ksResources::~ksResources() = default;

bool ksResources::load(const std::string& scriptName) {
    const bool read = m_manager.load(scriptName);
    writeDump();
    std::fputs("Done parsing...\n", stdout);
    std::fflush(stdout);
    return read;
}

void ksResources::writeDump() const {
    const std::filesystem::path path = m_stateDir / kDumpFileName;
    const std::string text = m_manager.dump();
    // Replaced as a whole through a fresh temporary, so a link at the dump's name is never
    // followed and a refused write (a full disk, a file-size limit) is only logged.
    if (!replaceFileContents(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()))) {
        trace("ksResources::load - Could not write %s", path.c_str());
    }
}

int ksResources::loadStep() {
    return m_manager.loadStep();
}

ksImage* ksResources::getImage(const std::string& name) {
    ksImage* image = ImageType::imageOf(m_manager.get(ImageType::kKeyword, name));
    if (image == nullptr) {
        trace("ksResources::getImage() ... %s has not been loaded", name.c_str());
        return m_missingImage.get();
    }
    return image;
}

ksFont* ksResources::getFont(const std::string& name) {
    ksFont* font = FontType::fontOf(m_manager.get(FontType::kKeyword, name));
    return font != nullptr ? font : m_missingFont.get();
}

ksSoundHandle* ksResources::getSound(const std::string& name) {
    ksSoundHandle* sound = SoundType::handleOf(m_manager.get(SoundType::kSoundKeyword, name));
    if (sound == nullptr) {
        sound = SoundType::handleOf(m_manager.get(SoundType::kMusicKeyword, name));
    }
    return sound != nullptr ? sound : m_missingSound.get();
}

bool ksResources::has(const std::string& kind, const std::string& name) {
    return m_manager.get(kind, name) != nullptr;
}

std::string ksResources::getText(const std::string& name) {
    const std::string* text = TextType::textOf(m_manager.get(TextType::kKeyword, name));
    return text != nullptr ? *text : std::string();
}

std::span<const uint8_t> ksResources::getCustom(const std::string& name) {
    return CustomType::bytesOf(m_manager.get(CustomType::kKeyword, name))
        .value_or(std::span<const uint8_t>());
}
