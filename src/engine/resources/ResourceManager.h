// ResourceManager.h: the entries of the resource script, loaded one by one or on first lookup.
#pragma once

#include "ResourceEntry.h"
#include "ResourceType.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class FileSource;
class ksCanvas;
class ksSoundSystem;

// What the resource types draw on to build their objects. The canvas and the sound system may
// be absent (tests, tools); types that need them then make nothing.
struct ResourceServices {
    FileSource& files;
    ksCanvas* canvas = nullptr;
    ksSoundSystem* soundSystem = nullptr;
    int fileMode = 2; // the file source's mode, handed on to the sound system's loader
    // IMAGE entries read only their pictures' sizes and decode the pixels when first drawn;
    // SOUND entries are decoded when they first play.
    bool decodeOnFirstUse = false;
};

// Knows the six types (TEXT, IMAGE, FONT, SOUND, MUSIC, CUSTOM) and the two commands (setPixels,
// setAlpha), registered in that order at construction. Parsing makes entries without loading
// anything; each entry is loaded once, by loadStep or by the first lookup that reaches it.
class ResourceManager {
public:
    explicit ResourceManager(ResourceServices services);
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // Registering a keyword that is already known replaces the old type or command. The entries
    // of a parsed script refer to the registered objects, so registering discards them.
    void registerType(std::unique_ptr<ResourceType> type);
    void registerCommand(std::unique_ptr<ScriptCommand> command);
    ResourceType* findType(std::string_view keyword) const;
    ScriptCommand* findCommand(std::string_view keyword) const;

    // Discards the previous entries, reads the script through the file source and parses it.
    // False when the script cannot be read (the entry list is then empty).
    bool load(const std::string& scriptName);
    // Discards the previous entries and parses a script text.
    void parse(std::string_view scriptText);
    // The readable account of the entries for "parsed.txt".
    std::string dump() const;

    // Loads the first entry not loaded yet and answers the share of loaded entries in percent,
    // rounded down: 0 with no entries, 100 once all are loaded (and on every call after).
    int loadStep();
    // Loads the entry unless that was attempted before: the type's load, then the entry's
    // commands in script order. The attempt counts whatever its outcome.
    void loadEntry(ResourceEntry& entry);

    // The first entry in script order with that name and, unless `kind` is empty, that type
    // keyword; not loaded by this call. Null when none matches.
    ResourceEntry* find(std::string_view kind, std::string_view name);
    // The object of the first matching entry (loading it first); null when no entry matches or
    // the first match has no object. Later entries of the same name are never looked at.
    ResourceObject* get(std::string_view kind, std::string_view name);

    std::span<ResourceEntry> entries() { return m_entries; }
    std::span<const ResourceEntry> entries() const { return m_entries; }
    const ResourceServices& services() const { return m_services; }
    void setDecodeOnFirstUse(bool onFirstUse) { m_services.decodeOnFirstUse = onFirstUse; }

private:
    void unloadAll();

    ResourceServices m_services;
    std::vector<std::unique_ptr<ResourceType>> m_types;
    std::vector<std::unique_ptr<ScriptCommand>> m_commands;
    std::vector<ResourceEntry> m_entries;
};
