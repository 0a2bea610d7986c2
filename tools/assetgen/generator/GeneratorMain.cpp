// GeneratorMain.cpp: zibbet-assetgen OUTDIR [PUZZLEDIR] writes the game's resource script, pack
// and icons, with the puzzle catalogue built in PUZZLEDIR.
#include "ResourceGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTDIR [PUZZLEDIR]\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const GeneratedResources resources =
        generateResources(std::max(1u, std::thread::hardware_concurrency()),
                          argc == 3 ? std::filesystem::path(argv[2]) : std::filesystem::path());
    for (const std::string& error : resources.errors) {
        std::fprintf(stderr, "zibbet-assetgen: %s\n", error.c_str());
    }
    if (!resources.errors.empty()) {
        return 1;
    }
    std::string error;
    if (!writeResources(resources, argv[1], error)) {
        std::fprintf(stderr, "zibbet-assetgen: %s\n", error.c_str());
        return 1;
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    std::size_t bytes = 0;
    for (const PackEntry& file : resources.files) {
        bytes += file.bytes.size();
    }
    std::printf("zibbet-assetgen: %zu files, %zu KiB, in %lld ms\n", resources.files.size(), bytes / 1024,
                static_cast<long long>(ms));
    return 0;
}
