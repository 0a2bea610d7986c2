// ReadOnlyFile.h: a regular file opened for reading only, with its size known up front.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// Everything the game reads from disk goes through this, so no data file is ever opened for
// writing and nothing that only looks like a file (a directory, a pipe, a device) is read: those
// would report nonsense sizes or block.
class ReadOnlyFile {
public:
    // Nothing when the path is missing, unreadable or not a regular file.
    static std::optional<ReadOnlyFile> open(const std::filesystem::path& path);

    // The size when the file was opened.
    uint64_t size() const { return m_size; }
    // Reads up to buffer.size() bytes at the current position; answers how many were read.
    std::size_t read(std::span<uint8_t> buffer);
    // False when the position cannot be set.
    bool seek(uint64_t position);

    // The first `maxBytes` bytes of the file (all of it when it is shorter).
    std::vector<uint8_t> readLeading(std::size_t maxBytes);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    ReadOnlyFile(std::FILE* file, uint64_t size)
        : m_file(file)
        , m_size(size) {}

    std::unique_ptr<std::FILE, Closer> m_file;
    uint64_t m_size;
};
