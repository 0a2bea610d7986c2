// FileIo.h: whole-file reads and atomic whole-file writes for everything the game stores.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// Reads a whole file; nothing when it cannot be opened or is larger than maxBytes.
std::optional<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path,
                                                  std::size_t maxBytes = std::size_t{64} << 20);

// Writes `path + ".tmp"` in the same directory, checks every write, syncs it and renames it over
// `path`. On any failure the temporary file is removed, the old file stays untouched, one trace
// line "Could not save %s" is written and the answer is false.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Test seam: make the next atomic writes fail once `bytes` bytes have been written.
// A negative value turns the injection off.
void injectWriteFailureAfter(long long bytes);
