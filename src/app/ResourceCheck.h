// ResourceCheck.h: loads every resource the script declares and lists the ones that fail.
#pragma once

#include <cstdio>
#include <filesystem>
#include <span>
#include <string_view>

class SoundBackend;

// A resource the game asks for by name.
struct RequiredResource {
    std::string_view kind; // the script keyword: IMAGE, FONT, SOUND, MUSIC, TEXT, CUSTOM
    std::string_view name;
};

// Every resource the screens and modes look up by name.
std::span<const RequiredResource> requiredResources();

// Parses "resource.txt" in `dataDir` (pack first, then loose files), loads every entry and
// prints one line per problem to `out`, then a summary. A problem is an entry that failed to
// load, a required resource the script does not declare with its kind, a script that declares
// nothing, and a script whose text stops early (a NUL byte ends parsing there). Answers the
// number of problems, or -1 when the script itself cannot be read. "parsed.txt" goes to `stateDir`.
int checkResources(const std::filesystem::path& dataDir, const std::filesystem::path& stateDir,
                   SoundBackend* soundBackend, std::FILE* out, std::span<const RequiredResource> required);
