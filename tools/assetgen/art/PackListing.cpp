// PackListing.cpp: reads the files back out of a "resources.dat" pack, for checks and reviews.
#include "PackListing.h"

#include <cstring>

namespace {

uint32_t u32At(std::span<const uint8_t> bytes, std::size_t pos) {
    return static_cast<uint32_t>(bytes[pos]) | (static_cast<uint32_t>(bytes[pos + 1]) << 8) |
           (static_cast<uint32_t>(bytes[pos + 2]) << 16) | (static_cast<uint32_t>(bytes[pos + 3]) << 24);
}

} // namespace

std::optional<std::map<std::string, std::vector<uint8_t>>> listPack(std::span<const uint8_t> pack) {
    if (pack.size() < 17 || std::memcmp(pack.data(), "QZRLT", 5) != 0) {
        return std::nullopt;
    }
    const uint64_t count = uint64_t{u32At(pack, 5)} + u32At(pack, 9) + u32At(pack, 13);
    std::map<std::string, std::vector<uint8_t>> files;
    std::size_t pos = 17;
    for (uint64_t i = 0; i < count; ++i) {
        if (pos + 9 > pack.size()) {
            return std::nullopt;
        }
        const uint64_t size = u32At(pack, pos);
        const uint64_t offset = u32At(pack, pos + 4);
        const std::size_t length = pack[pos + 8];
        pos += 9;
        if (pos + length > pack.size() || offset + size > pack.size()) {
            return std::nullopt;
        }
        std::string name(reinterpret_cast<const char*>(pack.data() + pos), length);
        pos += length;
        files[name] = std::vector<uint8_t>(pack.begin() + static_cast<std::ptrdiff_t>(offset),
                                           pack.begin() + static_cast<std::ptrdiff_t>(offset + size));
    }
    return files;
}
