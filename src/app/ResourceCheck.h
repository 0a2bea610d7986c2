// ResourceCheck.h: loads every resource the script declares and lists the ones that fail.
#pragma once

#include <cstdio>
#include <filesystem>

class SoundBackend;

// Parses "resource.txt" in `dataDir` (pack first, then loose files), loads every entry and
// prints one line per entry that failed to `out`, then a summary. Answers the number of failed
// entries, or -1 when the script itself cannot be read. "parsed.txt" goes to `stateDir`.
int checkResources(const std::filesystem::path& dataDir, const std::filesystem::path& stateDir,
                   SoundBackend* soundBackend, std::FILE* out);
