// ResourcePack.h: reads named files out of the resource pack "resources.dat".
#pragma once

#include "engine/core/ReadOnlyFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pack layout, little-endian throughout:
//   0  magic "QZRLT" (5 bytes, no terminator)
//   5  three unsigned 32-bit counts; only their sum matters: the number of directory entries
//   17 the directory, entries back to back: size (u32), absolute offset (u32), name length L
//      (u8), L bytes of lower-case name
//   then the file data, anywhere in the file, addressed by the directory.
//
// Nothing in the pack is trusted: every count, length, size and offset is checked against the
// real file size in 64-bit arithmetic, so a corrupt pack can cost at most its own size in memory.
// The pack is only ever opened for reading.
struct PackDirectoryEntry {
    uint32_t size = 0;
    uint32_t offset = 0;
    std::string name;
};

class ResourcePack {
public:
    static constexpr const char* kFileName = "resources.dat";
    static constexpr std::size_t kHeaderBytes = 17;

    enum class Status {
        Missing,  // the file cannot be opened for reading
        NotAPack, // too short for a header, or another magic: no entries
        Ready,
    };

    explicit ResourcePack(const std::filesystem::path& path);

    Status status() const { return m_status; }
    // The sum of the three header counts, as the file declares it.
    uint64_t declaredEntryCount() const { return m_declaredEntries; }
    uint64_t fileSize() const { return m_file ? m_file->size() : 0; }

    // The bytes of the first entry named like `name` once it is lower-cased (A to Z), as an owned
    // copy. Nothing when the pack lacks it, when the directory ends before it, or when the entry
    // reaches past the end of the file (that case writes one trace line). The directory is read
    // with the first lookup and kept.
    std::optional<std::vector<uint8_t>> find(std::string_view name);

    // Every directory entry, checked: nothing when the directory is cut short or an entry lies
    // outside the file, with the reason in `problem`.
    std::optional<std::vector<PackDirectoryEntry>> readDirectory(std::string& problem);

private:
    // Reads the entry at the current position; false at the end of the file.
    bool readEntry(PackDirectoryEntry& entry);
    bool liesInside(const PackDirectoryEntry& entry) const;
    void indexDirectory();

    std::optional<ReadOnlyFile> m_file;
    std::filesystem::path m_path;
    Status m_status = Status::Missing;
    uint64_t m_declaredEntries = 0;
    std::vector<PackDirectoryEntry> m_index; // the directory as far as it could be read
    bool m_indexed = false;
};

// A to Z become a to z; every other byte stays as it is.
std::string lowerCasedName(std::string_view name);
