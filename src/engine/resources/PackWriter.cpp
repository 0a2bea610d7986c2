// PackWriter.cpp: builds "resources.dat" packs from named byte buffers.
#include "PackWriter.h"

#include "engine/core/FileIo.h"

#include <algorithm>
#include <limits>

namespace {

constexpr char kMagic[5] = {'Q', 'Z', 'R', 'L', 'T'};

void putU32(std::vector<uint8_t>& out, uint64_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

std::string lowerCased(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return name;
}

} // namespace

std::optional<std::vector<uint8_t>> buildResourcePack(std::vector<PackEntry> entries, std::string& error) {
    for (PackEntry& entry : entries) {
        if (entry.name.empty() || entry.name.size() > 255) {
            error = "name must be 1 to 255 bytes long: \"" + entry.name.substr(0, 64) + "\"";
            return std::nullopt;
        }
        entry.name = lowerCased(std::move(entry.name));
    }
    std::sort(entries.begin(), entries.end(),
              [](const PackEntry& a, const PackEntry& b) { return a.name < b.name; });
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i].name == entries[i - 1].name) {
            error = "two files are both named \"" + entries[i].name + "\" once lower-cased";
            return std::nullopt;
        }
    }

    uint64_t directorySize = 0;
    for (const PackEntry& entry : entries) {
        directorySize += 9 + entry.name.size();
    }
    uint64_t offset = sizeof kMagic + 12 + directorySize;
    uint64_t total = offset;
    for (const PackEntry& entry : entries) {
        total += entry.bytes.size();
    }
    if (total > std::numeric_limits<uint32_t>::max()) {
        error = "the pack would be larger than 4 GiB";
        return std::nullopt;
    }

    std::vector<uint8_t> pack;
    pack.reserve(total);
    pack.insert(pack.end(), kMagic, kMagic + sizeof kMagic);
    putU32(pack, entries.size()); // only the sum of the three counts matters
    putU32(pack, 0);
    putU32(pack, 0);
    for (const PackEntry& entry : entries) {
        putU32(pack, entry.bytes.size());
        putU32(pack, offset);
        pack.push_back(static_cast<uint8_t>(entry.name.size()));
        pack.insert(pack.end(), entry.name.begin(), entry.name.end());
        offset += entry.bytes.size();
    }
    for (const PackEntry& entry : entries) {
        pack.insert(pack.end(), entry.bytes.begin(), entry.bytes.end());
    }
    return pack;
}

bool writeResourcePack(const std::filesystem::path& path, std::vector<PackEntry> entries,
                       std::string& error) {
    auto pack = buildResourcePack(std::move(entries), error);
    if (!pack) {
        return false;
    }
    if (!writeFileAtomically(path, *pack)) {
        error = "could not write " + path.string();
        return false;
    }
    return true;
}
