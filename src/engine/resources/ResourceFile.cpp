// ResourceFile.cpp: the file source every loader reads through: loose files or the resource pack.
#include "ResourceFile.h"

#include "engine/core/ksLog.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Names from the resource script stay inside the data folder: no absolute path and no ".."
// step (either slash counts as a separator, as the script may be written with either).
bool staysInsideDataFolder(std::string_view name) {
    if (!name.empty() && (name.front() == '/' || name.front() == '\\')) {
        return false;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

} // namespace

ResourceFile::ResourceFile(std::filesystem::path dataDir, int mode)
    : m_dataDir(std::move(dataDir)) {
    setMode(mode);
}

void ResourceFile::setMode(int mode) {
    if (mode != LooseFiles && mode != Pack) {
        trace("ResourceFile::setMode - mode %i is not available here; reading loose files", mode);
        mode = LooseFiles;
    }
    m_mode = mode;
    m_savedMode = mode;
}

bool ResourceFile::open(const std::string& name) {
    close();
    if (!staysInsideDataFolder(name)) {
        trace("ResourceFile::open - %s is outside the data folder; refused", name.c_str());
        return false;
    }
    if (m_mode == Pack) {
        // The pack is opened once and its directory read once, however many files are read.
        if (!m_pack) {
            m_pack.emplace(m_dataDir / ResourcePack::kFileName);
        }
        const std::string lower = lowerCasedName(name);
        if (auto bytes = m_pack->find(lower)) {
            m_bytes = std::move(bytes);
            return true;
        }
        m_savedMode = Pack;
        m_mode = LooseFiles;
        if (!openLoose(lower)) {
            m_mode = m_savedMode;
            return false;
        }
        return true;
    }
    return openLoose(name);
}

bool ResourceFile::openLoose(const std::string& name) {
    m_loose = ReadOnlyFile::open(m_dataDir / name);
    if (!m_loose) {
        trace("File %s not found.", name.c_str());
        return false;
    }
    return true;
}

void ResourceFile::close() {
    m_bytes.reset();
    m_loose.reset();
    m_position = 0;
    m_endOfFile = false;
    m_mode = m_savedMode;
}

uint64_t ResourceFile::size() const {
    if (m_bytes) {
        return m_bytes->size();
    }
    return m_loose ? m_loose->size() : 0;
}

std::size_t ResourceFile::read(std::span<uint8_t> buffer) {
    const uint64_t total = size();
    const uint64_t left = m_position < total ? total - m_position : 0;
    const std::size_t wanted = static_cast<std::size_t>(std::min<uint64_t>(buffer.size(), left));
    std::size_t handed = 0;
    if (m_bytes && wanted > 0) {
        std::memcpy(buffer.data(), m_bytes->data() + m_position, wanted);
        handed = wanted;
    } else if (m_loose && wanted > 0) {
        handed = m_loose->read(buffer.first(wanted));
    }
    m_position += handed;
    return handed;
}

uint8_t ResourceFile::readByte() {
    uint8_t byte = 0;
    if (read(std::span(&byte, 1)) == 0) {
        m_endOfFile = true;
        return 0;
    }
    return byte;
}

void ResourceFile::seek(uint64_t position) {
    m_endOfFile = false;
    // A loose file whose position cannot be set hands over nothing more.
    if (m_loose && position < m_loose->size() && !m_loose->seek(position)) {
        position = m_loose->size();
    }
    m_position = position;
}

std::optional<std::vector<uint8_t>> ResourceFile::lookupInPack(const std::string& name) {
    if (m_mode != Pack) {
        return std::nullopt;
    }
    if (!m_pack) {
        m_pack.emplace(m_dataDir / ResourcePack::kFileName);
    }
    return m_pack->find(name);
}

std::optional<std::vector<uint8_t>> ResourceFile::readWhole(const std::string& name) {
    if (!open(name)) {
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> bytes;
    if (m_bytes) {
        bytes = std::move(m_bytes);
    } else {
        bytes.emplace(static_cast<std::size_t>(size()));
        bytes->resize(read(*bytes));
    }
    close();
    return bytes;
}
