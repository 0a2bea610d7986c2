// ScriptFuzzer.cpp: parses arbitrary resource scripts, loads and looks up every entry, and reads
// every command's arguments.
#include "engine/core/FileSource.h"
#include "engine/resources/FontRecipe.h"
#include "engine/resources/ImageRecipe.h"
#include "engine/resources/PixelCommandArguments.h"
#include "engine/resources/ResourceManager.h"

#include <array>
#include <cstdlib>
#include <map>

namespace {

// A few files the scripts can name.
class FixedFiles final : public FileSource {
public:
    std::optional<std::vector<uint8_t>> readWhole(const std::string& name) override {
        static const std::map<std::string, std::string> files{{"a.txt", "dialogFade=\n500\n"},
                                                              {"b.bin", std::string("\0\1\2", 3)},
                                                              {"glyphs.txt", "65 0 0 9 9"}};
        const auto found = files.find(name);
        if (found == files.end()) {
            return std::nullopt;
        }
        return std::vector<uint8_t>(found->second.begin(), found->second.end());
    }
};

void readArguments(const ResourceEntry& entry) {
    readImageParameters(entry.parameters);
    readFontParameters(entry.parameters);
    constexpr std::array extents{PixelExtent{100, 100}, PixelExtent{3, 3}};
    for (const ScriptCall& call : entry.calls) {
        for (bool hasImage : {false, true}) {
            const SetPixelsOperation operation = readSetPixelsArguments(call.arguments, hasImage);
            if (const auto* fill = std::get_if<ColourFill>(&operation); fill && fill->area) {
                if (clipToImage(*fill->area, extents[0]).width > 100) {
                    std::abort();
                }
            }
            if (const auto* copy = std::get_if<ImageCopy>(&operation); copy && copy->placement) {
                const BlockPlacement clipped = clipBlock(*copy->placement, extents, PixelExtent{50, 50});
                if (!clipped.isEmpty() &&
                    (clipped.sx + clipped.width > 3 || clipped.dx + clipped.width > 50)) {
                    std::abort();
                }
            }
        }
        readSetAlphaArguments(call.arguments);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FixedFiles files;
    ResourceManager manager(ResourceServices{files});
    manager.parse(std::string_view(reinterpret_cast<const char*>(data), size));
    manager.dump();

    const std::size_t count = manager.entries().size();
    for (std::size_t step = 0; step <= count; ++step) {
        const int percent = manager.loadStep();
        if (percent < 0 || percent > 100) {
            std::abort();
        }
    }
    if (count > 0 && manager.loadStep() != 100) {
        std::abort();
    }
    for (const ResourceEntry& entry : manager.entries()) {
        readArguments(entry);
        for (const char* kind : {"", "TEXT", "CUSTOM", "IMAGE", "FONT", "SOUND"}) {
            manager.get(kind, entry.name);
        }
        loadGlyphTable(entry.name, files, manager);
    }
    return 0;
}
