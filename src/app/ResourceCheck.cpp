// ResourceCheck.cpp: loads every resource the script declares and lists the ones that fail.
#include "ResourceCheck.h"

#include "engine/resources/ImageType.h"
#include "engine/resources/ResourceFile.h"
#include "engine/resources/ksResources.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksVideo.h"

#include <algorithm>
#include <string>

namespace {

// Generated at configure time from the list of names the game looks up.
constexpr RequiredResource kRequired[] = {
#include "RequiredResources.inc"
};

bool declares(ResourceManager& manager, const RequiredResource& wanted) {
    return std::any_of(manager.entries().begin(), manager.entries().end(), [&](const ResourceEntry& entry) {
        return entry.name == wanted.name && entry.type != nullptr && entry.type->keyword() == wanted.kind;
    });
}

} // namespace

std::span<const RequiredResource> requiredResources() {
    return kRequired;
}

int checkResources(const std::filesystem::path& dataDir, const std::filesystem::path& stateDir,
                   SoundBackend* soundBackend, std::FILE* out, std::span<const RequiredResource> required) {
    MemoryVideo video(640, 480);
    ksCanvas canvas(video);
    ksResources resources(&canvas, ResourceFile::Pack, dataDir, stateDir, soundBackend);
    if (!resources.load("resource.txt")) {
        std::fprintf(out, "cannot read resource.txt in %s\n", dataDir.c_str());
        return -1;
    }
    int problems = 0;
    // Parsing ends at the first NUL byte, so everything after one is silently lost.
    if (const auto script = resources.fileSource().readWhole("resource.txt")) {
        const auto nul = std::find(script->begin(), script->end(), uint8_t{0});
        if (nul != script->end()) {
            std::fprintf(out, "resource.txt stops at byte %td of %zu (a NUL byte): the rest is not read\n",
                         nul - script->begin(), script->size());
            ++problems;
        }
    }
    ResourceManager& manager = resources.manager();
    if (manager.entries().empty()) {
        std::fprintf(out, "resource.txt in %s declares no resources: the check fails\n", dataDir.c_str());
        return problems + 1;
    }
    for (const RequiredResource& wanted : required) {
        if (!declares(manager, wanted)) {
            std::fprintf(out, "missing: %.*s %.*s\n", static_cast<int>(wanted.kind.size()),
                         wanted.kind.data(), static_cast<int>(wanted.name.size()), wanted.name.data());
            ++problems;
        }
    }
    int failed = 0;
    for (ResourceEntry& entry : manager.entries()) {
        manager.loadEntry(entry);
        const bool isImage = entry.type != nullptr && entry.type->keyword() == ImageType::kKeyword;
        const bool loaded =
            entry.object != nullptr && (!isImage || ImageType::imageOf(entry.object.get()) != nullptr);
        if (!loaded) {
            std::fprintf(out, "failed: %s %s\n", entry.type != nullptr ? entry.type->keyword().c_str() : "?",
                         entry.name.c_str());
            ++failed;
        }
    }
    std::fprintf(out, "%zu resources checked, %d failed\n", manager.entries().size(), failed);
    problems += failed;
    if (problems > failed) {
        std::fprintf(out, "the check fails with %d problem(s) besides the entries that failed to load\n",
                     problems - failed);
    }
    return problems;
}
