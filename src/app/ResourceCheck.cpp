// ResourceCheck.cpp: loads every resource the script declares and lists the ones that fail.
#include "ResourceCheck.h"

#include "engine/resources/ImageType.h"
#include "engine/resources/ResourceFile.h"
#include "engine/resources/ksResources.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksVideo.h"

int checkResources(const std::filesystem::path& dataDir, const std::filesystem::path& stateDir,
                   SoundBackend* soundBackend, std::FILE* out) {
    MemoryVideo video(640, 480);
    ksCanvas canvas(video);
    ksResources resources(&canvas, ResourceFile::Pack, dataDir, stateDir, soundBackend);
    if (!resources.load("resource.txt")) {
        std::fprintf(out, "cannot read resource.txt in %s\n", dataDir.c_str());
        return -1;
    }
    ResourceManager& manager = resources.manager();
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
    return failed;
}
