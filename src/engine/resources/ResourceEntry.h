// ResourceEntry.h: one resource declared by the script, with what its type made of it.
#pragma once

#include "ResourceToken.h"

#include <memory>
#include <string>
#include <vector>

class ResourceType;
class ScriptCommand;

// What a type makes when it loads an entry: text, bytes, images, a font, a sound. Each type
// defines its own kind of object; the entry owns it.
class ResourceObject {
public:
    virtual ~ResourceObject() = default;
};

// A command written inside an entry, with its arguments in script order.
struct ScriptCall {
    ScriptCommand* command = nullptr;
    std::vector<ResourceToken> arguments;
};

struct ResourceEntry {
    std::unique_ptr<ResourceObject> object; // empty until loaded, and when loading failed
    std::string name;                       // as written (case-sensitive)
    ResourceType* type = nullptr;
    std::vector<ScriptCall> calls;
    std::vector<ResourceToken> parameters;
    bool loaded = false; // the load has been attempted
};
