// ksResources.h: the game's resources by kind and name, declared by the resource script.
#pragma once

#include "ResourceFile.h"
#include "ResourceManager.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

class ksCanvas;
class ksFont;
class ksImage;
class ksSoundHandle;
class ksSoundSystem;
class SoundBackend;

// Owns the file source and the script's entries. Every lookup takes the first entry of that kind
// and name in script order and loads it on first use. Names are case-sensitive.
class ksResources {
public:
    static constexpr const char* kDumpFileName = "parsed.txt";

    // `dataDir` holds "resources.dat" and the loose files; "parsed.txt" is written to `stateDir`.
    // With a mixer back end the manager creates the sound system that SOUND and MUSIC entries
    // load into. The canvas and the back end may be null (tools and tests); IMAGE and FONT entries
    // then make nothing, nor do SOUND and MUSIC entries.
    ksResources(ksCanvas* canvas, int fileMode, std::filesystem::path dataDir, std::filesystem::path stateDir,
                SoundBackend* soundBackend = nullptr);
    ~ksResources();

    // Parses the script (read through the file source), writes "parsed.txt" and prints
    // "Done parsing..." on standard output. A script that cannot be read gives no entries (and
    // the dump is still written); the answer says whether it was read.
    bool load(const std::string& scriptName);
    // Loads the next entry; the percentage of loaded entries (see ResourceManager::loadStep).
    int loadStep();

    // The latest image of the IMAGE entry. When there is none: the trace line
    // "ksResources::getImage() ... %s has not been loaded" and an empty image that draws nothing
    // and measures 0 x 0 (null only without a canvas).
    ksImage* getImage(const std::string& name);
    // The font of the FONT entry; a missing one is an empty font that draws nothing, measures 0
    // and has line height 0.
    ksFont* getFont(const std::string& name);
    // The sound of the SOUND (or MUSIC) entry; a missing one plays nothing and answers -1.
    ksSoundHandle* getSound(const std::string& name);
    // Whether an entry of that kind and name exists and loaded (loading it when needed).
    bool has(const std::string& kind, const std::string& name);
    // A copy of the TEXT entry's text; empty when there is none.
    std::string getText(const std::string& name);
    // The CUSTOM entry's bytes with their length; empty when there is none. Valid while this
    // object lives.
    std::span<const uint8_t> getCustom(const std::string& name);

    ksSoundSystem* getSoundSystem() const { return m_soundSystem.get(); }
    ResourceFile& fileSource() { return m_files; }
    ResourceManager& manager() { return m_manager; }

private:
    void writeDump() const;

    ResourceFile m_files;
    std::filesystem::path m_stateDir;
    std::unique_ptr<ksSoundSystem> m_soundSystem;
    ResourceManager m_manager;
    // What lookups of missing resources answer, so no caller ever dereferences null.
    std::unique_ptr<ksImage> m_missingImage;
    std::unique_ptr<ksFont> m_missingFont;
    std::unique_ptr<ksSoundHandle> m_missingSound;
};
