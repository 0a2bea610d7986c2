// PackListing.h: reads the files back out of a "resources.dat" pack, for checks and reviews.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Name to bytes for every directory entry. Nothing when the magic, the directory or an entry's
// extent does not fit in the bytes.
std::optional<std::map<std::string, std::vector<uint8_t>>> listPack(std::span<const uint8_t> pack);
