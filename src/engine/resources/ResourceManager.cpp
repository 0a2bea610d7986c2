// ResourceManager.cpp: the entries of the resource script, loaded one by one or on first lookup.
#include "ResourceManager.h"

#include "CustomType.h"
#include "FontType.h"
#include "ImageType.h"
#include "ResourceScript.h"
#include "SetAlphaCommand.h"
#include "SetPixelsCommand.h"
#include "SoundType.h"
#include "TextType.h"

#include <algorithm>

ResourceManager::ResourceManager(ResourceServices services)
    : m_services(services) {
    registerType(std::make_unique<TextType>(*this));
    registerType(std::make_unique<ImageType>(*this));
    registerType(std::make_unique<FontType>(*this));
    registerType(std::make_unique<SoundType>(SoundType::kSoundKeyword, *this));
    registerType(std::make_unique<SoundType>(SoundType::kMusicKeyword, *this));
    registerType(std::make_unique<CustomType>(*this));
    registerCommand(std::make_unique<SetPixelsCommand>(*this));
    registerCommand(std::make_unique<SetAlphaCommand>(*this));
}

ResourceManager::~ResourceManager() {
    unloadAll();
}

void ResourceManager::unloadAll() {
    for (ResourceEntry& entry : m_entries) {
        entry.type->unload(entry);
    }
    m_entries.clear();
}

void ResourceManager::registerType(std::unique_ptr<ResourceType> type) {
    unloadAll();
    std::erase_if(m_types, [&](const auto& known) { return known->keyword() == type->keyword(); });
    m_types.push_back(std::move(type));
}

void ResourceManager::registerCommand(std::unique_ptr<ScriptCommand> command) {
    unloadAll();
    std::erase_if(m_commands, [&](const auto& known) { return known->keyword() == command->keyword(); });
    m_commands.push_back(std::move(command));
}

ResourceType* ResourceManager::findType(std::string_view keyword) const {
    for (const auto& type : m_types) {
        if (type->keyword() == keyword) {
            return type.get();
        }
    }
    return nullptr;
}

ScriptCommand* ResourceManager::findCommand(std::string_view keyword) const {
    for (const auto& command : m_commands) {
        if (command->keyword() == keyword) {
            return command.get();
        }
    }
    return nullptr;
}

bool ResourceManager::load(const std::string& scriptName) {
    unloadAll();
    std::optional<std::string> script = readTextFile(m_services.files, scriptName);
    if (!script) {
        return false;
    }
    parse(*script);
    return true;
}

void ResourceManager::parse(std::string_view scriptText) {
    unloadAll();
    const ResourceScript::Vocabulary vocabulary{
        [this](std::string_view word) { return findType(word); },
        [this](std::string_view word) { return findCommand(word); },
    };
    m_entries = ResourceScript::parse(scriptText, vocabulary);
}

std::string ResourceManager::dump() const {
    return ResourceScript::dump(m_entries);
}

void ResourceManager::loadEntry(ResourceEntry& entry) {
    if (entry.loaded) {
        return;
    }
    // Marked before loading: an entry whose commands name the entry itself (or a cycle of
    // entries naming each other) then sees it as loaded instead of loading it again without end.
    entry.loaded = true;
    entry.type->load(entry);
    for (const ScriptCall& call : entry.calls) {
        call.command->apply(call, entry);
    }
}

int ResourceManager::loadStep() {
    if (m_entries.empty()) {
        return 0;
    }
    bool loadedOne = false;
    std::size_t loaded = 0;
    for (ResourceEntry& entry : m_entries) {
        if (!entry.loaded && !loadedOne) {
            loadEntry(entry);
            loadedOne = true;
        }
        loaded += entry.loaded ? 1 : 0;
    }
    return static_cast<int>(loaded * 100 / m_entries.size());
}

ResourceEntry* ResourceManager::find(std::string_view kind, std::string_view name) {
    for (ResourceEntry& entry : m_entries) {
        if ((kind.empty() || entry.type->keyword() == kind) && entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

ResourceObject* ResourceManager::get(std::string_view kind, std::string_view name) {
    ResourceEntry* entry = find(kind, name);
    if (entry == nullptr) {
        return nullptr;
    }
    loadEntry(*entry);
    return entry->type->get(*entry);
}
