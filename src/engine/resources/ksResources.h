// ksResources.h: the game's resources by kind and name, declared by the resource script.
#pragma once

#include "ResourceFile.h"
#include "ResourceManager.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

class ksCanvas;
class ksFont;
class ksImage;
class ksSoundHandle;
class ksSoundSystem;

// Owns the file source and the script's entries. Every lookup takes the first entry of that kind
// and name in script order and loads it on first use. Names are case-sensitive.
class ksResources {
public:
    static constexpr const char* kDumpFileName = "parsed.txt";

    // `dataDir` holds "resources.dat" and the loose files; "parsed.txt" is written to `stateDir`.
    // The canvas and the sound system may be null (headless tools and tests); IMAGE, FONT and
    // SOUND entries need them to load.
    ksResources(ksCanvas* canvas, int fileMode, std::filesystem::path dataDir, std::filesystem::path stateDir,
                ksSoundSystem* soundSystem = nullptr);

    // Parses the script (read through the file source), writes "parsed.txt" and prints
    // "Done parsing..." on standard output. A script that cannot be read gives no entries (and
    // the dump is still written); the answer says whether it was read.
    bool load(const std::string& scriptName);
    // Loads the next entry; the percentage of loaded entries (see ResourceManager::loadStep).
    int loadStep();

    // The latest image of the IMAGE entry; null, with the trace line
    // "ksResources::getImage() ... %s has not been loaded", when there is none.
    ksImage* getImage(const std::string& name);
    ksFont* getFont(const std::string& name);
    ksSoundHandle* getSound(const std::string& name);
    // A copy of the TEXT entry's text; empty when there is none.
    std::string getText(const std::string& name);
    // The CUSTOM entry's bytes with their length; empty when there is none. Valid while this
    // object lives.
    std::span<const uint8_t> getCustom(const std::string& name);

    ksSoundSystem* getSoundSystem() const { return m_soundSystem; }
    ResourceFile& fileSource() { return m_files; }
    ResourceManager& manager() { return m_manager; }

private:
    void writeDump() const;

    ResourceFile m_files;
    std::filesystem::path m_stateDir;
    // Not owned yet: the sound system is handed in by whoever made it.
    ksSoundSystem* m_soundSystem;
    ResourceManager m_manager;
};
