// ResourcePack.cpp: reads named files out of the resource pack "resources.dat".
#include "ResourcePack.h"

#include "engine/core/ksLog.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr char kMagic[5] = {'Q', 'Z', 'R', 'L', 'T'};

uint32_t readU32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

} // namespace

std::string lowerCasedName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

ResourcePack::ResourcePack(const std::filesystem::path& path)
    : m_file(ReadOnlyFile::open(path))
    , m_path(path) {
    if (!m_file) {
        return;
    }
    std::array<uint8_t, kHeaderBytes> header{};
    if (m_file->read(header) != header.size() || std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) {
        m_status = Status::NotAPack;
        return;
    }
    m_declaredEntries = uint64_t{readU32(&header[5])} + readU32(&header[9]) + readU32(&header[13]);
    m_status = Status::Ready;
}

bool ResourcePack::readEntry(PackDirectoryEntry& entry) {
    std::array<uint8_t, 9> fixed{};
    if (m_file->read(fixed) != fixed.size()) {
        return false;
    }
    entry.size = readU32(&fixed[0]);
    entry.offset = readU32(&fixed[4]);
    entry.name.resize(fixed[8]);
    std::span<uint8_t> name(reinterpret_cast<uint8_t*>(entry.name.data()), entry.name.size());
    return m_file->read(name) == name.size();
}

bool ResourcePack::liesInside(const PackDirectoryEntry& entry) const {
    return uint64_t{entry.offset} + entry.size <= m_file->size();
}

void ResourcePack::indexDirectory() {
    m_indexed = true;
    if (m_status != Status::Ready || !m_file->seek(kHeaderBytes)) {
        return;
    }
    // The directory is read once, in one piece, up to where it ends or breaks off; entries
    // before a break stay findable. Every entry takes at least 9 bytes, so a huge declared
    // count ends at the end of the file.
    constexpr uint64_t kLongestEntry = 9 + 255;
    const uint64_t entries = std::min(m_declaredEntries, (m_file->size() - kHeaderBytes) / 9);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(std::min(m_file->size() - kHeaderBytes, entries * kLongestEntry)));
    bytes.resize(m_file->read(bytes));
    std::size_t at = 0;
    for (uint64_t i = 0; i < m_declaredEntries && at + 9 <= bytes.size(); ++i) {
        PackDirectoryEntry entry;
        entry.size = readU32(&bytes[at]);
        entry.offset = readU32(&bytes[at + 4]);
        const std::size_t length = bytes[at + 8];
        if (at + 9 + length > bytes.size()) {
            break;
        }
        entry.name.assign(reinterpret_cast<const char*>(&bytes[at + 9]), length);
        at += 9 + length;
        m_index.push_back(std::move(entry));
    }
}

std::optional<std::vector<uint8_t>> ResourcePack::find(std::string_view name) {
    if (!m_indexed) {
        indexDirectory();
    }
    const std::string wanted = lowerCasedName(name);
    const auto found = std::find_if(m_index.begin(), m_index.end(),
                                    [&wanted](const PackDirectoryEntry& entry) { return entry.name == wanted; });
    if (found == m_index.end()) {
        return std::nullopt;
    }
    const PackDirectoryEntry& entry = *found;
    if (!liesInside(entry)) {
        trace("ResourcePack::find - %s lies outside %s (offset %u, size %u)", entry.name.c_str(), m_path.c_str(),
              entry.offset, entry.size);
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(entry.size);
    if (!m_file->seek(entry.offset) || m_file->read(bytes) != bytes.size()) {
        trace("ResourcePack::find - Could not read %s from %s", entry.name.c_str(), m_path.c_str());
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<PackDirectoryEntry>> ResourcePack::readDirectory(std::string& problem) {
    switch (m_status) {
    case Status::Missing:
        problem = "cannot be opened for reading";
        return std::nullopt;
    case Status::NotAPack:
        problem = "is not a resource pack (no \"QZRLT\" header)";
        return std::nullopt;
    case Status::Ready:
        break;
    }
    // At least 9 bytes per entry: a count beyond that cannot be honest, and no memory is reserved
    // for it.
    const uint64_t room = (m_file->size() - kHeaderBytes) / 9;
    if (m_declaredEntries > room) {
        problem = "declares " + std::to_string(m_declaredEntries) + " entries but has room for at most " +
                  std::to_string(room);
        return std::nullopt;
    }
    std::vector<PackDirectoryEntry> entries;
    entries.reserve(static_cast<std::size_t>(m_declaredEntries));
    if (!m_file->seek(kHeaderBytes)) {
        problem = "cannot be read";
        return std::nullopt;
    }
    for (uint64_t i = 0; i < m_declaredEntries; ++i) {
        PackDirectoryEntry entry;
        if (!readEntry(entry)) {
            problem = "has a directory that ends after " + std::to_string(i) + " of " +
                      std::to_string(m_declaredEntries) + " entries";
            return std::nullopt;
        }
        if (!liesInside(entry)) {
            problem = "has an entry \"" + entry.name + "\" that reaches past the end of the file";
            return std::nullopt;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}
