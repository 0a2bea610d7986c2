// PackWriter.h: builds "resources.dat" packs from named byte buffers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct PackEntry {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Names are lower-cased (A to Z) and sorted, so the same inputs always give the same bytes.
// A name longer than 255 bytes, or two names that collide after lower-casing, is refused: the
// answer is nothing and `error` says why.
std::optional<std::vector<uint8_t>> buildResourcePack(std::vector<PackEntry> entries, std::string& error);

// buildResourcePack, then an atomic write of the result.
bool writeResourcePack(const std::filesystem::path& path, std::vector<PackEntry> entries, std::string& error);
