// SelectorPageBench.cpp: what turning a page of the puzzle selector costs, over the built data.
//
// A page turn renders six puzzle boards at full size and reduces each to its picture; it must
// fit in one frame (16.7 ms at 60 frames a second). The last page holds the fullest boards.
#include "engine/resources/ResourceFile.h"
#include "engine/resources/ksResources.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "engine/video/ksVideo.h"
#include "game/puzzle/PuzzleCatalog.h"
#include "play/puzzle/PuzzleThumbnails.h"

#include <filesystem>

#include <benchmark/benchmark.h>

namespace {

struct SelectorWorld {
    SelectorWorld()
        : state(std::filesystem::temp_directory_path() / "zibbet-selector-bench")
        , video(640, 480)
        , canvas(video)
        , resources(&canvas, ResourceFile::Pack, ZIBBET_BUILD_DATA_DIR, state) {
        std::filesystem::create_directories(state);
        resources.load("resource.txt");
    }

    std::filesystem::path state;
    MemoryVideo video;
    ksCanvas canvas;
    ksResources resources;
};

SelectorWorld& world() {
    static SelectorWorld shared;
    return shared;
}

void renderPage(benchmark::State& state) {
    SelectorWorld& w = world();
    const PuzzleCatalog catalog = PuzzleCatalog::load(w.resources, w.state);
    PuzzleThumbnails thumbnails(w.canvas, w.resources);
    const int first = static_cast<int>(state.range(0));
    for (int slot = 0; slot < PuzzleThumbnails::kSlots; ++slot) {
        thumbnails.render(slot, catalog.level(first + slot)); // pictures decoded before timing
    }
    for (auto _ : state) {
        for (int slot = 0; slot < PuzzleThumbnails::kSlots; ++slot) {
            thumbnails.render(slot, catalog.level(first + slot));
        }
        benchmark::DoNotOptimize(thumbnails.picture(0)->getPixels());
    }
}
BENCHMARK(renderPage)->Arg(0)->Arg(96)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
