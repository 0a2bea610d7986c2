// ResourceType.h: the kinds of resource a script can declare, and the commands it can apply.
#pragma once

#include "ResourceEntry.h"

#include <memory>
#include <string>

class ResourceManager;

// One keyword of the script (TEXT, IMAGE, ...). The virtual operations keep this order:
// loadFile, load, unload, get. Objects are freed by their destructors.
class ResourceType {
public:
    ResourceType(std::string keyword, ResourceManager& manager)
        : m_keyword(std::move(keyword))
        , m_manager(manager) {}
    virtual ~ResourceType() = default;
    ResourceType(const ResourceType&) = delete;
    ResourceType& operator=(const ResourceType&) = delete;

    const std::string& keyword() const { return m_keyword; }

    // A new object read from one file; types that never read a file directly make nothing.
    virtual std::unique_ptr<ResourceObject> loadFile(const std::string& /*fileName*/) { return nullptr; }
    // Builds the entry's object from its parameters; false when nothing could be made.
    virtual bool load(ResourceEntry& entry) = 0;
    // Frees the entry's object.
    virtual void unload(ResourceEntry& entry) { entry.object.reset(); }
    // The entry's object; the typed views (ImageType::imageOf and the like) read it.
    virtual ResourceObject* get(ResourceEntry& entry) { return entry.object.get(); }

protected:
    ResourceManager& manager() const { return m_manager; }

private:
    std::string m_keyword;
    ResourceManager& m_manager;
};

// A command keyword of the script (setPixels, setAlpha), applied to the entry it is written in
// right after that entry has been loaded.
class ScriptCommand {
public:
    ScriptCommand(std::string keyword, ResourceManager& manager)
        : m_keyword(std::move(keyword))
        , m_manager(manager) {}
    virtual ~ScriptCommand() = default;
    ScriptCommand(const ScriptCommand&) = delete;
    ScriptCommand& operator=(const ScriptCommand&) = delete;

    const std::string& keyword() const { return m_keyword; }

    virtual void apply(const ScriptCall& call, ResourceEntry& entry) = 0;

protected:
    ResourceManager& manager() const { return m_manager; }

private:
    std::string m_keyword;
    ResourceManager& m_manager;
};
