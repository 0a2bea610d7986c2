// FileIo.h: whole-file reads and atomic whole-file writes for everything the game stores.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// Reads a whole regular file; nothing when it is missing, larger than maxBytes or not a regular
// file (a named pipe, a device or a directory counts as missing, with one trace line, and is
// never waited on).
std::optional<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path,
                                                  std::size_t maxBytes = std::size_t{64} << 20);

// Writes `path + ".tmp"` in the same directory, checks every write, syncs it and renames it over
// `path`. A stale temporary (a file or a link left by an earlier run) is removed first and the
// new one is created exclusively, so no link is ever followed. False on any failure, with the
// temporary removed, the old file untouched and errno kept; nothing is logged.
bool replaceFileContents(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// replaceFileContents for the player's saved data. A failure writes the trace line
// "Could not save %s" once per file, until a save of that file succeeds again, and raises the
// notice that takeSaveFailureNotice() hands out.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// True exactly once: the first time it is asked after a save of the player's data has failed.
// Lets the game tell the player once per run that progress cannot be kept.
bool takeSaveFailureNotice();
// Forgets that the player was told and which files failed, as at the start of a run (tests).
void resetSaveFailureReports();

// Creates `path` afresh for writing as a text stream: whatever is there (a file, or a link, which
// is removed and never followed) is replaced by a new file. Nothing when it cannot be created.
std::FILE* createFreshFile(const std::filesystem::path& path);

// Copies the file at `path` to `path + ".previous"` beside it (replacing an older copy), so data
// about to be cleared can still be recovered by hand. True when there was nothing to copy; false,
// with one trace line, when the copy could not be made.
bool keepPreviousCopy(const std::filesystem::path& path);

// Removes the temporaries ("*.tmp", files or links) an interrupted save left in `dir`.
// Answers how many were removed.
int removeStaleTemporaries(const std::filesystem::path& dir);

// Test seam: make the next atomic writes fail once `bytes` bytes have been written.
// A negative value turns the injection off.
void injectWriteFailureAfter(long long bytes);
