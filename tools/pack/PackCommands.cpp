// PackCommands.cpp: the commands of zibbet-pack, which makes, lists and unpacks resource packs.
#include "PackCommands.h"

#include "engine/core/FileIo.h"
#include "engine/resources/PackWriter.h"
#include "engine/resources/ResourcePack.h"

#include <cinttypes>
#include <cstdio>
#include <limits>
#include <system_error>

namespace fs = std::filesystem;

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "zibbet-pack: %s\n", message.c_str());
    return 1;
}

bool isSameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

// Adds one file under `name`; false with a message when it cannot be read.
bool addFile(const fs::path& file, std::string name, std::vector<PackEntry>& entries) {
    // A pack holds at most 4 GiB, so no single file can be larger.
    auto bytes = readFileBytes(file, std::numeric_limits<uint32_t>::max());
    if (!bytes) {
        fail("cannot read " + file.string());
        return false;
    }
    entries.push_back(PackEntry{std::move(name), std::move(*bytes)});
    return true;
}

} // namespace

int createPack(const fs::path& pack, const std::vector<fs::path>& inputs) {
    std::vector<PackEntry> entries;
    for (const fs::path& input : inputs) {
        std::error_code error;
        if (fs::is_directory(input, error)) {
            fs::recursive_directory_iterator walk(input, error);
            for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
                const fs::path& file = walk->path();
                // Re-packing a directory that already holds the pack must not swallow the pack.
                if (!walk->is_regular_file() || isSameFile(file, pack)) {
                    continue;
                }
                if (!addFile(file, file.lexically_relative(input).generic_string(), entries)) {
                    return 1;
                }
            }
            if (error) {
                return fail("cannot walk " + input.string() + ": " + error.message());
            }
        } else if (fs::is_regular_file(input, error)) {
            if (!addFile(input, input.filename().string(), entries)) {
                return 1;
            }
        } else {
            return fail("no such file or directory: " + input.string());
        }
    }
    std::string problem;
    if (!writeResourcePack(pack, std::move(entries), problem)) {
        return fail(problem);
    }
    return 0;
}

int listPack(const fs::path& pack) {
    ResourcePack reader(pack);
    std::string problem;
    const auto directory = reader.readDirectory(problem);
    if (!directory) {
        return fail(pack.string() + " " + problem);
    }
    for (const PackDirectoryEntry& entry : *directory) {
        std::printf("%10" PRIu32 " %10" PRIu32 "  %s\n", entry.size, entry.offset, entry.name.c_str());
    }
    return 0;
}

int extractFromPack(const fs::path& pack, const std::string& name, const fs::path& out) {
    ResourcePack reader(pack);
    std::string problem;
    if (reader.status() != ResourcePack::Status::Ready) {
        reader.readDirectory(problem);
        return fail(pack.string() + " " + problem);
    }
    const auto bytes = reader.find(name);
    if (!bytes) {
        if (!reader.readDirectory(problem)) {
            return fail(pack.string() + " " + problem);
        }
        return fail("no entry \"" + lowerCasedName(name) + "\" in " + pack.string());
    }
    if (out.empty()) {
        if (std::fwrite(bytes->data(), 1, bytes->size(), stdout) != bytes->size() ||
            std::fflush(stdout) != 0) {
            return fail("cannot write to standard output");
        }
        return 0;
    }
    if (!writeFileAtomically(out, *bytes)) {
        return fail("cannot write " + out.string());
    }
    return 0;
}
